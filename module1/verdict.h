#pragma once

#include "language/core/translatable.h"

// What both activities say when they judge the pupil's answer; the screens
// look the texts up under the "Verdict" context for the pupil's language.
class Verdict {
public:
    static constexpr const char* kCorrect = QT_TRANSLATE_NOOP("Verdict", "Correct, Well Done!");
    static constexpr const char* kWrong = QT_TRANSLATE_NOOP("Verdict", "Wrong, Try Again");

    static constexpr const char* of(bool right) { return right ? kCorrect : kWrong; }
};

#pragma once

#include <string>
#include <string_view>

#include "module1/verdict.h"

// The verdict on a typed answer. Every answer of the quiz is a whole number;
// a reading counts as right when its square distance from the answer is
// below kTolerance, which lets through anything within about 0.0051.
class AnswerCheck {
public:
    static constexpr double kTolerance = 2.6E-05;
    static constexpr const char* kRightText = Verdict::kCorrect;
    static constexpr const char* kWrongText = Verdict::kWrong;

    static bool isRight(double value, int dualanswer);
    static bool isRight(std::u16string_view typed, int dualanswer);

    // The answer as the result line shows it: decimal, no sign, no leading zeros.
    static std::string answerText(int dualanswer);
};

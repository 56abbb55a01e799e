#pragma once

// What both activities say when they judge the pupil's answer.
class Verdict {
public:
    static constexpr const char* kCorrect = "Correct, Well Done!";
    static constexpr const char* kWrong = "Wrong, Try Again";

    static constexpr const char* of(bool right) { return right ? kCorrect : kWrong; }
};

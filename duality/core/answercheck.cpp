#include "duality/core/answercheck.h"

#include <cstdlib>

#include "duality/core/answerreader.h"

bool AnswerCheck::isRight(double value, int dualanswer) {
    const double difference = value - static_cast<double>(dualanswer);
    return difference * difference < kTolerance;
}

bool AnswerCheck::isRight(std::u16string_view typed, int dualanswer) {
    return isRight(AnswerReader::leadingNumber(typed), dualanswer);
}

std::string AnswerCheck::answerText(int dualanswer) { return std::to_string(std::abs(dualanswer)); }

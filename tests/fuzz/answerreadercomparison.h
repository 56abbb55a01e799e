#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Puts one input to both of the program's answer readers and to the plain
// reference reading. The bytes are read once as UTF-8 text and once as UTF-16
// code units (two bytes each, low byte first), so unpaired surrogates and
// every other unit the answer box could hold are met as well.
class AnswerReaderComparison {
public:
    // Empty when the readers agree with the reference; otherwise what differs.
    static std::string disagreement(const std::uint8_t* data, std::size_t size);
};

#pragma once

#include <string>

// The clue animation of the Hamilton screen: 120 numbered frames, named with
// at least three digits after the prefix ("voyvivsm\voyv0" + "007" + ".gif").
class ClueFrames {
public:
    static constexpr int kFrameCount = 120;
    static constexpr int kDigits = 3;
    static constexpr int kTickMs = 50;
    static constexpr const char* kPrefix = "voyvivsm\\voyv0";
    static constexpr const char* kExtension = ".gif";

    static std::string name(const std::string& prefix, int n, const std::string& extension);
};

#pragma once

#include <string>

#include "module1/animationtable.h"

// The clue animation of the Hamilton screen: 120 numbered frames, named with
// at least three digits after the prefix ("voyvivsm\voyv0" + "007" + ".gif").
class ClueFrames {
public:
    static constexpr int kFrameCount = AnimationTable::kVoyage.frames;
    static constexpr int kDigits = AnimationTable::kVoyage.digits;
    static constexpr int kTickMs = 50;
    static inline const std::string kPrefix = AnimationTable::seriesName(AnimationTable::kVoyage);
    static constexpr const char* kExtension = AnimationTable::kExtension.data();

    static std::string name(const std::string& prefix, int n, const std::string& extension);
};

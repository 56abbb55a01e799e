#pragma once

#include <string>

#include "module1/animationtable.h"
#include "module1/module1.h"

// The animation a screen plays, as its frame files are named: the
// folder-and-prefix (`smallseq`), the extension (`picext`), how many frames
// there are (`framecount`) and the digits each frame number gets at least.
struct FrameSequence {
    std::string smallseq;
    std::string picext;
    int framecount = 0;
    int digits = 0;
    // What it shows, in English (AnimationTable::Sequence::description).
    const char* description = "";

    // A sequence of the animation table, under the screens' name for it.
    static FrameSequence of(const AnimationTable::Sequence& s) {
        return {AnimationTable::seriesName(s), std::string(AnimationTable::kExtension), s.frames,
                s.digits, s.description};
    }

    // The file of frame n: "dualsm\dual00" and 7 give "dualsm\dual0007.gif".
    std::string frameFile(int n) const { return Module1::frameName(smallseq, n, digits, picext); }

    bool operator==(const FrameSequence&) const = default;
};

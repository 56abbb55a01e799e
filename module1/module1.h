#pragma once

#include <optional>
#include <string>

// The program-wide variables that the animating screens and the quiz share.
// They live for the whole run; each screen sets what it needs before it
// animates. A value that has never been set counts as 0 where one is read.
namespace Module1 {

inline std::optional<int> framenum;      // frame on show, 0-based
inline int framecount = 0;               // frames in the sequence on show
inline std::string smallseq;             // folder-and-prefix of that sequence, e.g. "dualsm\dual00"
inline std::string picext;               // extension of its files, ".gif"
inline int dualanswer = 0;               // expected answer of the current Duality question
inline std::optional<int> lastquestion;  // index of the previous Duality question

// The file of frame n: the prefix, n in decimal with leading zeros to at
// least minDigits digits, then the extension ("dualsm\dual00", 7, 2 gives
// "dualsm\dual0007.gif").
std::string frameName(const std::string& prefix, int n, int minDigits, const std::string& ext);

// Frame n of the sequence on show (smallseq, picext), its number written with
// at least minDigits digits.
std::string frameFile(int n, int minDigits);

// The frame after n and the frame before it, wrapping round a sequence of
// count frames. A number left outside the sequence comes back into it.
int nextFrame(int n, int count);
int previousFrame(int n, int count);

// Back to the state at program start (for tests).
void reset();

}  // namespace Module1

#pragma once

#include <optional>
#include <string>

// The program-wide variables of the quiz, which outlive the Duality screen,
// and the frame arithmetic every animating screen uses. Each screen keeps its
// own animation (FramePlayer). A value that has never been set counts as 0
// where one is read.
namespace Module1 {

inline int dualanswer = 0;               // expected answer of the current Duality question
inline std::optional<int> lastquestion;  // index of the previous Duality question

// The file of frame n: the prefix, n in decimal with leading zeros to at
// least minDigits digits, then the extension ("dualsm\dual00", 7, 2 gives
// "dualsm\dual0007.gif").
std::string frameName(const std::string& prefix, int n, int minDigits, const std::string& ext);

// The frame after n and the frame before it, wrapping round a sequence of
// count frames. A number left outside the sequence comes back into it.
int nextFrame(int n, int count);
int previousFrame(int n, int count);

// Back to the state at program start (for tests).
void reset();

}  // namespace Module1

#pragma once

#include <array>
#include <optional>

#include "duality/core/dualityquestion.h"
#include "module1/animationtable.h"
#include "module1/framesequence.h"

// The eleven Duality questions and the random choice between them. Choosing a
// question sets the program-wide quiz variables of Module1 and tells the
// screen which animation to play beside it.
class QuestionBank {
public:
    // A question chosen, and the animation that plays while it is asked.
    struct Choice {
        int index;
        FrameSequence animation;
    };

    static constexpr int kCount = 11;
    // Frame numbers of the Duality sequences get at least this many digits.
    static constexpr int kFrameDigits = AnimationTable::kDodecahedron.digits;
    static_assert(AnimationTable::kCubeOctahedron.digits == kFrameDigits &&
                  AnimationTable::kTetrahedron.digits == kFrameDigits);

    static const std::array<DualityQuestion, kCount>& questions();
    static const DualityQuestion& question(int index);

    // The index that a draw r in [0, 1) picks after the question last asked
    // (none counts as 0): floor(11 r), moved on to the next index when it would
    // repeat the last one. So the first question of a run is never index 0.
    static int pick(float r, std::optional<int> lastquestion);

    // The animation of question `index`, as the table of animations has it.
    static FrameSequence animation(int index);

    // Picks a question with r, remembers it in Module1::lastquestion and sets
    // dualanswer for it. Returns the index chosen and its animation.
    static Choice choose(float r);
};

#pragma once

#include <span>

// Where the arrow keys take the keyboard focus on the graph: from one edge to
// the edge whose midpoint is nearest in the direction of the key.
class EdgeNavigator {
public:
    enum class Direction { Left, Right, Up, Down };

    // The edge the focus moves to from edge `from`, or `from` itself when no
    // midpoint lies that way. Midpoints ahead within 45 degrees of the key's
    // direction come first, then any others ahead; among them the nearest
    // wins, and the lower number on a tie. Twips, y growing downward.
    static int next(std::span<const float> midx, std::span<const float> midy, int from,
                    Direction direction);
};

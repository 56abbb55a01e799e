#pragma once

#include <span>
#include <vector>

// Which edges a press on the graph reaches. Each edge has an open square pick
// zone around its midpoint; a press inside several zones reaches them all.
class EdgePicker {
public:
    // Half the side of a pick zone, in twips; a press exactly this far away misses.
    static constexpr float kPickTolerance = 300;

    static bool picks(float midx, float midy, float x, float y);

    // Every edge whose zone holds (x, y), lowest number first: the order the
    // screen toggles them in, so the highest ends up on top.
    static std::vector<int> pickedEdges(std::span<const float> midx, std::span<const float> midy,
                                        float x, float y);
};

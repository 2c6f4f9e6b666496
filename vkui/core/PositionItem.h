// A layout coordinate described relative to a near edge a and a far edge b.
#pragma once

namespace VKUI {

struct DR_POSITION_ITEM {
    int mode = 0;     // 0 offset, 1 from the centre, 2 percentage
    int fromFar = 0;  // measured from the far edge
    float value = 0;
};

// mode 0: b - v from the far edge, else a + v; mode 1: centre + v (- v from the far edge);
// mode 2: a + (b - a) * value / 100, at most b; other modes 0. v is value truncated.
int PositionItem2Value(const DR_POSITION_ITEM& item, int a, int b);

}  // namespace VKUI

#include "core/PositionItem.h"

#include <algorithm>

namespace VKUI {

int PositionItem2Value(const DR_POSITION_ITEM& item, int a, int b) {
    int v = static_cast<int>(item.value);
    switch (item.mode) {
        case 0:
            return item.fromFar ? b - v : a + v;
        case 1: {
            int centre = a + (b - a) / 2;
            return item.fromFar ? centre - v : centre + v;
        }
        case 2:
            return std::min(b, a + static_cast<int>((b - a) * item.value / 100));
        default:
            return 0;
    }
}

}  // namespace VKUI

#include "features/music/HsvToColour.h"

#include <algorithm>

namespace vekora {

MusicColour HsvToColour(int h, int s, int v) {
    if (h < 0)
        return 0;
    s = std::clamp(s, 0, 255);
    v = std::clamp(v, 0, 255);
    if (s == 0)
        return MakeMusicColour(v, v, v);
    h %= 360;
    const int f = h / 60;
    const int p = (256 - s) * v / 256;
    // Only one of q (falling edge, odd sextants) and t (rising edge, even sextants) is used.
    const int q = ((60 * f - h) * s + 15360) * v / 15360;
    const int t = v * (s * (h - 60 * f - 60) + 15360) / 15360;
    switch (f) {
        case 0:
            return MakeMusicColour(v, t, p);
        case 1:
            return MakeMusicColour(q, v, p);
        case 2:
            return MakeMusicColour(p, v, t);
        case 3:
            return MakeMusicColour(p, q, v);
        case 4:
            return MakeMusicColour(t, p, v);
        default:
            return MakeMusicColour(v, p, q);
    }
}

}  // namespace vekora

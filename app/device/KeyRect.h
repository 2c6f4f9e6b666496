// KeyRect: a rectangle in pixels (left, top, right, bottom), right and bottom exclusive in the
// sense that a rectangle covers [left, right) x [top, bottom). The catalogue uses it for key
// items, view placements and background areas; the toolkit converts it to its own rectangle.
#pragma once

namespace vekora {

struct KeyRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    // True when the two rectangles share at least one pixel.
    constexpr bool Intersects(const KeyRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }

    // True when every pixel of `inner` lies inside this rectangle.
    constexpr bool Contains(const KeyRect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right &&
               inner.bottom <= bottom;
    }

    friend constexpr bool operator==(const KeyRect&, const KeyRect&) = default;
};

}  // namespace vekora

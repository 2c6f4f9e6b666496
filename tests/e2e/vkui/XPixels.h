// Reads a pixel straight from an X window (kept apart: Xlib's macros clash with other headers).
#pragma once

#include <cstdint>

// The pixel value (0xAARRGGBB on a 32-bit visual) and the window's depth; false on failure.
bool ReadWindowPixel(std::uint64_t window, int x, int y, unsigned long& pixel, int& depth);

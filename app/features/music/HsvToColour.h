// Integer HSV to colour conversion used by the moving visualizer patterns.
#pragma once

#include "features/music/MusicImage.h"

namespace vekora {

// h in degrees (any non-negative value, taken mod 360; negative gives black), s and v 0..255
// (values outside are clamped so that a channel can never spill into its neighbour).
// Integer arithmetic throughout, so the keyboard sees exactly the same colours every time.
MusicColour HsvToColour(int h, int s, int v);

}  // namespace vekora

// Where each key of a model samples the visualizer's picture: a grid of key codes laid over the
// keyboard's rows and columns, and the picture rows and columns its cells read.
#pragma once

#include <cstdint>
#include <span>

#include "device/DeviceModel.h"

namespace vekora {

struct SamplingGrid {
    int rows = 0;
    int columns = 0;
    std::span<const int> imageRows;      // picture row of each grid row
    std::span<const int> imageColumns;   // picture column of each grid column
    std::span<const std::uint8_t> keys;  // rows * columns key codes, row by row; 0: no key

    int KeyAt(int row, int column) const { return keys[row * columns + column]; }
};

// The grid of models 1, 5, 7, 8, 9 and 10; nullptr for every other model (they get no music
// frame).
const SamplingGrid* SamplingGridOf(DeviceModel m);

}  // namespace vekora

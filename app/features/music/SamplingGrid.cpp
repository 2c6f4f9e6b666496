#include "features/music/SamplingGrid.h"

#include <array>

namespace vekora {
namespace {

// Picture rows: 2 + 12k + 6 for the five-row keyboards, 2 + 10k + 5 for the six-row ones.
constexpr std::array<int, 5> kFiveRows = {8, 20, 32, 44, 56};
constexpr std::array<int, 6> kSixRows = {7, 17, 27, 37, 47, 57};

template <int N>
constexpr std::array<int, N> Columns(int pitch) {
    std::array<int, N> c{};
    for (int i = 0; i < N; ++i)
        c[i] = pitch * i;
    return c;
}

constexpr auto kColumns15 = Columns<15>(17);
constexpr auto kColumns16 = Columns<16>(15);
constexpr auto kColumns18 = Columns<18>(14);
constexpr auto kColumns20 = Columns<20>(12);

// Key codes; 0 marks a cell without a key.
constexpr std::uint8_t kGrid61[5 * 15] = {
    41,  30,  31,  32, 33, 34, 35, 36, 37, 38, 39, 45,  46,  0,   42,   //
    43,  20,  26,  8,  21, 23, 28, 24, 12, 18, 19, 47,  48,  0,   49,   //
    57,  4,   22,  7,  9,  10, 11, 13, 14, 15, 51, 52,  0,   0,   40,   //
    225, 0,   29,  27, 6,  25, 5,  17, 16, 54, 55, 56,  229, 82,  76,   //
    224, 227, 226, 0,  0,  44, 0,  0,  0,  0,  0,  230, 101, 228, 175,  //
};

constexpr std::uint8_t kGrid68[5 * 16] = {
    41,  30,  31,  32, 33, 34, 35, 36, 37, 38, 39,  45,  46,  0,  42, 53,  //
    43,  20,  26,  8,  21, 23, 28, 24, 12, 18, 19,  47,  48,  0,  49, 75,  //
    57,  4,   22,  7,  9,  10, 11, 13, 14, 15, 51,  52,  0,   0,  40, 78,  //
    225, 0,   29,  27, 6,  25, 5,  17, 16, 54, 55,  56,  229, 0,  82, 76,  //
    224, 227, 226, 0,  0,  44, 0,  0,  0,  0,  228, 175, 230, 80, 81, 79,  //
};

constexpr std::uint8_t kGrid87[6 * 18] = {
    41,  0,   58,  59, 60, 61, 62, 63, 64, 65, 0,  66,  67,  68,  69,  70, 71, 72,  //
    53,  30,  31,  32, 33, 34, 35, 36, 37, 38, 39, 45,  46,  42,  0,   73, 74, 75,  //
    43,  20,  26,  8,  21, 23, 28, 24, 12, 18, 19, 47,  48,  0,   49,  76, 77, 78,  //
    57,  0,   4,   22, 7,  9,  10, 11, 13, 14, 15, 51,  52,  0,   40,  0,  0,  0,   //
    225, 0,   29,  27, 6,  25, 5,  17, 16, 54, 55, 56,  0,   0,   229, 0,  82, 0,   //
    224, 227, 226, 0,  0,  44, 0,  0,  0,  0,  0,  230, 175, 101, 228, 80, 81, 79,  //
};

constexpr std::uint8_t kGrid98[6 * 20] = {
    0, 41,  58,  59,  60, 61, 0,  62, 63, 64, 65, 66,  67,  68,  69, 76, 74, 73, 75, 78,  //
    0, 53,  30,  31,  32, 33, 34, 35, 36, 37, 38, 39,  45,  46,  0,  42, 83, 84, 85, 86,  //
    0, 43,  20,  26,  8,  21, 23, 28, 24, 12, 18, 19,  47,  48,  0,  49, 95, 96, 97, 87,  //
    0, 57,  4,   22,  7,  9,  10, 11, 13, 14, 15, 51,  52,  50,  0,  40, 92, 93, 94, 0,   //
    0, 225, 100, 29,  27, 6,  25, 5,  17, 16, 54, 55,  56,  229, 0,  82, 89, 90, 91, 88,  //
    0, 224, 227, 226, 0,  0,  44, 0,  0,  0,  0,  230, 175, 0,   80, 81, 79, 0,  98, 99,  //
};

constexpr SamplingGrid kSampling61{5, 15, kFiveRows, kColumns15, kGrid61};
constexpr SamplingGrid kSampling68{5, 16, kFiveRows, kColumns16, kGrid68};
constexpr SamplingGrid kSampling87{6, 18, kSixRows, kColumns18, kGrid87};
constexpr SamplingGrid kSampling98{6, 20, kSixRows, kColumns20, kGrid98};

}  // namespace

const SamplingGrid* SamplingGridOf(DeviceModel m) {
    switch (m) {
        case DeviceModel::K61:
        case DeviceModel::K61SE:
            return &kSampling61;
        case DeviceModel::K68:
            return &kSampling68;
        case DeviceModel::K87SingleLight:
        case DeviceModel::K87Rgb:
            return &kSampling87;
        case DeviceModel::K98Rgb:
            return &kSampling98;
        default:
            return nullptr;
    }
}

}  // namespace vekora

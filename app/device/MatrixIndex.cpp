#include "device/MatrixIndex.h"

#include "device/KeyTableBuilders.h"

namespace vekora {
namespace {

using tables::Pair;

constexpr std::size_t kCodes = 256;

// Key code -> matrix index. 49 (backslash) and 50 (non-US hash) share index 67: the keyboards
// have one key for both.
constexpr std::array<Pair, 112> kBasePairs = {{
    {4, 56},    {5, 78},   {6, 76},   {7, 58},   {8, 40},   {9, 59},   {10, 60},   {11, 61},
    {12, 45},   {13, 62},  {14, 63},  {15, 64},  {16, 80},  {17, 79},  {18, 46},   {19, 47},
    {20, 38},   {21, 41},  {22, 57},  {23, 42},  {24, 44},  {25, 77},  {26, 39},   {27, 75},
    {28, 43},   {29, 74},  {30, 20},  {31, 21},  {32, 22},  {33, 23},  {34, 24},   {35, 25},
    {36, 26},   {37, 27},  {38, 28},  {39, 29},  {40, 85},  {41, 1},   {42, 103},  {43, 37},
    {44, 94},   {45, 30},  {46, 31},  {47, 48},  {48, 49},  {49, 67},  {50, 67},   {51, 65},
    {52, 66},   {53, 19},  {54, 81},  {55, 82},  {56, 83},  {57, 55},  {58, 2},    {59, 3},
    {60, 4},    {61, 5},   {62, 6},   {63, 7},   {64, 8},   {65, 9},   {66, 10},   {67, 11},
    {68, 12},   {69, 13},  {70, 112}, {71, 113}, {72, 115}, {73, 116}, {74, 117},  {75, 118},
    {76, 119},  {77, 120}, {78, 121}, {79, 102}, {80, 99},  {81, 100}, {82, 101},  {83, 32},
    {84, 33},   {85, 34},  {86, 122}, {87, 123}, {88, 106}, {89, 86},  {90, 87},   {91, 88},
    {92, 68},   {93, 69},  {94, 70},  {95, 50},  {96, 51},  {97, 52},  {98, 104},  {99, 105},
    {100, 111}, {101, 97}, {175, 96}, {209, 14}, {210, 15}, {211, 16}, {212, 109}, {223, 124},
    {224, 91},  {225, 73}, {226, 93}, {227, 92}, {228, 98}, {229, 84}, {230, 95},  {239, 109},
}};

constexpr auto kBase = tables::Dense<kCodes>(kBasePairs);

template <std::size_t M>
consteval std::array<int, kCodes> With(std::array<int, kCodes> table,
                                       const std::array<Pair, M>& changes) {
    for (const Pair& p : changes)
        table[static_cast<std::size_t>(p.from)] = p.to;
    return table;
}

constexpr auto kKeyMapRevision =
    With(kBase, std::array<Pair, 3>{{{191, 96}, {244, 98}, {246, 95}}});
constexpr auto kLightRevision =
    With(kBase, std::array<Pair, 7>{
                    {{41, 19}, {101, 96}, {175, 98}, {228, 97}, {191, 96}, {244, 95}, {246, 98}}});
constexpr auto kLightPlain =
    With(kBase, std::array<Pair, 5>{{{41, 19}, {53, 117}, {75, 119}, {76, 121}, {78, 118}}});

const std::array<int, kCodes>& TableOf(MatrixVariant v) {
    switch (v) {
        case MatrixVariant::KeyMapRevision:
            return kKeyMapRevision;
        case MatrixVariant::LightRevision:
            return kLightRevision;
        case MatrixVariant::LightPlain:
        case MatrixVariant::Light68:
            return kLightPlain;
        case MatrixVariant::KeyMapPlain:
            break;
    }
    return kBase;
}

}  // namespace

int MatrixIndex(MatrixVariant variant, int keyCode) {
    return tables::At(TableOf(variant), keyCode);
}

int KeyMapMatrixIndex(int keyCode, bool revisionFlag) {
    return MatrixIndex(revisionFlag ? MatrixVariant::KeyMapRevision : MatrixVariant::KeyMapPlain,
                       keyCode);
}

std::optional<MatrixVariant> LightMatrixVariant(DeviceModel m, bool revisionFlag) {
    switch (m) {
        case DeviceModel::K61:
            return revisionFlag ? MatrixVariant::LightRevision : MatrixVariant::LightPlain;
        case DeviceModel::K68:
            return MatrixVariant::Light68;
        default:
            return std::nullopt;
    }
}

int LightMatrixIndex(DeviceModel m, bool revisionFlag, int keyCode) {
    const std::optional<MatrixVariant> v = LightMatrixVariant(m, revisionFlag);
    return v ? MatrixIndex(*v, keyCode) : 0;
}

}  // namespace vekora

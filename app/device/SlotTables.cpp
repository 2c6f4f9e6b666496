#include "device/SlotTables.h"

#include "device/KeyTableBuilders.h"

namespace vekora {
namespace {

using tables::Pair;

constexpr std::size_t kSlots = kKeyMapSlotCount;
constexpr std::size_t kCodes = 256;

// ---- 61-key single colour (models 6 and 7) ---------------------------------------------------

constexpr std::array<Pair, 73> kDefault61SingleLight = {{
    {1, 41},   {2, 43},   {3, 57},   {4, 225}, {5, 224}, {7, 30},   {8, 20},  {9, 4},   {10, 29},
    {11, 227}, {13, 31},  {14, 26},  {15, 22}, {16, 27}, {17, 226}, {19, 32}, {20, 8},  {21, 7},
    {22, 6},   {25, 33},  {26, 21},  {27, 9},  {28, 25}, {30, 62},  {31, 34}, {32, 23}, {33, 10},
    {34, 5},   {35, 44},  {36, 63},  {37, 35}, {38, 28}, {39, 11},  {40, 17}, {42, 64}, {43, 36},
    {44, 24},  {45, 13},  {46, 16},  {48, 65}, {49, 37}, {50, 12},  {51, 14}, {52, 54}, {53, 230},
    {54, 66},  {55, 38},  {56, 18},  {57, 15}, {58, 55}, {59, 101}, {60, 67}, {61, 39}, {62, 19},
    {63, 51},  {64, 56},  {65, 228}, {66, 68}, {67, 45}, {68, 47},  {69, 52}, {70, 69}, {73, 46},
    {74, 48},  {76, 229}, {78, 76},  {79, 42}, {80, 49}, {81, 40},  {83, 80}, {88, 82}, {89, 81},
    {95, 79},
}};

// Not the inverse of the default table: the keypad codes (83..99) and the navigation codes
// land on slots the default table leaves empty or gives to other keys (83 -> 32 is the T key's
// slot), so an assignment for such a code overwrites that slot. F1..F12 are not listed, so an
// assignment stored for them is not written into these models' key maps. Fn (175) goes to slot
// 77, which the default table leaves empty.
constexpr std::array<Pair, 99> kLookup61SingleLight = {{
    {4, 9},    {5, 34},    {6, 22},    {7, 21},    {8, 20},   {9, 27},   {10, 33},  {11, 39},
    {12, 50},  {13, 45},   {14, 51},   {15, 57},   {16, 46},  {17, 40},  {18, 56},  {19, 62},
    {20, 8},   {21, 26},   {22, 15},   {23, 32},   {24, 44},  {25, 28},  {26, 14},  {27, 16},
    {28, 38},  {29, 10},   {30, 7},    {31, 13},   {32, 19},  {33, 25},  {34, 31},  {35, 37},
    {36, 43},  {37, 49},   {38, 55},   {39, 61},   {40, 81},  {41, 1},   {42, 79},  {43, 2},
    {44, 35},  {45, 67},   {46, 73},   {47, 68},   {48, 74},  {49, 80},  {50, 67},  {51, 63},
    {52, 69},  {54, 52},   {55, 58},   {56, 64},   {57, 3},   {70, 112}, {71, 113}, {72, 115},
    {73, 116}, {74, 117},  {75, 118},  {76, 119},  {77, 120}, {78, 121}, {79, 95},  {80, 83},
    {81, 89},  {82, 88},   {83, 32},   {84, 33},   {85, 34},  {86, 122}, {87, 123}, {88, 106},
    {89, 86},  {90, 87},   {91, 88},   {92, 68},   {93, 69},  {94, 70},  {95, 50},  {96, 51},
    {97, 52},  {98, 104},  {99, 105},  {100, 111}, {101, 59}, {175, 77}, {209, 14}, {210, 15},
    {211, 16}, {212, 109}, {223, 124}, {224, 5},   {225, 4},  {226, 17}, {227, 11}, {228, 65},
    {229, 76}, {230, 53},  {239, 109},
}};

// ---- 87-key single colour (model 8); its lookup table is the exact inverse ------------------

constexpr std::array<Pair, 87> kDefault87SingleLight = {{
    {0, 41},  {1, 53},   {2, 43},  {3, 57},  {4, 225}, {5, 224},  {7, 30},   {8, 20},   {9, 4},
    {10, 29}, {11, 227}, {12, 58}, {13, 31}, {14, 26}, {15, 22},  {16, 27},  {17, 226}, {18, 59},
    {19, 32}, {20, 8},   {21, 7},  {22, 6},  {24, 60}, {25, 33},  {26, 21},  {27, 9},   {28, 25},
    {30, 61}, {31, 34},  {32, 23}, {33, 10}, {34, 5},  {35, 44},  {36, 62},  {37, 35},  {38, 28},
    {39, 11}, {40, 17},  {42, 63}, {43, 36}, {44, 24}, {45, 13},  {46, 16},  {48, 64},  {49, 37},
    {50, 12}, {51, 14},  {52, 54}, {54, 65}, {55, 38}, {56, 18},  {57, 15},  {58, 55},  {59, 230},
    {60, 66}, {61, 39},  {62, 19}, {63, 51}, {64, 56}, {65, 175}, {66, 67},  {67, 45},  {68, 47},
    {69, 52}, {71, 101}, {72, 68}, {73, 46}, {74, 48}, {76, 229}, {77, 228}, {78, 69},  {79, 42},
    {80, 49}, {81, 40},  {84, 70}, {85, 73}, {86, 76}, {89, 80},  {90, 71},  {91, 74},  {92, 77},
    {94, 82}, {95, 81},  {96, 72}, {97, 75}, {98, 78}, {101, 79},
}};

// ---- 87-key RGB (model 9) --------------------------------------------------------------------
// The 87-key single-colour table with right Alt, Fn, right Shift and right Ctrl moved (to
// slots 53, 59, 82 and 83; slots 65, 76 and 77 are empty). Its lookup table is the inverse,
// except that the Application key is looked up in slot 65: an assignment for it lands in a slot
// the default map leaves empty, while slot 71 keeps the Application key itself.

constexpr std::array<Pair, 87> kDefault87Rgb = {{
    {0, 41},   {1, 53},   {2, 43},  {3, 57},   {4, 225}, {5, 224},  {7, 30},  {8, 20},   {9, 4},
    {10, 29},  {11, 227}, {12, 58}, {13, 31},  {14, 26}, {15, 22},  {16, 27}, {17, 226}, {18, 59},
    {19, 32},  {20, 8},   {21, 7},  {22, 6},   {24, 60}, {25, 33},  {26, 21}, {27, 9},   {28, 25},
    {30, 61},  {31, 34},  {32, 23}, {33, 10},  {34, 5},  {35, 44},  {36, 62}, {37, 35},  {38, 28},
    {39, 11},  {40, 17},  {42, 63}, {43, 36},  {44, 24}, {45, 13},  {46, 16}, {48, 64},  {49, 37},
    {50, 12},  {51, 14},  {52, 54}, {53, 230}, {54, 65}, {55, 38},  {56, 18}, {57, 15},  {58, 55},
    {59, 175}, {60, 66},  {61, 39}, {62, 19},  {63, 51}, {64, 56},  {66, 67}, {67, 45},  {68, 47},
    {69, 52},  {71, 101}, {72, 68}, {73, 46},  {74, 48}, {78, 69},  {79, 42}, {80, 49},  {81, 40},
    {82, 229}, {83, 228}, {84, 70}, {85, 73},  {86, 76}, {89, 80},  {90, 71}, {91, 74},  {92, 77},
    {94, 82},  {95, 81},  {96, 72}, {97, 75},  {98, 78}, {101, 79},
}};

// ---- 98-key RGB (model 10); its lookup table is the exact inverse ---------------------------

constexpr std::array<Pair, 98> kDefault98Rgb = {{
    {0, 41},   {1, 53},   {2, 43},   {3, 57},   {4, 225},  {5, 224},  {6, 58},   {7, 30},
    {8, 20},   {9, 4},    {10, 29},  {11, 227}, {12, 59},  {13, 31},  {14, 26},  {15, 22},
    {16, 27},  {17, 226}, {18, 60},  {19, 32},  {20, 8},   {21, 7},   {22, 6},   {24, 61},
    {25, 33},  {26, 21},  {27, 9},   {28, 25},  {30, 62},  {31, 34},  {32, 23},  {33, 10},
    {34, 5},   {35, 44},  {36, 63},  {37, 35},  {38, 28},  {39, 11},  {40, 17},  {42, 64},
    {43, 36},  {44, 24},  {45, 13},  {46, 16},  {48, 65},  {49, 37},  {50, 12},  {51, 14},
    {52, 54},  {53, 230}, {54, 66},  {55, 38},  {56, 18},  {57, 15},  {58, 55},  {59, 175},
    {60, 67},  {61, 39},  {62, 19},  {63, 51},  {64, 56},  {66, 68},  {67, 45},  {68, 47},
    {69, 52},  {72, 69},  {73, 46},  {74, 48},  {78, 76},  {79, 42},  {80, 49},  {81, 40},
    {82, 229}, {83, 80},  {88, 82},  {89, 81},  {90, 74},  {91, 83},  {92, 95},  {93, 92},
    {94, 89},  {95, 79},  {96, 73},  {97, 84},  {98, 96},  {99, 93},  {100, 90}, {101, 98},
    {102, 75}, {103, 85}, {104, 97}, {105, 94}, {106, 91}, {107, 99}, {108, 78}, {109, 86},
    {110, 87}, {112, 88},
}};

constexpr auto kDefault67 = tables::Dense<kSlots>(kDefault61SingleLight);
constexpr auto kLookup67 = tables::Dense<kCodes>(kLookup61SingleLight);
constexpr auto kDefault8 = tables::Dense<kSlots>(kDefault87SingleLight);
constexpr auto kLookup8 = tables::DenseInverse<kCodes>(kDefault8);
constexpr auto kDefault9 = tables::Dense<kSlots>(kDefault87Rgb);
constexpr auto kLookup9 = [] {
    auto t = tables::DenseInverse<kCodes>(kDefault9);
    t[101] = 65;
    return t;
}();
constexpr auto kDefault10 = tables::Dense<kSlots>(kDefault98Rgb);
constexpr auto kLookup10 = tables::DenseInverse<kCodes>(kDefault10);

struct SlotTablePair {
    const std::array<int, kSlots>* defaults;
    const std::array<int, kCodes>* lookup;
};

SlotTablePair TablesOf(DeviceModel m) {
    switch (m) {
        case DeviceModel::K61SingleLight:
        case DeviceModel::K61SE:
            return {&kDefault67, &kLookup67};
        case DeviceModel::K87SingleLight:
            return {&kDefault8, &kLookup8};
        case DeviceModel::K87Rgb:
            return {&kDefault9, &kLookup9};
        case DeviceModel::K98Rgb:
            return {&kDefault10, &kLookup10};
        default:
            return {nullptr, nullptr};
    }
}

}  // namespace

bool HasSlotTables(DeviceModel m) {
    return TablesOf(m).defaults != nullptr;
}

int DefaultKeyOfSlot(DeviceModel m, int slot) {
    const SlotTablePair t = TablesOf(m);
    return t.defaults ? tables::At(*t.defaults, slot) : 0;
}

int SlotOfKey(DeviceModel m, int keyCode) {
    const SlotTablePair t = TablesOf(m);
    return t.lookup ? tables::At(*t.lookup, keyCode) : 0;
}

std::optional<int> PlacedSlotOfKey(DeviceModel m, int keyCode) {
    const int slot = SlotOfKey(m, keyCode);
    if (slot < 0 || slot >= kKeyMapSlotCount)
        return std::nullopt;
    if (slot == 0 && DefaultKeyOfSlot(m, 0) != keyCode)
        return std::nullopt;
    return slot;
}

}  // namespace vekora

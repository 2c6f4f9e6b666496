#include "device/VirtualKeys.h"

#include "device/KeyTableBuilders.h"

namespace vekora {
namespace {

using tables::Pair;

// Virtual key -> key code, as macro recording needs it. Virtual key 666 is not a real key
// code of the platform; it stands for the non-US hash key (50) and is handled apart, since it
// does not fit the dense 0..255 table.
constexpr int kNonUsHashVirtualKey = 666;
constexpr int kNonUsHashKeyCode = 50;

consteval std::array<Pair, 118> RecordingPairs() {
    std::array<Pair, 118> p{};
    std::size_t n = 0;
    for (int i = 0; i < 26; ++i)
        p[n++] = {65 + i, 4 + i};  // A..Z
    for (int i = 0; i < 9; ++i)
        p[n++] = {49 + i, 30 + i};  // 1..9
    p[n++] = {48, 39};              // 0
    constexpr Pair kMain[] = {
        {13, 40},   {27, 41},  {8, 42},    {9, 43},    {32, 44},   {189, 45},  {187, 46},
        {219, 47},  {221, 48}, {220, 49},  {186, 51},  {222, 52},  {192, 53},  {188, 54},
        {190, 55},  {191, 56}, {20, 57},   {44, 70},   {145, 71},  {19, 72},   {45, 73},
        {36, 74},   {33, 75},  {46, 76},   {35, 77},   {34, 78},   {39, 79},   {37, 80},
        {40, 81},   {38, 82},  {144, 83},  {111, 84},  {106, 85},  {109, 86},  {107, 87},
        {108, 88},  {96, 98},  {110, 99},  {226, 100}, {93, 101},  {162, 224}, {160, 225},
        {164, 226}, {91, 227}, {163, 228}, {161, 229}, {165, 230}, {92, 231},  {254, 175},
    };
    for (const Pair& q : kMain)
        p[n++] = q;
    for (int i = 0; i < 12; ++i)
        p[n++] = {112 + i, 58 + i};  // F1..F12
    for (int i = 0; i < 12; ++i)
        p[n++] = {124 + i, 104 + i};  // F13..F24
    for (int i = 0; i < 9; ++i)
        p[n++] = {97 + i, 89 + i};  // keypad 1..9
    if (n != p.size())
        throw "recording table size";
    return p;
}

constexpr auto kRecordingPairs = RecordingPairs();
constexpr auto kKeyCodeOfVk = tables::Dense<256>(kRecordingPairs, -1);

// Key code -> virtual key, for key maps handed to the device library.
//
// Which entries exist: every entry of the recording table is inverted, not only the keys a
// keyboard of ours carries. Key assignments can name any key the capture produced (F13..F24,
// the non-US backslash, right Windows), and an entry of 0 would silently turn such an
// assignment into a dead key. The Fn key (175) inverts to 254, so the default entry of the Fn
// slot of the RGB keyboards is not empty. The non-US hash key (50) has no virtual key (666 is
// not one) and gives 0. The entries below then override the inverse.
consteval std::array<int, 256> LibraryTable() {
    std::array<int, 256> t{};
    for (const Pair& p : kRecordingPairs)
        t[static_cast<std::size_t>(p.to)] = p.from;
    constexpr Pair kParticular[] = {
        // Left and right modifiers give the generic Ctrl, Shift and Alt; left Windows stays
        // 91; right Ctrl gives the Application key, as the Application key itself does.
        {224, 17},
        {225, 16},
        {226, 18},
        {227, 91},
        {228, 93},
        {229, 16},
        {230, 18},
        {101, 93},
        // Keypad Enter.
        {88, 253},
        // Volume up, volume down, mute, launch application 2.
        {209, 175},
        {210, 174},
        {211, 173},
        {212, 183},
        // The Fn role of an assignment is carried through unchanged.
        {250, 250},
    };
    for (const Pair& p : kParticular)
        t[static_cast<std::size_t>(p.from)] = p.to;
    return t;
}

constexpr auto kVkOfKeyCode = LibraryTable();

}  // namespace

std::optional<int> FindKeyCodeOfVirtualKey(int virtualKey) {
    if (virtualKey == kNonUsHashVirtualKey)
        return kNonUsHashKeyCode;
    const int code = tables::At(kKeyCodeOfVk, virtualKey, -1);
    if (code < 0)
        return std::nullopt;
    return code;
}

int KeyCodeOfVirtualKey(int virtualKey) {
    return FindKeyCodeOfVirtualKey(virtualKey).value_or(virtualKey);
}

int VirtualKeyOfKeyCode(int keyCode) {
    return tables::At(kVkOfKeyCode, keyCode);
}

}  // namespace vekora

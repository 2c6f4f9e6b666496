#include "device/libformats/DeviceLightBuffers.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/KeyCodes.h"

namespace vekora {
namespace {

std::array<std::uint8_t, 4> ColourSlot(const DeviceColourMap& map, int slot) {
    const auto at = static_cast<std::size_t>(slot) * 4;
    return {map[at], map[at + 1], map[at + 2], map[at + 3]};
}

KeyColour Colour(int keyCode, int bgr) {
    KeyColour c;
    c.profile = 1;
    c.light = 1;
    c.key_code = keyCode;
    c.key_rgb = bgr;
    return c;
}

TEST(DeviceColourMap, PutsBlueGreenRedZeroIntoTheKeysSlot) {
    // 0x00BBGGRR: blue 0x11, green 0x22, red 0x33.
    const DeviceColourMap map = BuildDeviceColourMap(
        DeviceModel::K87Rgb, {Colour(key::A, 0x112233), Colour(key::Fn, 0xFF0000)});
    EXPECT_EQ(ColourSlot(map, 9), (std::array<std::uint8_t, 4>{0x11, 0x22, 0x33, 0}));
    EXPECT_EQ(ColourSlot(map, 59), (std::array<std::uint8_t, 4>{0xFF, 0, 0, 0}));
    int lit = 0;
    for (std::uint8_t b : map) {
        lit += b != 0;
    }
    EXPECT_EQ(lit, 4);
}

TEST(DeviceColourMap, TheApplicationKeyOf87RgbUsesSlot65) {
    const DeviceColourMap map =
        BuildDeviceColourMap(DeviceModel::K87Rgb, {Colour(key::Application, 0x0000FF)});
    EXPECT_EQ(ColourSlot(map, 65), (std::array<std::uint8_t, 4>{0, 0, 0xFF, 0}));
    EXPECT_EQ(ColourSlot(map, 71), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
}

TEST(DeviceColourMap, ByteAboveTheColourIsIgnored) {
    const DeviceColourMap map =
        BuildDeviceColourMap(DeviceModel::K98Rgb, {Colour(key::KeypadEnter, 0x7F010203)});
    EXPECT_EQ(ColourSlot(map, 112), (std::array<std::uint8_t, 4>{0x01, 0x02, 0x03, 0}));
}

TEST(DeviceColourMap, EmptyLightGivesAZeroMap) {
    EXPECT_EQ(BuildDeviceColourMap(DeviceModel::K98Rgb, {}), DeviceColourMap{});
}

TEST(DeviceColourMap, KeysWithoutASlotDoNotPaintOverEsc) {
    // Key 100 has no slot on the 98-key board; the lookup's "missing" answer is slot 0.
    const DeviceColourMap map = BuildDeviceColourMap(
        DeviceModel::K98Rgb, {Colour(key::Esc, 0x000001), Colour(100, 0xFFFFFF)});
    EXPECT_EQ(ColourSlot(map, 0), (std::array<std::uint8_t, 4>{0, 0, 0x01, 0}));
}

TEST(LibraryMusicFrame, PutsRedGreenBlueIntoTheKeysSlot) {
    const std::vector<KeyLight> keys = {{key::Esc, 0x030201}, {key::Application, 0x0A0B0C}};
    LibraryMusicFrame expected{};
    expected[0] = 1, expected[1] = 2, expected[2] = 3;
    // The Application key looks up slot 65 on the 87-key RGB board.
    expected[195] = 0x0C, expected[196] = 0x0B, expected[197] = 0x0A;
    EXPECT_EQ(BuildLibraryMusicFrame(DeviceModel::K87Rgb, keys), expected);
}

TEST(LibraryMusicFrame, KeysWithoutASlotAreLeftOut) {
    // Key 100 sits in the 98-key board's music grid but has no slot: it must not paint over
    // Esc's slot 0.
    const std::vector<KeyLight> stray = {{key::Esc, 0x000001}, {100, 0xFFFFFF}};
    const LibraryMusicFrame k98 = BuildLibraryMusicFrame(DeviceModel::K98Rgb, stray);
    EXPECT_EQ(k98[0], 1);
    EXPECT_EQ(k98[1], 0);
    EXPECT_EQ(k98[2], 0);
}

TEST(LightSettings, CarriesTheModeAndTheFixedValues) {
    EXPECT_EQ(BuildLightSettings(10), (LightSettingsValues{10, 16, 3, 1, 255, 0, 0, 127, 0, 0}));
    EXPECT_EQ(BuildLightSettings(1)[0], 1);
}

}  // namespace
}  // namespace vekora

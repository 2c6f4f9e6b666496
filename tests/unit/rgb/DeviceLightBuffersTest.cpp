#include "device/libformats/DeviceLightBuffers.h"

#include <gtest/gtest.h>

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

TEST(LightSettings, CarriesTheModeAndTheFixedValues) {
    EXPECT_EQ(BuildLightSettings(10), (LightSettingsValues{10, 16, 3, 1, 255, 0, 0, 127, 0, 0}));
    EXPECT_EQ(BuildLightSettings(1)[0], 1);
}

}  // namespace
}  // namespace vekora

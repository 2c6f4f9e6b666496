// Per-model facts beyond the storage names (ModelNames.h) and the pictures
// (ModelAppearance.h): what the keyboard is, how it is driven, which lighting list and user
// guide it has, where it sits in the window's device list, and its device-library open code.
// Every lookup is total: an unknown code yields an empty text or "nothing".
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "device/DeviceModel.h"

namespace vekora {

// A short description of the keyboard ("61 keys, RGB"); empty for unknown codes.
std::string_view KeyboardDescription(DeviceModel m);

// How the program reaches the keyboard.
enum class DrivePath {
    None,           // no keyboard behind the code (placeholder, unknown codes)
    OwnReports,     // HID feature reports built by this program
    DeviceLibrary,  // the device library (libTarnexio.so)
};

DrivePath DrivePathOf(DeviceModel m);
std::string_view DrivePathName(DrivePath path);  // "own reports", "device library", "none"

// True for the two models driven through the device library (87- and 98-key RGB).
bool DrivenByDeviceLibrary(DeviceModel m);

// Which list of built-in lighting effects the model offers.
enum class LightingFamily { General, SingleColour, Rgb };
LightingFamily LightingFamilyOf(DeviceModel m);

// The model's user guide, relative to the program folder ("doc/Vekora 61k User guide.pdf");
// empty when the model has none.
std::string_view UserGuidePath(DeviceModel m);

// The entry (0..2) of the window's three-entry device list marked current for the model, or
// nothing.
std::optional<int> DeviceListEntryOf(DeviceModel m);

// The model a pick of a device-list entry selects (0 -> K61SE, 1 -> K87Rgb, 2 -> K98Rgb);
// None for any other entry.
DeviceModel ModelOfDeviceListEntry(int entry);

inline constexpr int kDeviceListEntryCount = 3;

// The text handed unchanged to the device library when it opens the model's keyboard: 30
// lower-case hex digits, one per library-driven model, empty for the others. The values are
// ours; our device library (libTarnexio.so, tarnexio/) consumes them to tell which keyboard
// it is asked to open. Nothing else gives them meaning.
std::wstring_view OpenCode(DeviceModel m);

inline constexpr std::size_t kOpenCodeLength = 30;

// The model shown after the first scan at start-up: the scan's model when it found one, else
// the stored "DevType" value, else K61. A stored value that names no model (a damaged or
// foreign setting) is treated like a missing one, so that a model with tables is always shown.
DeviceModel StartupModel(DeviceModel scanned, int storedDevType);

// Case colours of a keyboard: 1 white, 2 black, 3 blue, 4 purple.
enum class ColorVariant : int { White = 1, Black = 2, Blue = 3, Purple = 4 };
inline constexpr int kColorVariantCount = 4;

// The variant to use for a stored colour value: 0 or less (also a missing value) becomes 1,
// which the caller writes back; any other value is used as stored.
int NormalizedColorVariant(int stored);

}  // namespace vekora

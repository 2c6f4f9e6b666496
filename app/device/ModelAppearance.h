// What the main window shows for a model and case colour: the keyboard picture, the colour
// painted behind it and that area, the visible case-colour buttons, and the pictures of the
// window's device list. Picture names are relative to the skin folder.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/DeviceModel.h"
#include "device/KeyRect.h"

namespace vekora {

// Picture and background colour (0x00BBGGRR) for one case colour of a model.
struct CaseLook {
    std::string_view picture;
    std::optional<std::uint32_t> background;  // nothing: the view keeps its colour
};

// The look of the model in the given ColorVariant (1..4), or nothing when the model does not
// offer that variant: the window then keeps the previous picture and colour, while the
// variant's button is still marked current.
std::optional<CaseLook> CaseLookFor(DeviceModel m, int colorVariant);

// The area of the keyboard view filled with the background colour, or nothing.
std::optional<KeyRect> BackgroundRect(DeviceModel m);

// Where the keyboard view is placed for a model that has no key layout but a picture
// (the placeholder model), or nothing.
std::optional<KeyRect> PictureOnlyViewRect(DeviceModel m);

// Which of the four case-colour buttons (white, black, blue, purple) are visible.
using CaseButtons = std::array<bool, 4>;
CaseButtons VisibleCaseButtons(DeviceModel m);

// The picture of a case-colour button for variant 1..4; empty otherwise.
std::string_view CaseButtonPicture(int colorVariant);

// The pictures the three-entry device list is built with.
std::string_view DeviceListPicture(int entry);

// A device-list entry whose picture a model and case colour replace.
struct DeviceListPictureChange {
    int entry = 0;
    std::string_view picture;
};

// The CNC 61-key model shows its case colour on entry 1, the placeholder model its picture on
// entry 2; every other model and variant leaves the device list alone.
std::optional<DeviceListPictureChange> DeviceListPictureFor(DeviceModel m, int colorVariant);

}  // namespace vekora

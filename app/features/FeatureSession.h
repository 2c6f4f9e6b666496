// FeatureSession: the part of the application state the feature logic reads and changes.
// The application core owns it (one per main window) and hands it to the feature objects.
#pragma once

#include <functional>
#include <string>

#include "device/DeviceModel.h"
#include "features/text/LocalText.h"

namespace vekora {

struct FeatureSession {
    DeviceModel model = DeviceModel::None;
    bool connected = false;
    int profile = 1;        // 1..5, "Profile A".."Profile E"
    int currentEffect = 0;  // built-in effect id, or the custom-layout value while one is shown
    int currentSlot = 1;    // custom lighting slot 1..5 last saved into
};

// Looks up a localised text by id in the language current at the moment of the call. The
// application passes GetLocalText; tests pass a table of their own.
using TextLookup = std::function<std::wstring(int textId)>;

// GetLocalText: the text in the language current when it is asked for.
inline TextLookup CurrentLanguageTexts() {
    return [](int textId) { return GetLocalText(textId); };
}

// Texts the feature flows show.
inline constexpr int kSetSuccessfulTextId = 505;     // "Set Successful!"
inline constexpr int kNotModifiableTextId = 510;     // "This mode does not support modification!"
inline constexpr int kKeepOneLightTextId = 800;      // "Need to keep a light effect"
inline constexpr int kMacroNameEmptyTextId = 378;    // "Macro name cannot be empty, please enter!"
inline constexpr int kProfileTitleFirstTextId = 31;  // "Profile A"; +1 per profile
inline constexpr int kLightNameTextId = 575;         // "Light"
inline constexpr int kFirstUserLightTextId = 572;    // "User Light 1"
inline constexpr int kChooseProfileFolderTextId = 152;  // folder dialog title, profile export
inline constexpr int kUserLightsTextId = 571;           // folder dialog title, light export

// The profile that refuses edits ("Profile E").
inline constexpr int kReadOnlyProfile = 5;

constexpr bool IsValidProfile(int profile) {
    return profile >= 1 && profile <= 5;
}

}  // namespace vekora

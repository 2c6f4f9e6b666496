// LightingController: the built-in effect list, the user lights (named per-key colour
// layouts) with their list, colouring keys, and saving a layout into the keyboard's custom
// slots, with the uploads each action triggers.
//
// The user-light list is kept here (entries, selection, check marks) and pushed to the view
// whole after every change; the view reports the user's picks back through these methods.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppView.h"
#include "core/DeviceUploads.h"
#include "features/FeatureSession.h"
#include "features/keys/KeyFunctions.h"
#include "store/ConfigDatabase.h"

namespace vekora {

class LightingController {
public:
    LightingController(FeatureSession& session, ConfigDatabase& db, AppView& view,
                       DeviceUploads& uploads, KeyFunctions& keys,
                       TextLookup text = CurrentLanguageTexts());

    // ---- Built-in effects ----

    // Fills the effect list of the current model with the names in the current language
    // (also after a language change).
    void ShowEffectList();
    // Makes an effect current, stores it as the profile's "lightmode" and, while a keyboard
    // is connected, uploads it.
    void ChooseEffect(int effectId);
    // Selects the profile's stored effect in the list (nothing when it cannot be read) and on
    // models 1, 5 and 6 uploads it.
    void ShowProfileEffect(int profile);
    // On start-up, device change and profile switch: tells the keyboard the profile (taking
    // back its effect on models 7 and 8), refreshes the key labels, shows the effect and the
    // check marks.
    void LoadProfileLighting(int profile);

    // ---- User lights ----

    // Reads the stored user lights into the list; with none stored, creates and selects
    // "Light 1".
    void LoadUserLights();
    // Adds "Light N" (N = count + 1), selects it and shows its empty layout.
    bool AddUserLight();
    // Deletes the entry; refused for the last one. The entry above becomes selected and is
    // shown; after deleting the first entry nothing is selected and the layout is empty.
    bool DeleteUserLight(int index);
    // Renames the entry; an empty name keeps the stored one.
    bool RenameUserLight(int index, const std::wstring& name);
    // Selects an entry (-1 for none) and shows its colours.
    void SelectUserLight(int index);
    // Shows the selected user light's colours, or an empty layout with none selected.
    void ShowSelectedUserLight();
    // Colours the selected keys, stores the colours of every key as the selected user light
    // and uploads it into the current slot. Nothing happens without a selected user light.
    bool ColourSelectedKeys(uint32_t colour);
    // Makes slot 1..5 current; with a user light selected, stores it for the slot, uploads it
    // there and refreshes the check marks.
    bool SaveToSlot(int slot);
    // Marks every user light stored in one of the five slots.
    void RefreshCheckMarks();
    // After a language change: the effect names in the new language. User lights keep the
    // names the user gave them (the first one is not renamed to "User Light 1").
    void OnLanguageChanged();

    const std::vector<UserLightListItem>& UserLights() const { return lights_; }
    int SelectedIndex() const { return selected_; }
    std::optional<UserLightListItem> SelectedUserLight() const;

    // Appends an existing user light (an imported one) to the list without selecting it.
    void AppendUserLight(int lightId, const std::wstring& name);

    // Models 7 and 8 refuse lighting edits in profile 5; shows the refusal and returns true
    // when the current state is such a case.
    bool RefuseReadOnlyEdit();

private:
    void PushUserLights();

    FeatureSession& session_;
    ConfigDatabase& db_;
    AppView& view_;
    DeviceUploads& uploads_;
    KeyFunctions& keys_;
    TextLookup text_;
    std::vector<UserLightListItem> lights_;
    int selected_ = -1;
};

// "lightmode" and "userlight": the per-profile configuration values of the lighting.
inline constexpr std::string_view kLightModeKey = "lightmode";
inline constexpr std::string_view kUserLightKey = "userlight";

}  // namespace vekora

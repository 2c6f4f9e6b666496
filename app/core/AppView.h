// AppView: what the application core needs from whatever shows it (the main window or the
// command-line tool). The core never draws; it tells the view what changed.
//
// Implementations: the main window (app/ui), vekora-ctl's terminal view (tools/ctl) and the
// recording view of the tests. Add an operation here when a flow needs the view to do
// something new; keep each one a plain notification without toolkit types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vekora {

// One entry of the built-in effect list, with its name in the current language.
struct EffectListItem {
    int effectId = 0;
    std::wstring name;
    std::string icon;  // picture below the skin folder

    bool operator==(const EffectListItem&) const = default;
};

// One entry of the user-light list. `checked` marks a layout saved into a custom slot.
struct UserLightListItem {
    int lightId = 0;
    std::wstring name;
    std::string icon;
    bool checked = false;

    bool operator==(const UserLightListItem&) const = default;
};

// A key item of the keyboard view with its current colour (0x00BBGGRR, 0 = unlit).
struct KeyColourState {
    int keyCode = 0;
    uint32_t colour = 0;

    bool operator==(const KeyColourState&) const = default;
};

class AppView {
public:
    virtual ~AppView() = default;

    // Shows the localised text `textId` to the user as a status message
    // ("Device connected!", "Set Successful!", ...).
    virtual void ShowMessage(int textId) = 0;

    // Shows a plain message box with the given text and caption (used where the program shows
    // an untranslated text, such as a failed library load).
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption) = 0;

    // Shows whether a keyboard is connected on the USB status button ("sysbtn_usb.png" when
    // connected, "sysbtn_usb_none.png" when not).
    virtual void ShowUsbConnected(bool connected) = 0;

    // Marks entry 0..2 of the device list as the current one.
    virtual void MarkDeviceListEntry(int entry) = 0;

    // ---- Keyboard view: key labels and key colours ----

    // Sets the label shown on a key (an empty label shows the key's own print).
    virtual void SetKeyLabel(int keyCode, const std::wstring& label) = 0;
    // Clears every key label.
    virtual void ClearKeyLabels() = 0;
    // Sets every key item's colour to 0 (unlit).
    virtual void ClearKeyColours() = 0;
    virtual void SetKeyColour(int keyCode, uint32_t colour) = 0;
    // Gives every selected key item the colour.
    virtual void ColourSelectedKeys(uint32_t colour) = 0;
    // Every key item of the view with its current colour, in the view's order.
    virtual std::vector<KeyColourState> KeyColours() const = 0;
    // Repaints the keyboard view after a batch of label or colour changes.
    virtual void RedrawKeyboard() = 0;

    // ---- Lighting lists ----

    // Replaces the built-in effect list.
    virtual void ShowEffectList(const std::vector<EffectListItem>& items) = 0;
    // Selects the entry with the effect id; an empty value, or an id not in the list, selects
    // nothing.
    virtual void SelectEffect(std::optional<int> effectId) = 0;
    // Replaces the user-light list; `selectedIndex` is -1 for no selection.
    virtual void ShowUserLights(const std::vector<UserLightListItem>& items, int selectedIndex) = 0;
};

}  // namespace vekora

// SyncView: what the synchronisation flows tell the view and read from it. The main window and
// the command-line tool implement it next to AppView; tests record it.
#pragma once

#include <vector>

#include "device/protocol/ProtocolBuffers.h"

namespace vekora {

class SyncView {
public:
    virtual ~SyncView() = default;

    // A localised status text (505 "Set Successful!", 502, 503, 510 ...).
    virtual void ShowMessage(int textId) = 0;
    // The profile is now current: show its title (texts 31..35), load its key labels and
    // refresh the pages.
    virtual void ShowProfile(int profile) = 0;
    // The current light mode changed: select it in the effect list.
    virtual void ShowLightMode(int lightMode) = 0;
    // The three lock switches of the current profile.
    virtual void ShowGameMode(GameModeSwitches switches) = 0;
    // Colours read back from the keyboard for the live preview.
    virtual void ShowKeyColours(const std::vector<KeyLight>& colours) = 0;

    // The key codes of the keyboard view's items, in view order.
    virtual std::vector<int> ViewKeys() const = 0;
    // The current colour of every view key (music frames).
    virtual std::vector<KeyLight> ViewColours() const = 0;
    // True while the window is shown and not minimised: the device library's keyboards are
    // asked for their profile only then. A view without a window (the command-line tool)
    // answers true.
    virtual bool WindowShown() const = 0;
};

}  // namespace vekora

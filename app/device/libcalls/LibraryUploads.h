// LibraryUploads: every setting of an RGB keyboard (models 9 and 10) sent through the device
// library, over the process's DeviceLibraryBinding.
//
// Each upload builds its buffer (device/libformats) and calls the library. Calls are skipped,
// silently, while the library is not usable (not loaded, incomplete), no device handle is held
// or the export is missing. A failing key map, macro or light call re-opens the keyboard
// (DeviceLibraryBinding::Reopen: close, 1000 ms, open) and is made once more; the second
// result is not checked. Nothing is sent for profile 5 by the key map, user light and macro
// uploads: the keyboard keeps four key-map profiles, profile E lives in the program only.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/KeyLight.h"
#include "device/libformats/LibraryBuffers.h"
#include "store/Records.h"

namespace vekora {

class Clock;
class DeviceLibraryBinding;

// A stored macro with its events in record order.
struct LibraryMacro {
    MacroDefinition definition;
    std::vector<MacroEvent> events;
};

class LibraryUploads {
public:
    LibraryUploads(DeviceLibraryBinding& binding, Clock& clock)
        : binding_(binding), clock_(clock) {}

    // True when calls reach the keyboard: the library is loaded with every required export and
    // a device handle is held.
    bool Ready() const;

    // Key map of `profile` (1..4) with its stored assignments; `macros` is the stored macro
    // list (macro positions). Profile 5: nothing. Returns the first SetKey result (1 done,
    // 0 failed, -1 skipped).
    int UploadKeyMap(DeviceModel model, int profile, const std::vector<KeyAssignment>& assignments,
                     const std::vector<MacroDefinition>& macros);

    // Default key maps of the four on-board profiles: for each, 100 ms pause, SetKey, and on a
    // failure 100 ms, re-open and once more.
    void UploadDefaultKeyMaps(DeviceModel model);

    // The colours of a user light into on-board slot `slot` (1..5), for profiles 1..4.
    void UploadUserLight(DeviceModel model, int profile, int slot,
                         const std::vector<KeyColour>& colours);

    // All five colour slots emptied, 100 ms before each.
    void ClearUserLights();

    // Table byte 30 = profile - 1 (read, change, write back). False when not sent.
    bool SelectProfile(int profile);

    // Table bytes 15, 31, 32 (read, change, write back). False when not sent.
    bool SendGameMode(bool windowsKeyDisabled, bool altTabDisabled, bool altF4Disabled);

    // SetLED with the light mode; on -1 or -2 re-open and once more. Returns the first result.
    int SendLightMode(int lightMode);

    // The macro list: ClearMacro, one AddMacro per macro (at most ten), SetMacro. Profile 5:
    // nothing.
    void UploadMacros(int profile, const std::vector<LibraryMacro>& macros);

    // One music frame of the view's colours.
    void SendMusicFrame(DeviceModel model, std::span<const KeyLight> keys);

    // The profile the keyboard's table names (byte 30 + 1, 1..5); nothing when not read.
    std::optional<int> ReadProfile();

private:
    bool ReopenIfUsable();

    DeviceLibraryBinding& binding_;
    Clock& clock_;
};

}  // namespace vekora

#include "device/libcalls/LibraryUploads.h"

#include "device/Clock.h"
#include "device/libformats/DeviceKeyMap.h"
#include "device/libformats/DeviceLightBuffers.h"
#include "device/libformats/DeviceTable.h"
#include "device/libformats/MacroSteps.h"
#include "device/library/DeviceLibraryBinding.h"

namespace vekora {
namespace {

constexpr int kStepPauseMs = 100;
constexpr int kOnBoardKeyMapProfiles = 4;
constexpr int kColourSlots = 5;

bool OnBoardProfile(int profile) {
    return profile >= 1 && profile <= kOnBoardKeyMapProfiles;
}

bool RequiredExportsPresent(const DeviceLibraryBinding::Exports& f) {
    return f.OpenDevice && f.CloseDevice && f.GetDLLVersion && f.GetDevVersion &&
           f.IsDeviceOnline && f.SetMultiBoard && f.SetLayerCount && f.SetLED && f.ReadLED &&
           f.SetKeyColor && f.ReadKeyColor && f.SetKey && f.ReadKey && f.SetTable && f.GetTable &&
           f.new_key_action;
}

}  // namespace

bool LibraryUploads::Ready() const {
    return binding_.Loaded() && RequiredExportsPresent(binding_.Functions()) &&
           binding_.DeviceHandle() != nullptr;
}

bool LibraryUploads::ReopenIfUsable() {
    // An incomplete library is never used to open the keyboard again.
    if (!binding_.Loaded() || !RequiredExportsPresent(binding_.Functions())) {
        return false;
    }
    return binding_.Reopen();
}

int LibraryUploads::UploadKeyMap(DeviceModel model, int profile,
                                 const std::vector<KeyAssignment>& assignments,
                                 const std::vector<MacroDefinition>& macros) {
    if (!OnBoardProfile(profile) || !Ready()) {
        return -1;
    }
    const DeviceKeyMap map = BuildDeviceKeyMap(model, assignments, macros);
    const auto& f = binding_.Functions();
    const int size = static_cast<int>(map.size());
    const int result = f.SetKey(binding_.DeviceHandle(), profile - 1, 0, map.data(), size);
    if (result == 0 && ReopenIfUsable()) {
        f.SetKey(binding_.DeviceHandle(), profile - 1, 0, map.data(), size);
    }
    return result != 0 ? 1 : 0;
}

void LibraryUploads::UploadDefaultKeyMaps(DeviceModel model) {
    const DeviceKeyMap map = BuildDefaultDeviceKeyMap(model);
    const int size = static_cast<int>(map.size());
    for (int index = 0; index < kOnBoardKeyMapProfiles; ++index) {
        clock_.SleepFor(kStepPauseMs);
        if (!Ready()) {
            continue;
        }
        const auto& f = binding_.Functions();
        if (f.SetKey(binding_.DeviceHandle(), index, 0, map.data(), size) != 0) {
            continue;
        }
        clock_.SleepFor(kStepPauseMs);
        if (ReopenIfUsable()) {
            f.SetKey(binding_.DeviceHandle(), index, 0, map.data(), size);
        }
    }
}

void LibraryUploads::UploadUserLight(DeviceModel model, int profile, int slot,
                                     const std::vector<KeyColour>& colours) {
    if (!OnBoardProfile(profile) || slot < 1 || slot > kColourSlots || !Ready()) {
        return;
    }
    const DeviceColourMap map = BuildDeviceColourMap(model, colours);
    binding_.Functions().SetKeyColor(binding_.DeviceHandle(), slot - 1, map.data());
}

void LibraryUploads::ClearUserLights() {
    const DeviceColourMap empty{};
    for (int slot = 0; slot < kColourSlots; ++slot) {
        clock_.SleepFor(kStepPauseMs);
        if (Ready()) {
            binding_.Functions().SetKeyColor(binding_.DeviceHandle(), slot, empty.data());
        }
    }
}

bool LibraryUploads::SelectProfile(int profile) {
    if (!Ready()) {
        return false;
    }
    DeviceTable table{};
    if (binding_.GetTable(table.data()) != 1 || !SetTableProfile(table, profile)) {
        return false;
    }
    return binding_.SetTable(table.data()) == 1;
}

bool LibraryUploads::SendGameMode(bool windowsKeyDisabled, bool altTabDisabled,
                                  bool altF4Disabled) {
    if (!Ready()) {
        return false;
    }
    DeviceTable table{};
    if (binding_.GetTable(table.data()) != 1) {
        return false;
    }
    SetTableGameMode(table, windowsKeyDisabled, altTabDisabled, altF4Disabled);
    return binding_.SetTable(table.data()) == 1;
}

int LibraryUploads::SendLightMode(int lightMode) {
    LightSettingsRecord record;
    record.values = BuildLightSettings(lightMode);
    const int result = Ready() ? binding_.SetLED(record) : -1;
    if ((result == -1 || result == -2) && ReopenIfUsable()) {
        binding_.SetLED(record);
    }
    return result;
}

void LibraryUploads::UploadMacros(int profile, const std::vector<LibraryMacro>& macros) {
    if (!OnBoardProfile(profile) || !Ready()) {
        return;
    }
    const auto& f = binding_.Functions();
    if (!f.ClearMacro || !f.AddMacro || !f.SetMacro) {
        return;  // a library without macro support
    }
    f.ClearMacro();
    const NewKeyActionFn newKeyAction = f.new_key_action;
    const std::size_t count = std::min(macros.size(), kLibraryMaxMacros);
    for (std::size_t i = 0; i < count; ++i) {
        const MacroRecord record = BuildMacroRecord(PlanMacroSteps(macros[i].events), newKeyAction);
        const int length = static_cast<int>(record.length);
        if (f.AddMacro(record.bytes.data(), length, 0) == 0 && ReopenIfUsable()) {
            f.AddMacro(record.bytes.data(), length, 0);
        }
    }
    if (f.SetMacro(binding_.DeviceHandle()) == 0 && ReopenIfUsable()) {
        f.SetMacro(binding_.DeviceHandle());
    }
}

void LibraryUploads::SendMusicFrame(DeviceModel model, std::span<const KeyLight> keys) {
    if (!Ready() || !binding_.Functions().SendMusicData) {
        return;
    }
    const LibraryMusicFrame frame = BuildLibraryMusicFrame(model, keys);
    binding_.Functions().SendMusicData(binding_.DeviceHandle(), frame.data(),
                                       static_cast<int>(frame.size()));
}

std::optional<int> LibraryUploads::ReadProfile() {
    if (!Ready()) {
        return std::nullopt;
    }
    DeviceTable table{};
    if (binding_.GetTable(table.data()) != 1) {
        return std::nullopt;
    }
    return TableProfile(table);
}

}  // namespace vekora

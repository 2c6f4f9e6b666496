#include "core/DeviceLibrarySync.h"

#include <vector>

#include "core/StoredSettings.h"

namespace vekora {

void DeviceLibrarySync::SelectProfile(int profile) {
    uploads_.SelectProfile(profile);
}

void DeviceLibrarySync::SendKeyMap(int profile) {
    uploads_.UploadKeyMap(state_.model, profile, StoredAssignments(db_, profile),
                          StoredMacroDefinitions(db_));
}

void DeviceLibrarySync::SendDefaultKeyMaps() {
    uploads_.UploadDefaultKeyMaps(state_.model);
}

void DeviceLibrarySync::SendLightMode(int lightMode) {
    uploads_.SendLightMode(lightMode);
}

void DeviceLibrarySync::SendUserLight(int profile, int slot, int lightId) {
    uploads_.UploadUserLight(state_.model, profile, slot, StoredKeyColours(db_, lightId));
}

void DeviceLibrarySync::ClearUserLights() {
    uploads_.ClearUserLights();
}

void DeviceLibrarySync::SendGameMode(GameModeSwitches switches) {
    uploads_.SendGameMode(switches.windowsKey, switches.altTab, switches.altF4);
}

void DeviceLibrarySync::SendMacros(int profile) {
    std::vector<LibraryMacro> macros;
    for (StoredMacro& m : StoredMacros(db_)) {
        macros.push_back({std::move(m.definition), std::move(m.events)});
    }
    uploads_.UploadMacros(profile, macros);
}

void DeviceLibrarySync::SendMusicFrame(std::span<const KeyLight> keys) {
    uploads_.SendMusicFrame(state_.model, keys);
}

std::optional<int> DeviceLibrarySync::ReadProfile() {
    return uploads_.ReadProfile();
}

}  // namespace vekora

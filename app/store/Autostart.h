// Starting the program at login: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart/vekora-control-hub.desktop) that runs the program by its
// absolute path. The entry's presence is the switch's state.
#pragma once

#include <filesystem>

namespace vekora {

std::filesystem::path AutostartEntryFile();

// True when the entry exists.
bool IsAutostartEnabled();
// Writes the entry (atomically, creating the autostart folder when needed) to start `program`,
// by default ProgramFile(). False when nothing was written, for instance for a relative path.
bool EnableAutostart(const std::filesystem::path& program);
bool EnableAutostart();
// Removes the entry; true when no entry is left.
bool DisableAutostart();

}  // namespace vekora

// The folders the program uses: where its settings and databases live (XDG base directories)
// and where it was installed (/proc/self/exe). An empty path means the folder cannot be
// determined (no usable home directory, no /proc).
#pragma once

#include <filesystem>
#include <string_view>

namespace vekora {

// $XDG_DATA_HOME/Vekora Files (default ~/.local/share/Vekora Files): the databases' home.
std::filesystem::path DataFolder();
// DataFolder()/db, created at start-up.
std::filesystem::path DatabaseFolder();
// $XDG_CONFIG_HOME/Vekora Control Hub (default ~/.config/...): the settings file's folder. The
// settings "exist" when this folder exists.
std::filesystem::path SettingsFolder();
// SettingsFolder()/settings.ini
std::filesystem::path SettingsFile();
// $XDG_CONFIG_HOME/autostart: the desktop's autostart entries.
std::filesystem::path AutostartFolder();

// The folder holding the running program.
std::filesystem::path ProgramFolder();
// The application program started at login: ProgramFolder()/VekoraDriver.
std::filesystem::path ProgramFile();
// ProgramFolder()/skins/<theme>
std::filesystem::path SkinFolder(std::string_view theme);

// Creates `path` and every missing parent, each with mode 0700 (the folders hold per-user
// data). True when `path` is a folder afterwards; an existing folder gives true at once.
bool CreateFolderPath(const std::filesystem::path& path);

}  // namespace vekora

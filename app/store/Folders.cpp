#include "store/Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace vekora {
namespace {

namespace fs = std::filesystem;

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && result->pw_dir != nullptr && result->pw_dir[0] == '/')
        return result->pw_dir;
    return {};
}

// An XDG base directory: the variable when it holds an absolute path (relative values are
// invalid and ignored), else the default below the home folder.
fs::path XdgBase(const char* variable, const char* homeRelativeDefault) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return value;
    const fs::path home = HomeFolder();
    if (home.empty())
        return {};
    return home / homeRelativeDefault;
}

fs::path Below(const fs::path& base, std::string_view name) {
    return base.empty() ? fs::path{} : base / name;
}

}  // namespace

fs::path DataFolder() {
    return Below(XdgBase("XDG_DATA_HOME", ".local/share"), "Vekora Files");
}

fs::path DatabaseFolder() {
    return Below(DataFolder(), "db");
}

fs::path SettingsFolder() {
    return Below(XdgBase("XDG_CONFIG_HOME", ".config"), "Vekora Control Hub");
}

fs::path SettingsFile() {
    return Below(SettingsFolder(), "settings.ini");
}

fs::path AutostartFolder() {
    return Below(XdgBase("XDG_CONFIG_HOME", ".config"), "autostart");
}

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path{} : exe.parent_path();
}

fs::path ProgramFile() {
    return Below(ProgramFolder(), "VekoraDriver");
}

fs::path SkinFolder(std::string_view theme) {
    return Below(Below(ProgramFolder(), "skins"), theme);
}

bool CreateFolderPath(const fs::path& path) {
    if (path.empty())
        return false;
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return true;
    // Parents first; failures are judged by the final result only.
    fs::path prefix;
    for (const fs::path& part : path.parent_path()) {
        prefix /= part;
        if (prefix.has_relative_path() && !fs::is_directory(prefix, ec))
            ::mkdir(prefix.c_str(), 0700);
    }
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    // Something else may have made it meanwhile; a file of that name is not a folder.
    return errno == EEXIST && fs::is_directory(path, ec);
}

}  // namespace vekora

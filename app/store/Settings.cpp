#include "store/Settings.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "device/ModelNames.h"
#include "store/AtomicFile.h"
#include "store/NumberText.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

// Writes within the process never interleave their read-modify-write cycles.
std::mutex& SettingsMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Value names compare without regard to ASCII case, as the names of registry values do.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The name of a "Name=value" line, or nothing for lines of any other shape.
std::optional<std::string_view> LineName(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = Trim(line.substr(0, eq));
    if (name.empty())
        return std::nullopt;
    return name;
}

// The settings folder is usable: it is a folder we may read, write and enter.
bool FolderUsable(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder, ec) &&
           ::access(folder.c_str(), R_OK | W_OK | X_OK) == 0;
}

// The file's lines. Nothing when the file exists but cannot be read; an absent file has none.
std::optional<std::vector<std::string>> ReadLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    if (!in) {
        std::error_code ec;
        if (!fs::exists(file, ec) && !ec)
            return lines;
        return std::nullopt;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    if (in.bad())
        return std::nullopt;
    return lines;
}

bool ValidName(std::string_view name) {
    if (name.empty() || Trim(name) != name)
        return false;
    for (char c : name) {
        if (c == '=' || c == '\n' || c == '\r' || c == '\0')
            return false;
    }
    return true;
}

}  // namespace

int ReadSettingInt(std::string_view name) {
    const fs::path folder = SettingsFolder();
    if (!FolderUsable(folder))
        return 0;
    const auto lines = ReadLines(SettingsFile());
    if (!lines)
        return 0;
    for (const std::string& line : *lines) {
        const auto lineName = LineName(line);
        if (lineName && SameName(*lineName, name))
            return ParseLenientInt(std::string_view(line).substr(line.find('=') + 1));
    }
    return 0;
}

bool WriteSettingInt(std::string_view name, int value) {
    if (!ValidName(name))
        return false;
    std::lock_guard lock(SettingsMutex());
    const fs::path folder = SettingsFolder();
    if (!FolderUsable(folder))
        return false;
    const fs::path file = SettingsFile();
    auto lines = ReadLines(file);
    // Rewriting a file we could not read would drop every other value in it.
    if (!lines)
        return false;

    const std::string entry = std::string(name) + "=" + FormatInt(value);
    std::ostringstream out;
    bool written = false;
    for (const std::string& line : *lines) {
        const auto lineName = LineName(line);
        if (lineName && SameName(*lineName, name)) {
            // The first line of that name takes the new value; later duplicates would only
            // contradict it.
            if (!written)
                out << entry << '\n';
            written = true;
            continue;
        }
        out << line << '\n';
    }
    if (!written)
        out << entry << '\n';
    return WriteFileAtomically(file, out.str(), 0600);
}

int ReadLanguage() {
    const fs::path folder = SettingsFolder();
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (!folder.empty() && status.type() == fs::file_type::not_found)
        return CreateFolderPath(folder) ? 0 : kLanguageChinese;
    if (!FolderUsable(folder))
        return kLanguageChinese;
    return ReadSettingInt(kLanguageSetting);
}

int UiLanguageFromLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]; BCP 47 style "zh-Hans-CN" is accepted too.
    const size_t cut = locale.find_first_of(".@");
    if (cut != std::string_view::npos)
        locale = locale.substr(0, cut);
    std::string tag(locale);
    for (char& c : tag) {
        if (c == '-')
            c = '_';
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (tag == "zh" || tag == "zh_cn" || tag == "zh_sg" || tag.rfind("zh_hans", 0) == 0)
        return kLanguageChinese;
    return kLanguageEnglish;
}

int UserDefaultUiLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0')
            return UiLanguageFromLocale(value);
    }
    return kLanguageEnglish;
}

int StartupLanguage() {
    int language = ReadLanguage();
    if (language == 0) {
        language = UserDefaultUiLanguage();
        WriteSettingInt(kLanguageSetting, language);
    }
    return language;
}

DeviceModel ReadLastModel() {
    const DeviceModel model = DeviceModelFromCode(ReadSettingInt(kDeviceTypeSetting));
    return model == DeviceModel::None ? DeviceModel::K61 : model;
}

bool WriteLastModel(DeviceModel model) {
    return WriteSettingInt(kDeviceTypeSetting, ToCode(model));
}

int ReadProfileSetting(DeviceModel model) {
    const std::string_view name = ProfileSettingName(model);
    return name.empty() ? 0 : ReadSettingInt(name);
}

bool WriteProfileSetting(DeviceModel model, int profile) {
    const std::string_view name = ProfileSettingName(model);
    return !name.empty() && WriteSettingInt(name, profile);
}

int ReadColourSetting(DeviceModel model) {
    const std::string_view name = ColourSettingName(model);
    return name.empty() ? 0 : ReadSettingInt(name);
}

bool WriteColourSetting(DeviceModel model, int colourMode) {
    const std::string_view name = ColourSettingName(model);
    return !name.empty() && WriteSettingInt(name, colourMode);
}

int LoadModelProfile(DeviceModel model) {
    constexpr int kFirstProfile = 1;
    constexpr int kLastProfile = 5;
    const int profile = ReadProfileSetting(model);
    if (profile >= kFirstProfile && profile <= kLastProfile)
        return profile;
    WriteProfileSetting(model, kFirstProfile);
    return kFirstProfile;
}

}  // namespace vekora

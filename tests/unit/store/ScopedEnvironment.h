// Points HOME and the XDG base directories at a private temporary folder for one test and
// restores the previous environment afterwards, so tests never touch the real home.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "TempDir.h"

namespace vekora::testing {

class ScopedEnvironment {
public:
    ScopedEnvironment() {
        Set("HOME", (dir_.path() / "home").string());
        Set("XDG_CONFIG_HOME", (dir_.path() / "config").string());
        Set("XDG_DATA_HOME", (dir_.path() / "data").string());
        std::filesystem::create_directories(dir_.path() / "home");
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    // Sets (or with nullopt removes) a variable for the rest of the test.
    void Set(const std::string& name, const std::optional<std::string>& value) {
        if (saved_.find(name) == saved_.end()) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

    const std::filesystem::path& root() const { return dir_.path(); }
    std::filesystem::path ConfigHome() const { return dir_.path() / "config"; }
    std::filesystem::path DataHome() const { return dir_.path() / "data"; }
    std::filesystem::path SettingsFolder() const { return ConfigHome() / "Vekora Control Hub"; }
    std::filesystem::path SettingsFile() const { return SettingsFolder() / "settings.ini"; }

private:
    TempDir dir_;
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace vekora::testing

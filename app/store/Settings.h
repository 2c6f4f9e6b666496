// The program's small settings (interface language, last keyboard model, each model's profile
// and case colour), kept as "Name=decimal" lines in SettingsFile().
//
// The settings "exist" when their folder exists; only ReadLanguage creates it. Reads are
// lenient: a missing file, value or malformed number reads as 0. Writes replace the file
// atomically (temporary file, fsync, rename), keep every other line as it was, and change
// nothing when the folder is missing or the old file cannot be read.
#pragma once

#include <string_view>

#include "device/DeviceModel.h"
#include "store/Folders.h"
#include "store/LanguageIds.h"

namespace vekora {

inline constexpr std::string_view kLanguageSetting = "LCID";
inline constexpr std::string_view kDeviceTypeSetting = "DevType";

// The stored language. When the settings folder is missing it is created and the result is 0
// (2052 when it cannot be created); a settings folder that exists but cannot be used gives 2052.
int ReadLanguage();
int ReadSettingInt(std::string_view name);
// False when nothing was written.
bool WriteSettingInt(std::string_view name, int value);

// The language of the user's interface from the locale (LC_ALL, then LC_MESSAGES, then LANG):
// Simplified Chinese gives 2052, anything else 1033.
int UserDefaultUiLanguage();
int UiLanguageFromLocale(std::string_view locale);
// The language to start with: the stored one, or (when none is stored) the user's default,
// which is then stored.
int StartupLanguage();

// The keyboard model seen last; K61 when none (or an unknown code) is stored.
DeviceModel ReadLastModel();
bool WriteLastModel(DeviceModel model);

// Per-model values. Models without such a value read 0 and write nothing.
int ReadProfileSetting(DeviceModel model);
bool WriteProfileSetting(DeviceModel model, int profile);
int ReadColourSetting(DeviceModel model);
bool WriteColourSetting(DeviceModel model, int colourMode);
// The model's profile 1..5 in use; a stored value outside that range becomes 1, which is
// written back.
int LoadModelProfile(DeviceModel model);

}  // namespace vekora

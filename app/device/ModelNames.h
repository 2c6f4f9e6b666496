// Per-model names of the places where a model's settings live: the database file stem and
// the two per-model setting values. Unknown codes, and models without such a place, give an
// empty name.
#pragma once

#include <string_view>

#include "device/DeviceModel.h"

namespace vekora {

// The text put into the model's database file name ("vekora61k", ...).
std::string_view DatabaseStem(DeviceModel m);

// The setting that holds the model's current profile number 1..5 ("Vekora61", ...).
std::string_view ProfileSettingName(DeviceModel m);

// The setting that holds the model's case colour variant 1..4 ("Vekora61kColorMode", ...).
std::string_view ColourSettingName(DeviceModel m);

}  // namespace vekora

// The key tables of the six layouts, one definition file per keyboard size. Internal to
// app/device; use KeyboardLayouts.h.
#pragma once

#include <span>

#include "device/KeyboardLayouts.h"

namespace vekora::layouts {

std::span<const LayoutKey> Keys61();
std::span<const LayoutKey> KeysCnc61();
std::span<const LayoutKey> Keys61SingleLight();
std::span<const LayoutKey> Keys68();
std::span<const LayoutKey> Keys87();
std::span<const LayoutKey> Keys98();

}  // namespace vekora::layouts

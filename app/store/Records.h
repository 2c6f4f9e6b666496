// The in-memory records of the configuration database: one plain struct per stored row kind.
// Field order follows the rows of the database format; names are the column names.
#pragma once

#include <string>

namespace vekora {

// A named per-key colour layout, shared by all profiles (stored with profile 1).
struct UserLight {
    int light_id = 0;
    int profile = 0;
    std::wstring name;
    int speed = 0;
    int brightness = 0;

    bool operator==(const UserLight&) const = default;
};

// One key's colour inside a user light layout. key_rgb is a 0x00BBGGRR value; 0 means none.
struct KeyColour {
    int rgb_id = 0;
    int profile = 0;
    int light = 0;
    int key_code = 0;
    int key_rgb = 0;

    bool operator==(const KeyColour&) const = default;
};

// One key's function in one profile. Both values 0 means the key's default function.
struct KeyAssignment {
    int key_id = 0;
    int profile = 0;
    int key_code = 0;
    int macro_type = 0;
    int macro_value = 0;
    int macro_value2 = 0;
    int macro_value3 = 0;
    std::wstring macro_desc;

    bool operator==(const KeyAssignment&) const = default;
};

// A stored macro with its play options.
struct MacroDefinition {
    int macro_id = 0;
    std::wstring name;
    int play_times = 0;
    int delay_type = 0;
    int delay_time = 0;

    bool operator==(const MacroDefinition&) const = default;
};

// One recorded step of a macro; record_index is its position, from 0.
// Values of MacroEvent::type.
inline constexpr int kMacroEventDelay = 1;
inline constexpr int kMacroEventKeyDown = 2;
inline constexpr int kMacroEventKeyUp = 3;
inline constexpr int kMacroEventMouseDown = 4;
inline constexpr int kMacroEventMouseUp = 5;

struct MacroEvent {
    int record_id = 0;
    int macro_id = 0;
    int type = 0;
    int record_index = 0;
    int value = 0;
    std::wstring desc;

    bool operator==(const MacroEvent&) const = default;
};

// A music visualizer preset.
struct MusicLayer {
    int layer_id = 0;
    int profile = 0;
    std::wstring name;
    int deviceindex = 0;
    int foremode = 0;
    int fore_amplitude = 0;
    int backmode = 0;
    int backb_right = 0;

    bool operator==(const MusicLayer&) const = default;
};

}  // namespace vekora

// The functions a key can be given, and the codes stored for each (the `macro_type` and
// `macro_value` columns of a key assignment).
#pragma once

#include <string_view>

namespace vekora {

// `macro_type` of a KeyAssignment.
enum class KeyFunctionType : int {
    Default = 0,              // the key does what is printed on it; never stored as a row
    SystemCommand = 600,      // macro_value: a SystemCommand code
    MultimediaCommand = 601,  // macro_value: a MultimediaCommand code
    Macro = 602,              // macro_value: the macro's id
    MouseButton = 603,        // macro_value: a MouseButtonCode
    KeyCombination = 604,     // macro_value: main key usage (kFnUsage for Fn); value2: modifier
    SingleKey = 606,          // macro_value: a key usage; only ever comes from imported files
    Disabled = 607,           // macro_value: kDisabledValue
};

// Entries of the key function menu that colour keys instead of assigning a function. They
// share the menu's numbering with the function types but are never stored as assignments.
enum class LightingMenuEntry : int {
    LightUpRgb = 605,
    TurnOnLight = 608,
    TurnOffLight = 609,
};

enum class SystemCommand : int {
    CloseWindow = 610,
    ToggleWindow = 611,
    ShowDesktop = 612,
    Undo = 613,
    SelectAll = 614,
    Find = 615,
    New = 616,
    Print = 617,
    Save = 618,
    Run = 619,
    LockPc = 620,
};

enum class MultimediaCommand : int {
    PlayPause = 630,
    Stop = 631,
    Previous = 632,
    Next = 633,
    VolumeUp = 634,
    VolumeDown = 635,
    Mute = 636,
};

// The codes do not follow the menu order: Middle is 651 and Right is 652.
enum class MouseButtonCode : int {
    Left = 650,
    Middle = 651,
    Right = 652,
    Forward = 653,
    Backward = 654,
};

// The keyboard's own Fn key as the main key of a KeyCombination (not a HID usage).
inline constexpr int kFnUsage = 250;
// macro_value of a disabled key.
inline constexpr int kDisabledValue = 1;

constexpr int ToCode(KeyFunctionType t) {
    return static_cast<int>(t);
}
constexpr int ToCode(SystemCommand c) {
    return static_cast<int>(c);
}
constexpr int ToCode(MultimediaCommand c) {
    return static_cast<int>(c);
}
constexpr int ToCode(MouseButtonCode c) {
    return static_cast<int>(c);
}

// The identifier of a stored macro_type ("SystemCommand", ...); empty for codes that are
// not key function types.
std::string_view KeyFunctionTypeName(int macroType);

// True for the macro_type codes this program knows as key functions.
bool IsKeyFunctionType(int macroType);

}  // namespace vekora

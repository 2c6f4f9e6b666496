// The texts the keyboard view labels its keys with. Each key item carries its label twice (a
// name and a display text), both the same text.
#pragma once

#include <string_view>

namespace vekora {

// The label of the key with `keyCode` as the layouts show it: letters and digits themselves,
// "Esc", "Backspace", "Caps", "Shift", "Ctrl", "Win", "Alt", "App", "Fn", "PrtSc", "||" (the
// backslash key), "`~" (the grave-accent key), keypad keys by their digit or sign ...; empty
// for a code no layout shows. A layout may label a key differently (the 68-key layout's Home
// key sends the grave-accent code), so layouts carry their own label for every key.
std::wstring_view KeyLabelOf(int keyCode);

// True when the text is one of the labels KeyLabelOf can give.
bool IsKeyLabel(std::wstring_view text);

}  // namespace vekora

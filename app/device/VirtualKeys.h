// Translations between Windows virtual-key codes and key codes. Virtual-key codes stay the
// values the program records and stores (macro events, key capture) whatever the platform;
// the raw-input layer maps its own key events to them.
#pragma once

#include <optional>

namespace vekora {

// The key code of a recorded virtual key; a virtual key the table does not list is returned
// unchanged (that is what macro recording stores).
int KeyCodeOfVirtualKey(int virtualKey);

// The key code of a virtual key, or nothing when the table does not list it (key capture
// treats such a key as unknown).
std::optional<int> FindKeyCodeOfVirtualKey(int virtualKey);

// The virtual key the device library receives for a key code; 0 for a code without one.
// Left and right modifiers both give the generic Ctrl, Shift and Alt keys, and right Ctrl
// gives the Application key, so a round trip does not keep left and right apart.
int VirtualKeyOfKeyCode(int keyCode);

}  // namespace vekora

// X keysyms to the virtual-key codes the toolkit uses.
#pragma once

namespace VKUI {

// 0 for keysyms without a virtual key.
unsigned KeysymToVk(unsigned long keysym);
// The character a keysym types (Latin-1 and Unicode keysyms), 0 for none.
char32_t KeysymToChar(unsigned long keysym);

}  // namespace VKUI

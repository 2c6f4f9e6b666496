#include "platform/x11/KeyMap.h"

#include <X11/keysym.h>

#include "platform/Types.h"

namespace VKUI {

unsigned KeysymToVk(unsigned long ks) {
    if (ks >= XK_a && ks <= XK_z)
        return 'A' + static_cast<unsigned>(ks - XK_a);
    if (ks >= XK_A && ks <= XK_Z)
        return 'A' + static_cast<unsigned>(ks - XK_A);
    if (ks >= XK_0 && ks <= XK_9)
        return '0' + static_cast<unsigned>(ks - XK_0);
    if (ks >= XK_F1 && ks <= XK_F24)
        return VK_F1 + static_cast<unsigned>(ks - XK_F1);
    if (ks >= XK_KP_0 && ks <= XK_KP_9)
        return VK_NUMPAD0 + static_cast<unsigned>(ks - XK_KP_0);
    switch (ks) {
        case XK_BackSpace:
            return VK_BACK;
        case XK_Tab:
        case XK_ISO_Left_Tab:
            return VK_TAB;
        case XK_Return:
        case XK_KP_Enter:
            return VK_RETURN;
        case XK_Shift_L:
            return VK_LSHIFT;
        case XK_Shift_R:
            return VK_RSHIFT;
        case XK_Control_L:
            return VK_LCONTROL;
        case XK_Control_R:
            return VK_RCONTROL;
        case XK_Alt_L:
            return VK_LMENU;
        case XK_Alt_R:
        case XK_ISO_Level3_Shift:
            return VK_RMENU;
        case XK_Pause:
            return VK_PAUSE;
        case XK_Caps_Lock:
            return VK_CAPITAL;
        case XK_Escape:
            return VK_ESCAPE;
        case XK_space:
            return VK_SPACE;
        case XK_Prior:
            return VK_PRIOR;
        case XK_Next:
            return VK_NEXT;
        case XK_End:
            return VK_END;
        case XK_Home:
            return VK_HOME;
        case XK_Left:
            return VK_LEFT;
        case XK_Up:
            return VK_UP;
        case XK_Right:
            return VK_RIGHT;
        case XK_Down:
            return VK_DOWN;
        case XK_Print:
            return VK_SNAPSHOT;
        case XK_Insert:
            return VK_INSERT;
        case XK_Delete:
            return VK_DELETE;
        case XK_Super_L:
            return VK_LWIN;
        case XK_Super_R:
            return VK_RWIN;
        case XK_Menu:
            return VK_APPS;
        case XK_KP_Multiply:
            return VK_MULTIPLY;
        case XK_KP_Add:
            return VK_ADD;
        case XK_KP_Subtract:
            return VK_SUBTRACT;
        case XK_KP_Decimal:
            return VK_DECIMAL;
        case XK_KP_Divide:
            return VK_DIVIDE;
        case XK_Num_Lock:
            return VK_NUMLOCK;
        case XK_Scroll_Lock:
            return VK_SCROLL;
        case XK_semicolon:
            return VK_OEM_1;
        case XK_equal:
            return VK_OEM_PLUS;
        case XK_comma:
            return VK_OEM_COMMA;
        case XK_minus:
            return VK_OEM_MINUS;
        case XK_period:
            return VK_OEM_PERIOD;
        case XK_slash:
            return VK_OEM_2;
        case XK_grave:
            return VK_OEM_3;
        case XK_bracketleft:
            return VK_OEM_4;
        case XK_backslash:
            return VK_OEM_5;
        case XK_bracketright:
            return VK_OEM_6;
        case XK_apostrophe:
            return VK_OEM_7;
        default:
            return 0;
    }
}

char32_t KeysymToChar(unsigned long ks) {
    if (ks >= 0x20 && ks <= 0x7E)
        return static_cast<char32_t>(ks);
    if (ks >= 0xA0 && ks <= 0xFF)
        return static_cast<char32_t>(ks);
    if ((ks & 0xFF000000UL) == 0x01000000UL)
        return static_cast<char32_t>(ks & 0x00FFFFFFUL);
    if (ks == XK_Return || ks == XK_KP_Enter)
        return U'\r';
    if (ks == XK_BackSpace)
        return U'\b';
    if (ks == XK_Tab)
        return U'\t';
    return 0;
}

}  // namespace VKUI

// The key-code vocabulary. A key is identified everywhere (keyboard view, database, profile
// files, device buffers) by its HID keyboard usage (usage page 7), plus a few codes of our own:
// 175 the Fn key, 209..212 volume up / volume down / mute / launch application 2, 250 the Fn
// role of a key assignment. The codes 191, 223, 239, 244 and 246 appear only in slot and
// matrix tables; no layout or translation produces them.
#pragma once

namespace vekora {

namespace key {
inline constexpr int A = 4;  // A..Z are 4..29
inline constexpr int Z = 29;
inline constexpr int Digit1 = 30;  // 1..9 are 30..38
inline constexpr int Digit0 = 39;
inline constexpr int Enter = 40;
inline constexpr int Esc = 41;
inline constexpr int Backspace = 42;
inline constexpr int Tab = 43;
inline constexpr int Space = 44;
inline constexpr int Minus = 45;
inline constexpr int Equal = 46;
inline constexpr int LeftBracket = 47;
inline constexpr int RightBracket = 48;
inline constexpr int Backslash = 49;
inline constexpr int NonUsHash = 50;
inline constexpr int Semicolon = 51;
inline constexpr int Quote = 52;
inline constexpr int Grave = 53;
inline constexpr int Comma = 54;
inline constexpr int Period = 55;
inline constexpr int Slash = 56;
inline constexpr int CapsLock = 57;
inline constexpr int F1 = 58;  // F1..F12 are 58..69
inline constexpr int F12 = 69;
inline constexpr int PrintScreen = 70;
inline constexpr int ScrollLock = 71;
inline constexpr int Pause = 72;
inline constexpr int Insert = 73;
inline constexpr int Home = 74;
inline constexpr int PageUp = 75;
inline constexpr int Delete = 76;
inline constexpr int End = 77;
inline constexpr int PageDown = 78;
inline constexpr int Right = 79;
inline constexpr int Left = 80;
inline constexpr int Down = 81;
inline constexpr int Up = 82;
inline constexpr int NumLock = 83;
inline constexpr int KeypadSlash = 84;
inline constexpr int KeypadStar = 85;
inline constexpr int KeypadMinus = 86;
inline constexpr int KeypadPlus = 87;
inline constexpr int KeypadEnter = 88;
inline constexpr int Keypad1 = 89;  // keypad 1..9 are 89..97
inline constexpr int Keypad9 = 97;
inline constexpr int Keypad0 = 98;
inline constexpr int KeypadPeriod = 99;
inline constexpr int NonUsBackslash = 100;
inline constexpr int Application = 101;
inline constexpr int F13 = 104;  // F13..F24 are 104..115
inline constexpr int F24 = 115;
inline constexpr int Fn = 175;
inline constexpr int VolumeUp = 209;
inline constexpr int VolumeDown = 210;
inline constexpr int Mute = 211;
inline constexpr int LaunchApp2 = 212;
inline constexpr int LeftCtrl = 224;
inline constexpr int LeftShift = 225;
inline constexpr int LeftAlt = 226;
inline constexpr int LeftWin = 227;
inline constexpr int RightCtrl = 228;
inline constexpr int RightShift = 229;
inline constexpr int RightAlt = 230;
inline constexpr int RightWin = 231;
inline constexpr int FnRole = 250;  // the Fn function of a key assignment, carried unchanged
}  // namespace key

// True for the eight modifier codes 224..231.
constexpr bool IsModifierKey(int code) {
    return code >= key::LeftCtrl && code <= key::RightWin;
}

// The modifier bit of a modifier code (224 -> 0x01 ... 231 -> 0x80); any other code is
// returned unchanged, which is how device key maps use it ("bit or code").
constexpr int ModifierBit(int code) {
    return IsModifierKey(code) ? 1 << (code - key::LeftCtrl) : code;
}

}  // namespace vekora

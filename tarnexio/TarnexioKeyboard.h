// Finding and holding the RGB keyboard the library drives.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "device/hid/HidTransport.h"

namespace tarnexio {

enum class Board { K87, K98 };

// What the library calls a device handle.
struct Keyboard {
    Board board = Board::K87;
    std::unique_ptr<vekora::HidHandle> hid;
    std::uint8_t sequence = 0;  // of the last request (PROTOCOL.md)
};

// The board an open code names. A code is 30 lower-case hexadecimal digits spelling
// "vekora-k87-rgb" or "vekora-k98-rgb" followed by one board byte; anything else names none.
std::optional<Board> BoardOfOpenCode(const std::wstring& code);

// Opens the configuration interface of an RGB keyboard through the HID transport (the
// simulator when VEKORA_HID_SIM is set): the board the code names when it is present, else any
// RGB keyboard, so a re-open with the other board's code still finds the keyboard. Null when
// none is present.
std::unique_ptr<Keyboard> OpenKeyboard(Board wanted);

// Handles are the addresses of live keyboards; the registry tells a handle OpenDevice returned
// (and CloseDevice has not closed) from any other value.
void* Register(std::unique_ptr<Keyboard> keyboard);
Keyboard* FromHandle(void* handle);
bool Unregister(void* handle);

}  // namespace tarnexio

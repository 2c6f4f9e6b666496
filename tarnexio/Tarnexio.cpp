// libTarnexio.so: the device library of the RGB keyboards (models 9 and 10).
//
// Every export the program binds exists here with the argument order its callers use
// (device/library/TarnexioApi.h). OpenDevice finds the keyboard through the HID transport;
// the other exports accept their arguments and report success without sending anything yet,
// and every call is logged when TARNEXIO_LOG names a file.
#include <cstring>
#include <string>

#include "TarnexioKeyboard.h"
#include "TarnexioLog.h"
#include "device/library/TarnexioApi.h"

#define TARNEXIO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kLibraryVersion = 0x0100;
constexpr int kDeviceVersion = 0x0105;
constexpr std::uint8_t kPress = 0x00;
constexpr std::uint8_t kRelease = 0x80;

long long Address(const void* p) {
    return static_cast<long long>(reinterpret_cast<std::uintptr_t>(p));
}

std::string Utf8(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) {
        const auto c = static_cast<std::uint32_t>(*text);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | ((c >> 12) & 0x0F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

const std::uint8_t* Bytes(const void* p) {
    return static_cast<const std::uint8_t*>(p);
}

bool Live(void* handle) {
    return tarnexio::FromHandle(handle) != nullptr;
}

}  // namespace

TARNEXIO_EXPORT int SetDebug(int enable) {
    tarnexio::LogCall("SetDebug", {enable});
    return 1;
}

TARNEXIO_EXPORT void* OpenDevice(const wchar_t* openCode, void* window, int reserved,
                                 std::uint32_t* out) {
    const std::string code = Utf8(openCode);
    tarnexio::LogCall("OpenDevice", {Address(window), reserved}, Bytes(code.data()), code.size());
    if (out) {
        *out = 0;
    }
    const auto board = tarnexio::BoardOfOpenCode(openCode ? openCode : L"");
    if (!board) {
        return nullptr;
    }
    auto keyboard = tarnexio::OpenKeyboard(*board);
    if (!keyboard) {
        return nullptr;
    }
    if (out) {
        *out = keyboard->board == tarnexio::Board::K87 ? 87 : 98;
    }
    return tarnexio::Register(std::move(keyboard));
}

TARNEXIO_EXPORT int CloseDevice(void* handle) {
    tarnexio::LogCall("CloseDevice", {});
    return tarnexio::Unregister(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int GetDLLVersion() {
    tarnexio::LogCall("GetDLLVersion", {});
    return kLibraryVersion;
}

TARNEXIO_EXPORT int GetDevVersion(void* handle) {
    tarnexio::LogCall("GetDevVersion", {});
    return Live(handle) ? kDeviceVersion : 0;
}

TARNEXIO_EXPORT int IsDeviceOnline(void* handle) {
    tarnexio::LogCall("IsDeviceOnline", {});
    return Live(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int SetMultiBoard(void* handle) {
    tarnexio::LogCall("SetMultiBoard", {});
    return Live(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int SetLayerCount(void* handle, int count) {
    tarnexio::LogCall("SetLayerCount", {count});
    return Live(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int SetLED(void* handle, const std::int32_t* record) {
    tarnexio::LogCall("SetLED", {}, Bytes(record),
                      record ? sizeof(std::int32_t) * vekora::kLightRecordInts : 0);
    return Live(handle) && record ? 1 : 0;
}

TARNEXIO_EXPORT int ReadLED(void* handle, std::int32_t* record) {
    tarnexio::LogCall("ReadLED", {});
    return Live(handle) && record ? 1 : 0;
}

TARNEXIO_EXPORT int SetKeyColor(void* handle, int slot, const std::uint8_t* map) {
    tarnexio::LogCall("SetKeyColor", {slot}, map, map ? vekora::kDeviceColourMapSize : 0);
    return Live(handle) && map ? 1 : 0;
}

TARNEXIO_EXPORT int ReadKeyColor(void* handle, int slot, std::uint8_t* map) {
    tarnexio::LogCall("ReadKeyColor", {slot});
    return Live(handle) && map ? 1 : 0;
}

TARNEXIO_EXPORT int SetKey(void* handle, int profileIndex, int reserved, const std::uint8_t* map,
                           int length) {
    tarnexio::LogCall("SetKey", {profileIndex, reserved, length}, map,
                      map && length > 0 ? static_cast<std::size_t>(length) : 0);
    return Live(handle) && map && length > 0 ? 1 : 0;
}

TARNEXIO_EXPORT int ReadKey(void* handle, int profileIndex, int reserved, std::uint8_t* map,
                            int length) {
    tarnexio::LogCall("ReadKey", {profileIndex, reserved, length});
    return Live(handle) && map && length > 0 ? 1 : 0;
}

TARNEXIO_EXPORT int SetTable(void* handle, const std::uint8_t* table, int length) {
    tarnexio::LogCall("SetTable", {length}, table,
                      table && length > 0 ? static_cast<std::size_t>(length) : 0);
    return Live(handle) && table && length > 0 ? 1 : 0;
}

TARNEXIO_EXPORT int GetTable(void* handle, std::uint8_t* table, int length) {
    tarnexio::LogCall("GetTable", {length});
    return Live(handle) && table && length > 0 ? 1 : 0;
}

// One macro step: press/release flag, delay in ms (most significant byte first), key.
TARNEXIO_EXPORT int new_key_action(int key, int press, int delayMs, std::uint8_t* out,
                                   int outLength) {
    tarnexio::LogCall("new_key_action", {key, press, delayMs, outLength});
    constexpr int kStep = 4;
    if (!out || outLength < kStep) {
        return 0;
    }
    const int delay = delayMs < 0 ? 0 : (delayMs > 0xFFFF ? 0xFFFF : delayMs);
    out[0] = press ? kPress : kRelease;
    out[1] = static_cast<std::uint8_t>(delay >> 8);
    out[2] = static_cast<std::uint8_t>(delay & 0xFF);
    out[3] = static_cast<std::uint8_t>(key);
    return kStep;
}

TARNEXIO_EXPORT int ClearMacro() {
    tarnexio::LogCall("ClearMacro", {});
    return 1;
}

TARNEXIO_EXPORT int AddMacro(const std::uint8_t* record, int length, int reserved) {
    tarnexio::LogCall("AddMacro", {length, reserved}, record,
                      record && length > 0 ? static_cast<std::size_t>(length) : 0);
    return record && length >= 0 ? 1 : 0;
}

TARNEXIO_EXPORT int SetMacro(void* handle) {
    tarnexio::LogCall("SetMacro", {});
    return Live(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int SendMusicData(void* handle, const std::uint8_t* frame, int length) {
    tarnexio::LogCall("SendMusicData", {length}, frame,
                      frame && length > 0 ? static_cast<std::size_t>(length) : 0);
    return Live(handle) && frame ? 1 : 0;
}

// Each definition has exactly the type the program binds.
static_assert(std::is_same_v<decltype(&SetDebug), TxSetDebugFn>);
static_assert(std::is_same_v<decltype(&OpenDevice), TxOpenDeviceFn>);
static_assert(std::is_same_v<decltype(&CloseDevice), TxCloseDeviceFn>);
static_assert(std::is_same_v<decltype(&GetDLLVersion), TxGetDLLVersionFn>);
static_assert(std::is_same_v<decltype(&GetDevVersion), TxGetDevVersionFn>);
static_assert(std::is_same_v<decltype(&IsDeviceOnline), TxIsDeviceOnlineFn>);
static_assert(std::is_same_v<decltype(&SetMultiBoard), TxSetMultiBoardFn>);
static_assert(std::is_same_v<decltype(&SetLayerCount), TxSetLayerCountFn>);
static_assert(std::is_same_v<decltype(&SetLED), TxSetLEDFn>);
static_assert(std::is_same_v<decltype(&ReadLED), TxReadLEDFn>);
static_assert(std::is_same_v<decltype(&SetKeyColor), TxSetKeyColorFn>);
static_assert(std::is_same_v<decltype(&ReadKeyColor), TxReadKeyColorFn>);
static_assert(std::is_same_v<decltype(&SetKey), TxSetKeyFn>);
static_assert(std::is_same_v<decltype(&ReadKey), TxReadKeyFn>);
static_assert(std::is_same_v<decltype(&SetTable), TxSetTableFn>);
static_assert(std::is_same_v<decltype(&GetTable), TxGetTableFn>);
static_assert(std::is_same_v<decltype(&new_key_action), TxNewKeyActionFn>);
static_assert(std::is_same_v<decltype(&ClearMacro), TxClearMacroFn>);
static_assert(std::is_same_v<decltype(&AddMacro), TxAddMacroFn>);
static_assert(std::is_same_v<decltype(&SetMacro), TxSetMacroFn>);
static_assert(std::is_same_v<decltype(&SendMusicData), TxSendMusicDataFn>);

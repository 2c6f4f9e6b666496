// libTarnexio.so: the device library of the RGB keyboards (models 9 and 10).
//
// Every export the program binds exists here with the argument order its callers use
// (device/library/TarnexioApi.h) and turns its arguments into exchanges of the library's
// report protocol (PROTOCOL.md beside this file) through the HID transport, which is the
// keyboard simulator when VEKORA_HID_SIM is set. Every call is logged when TARNEXIO_LOG names
// a file.
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "TarnexioExchange.h"
#include "TarnexioKeyboard.h"
#include "TarnexioLog.h"
#include "TarnexioMacros.h"
#include "device/library/TarnexioApi.h"
#include "tarnexio/wire/TxFrame.h"
#include "tarnexio/wire/TxMacro.h"

#define TARNEXIO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

namespace wire = tarnexio::wire;

constexpr int kLibraryVersion = 0x0100;
constexpr std::size_t kLightRecordBytes = sizeof(std::int32_t) * vekora::kLightRecordInts;
static_assert(kLightRecordBytes == wire::kLightBytes);
static_assert(vekora::kDeviceKeyMapSize == static_cast<int>(wire::kKeyMapBytes));
static_assert(vekora::kDeviceColourMapSize == static_cast<int>(wire::kColourMapBytes));
static_assert(vekora::kDeviceTableSize == static_cast<int>(wire::kTableBytes));
static_assert(vekora::kDeviceMusicFrameSize == static_cast<int>(wire::kMusicFrameBytes));
static_assert(vekora::kKeyActionSize == static_cast<int>(wire::kStepBytes));

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

// One exchange with the keyboard behind `handle`; nothing for an unknown handle.
std::optional<std::vector<std::uint8_t>> Ask(void* handle, wire::Command command,
                                             std::uint8_t arg1 = 0, std::uint8_t arg2 = 0,
                                             std::span<const std::uint8_t> payload = {}) {
    tarnexio::Keyboard* k = tarnexio::FromHandle(handle);
    if (!k || !k->hid) {
        return std::nullopt;
    }
    return tarnexio::Exchange(*k->hid, k->sequence, command, arg1, arg2, payload);
}

int Send(void* handle, wire::Command command, std::uint8_t arg1,
         std::span<const std::uint8_t> payload = {}) {
    return Ask(handle, command, arg1, 0, payload) ? 1 : 0;
}

// A read command whose answer is exactly `size` bytes, copied to `out`.
int Read(void* handle, wire::Command command, std::uint8_t arg1, std::uint8_t* out,
         std::size_t size) {
    const auto answer = Ask(handle, command, arg1);
    if (!answer || answer->size() != size) {
        return 0;
    }
    std::memcpy(out, answer->data(), size);
    return 1;
}

struct Hello {
    int board = 0;
    int version = 0;
};

std::optional<Hello> SayHello(void* handle) {
    const auto answer = Ask(handle, wire::Command::Hello);
    if (!answer || answer->size() < wire::kHelloBytes) {
        return std::nullopt;
    }
    return Hello{(*answer)[0], (*answer)[1] | ((*answer)[2] << 8)};
}

}  // namespace

TARNEXIO_EXPORT int SetDebug(int enable) {
    tarnexio::LogCall("SetDebug", {enable});
    tarnexio::SetExchangeTrace(enable != 0);
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
    void* handle = tarnexio::Register(std::move(keyboard));
    const auto hello = SayHello(handle);
    if (!hello) {
        // The interface opened but the keyboard does not answer the protocol.
        tarnexio::Unregister(handle);
        return nullptr;
    }
    if (out) {
        *out = static_cast<std::uint32_t>(hello->board);
    }
    return handle;
}

TARNEXIO_EXPORT int CloseDevice(void* handle) {
    tarnexio::LogCall("CloseDevice", {});
    if (!tarnexio::FromHandle(handle)) {
        return 0;
    }
    // Leaving host mode is a courtesy: a keyboard that is gone is closed all the same.
    Send(handle, wire::Command::HostMode, 0);
    return tarnexio::Unregister(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int GetDLLVersion() {
    tarnexio::LogCall("GetDLLVersion", {});
    return kLibraryVersion;
}

TARNEXIO_EXPORT int GetDevVersion(void* handle) {
    tarnexio::LogCall("GetDevVersion", {});
    const auto hello = SayHello(handle);
    return hello ? hello->version : 0;
}

TARNEXIO_EXPORT int IsDeviceOnline(void* handle) {
    tarnexio::LogCall("IsDeviceOnline", {});
    return SayHello(handle) ? 1 : 0;
}

TARNEXIO_EXPORT int SetMultiBoard(void* handle) {
    tarnexio::LogCall("SetMultiBoard", {});
    return Send(handle, wire::Command::HostMode, 1);
}

TARNEXIO_EXPORT int SetLayerCount(void* handle, int count) {
    tarnexio::LogCall("SetLayerCount", {count});
    if (count < 1 || count > wire::kProfiles) {
        return 0;
    }
    return Send(handle, wire::Command::LayerCount, static_cast<std::uint8_t>(count));
}

TARNEXIO_EXPORT int SetLED(void* handle, const std::int32_t* record) {
    tarnexio::LogCall("SetLED", {}, Bytes(record), record ? kLightRecordBytes : 0);
    if (!record) {
        return 0;
    }
    std::array<std::uint8_t, kLightRecordBytes> bytes{};
    for (std::size_t i = 0; i < vekora::kLightRecordInts; ++i) {
        const auto v = static_cast<std::uint32_t>(record[i]);
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[4 * i + b] = static_cast<std::uint8_t>(v >> (8 * b));
        }
    }
    return Send(handle, wire::Command::WriteLight, 0, bytes);
}

TARNEXIO_EXPORT int ReadLED(void* handle, std::int32_t* record) {
    tarnexio::LogCall("ReadLED", {});
    if (!record) {
        return 0;
    }
    std::array<std::uint8_t, kLightRecordBytes> bytes{};
    if (!Read(handle, wire::Command::ReadLight, 0, bytes.data(), bytes.size())) {
        return 0;
    }
    for (std::size_t i = 0; i < vekora::kLightRecordInts; ++i) {
        const std::uint32_t v = bytes[4 * i] | (bytes[4 * i + 1] << 8) | (bytes[4 * i + 2] << 16) |
                                (static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
        record[i] = static_cast<std::int32_t>(v);
    }
    return 1;
}

TARNEXIO_EXPORT int SetKeyColor(void* handle, int slot, const std::uint8_t* map) {
    tarnexio::LogCall("SetKeyColor", {slot}, map, map ? vekora::kDeviceColourMapSize : 0);
    if (!map || slot < 0 || slot >= wire::kColourSlots) {
        return 0;
    }
    return Send(handle, wire::Command::WriteKeyColours, static_cast<std::uint8_t>(slot),
                {map, wire::kColourMapBytes});
}

TARNEXIO_EXPORT int ReadKeyColor(void* handle, int slot, std::uint8_t* map) {
    tarnexio::LogCall("ReadKeyColor", {slot});
    if (!map || slot < 0 || slot >= wire::kColourSlots) {
        return 0;
    }
    return Read(handle, wire::Command::ReadKeyColours, static_cast<std::uint8_t>(slot), map,
                wire::kColourMapBytes);
}

TARNEXIO_EXPORT int SetKey(void* handle, int profileIndex, int reserved, const std::uint8_t* map,
                           int length) {
    tarnexio::LogCall("SetKey", {profileIndex, reserved, length}, map,
                      map && length > 0 ? static_cast<std::size_t>(length) : 0);
    if (!map || length != vekora::kDeviceKeyMapSize || profileIndex < 0 || profileIndex > 0xFF) {
        return 0;
    }
    return Send(handle, wire::Command::WriteKeyMap, static_cast<std::uint8_t>(profileIndex),
                {map, wire::kKeyMapBytes});
}

TARNEXIO_EXPORT int ReadKey(void* handle, int profileIndex, int reserved, std::uint8_t* map,
                            int length) {
    tarnexio::LogCall("ReadKey", {profileIndex, reserved, length});
    if (!map || length != vekora::kDeviceKeyMapSize || profileIndex < 0 || profileIndex > 0xFF) {
        return 0;
    }
    return Read(handle, wire::Command::ReadKeyMap, static_cast<std::uint8_t>(profileIndex), map,
                wire::kKeyMapBytes);
}

TARNEXIO_EXPORT int SetTable(void* handle, const std::uint8_t* table, int length) {
    tarnexio::LogCall("SetTable", {length}, table,
                      table && length > 0 ? static_cast<std::size_t>(length) : 0);
    if (!table || length != vekora::kDeviceTableSize) {
        return 0;
    }
    return Send(handle, wire::Command::WriteTable, 0, {table, wire::kTableBytes});
}

TARNEXIO_EXPORT int GetTable(void* handle, std::uint8_t* table, int length) {
    tarnexio::LogCall("GetTable", {length});
    if (!table || length < vekora::kDeviceTableSize) {
        return 0;
    }
    return Read(handle, wire::Command::ReadTable, 0, table, wire::kTableBytes);
}

TARNEXIO_EXPORT int new_key_action(int key, int press, int delayMs, std::uint8_t* out,
                                   int outLength) {
    tarnexio::LogCall("new_key_action", {key, press, delayMs, outLength});
    if (!out || outLength < static_cast<int>(wire::kStepBytes)) {
        return 0;
    }
    const auto step = tarnexio::StepForVirtualKey(key, press != 0, delayMs);
    if (!step) {
        return 0;
    }
    std::memcpy(out, step->data(), step->size());
    return static_cast<int>(step->size());
}

TARNEXIO_EXPORT int ClearMacro() {
    tarnexio::LogCall("ClearMacro", {});
    tarnexio::ClearStagedMacros();
    return 1;
}

TARNEXIO_EXPORT int AddMacro(const std::uint8_t* record, int length, int reserved) {
    tarnexio::LogCall("AddMacro", {length, reserved}, record,
                      record && length > 0 ? static_cast<std::size_t>(length) : 0);
    if (length < 0 || (length > 0 && !record)) {
        return 0;
    }
    return tarnexio::StageMacro({record, static_cast<std::size_t>(length)}) ? 1 : 0;
}

TARNEXIO_EXPORT int SetMacro(void* handle) {
    tarnexio::LogCall("SetMacro", {});
    if (!tarnexio::FromHandle(handle)) {
        return 0;
    }
    const auto area = wire::BuildMacroArea(tarnexio::StagedMacros());
    if (!area) {
        return 0;
    }
    const auto chunks = wire::SplitIntoChunks(*area);
    const auto count = static_cast<std::uint8_t>(chunks.size());
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (!Ask(handle, wire::Command::WriteMacroChunk, static_cast<std::uint8_t>(i), count,
                 chunks[i])) {
            return 0;
        }
    }
    return 1;
}

TARNEXIO_EXPORT int SendMusicData(void* handle, const std::uint8_t* frame, int length) {
    tarnexio::LogCall("SendMusicData", {length}, frame,
                      frame && length > 0 ? static_cast<std::size_t>(length) : 0);
    if (!frame || length != vekora::kDeviceMusicFrameSize) {
        return 0;
    }
    return Send(handle, wire::Command::MusicFrame, 0, {frame, wire::kMusicFrameBytes});
}

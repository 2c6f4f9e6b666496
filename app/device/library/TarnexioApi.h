// The exports of the device library libTarnexio.so (the driver of the RGB keyboards), as C
// function types. The program binds them with dlsym; the library includes this header and
// checks its definitions against these types, so the two sides cannot disagree on an argument.
//
// `handle` is what OpenDevice returned. Buffers are raw bytes; their layouts are fixed by the
// callers (device key map and colour map 504 bytes, table 128 bytes, light record ten 32-bit
// integers, music frame 378 bytes).
#pragma once

#include <cstdint>

extern "C" {

using TxSetDebugFn = int (*)(int enable);
using TxOpenDeviceFn = void* (*)(const wchar_t* openCode, void* window, int reserved,
                                 std::uint32_t* out);
using TxCloseDeviceFn = int (*)(void* handle);
using TxGetDLLVersionFn = int (*)();
using TxGetDevVersionFn = int (*)(void* handle);
using TxIsDeviceOnlineFn = int (*)(void* handle);
using TxSetMultiBoardFn = int (*)(void* handle);
using TxSetLayerCountFn = int (*)(void* handle, int count);
using TxSetLEDFn = int (*)(void* handle, const std::int32_t* record);
using TxReadLEDFn = int (*)(void* handle, std::int32_t* record);
using TxSetKeyColorFn = int (*)(void* handle, int slot, const std::uint8_t* map);
using TxReadKeyColorFn = int (*)(void* handle, int slot, std::uint8_t* map);
using TxSetKeyFn = int (*)(void* handle, int profileIndex, int reserved, const std::uint8_t* map,
                           int length);
using TxReadKeyFn = int (*)(void* handle, int profileIndex, int reserved, std::uint8_t* map,
                            int length);
using TxSetTableFn = int (*)(void* handle, const std::uint8_t* table, int length);
using TxGetTableFn = int (*)(void* handle, std::uint8_t* table, int length);
using TxNewKeyActionFn = int (*)(int key, int press, int delayMs, std::uint8_t* out, int outLength);
using TxClearMacroFn = int (*)();
using TxAddMacroFn = int (*)(const std::uint8_t* record, int length, int reserved);
using TxSetMacroFn = int (*)(void* handle);
using TxSendMusicDataFn = int (*)(void* handle, const std::uint8_t* frame, int length);

}  // extern "C"

namespace vekora {

// The library's file name; it is loaded from the program's own library folder only.
inline constexpr const char* kDeviceLibraryFile = "libTarnexio.so";

// Sizes of the buffers the callers hand over.
inline constexpr int kLightRecordInts = 10;
inline constexpr int kDeviceTableSize = 128;
inline constexpr int kDeviceKeyMapSize = 504;
inline constexpr int kDeviceColourMapSize = 504;
inline constexpr int kDeviceMusicFrameSize = 378;
inline constexpr int kKeyActionSize = 6;

}  // namespace vekora

// DeviceLibraryBinding: the process-wide binding to the device library libTarnexio.so, which
// drives the RGB keyboards (models 9 and 10).
//
// The library is loaded with dlopen from the program's own library folder only (by default
// the folder of the running executable, never the working directory or the loader's search
// path), so a file dropped into the current directory can never be run. Its exports are
// resolved once, in a fixed order; a library without every required export counts as
// missing and the user sees "Load dll failed" (caption "LoadLibrary").
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "device/library/TarnexioApi.h"

namespace vekora {

class AppView;
class Clock;

struct LightSettingsRecord {
    std::array<std::int32_t, kLightRecordInts> values{};
};

class DeviceLibraryBinding {
public:
    // The binding of the process: created on first use, never destroyed before exit.
    static DeviceLibraryBinding& Instance();

    // A binding that loads from `libraryFolder` (tests); pauses go through `clock`.
    DeviceLibraryBinding(std::filesystem::path libraryFolder, Clock& clock);
    ~DeviceLibraryBinding();
    DeviceLibraryBinding(const DeviceLibraryBinding&) = delete;
    DeviceLibraryBinding& operator=(const DeviceLibraryBinding&) = delete;

    // Where load failures are shown; without a view they go to stderr.
    void SetView(AppView* view) { view_ = view; }

    // Loads the library and, the first time, resolves its exports. False, after showing
    // "Load dll failed", when the library or a required export is missing; a library that
    // loaded but lacks an export stays loaded.
    bool Load();

    // Opens the keyboard through the library. With a handle already held: returns the opened
    // flag and does nothing else. Otherwise unloads a previous library, Load()s, calls
    // OpenDevice(openCode, window, 0, &out) and, with a handle, SetMultiBoard(handle).
    bool Open(std::uint16_t vendorId, std::uint16_t productId, const std::wstring& openCode,
              void* window);

    // After a failing library call: CloseDevice(handle) when one is held, a 1000 ms pause, and
    // OpenDevice with the open code of the last Open (the 87-key RGB code when there was none)
    // and the stored window; with a handle, SetMultiBoard(handle).
    bool Reopen();

    // 1 when the library returned non-zero, -2 when it returned zero, -1 when the library is
    // not loaded, no handle is held or the export is missing.
    int GetTable(std::uint8_t* table128);
    int SetTable(const std::uint8_t* table128);
    int SetLED(const LightSettingsRecord& record);

    bool Loaded() const { return library_ != nullptr; }
    bool Opened() const { return opened_; }
    void* DeviceHandle() const { return device_; }
    const std::filesystem::path& LibraryFolder() const { return folder_; }

    // Resolved exports (null when missing), for the callers of the other library functions.
    struct Exports {
        TxSetDebugFn SetDebug = nullptr;
        TxOpenDeviceFn OpenDevice = nullptr;
        TxCloseDeviceFn CloseDevice = nullptr;
        TxGetDLLVersionFn GetDLLVersion = nullptr;
        TxGetDevVersionFn GetDevVersion = nullptr;
        TxIsDeviceOnlineFn IsDeviceOnline = nullptr;
        TxSetMultiBoardFn SetMultiBoard = nullptr;
        TxSetLayerCountFn SetLayerCount = nullptr;
        TxSetLEDFn SetLED = nullptr;
        TxReadLEDFn ReadLED = nullptr;
        TxSetKeyColorFn SetKeyColor = nullptr;
        TxReadKeyColorFn ReadKeyColor = nullptr;
        TxSetKeyFn SetKey = nullptr;
        TxReadKeyFn ReadKey = nullptr;
        TxSetTableFn SetTable = nullptr;
        TxGetTableFn GetTable = nullptr;
        TxNewKeyActionFn new_key_action = nullptr;
        TxClearMacroFn ClearMacro = nullptr;
        TxAddMacroFn AddMacro = nullptr;
        TxSetMacroFn SetMacro = nullptr;
        TxSendMusicDataFn SendMusicData = nullptr;
    };
    const Exports& Functions() const { return fn_; }

private:
    void Unload();
    void ResolveExports();
    bool HasRequiredExports() const;
    void ReportLoadFailure(const std::string& detail);

    std::filesystem::path folder_;
    Clock& clock_;
    AppView* view_ = nullptr;
    void* window_ = nullptr;
    std::wstring openCode_;
    bool opened_ = false;
    void* library_ = nullptr;
    void* device_ = nullptr;
    Exports fn_;
};

// The folder of the running executable (where the program's own libraries live).
std::filesystem::path ProgramLibraryFolder();

}  // namespace vekora

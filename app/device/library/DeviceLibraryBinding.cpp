#include "device/library/DeviceLibraryBinding.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <system_error>

#include "core/AppView.h"
#include "device/Clock.h"
#include "device/ModelCatalogue.h"

namespace vekora {
namespace {

constexpr int kReopenPauseMs = 1000;

template <typename Fn>
void Resolve(void* library, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(library, name));
}

}  // namespace

std::filesystem::path ProgramLibraryFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

DeviceLibraryBinding& DeviceLibraryBinding::Instance() {
    // Never destroyed: the library stays loaded until the process ends.
    static DeviceLibraryBinding* binding =
        new DeviceLibraryBinding(ProgramLibraryFolder(), SystemClock::Instance());
    return *binding;
}

DeviceLibraryBinding::DeviceLibraryBinding(std::filesystem::path libraryFolder, Clock& clock)
    : folder_(std::move(libraryFolder)), clock_(clock) {}

DeviceLibraryBinding::~DeviceLibraryBinding() {
    Unload();
}

void DeviceLibraryBinding::Unload() {
    if (library_) {
        dlclose(library_);
    }
    library_ = nullptr;
    // The pointers die with the library: a later load resolves them afresh.
    fn_ = Exports{};
}

void DeviceLibraryBinding::ResolveExports() {
    // Resolved in this order; SetDebug is looked up but never used.
    Resolve(library_, "SetDebug", fn_.SetDebug);
    Resolve(library_, "OpenDevice", fn_.OpenDevice);
    Resolve(library_, "CloseDevice", fn_.CloseDevice);
    Resolve(library_, "GetDLLVersion", fn_.GetDLLVersion);
    Resolve(library_, "GetDevVersion", fn_.GetDevVersion);
    Resolve(library_, "IsDeviceOnline", fn_.IsDeviceOnline);
    Resolve(library_, "SetMultiBoard", fn_.SetMultiBoard);
    Resolve(library_, "SetLayerCount", fn_.SetLayerCount);
    Resolve(library_, "SetLED", fn_.SetLED);
    Resolve(library_, "ReadLED", fn_.ReadLED);
    Resolve(library_, "SetKeyColor", fn_.SetKeyColor);
    Resolve(library_, "ReadKeyColor", fn_.ReadKeyColor);
    Resolve(library_, "SetKey", fn_.SetKey);
    Resolve(library_, "ReadKey", fn_.ReadKey);
    Resolve(library_, "SetTable", fn_.SetTable);
    Resolve(library_, "GetTable", fn_.GetTable);
    Resolve(library_, "new_key_action", fn_.new_key_action);
    Resolve(library_, "ClearMacro", fn_.ClearMacro);
    Resolve(library_, "AddMacro", fn_.AddMacro);
    Resolve(library_, "SetMacro", fn_.SetMacro);
    Resolve(library_, "SendMusicData", fn_.SendMusicData);
}

bool DeviceLibraryBinding::HasRequiredExports() const {
    // SetDebug, ClearMacro, AddMacro, SetMacro and SendMusicData are optional.
    return fn_.OpenDevice && fn_.CloseDevice && fn_.GetDLLVersion && fn_.GetDevVersion &&
           fn_.IsDeviceOnline && fn_.SetMultiBoard && fn_.SetLayerCount && fn_.SetLED &&
           fn_.ReadLED && fn_.SetKeyColor && fn_.ReadKeyColor && fn_.SetKey && fn_.ReadKey &&
           fn_.SetTable && fn_.GetTable && fn_.new_key_action;
}

void DeviceLibraryBinding::ReportLoadFailure(const std::string& detail) {
    std::fprintf(stderr, "Vekora: device library: %s\n", detail.c_str());
    if (view_) {
        view_->ShowMessageBox(L"Load dll failed", L"LoadLibrary");
    }
}

bool DeviceLibraryBinding::Load() {
    if (!library_) {
        if (folder_.empty()) {
            ReportLoadFailure("the program's library folder is unknown");
            return false;
        }
        // An absolute path: dlopen searches nowhere else.
        const std::filesystem::path file = std::filesystem::absolute(folder_ / kDeviceLibraryFile);
        library_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library_) {
            const char* why = dlerror();
            ReportLoadFailure(why ? why : file.string());
            return false;
        }
        fn_ = Exports{};
    }
    if (!fn_.OpenDevice) {
        ResolveExports();
    }
    if (!HasRequiredExports()) {
        ReportLoadFailure((folder_ / kDeviceLibraryFile).string() + " lacks required exports");
        return false;
    }
    return true;
}

bool DeviceLibraryBinding::Open(std::uint16_t /*vendorId*/, std::uint16_t /*productId*/,
                                const std::wstring& openCode, void* window) {
    window_ = window;
    openCode_ = openCode;
    if (device_) {
        return opened_;
    }
    opened_ = false;
    Unload();
    device_ = nullptr;
    if (!Load()) {
        return false;
    }
    std::uint32_t out = 0;
    device_ = fn_.OpenDevice(openCode.c_str(), window, 0, &out);
    if (!device_) {
        return false;
    }
    opened_ = true;
    fn_.SetMultiBoard(device_);
    return true;
}

bool DeviceLibraryBinding::Reopen() {
    if (!library_ || !fn_.OpenDevice) {
        return false;  // nothing to re-open with
    }
    if (device_ && fn_.CloseDevice) {
        fn_.CloseDevice(device_);
    }
    device_ = nullptr;
    opened_ = false;
    clock_.SleepFor(kReopenPauseMs);
    // The code of the keyboard that was opened, so that a 98-key keyboard is re-opened as
    // itself (and, with both models plugged in, the same keyboard comes back); the 87-key code
    // when nothing was opened yet.
    const std::wstring code =
        openCode_.empty() ? std::wstring(OpenCode(DeviceModel::K87Rgb)) : openCode_;
    std::uint32_t out = 0;
    device_ = fn_.OpenDevice(code.c_str(), window_, 0, &out);
    if (!device_) {
        return false;
    }
    opened_ = true;
    if (fn_.SetMultiBoard) {
        fn_.SetMultiBoard(device_);
    }
    return true;
}

int DeviceLibraryBinding::GetTable(std::uint8_t* table128) {
    if (!library_ || !device_ || !fn_.GetTable) {
        return -1;
    }
    return fn_.GetTable(device_, table128, kDeviceTableSize) ? 1 : -2;
}

int DeviceLibraryBinding::SetTable(const std::uint8_t* table128) {
    if (!library_ || !device_ || !fn_.SetTable) {
        return -1;
    }
    return fn_.SetTable(device_, table128, kDeviceTableSize) ? 1 : -2;
}

int DeviceLibraryBinding::SetLED(const LightSettingsRecord& record) {
    if (!library_ || !device_ || !fn_.SetLED) {
        return -1;
    }
    return fn_.SetLED(device_, record.values.data()) ? 1 : -2;
}

}  // namespace vekora

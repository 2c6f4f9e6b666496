// A deliberately incomplete device library for tests: it has OpenDevice and the optional
// exports but lacks most required ones (SetKey, GetTable, ...), so loading it must fail with
// "Load dll failed" while leaving it loaded.
#include <cstdint>

#define TARNEXIO_EXPORT extern "C" __attribute__((visibility("default")))

TARNEXIO_EXPORT void* OpenDevice(const wchar_t*, void*, int, std::uint32_t* out) {
    if (out) {
        *out = 0;
    }
    return nullptr;
}

TARNEXIO_EXPORT int CloseDevice(void*) {
    return 1;
}

TARNEXIO_EXPORT int ClearMacro() {
    return 1;
}

TARNEXIO_EXPORT int SendMusicData(void*, const std::uint8_t*, int) {
    return 1;
}

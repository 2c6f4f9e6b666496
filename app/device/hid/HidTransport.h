// The HID transport: finding HID interfaces, opening one, its report lengths, and raw report
// exchange. The exchange operations of DeviceManager are built on these functions.
//
// The functions work on the process-wide backend: the keyboard simulator when the environment
// variable VEKORA_HID_SIM names its socket, hidapi's hidraw backend otherwise. Tests may install
// their own backend with ScopedHidBackend; with VEKORA_HID_FORBID_HARDWARE set (as for every
// test) a use of the hidapi backend aborts the program.
//
// Access modes on Linux: hidraw holds no interface exclusively (keyboard collections included),
// so both modes of HidOpen open the node for reading and writing; "identify only" only records
// that the caller will not read input reports.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/hid/HidBackend.h"

namespace vekora {

// One enumerated HID interface: a top-level collection of a device node. A node whose report
// descriptor declares several top-level collections is listed once per collection, with
// "&colNN" (1-based, two digits) after its path, as interfaces with several collections are
// named elsewhere; opening such a path opens the node and reports that collection's lengths.
struct HidInterfaceInfo {
    std::string path;  // opens the interface (HidOpen)
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
    std::uint16_t usagePage = 0;  // 0 when the report descriptor cannot be read
    std::uint16_t usage = 0;
    int interfaceNumber = -1;   // the number after "&mi_" in interfaceName, -1 without one
    std::string interfaceName;  // see HidInterfaceName.h
};

// One open interface.
struct HidHandle {
    std::unique_ptr<HidConnection> connection;
    int outputReportLength = 0;   // bytes, report id included
    int inputReportLength = 0;    // bytes, report id included; the size of the read buffer
    int featureReportLength = 0;  // bytes, report id included (520 or 65 for the keyboards)
    bool identifyOnly = false;
    std::wstring lastError;    // text of the last failure; for diagnostics only
    bool readPending = false;  // a read was started and has not delivered yet
    std::vector<std::uint8_t> readBuffer;
};

// Every present HID interface in enumeration order; empty when none (or no backend).
std::vector<HidInterfaceInfo> HidEnumerate();

// Opens an interface; null on failure (the reason is in HidLastOpenError()).
std::unique_ptr<HidHandle> HidOpen(const std::string& path, bool identifyOnly);
const std::wstring& HidLastOpenError();

// Closes the interface (any pending read is abandoned). Accepts null.
void HidClose(std::unique_ptr<HidHandle> handle);

// 0 on success (the string is in `out`), -1 on failure with the error text set.
int HidGetManufacturerString(HidHandle& handle, std::wstring& out);
int HidGetProductString(HidHandle& handle, std::wstring& out);

// data[0] is the report id. Returns `length` on success, -1 on failure.
int HidSendFeature(HidHandle& handle, const std::uint8_t* data, int length);

// data[0] selects the report id; the answer replaces data, report id first. Returns the number
// of bytes after the report id (64 for a short report), -1 on failure.
int HidGetFeature(HidHandle& handle, std::uint8_t* data, int length);

// Up to 64 bytes of one input report with a wait of 1 ms. A leading 0 (no report id) is
// dropped, a non-zero report id is kept. Returns the number of bytes copied to `out`, 0 when
// nothing arrived within 1 ms (the read then stays pending for the next call), -1 on failure.
int HidReadInput(HidHandle& handle, std::uint8_t out[64]);

// The process-wide backend (chosen on first use). Null only while shut down.
HidBackend* CurrentHidBackend();

// Releases the process-wide backend (hidapi's hid_exit); the next call starts a new one.
void HidShutdown();

// Installs `backend` for the lifetime of the scope (tests).
class ScopedHidBackend {
public:
    explicit ScopedHidBackend(HidBackend& backend);
    ~ScopedHidBackend();
    ScopedHidBackend(const ScopedHidBackend&) = delete;
    ScopedHidBackend& operator=(const ScopedHidBackend&) = delete;

private:
    HidBackend* previous_;
};

}  // namespace vekora

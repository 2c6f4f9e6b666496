// HidBackend: what a HID access layer provides to the transport functions (HidTransport.h).
// Two implementations exist: HidapiBackend (hidapi's hidraw backend, real keyboards) and
// SimHidBackend (the keyboard simulator over a Unix socket). Each failing call fills `error`
// with a one-line text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/hid/HidReportDescriptor.h"

namespace vekora {

// One HID device node as a backend sees it (a hidraw node, or a simulated interface).
struct HidNodeInfo {
    std::string path;  // opens the node
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
    int usbInterface = -1;         // USB interface number, -1 when not a USB interface
    HidDescriptorInfo descriptor;  // invalid when it cannot be read
};

// An open interface of a backend.
class HidConnection {
public:
    virtual ~HidConnection() = default;

    // Report id in data[0]. Returns the number of bytes sent or -1.
    virtual int SendFeature(const std::uint8_t* data, std::size_t length, std::string& error) = 0;

    // data[0] selects the report id; the answer is written from data[0] on, report id first.
    // Returns the number of bytes after the report id, or -1.
    virtual int GetFeature(std::uint8_t* data, std::size_t length, std::string& error) = 0;

    // Waits at most timeoutMs for one input report and writes it report id first (0 when the
    // interface does not number its reports). Returns its byte count, 0 when none arrived, -1.
    virtual int ReadInput(std::uint8_t* data, std::size_t length, int timeoutMs,
                          std::string& error) = 0;

    virtual bool GetManufacturer(std::wstring& out, std::string& error) = 0;
    virtual bool GetProduct(std::wstring& out, std::string& error) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Every present HID node, in a stable order.
    virtual std::vector<HidNodeInfo> Enumerate() = 0;

    // Opens `path` and reads its report descriptor. `identifyOnly` asks for the least access
    // that still exchanges feature reports. Null on failure.
    virtual std::unique_ptr<HidConnection> Open(const std::string& path, bool identifyOnly,
                                                HidDescriptorInfo& descriptor,
                                                std::string& error) = 0;
};

}  // namespace vekora

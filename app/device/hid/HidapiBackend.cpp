#include "device/hid/HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vekora {
namespace {

constexpr std::size_t kStringChars = 512;

std::string Narrow(const wchar_t* text) {
    std::string out;
    if (!text) {
        return out;
    }
    for (; *text; ++text) {
        out.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    }
    return out;
}

class HidapiConnection : public HidConnection {
public:
    HidapiConnection(hid_device* device, bool numbered) : device_(device), numbered_(numbered) {}
    ~HidapiConnection() override { hid_close(device_); }

    int SendFeature(const std::uint8_t* data, std::size_t length, std::string& error) override {
        const int res = hid_send_feature_report(device_, data, length);
        if (res < 0) {
            error = LastError();
        }
        return res;
    }

    int GetFeature(std::uint8_t* data, std::size_t length, std::string& error) override {
        // hidraw counts the report id byte it leaves in data[0]; callers count data bytes.
        const int res = hid_get_feature_report(device_, data, length);
        if (res < 0) {
            error = LastError();
            return -1;
        }
        return res > 0 ? res - 1 : 0;
    }

    int ReadInput(std::uint8_t* data, std::size_t length, int timeoutMs,
                  std::string& error) override {
        if (length == 0) {
            return 0;
        }
        // hidraw delivers unnumbered reports without an id byte: put the 0 in front so every
        // backend hands out reports id first.
        std::uint8_t* target = numbered_ ? data : data + 1;
        const std::size_t room = numbered_ ? length : length - 1;
        const int res = hid_read_timeout(device_, target, room, timeoutMs);
        if (res < 0) {
            error = LastError();
            return -1;
        }
        if (res == 0) {
            return 0;
        }
        if (!numbered_) {
            data[0] = 0;
            return res + 1;
        }
        return res;
    }

    bool GetManufacturer(std::wstring& out, std::string& error) override {
        return GetString(&hid_get_manufacturer_string, out, error);
    }
    bool GetProduct(std::wstring& out, std::string& error) override {
        return GetString(&hid_get_product_string, out, error);
    }

private:
    using StringGetter = int (*)(hid_device*, wchar_t*, size_t);

    bool GetString(StringGetter getter, std::wstring& out, std::string& error) {
        wchar_t buffer[kStringChars] = {};
        if (getter(device_, buffer, kStringChars) < 0) {
            error = LastError();
            return false;
        }
        buffer[kStringChars - 1] = 0;
        out = buffer;
        return true;
    }

    std::string LastError() {
        const std::string text = Narrow(hid_error(device_));
        return text.empty() ? std::string(std::strerror(errno)) : text;
    }

    hid_device* device_;
    bool numbered_;
};

std::string NodeName(const std::string& devicePath) {
    const std::size_t slash = devicePath.rfind('/');
    return slash == std::string::npos ? devicePath : devicePath.substr(slash + 1);
}

}  // namespace

HidDescriptorInfo ReadHidrawDescriptor(const std::string& devicePath) {
    const std::string node = NodeName(devicePath);
    if (node.rfind("hidraw", 0) != 0 || node.find("..") != std::string::npos) {
        return {};
    }
    std::ifstream in("/sys/class/hidraw/" + node + "/device/report_descriptor", std::ios::binary);
    if (!in) {
        return {};
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return ParseReportDescriptor(bytes);
}

HidapiBackend::HidapiBackend() {
    initialised_ = hid_init() == 0;
}

HidapiBackend::~HidapiBackend() {
    if (initialised_) {
        hid_exit();
    }
}

std::vector<HidNodeInfo> HidapiBackend::Enumerate() {
    std::vector<HidNodeInfo> list;
    if (!initialised_) {
        return list;
    }
    hid_device_info* all = hid_enumerate(0, 0);
    for (hid_device_info* d = all; d; d = d->next) {
        // hidapi may list a node once per top-level usage; the transport splits collections
        // itself from the descriptor, so each node is taken once.
        if (!d->path || std::any_of(list.begin(), list.end(),
                                    [&](const HidNodeInfo& n) { return n.path == d->path; })) {
            continue;
        }
        HidNodeInfo node;
        node.path = d->path;
        node.vendorId = d->vendor_id;
        node.productId = d->product_id;
        node.releaseNumber = d->release_number;
        node.usbInterface = d->interface_number;
        node.descriptor = ReadHidrawDescriptor(node.path);
        list.push_back(std::move(node));
    }
    hid_free_enumeration(all);
    return list;
}

std::unique_ptr<HidConnection> HidapiBackend::Open(const std::string& path, bool /*identifyOnly*/,
                                                   HidDescriptorInfo& descriptor,
                                                   std::string& error) {
    if (!initialised_) {
        error = "hidapi could not be initialised";
        return nullptr;
    }
    // Both access modes open the hidraw node read-write (see HidTransport.h).
    hid_device* device = hid_open_path(path.c_str());
    if (!device) {
        error = Narrow(hid_error(nullptr));
        if (error.empty()) {
            error = std::strerror(errno);
        }
        return nullptr;
    }
    descriptor = ReadHidrawDescriptor(path);
    if (!descriptor.valid) {
        hid_close(device);
        error = "The report descriptor of " + path + " cannot be read";
        return nullptr;
    }
    return std::make_unique<HidapiConnection>(device, descriptor.numberedReports);
}

}  // namespace vekora

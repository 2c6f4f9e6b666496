#include "device/hid/HidTransport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "device/hid/HidInterfaceName.h"
#include "device/hid/HidapiBackend.h"
#include "device/hid/SimHidBackend.h"

namespace vekora {
namespace {

constexpr int kInputWaitMs = 1;
constexpr int kMaxInputCopy = 64;

std::mutex gBackendMutex;
std::unique_ptr<HidBackend> gOwnedBackend;
HidBackend* gInstalledBackend = nullptr;  // ScopedHidBackend wins over the owned one

std::wstring gLastOpenError;

// Error texts are kept on one line, like the system message texts they stand for.
std::wstring ToErrorText(const std::string& text) {
    std::wstring out;
    for (unsigned char c : text) {
        if (c == '\r' || c == '\n') {
            break;
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

void SetError(HidHandle& handle, const std::string& text) {
    handle.lastError = ToErrorText(text);
}

}  // namespace

HidBackend* CurrentHidBackend() {
    std::lock_guard lock(gBackendMutex);
    if (gInstalledBackend) {
        return gInstalledBackend;
    }
    if (!gOwnedBackend) {
        const char* sim = std::getenv("VEKORA_HID_SIM");
        if (sim && *sim) {
            gOwnedBackend = std::make_unique<SimHidBackend>(sim);
        } else {
            const char* forbid = std::getenv("VEKORA_HID_FORBID_HARDWARE");
            if (forbid && *forbid) {
                // Set for every test: reaching real keyboards from a test is a test fault.
                std::fputs(
                    "vekora: a test reached the real HID backend; use the simulator "
                    "(VEKORA_HID_SIM) or ScopedHidBackend\n",
                    stderr);
                std::abort();
            }
            gOwnedBackend = std::make_unique<HidapiBackend>();
        }
    }
    return gOwnedBackend.get();
}

void HidShutdown() {
    std::lock_guard lock(gBackendMutex);
    gOwnedBackend.reset();
}

ScopedHidBackend::ScopedHidBackend(HidBackend& backend) {
    std::lock_guard lock(gBackendMutex);
    previous_ = gInstalledBackend;
    gInstalledBackend = &backend;
}

ScopedHidBackend::~ScopedHidBackend() {
    std::lock_guard lock(gBackendMutex);
    gInstalledBackend = previous_;
}

std::vector<HidInterfaceInfo> HidEnumerate() {
    std::vector<HidInterfaceInfo> list;
    HidBackend* backend = CurrentHidBackend();
    if (!backend) {
        return list;
    }
    for (const HidNodeInfo& node : backend->Enumerate()) {
        const auto& collections = node.descriptor.collections;
        const int count = node.descriptor.valid ? static_cast<int>(collections.size()) : 1;
        for (int i = 0; i < count; ++i) {
            // Only nodes with several collections get the "&colNN" suffix.
            const int collection = count > 1 ? i + 1 : 0;
            HidInterfaceInfo info;
            info.path = JoinCollectionPath(node.path, collection);
            info.vendorId = node.vendorId;
            info.productId = node.productId;
            info.releaseNumber = node.releaseNumber;
            if (node.descriptor.valid) {
                info.usagePage = collections[static_cast<std::size_t>(i)].usagePage;
                info.usage = collections[static_cast<std::size_t>(i)].usage;
            }
            info.interfaceName = BuildInterfaceName(node.vendorId, node.productId,
                                                    node.usbInterface, collection, info.path);
            info.interfaceNumber = InterfaceNumberFromName(info.interfaceName);
            list.push_back(std::move(info));
        }
    }
    return list;
}

std::unique_ptr<HidHandle> HidOpen(const std::string& path, bool identifyOnly) {
    HidBackend* backend = CurrentHidBackend();
    if (!backend) {
        gLastOpenError = L"No HID access";
        return nullptr;
    }
    const CollectionPath where = SplitCollectionPath(path);
    HidDescriptorInfo descriptor;
    std::string error;
    auto connection = backend->Open(where.node, identifyOnly, descriptor, error);
    if (!connection) {
        gLastOpenError = ToErrorText(error);
        return nullptr;
    }
    if (!descriptor.valid) {
        // Without readable capabilities the interface cannot be used: refuse it.
        gLastOpenError = L"The report descriptor cannot be read";
        return nullptr;
    }
    HidCollectionInfo lengths{descriptor.usagePage, descriptor.usage, descriptor.inputReportLength,
                              descriptor.outputReportLength, descriptor.featureReportLength};
    if (where.collection > 0) {
        if (static_cast<std::size_t>(where.collection) > descriptor.collections.size()) {
            gLastOpenError = L"No such collection";
            return nullptr;
        }
        lengths = descriptor.collections[static_cast<std::size_t>(where.collection) - 1];
    }
    auto handle = std::make_unique<HidHandle>();
    handle->connection = std::move(connection);
    handle->inputReportLength = lengths.inputReportLength;
    handle->outputReportLength = lengths.outputReportLength;
    handle->featureReportLength = lengths.featureReportLength;
    handle->identifyOnly = identifyOnly;
    handle->readBuffer.assign(static_cast<std::size_t>(lengths.inputReportLength), 0);
    gLastOpenError.clear();
    return handle;
}

const std::wstring& HidLastOpenError() {
    return gLastOpenError;
}

void HidClose(std::unique_ptr<HidHandle> handle) {
    // Destroying the connection closes the node; a pending read dies with it.
    handle.reset();
}

int HidGetManufacturerString(HidHandle& handle, std::wstring& out) {
    std::string error;
    if (!handle.connection->GetManufacturer(out, error)) {
        SetError(handle, error);
        return -1;
    }
    return 0;
}

int HidGetProductString(HidHandle& handle, std::wstring& out) {
    std::string error;
    if (!handle.connection->GetProduct(out, error)) {
        SetError(handle, error);
        return -1;
    }
    return 0;
}

int HidSendFeature(HidHandle& handle, const std::uint8_t* data, int length) {
    if (!data || length <= 0) {
        SetError(handle, "Invalid report buffer");
        return -1;
    }
    std::string error;
    const int sent = handle.connection->SendFeature(data, static_cast<std::size_t>(length), error);
    if (sent < 0) {
        SetError(handle, error);
        return -1;
    }
    return length;
}

int HidGetFeature(HidHandle& handle, std::uint8_t* data, int length) {
    if (!data || length <= 0) {
        SetError(handle, "Invalid report buffer");
        return -1;
    }
    std::string error;
    const int got = handle.connection->GetFeature(data, static_cast<std::size_t>(length), error);
    if (got < 0) {
        SetError(handle, error);
        return -1;
    }
    return got;
}

int HidReadInput(HidHandle& handle, std::uint8_t out[64]) {
    if (handle.readBuffer.empty()) {
        SetError(handle, "The interface has no input reports");
        return -1;
    }
    // The kernel queues input reports, so a read that did not deliver within the wait is simply
    // asked again on the next call: that is the pending read.
    handle.readPending = true;
    std::string error;
    const int got = handle.connection->ReadInput(handle.readBuffer.data(), handle.readBuffer.size(),
                                                 kInputWaitMs, error);
    if (got < 0) {
        handle.readPending = false;
        SetError(handle, error);
        return -1;
    }
    if (got == 0) {
        return 0;
    }
    handle.readPending = false;
    const std::uint8_t* from = handle.readBuffer.data();
    int count = got;
    if (from[0] == 0) {
        ++from;
        --count;
    }
    count = std::min(count, kMaxInputCopy);
    std::memcpy(out, from, static_cast<std::size_t>(count));
    return count;
}

}  // namespace vekora

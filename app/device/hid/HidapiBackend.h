// HidapiBackend: real keyboards through hidapi's hidraw backend. Report descriptors are read
// from sysfs (/sys/class/hidraw/<node>/device/report_descriptor) and parsed by our own parser,
// which gives usage page, usage and the three report lengths; the USB interface number comes
// from hidapi's enumeration.
#pragma once

#include "device/hid/HidBackend.h"

namespace vekora {

class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;

    std::vector<HidNodeInfo> Enumerate() override;
    std::unique_ptr<HidConnection> Open(const std::string& path, bool identifyOnly,
                                        HidDescriptorInfo& descriptor, std::string& error) override;

private:
    bool initialised_ = false;
};

// The parsed report descriptor of a hidraw node path ("/dev/hidraw3"); invalid when sysfs has
// no readable descriptor for it.
HidDescriptorInfo ReadHidrawDescriptor(const std::string& devicePath);

}  // namespace vekora

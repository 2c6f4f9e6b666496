// The udev rule must grant access to exactly the configuration interface of every keyboard the
// scan admits, and never to another interface.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "device/DeviceRecords.h"

namespace vekora {
namespace {

TEST(UdevRule, GrantsTheConfigurationInterfaceOfEverySupportedKeyboardOnly) {
    std::ifstream in(std::string(VEKORA_SOURCE_DIR) + "/packaging/udev/70-vekora.rules");
    ASSERT_TRUE(in) << "packaging/udev/70-vekora.rules is missing";
    const std::regex grant(
        R"rule(^ENV\{ID_VENDOR_ID\}=="([0-9a-f]{4})", ENV\{ID_MODEL_ID\}=="([0-9a-f]{4})", )rule"
        R"rule(ENV\{ID_USB_INTERFACE_NUM\}=="([0-9a-f]{2})", TAG\+="uaccess"$)rule");
    std::set<std::pair<int, int>> granted;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.find("uaccess") == std::string::npos) {
            continue;
        }
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, grant)) << "unexpected grant: " << line;
        EXPECT_EQ(m[3].str(), "01") << line;
        granted.insert({std::stoi(m[1].str(), nullptr, 16), std::stoi(m[2].str(), nullptr, 16)});
    }
    std::set<std::pair<int, int>> supported;
    for (const SupportedDevice& s : StartupSupportedDevices()) {
        supported.insert({s.vendorId, s.productId});
    }
    EXPECT_EQ(granted, supported);
}

}  // namespace
}  // namespace vekora

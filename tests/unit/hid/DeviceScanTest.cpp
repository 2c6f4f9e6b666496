#include <gtest/gtest.h>

#include "DescriptorFixtures.h"
#include "FakeHidBackend.h"
#include "device/DeviceRecords.h"
#include "device/FakeClock.h"
#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

using testing::FakeHidBackend;
using testing::LoadDescriptor;

// A one-collection descriptor: feature report of `featureBytes` data bytes (with report id 6
// when `numbered`) and an input report of `inputBytes` data bytes with report id 3.
std::vector<std::uint8_t> Descriptor(std::uint16_t page, std::uint8_t usage, int featureBytes,
                                     int inputBytes = 0, bool numbered = true) {
    std::vector<std::uint8_t> d = {0x06,
                                   static_cast<std::uint8_t>(page & 0xFF),
                                   static_cast<std::uint8_t>(page >> 8),
                                   0x09,
                                   usage,
                                   0xA1,
                                   0x01,
                                   0x75,
                                   0x08};
    if (featureBytes > 0) {
        if (numbered) {
            d.insert(d.end(), {0x85, 0x06});
        }
        d.insert(d.end(), {0x96, static_cast<std::uint8_t>(featureBytes & 0xFF),
                           static_cast<std::uint8_t>(featureBytes >> 8), 0xB1, 0x02});
    }
    if (inputBytes > 0) {
        d.insert(d.end(), {0x85, 0x03, 0x95, static_cast<std::uint8_t>(inputBytes), 0x81, 0x02});
    }
    d.push_back(0xC0);
    return d;
}

class Scan : public ::testing::Test {
protected:
    Scan() : scope_(backend_), manager_(clock_) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
    }
    void RunScan() {
        manager_.SetBusy(true);
        manager_.CloseAll();
        manager_.Scan();
        manager_.SetReady(true);
        manager_.SetBusy(false);
    }
    void AddLongKeyboard(const std::string& prefix, std::wstring product) {
        backend_.AddNode(prefix + "/0", 0x258A, 0x010C, 0, LoadDescriptor("boot_keyboard.hex"),
                         product);
        backend_.AddNode(prefix + "/1", 0x258A, 0x010C, 1,
                         LoadDescriptor("vendor_two_collections.hex"), product);
    }
    void AddShortKeyboard(const std::string& prefix, std::wstring product) {
        backend_.AddNode(prefix + "/0", 0x0C45, 0x8075, 0, LoadDescriptor("boot_keyboard.hex"),
                         product);
        backend_.AddNode(prefix + "/1", 0x0C45, 0x8075, 1, LoadDescriptor("vendor_feature_64.hex"),
                         product);
    }

    FakeClock clock_;
    FakeHidBackend backend_;
    ScopedHidBackend scope_;
    DeviceManager manager_;
};

TEST_F(Scan, OneKeyboardWithItsNotificationCollectionGivesOneDeviceAndASecondary) {
    AddLongKeyboard("k", L"VEKORA K87-1980");
    RunScan();
    ASSERT_EQ(manager_.Devices().size(), 1u);
    const KeyboardDevice& d = *manager_.Devices()[0];
    EXPECT_EQ(d.index, 0);
    EXPECT_EQ(d.vendorId, 0x258A);
    EXPECT_EQ(d.productId, 0x010C);
    EXPECT_EQ(d.product, L"VEKORA K87-1980");
    EXPECT_EQ(d.manufacturer, L"Vekora");
    EXPECT_EQ(d.release, L"105");
    ASSERT_NE(d.transport, nullptr);
    EXPECT_EQ(d.transport->featureReportLength, 520);
    ASSERT_NE(manager_.Secondary(), nullptr);
    EXPECT_EQ(manager_.Secondary()->inputReportLength, 4);
}

TEST_F(Scan, TwoKeyboardsAreRecordedInEnumerationOrder) {
    AddLongKeyboard("a", L"VEKORA K98-1980");
    AddLongKeyboard("b", L"VEKORA K87-1980");
    RunScan();
    ASSERT_EQ(manager_.Devices().size(), 2u);
    EXPECT_EQ(manager_.FindDevice(0x258A, 0x010C, L"VEKORA K98-1980"), 0);
    EXPECT_EQ(manager_.FindDevice(0x258A, 0x010C, L"VEKORA K87-1980"), 1);
    EXPECT_EQ(manager_.Devices()[1]->index, 1);
}

TEST_F(Scan, ProductStringsMatchOnlyExactly) {
    AddLongKeyboard("k", L"VEKORA k87-1980");
    RunScan();
    ASSERT_EQ(manager_.Devices().size(), 1u);                                // recorded ...
    EXPECT_EQ(manager_.FindDevice(0x258A, 0x010C, L"VEKORA K87-1980"), -1);  // ... but unknown
    EXPECT_EQ(manager_.FindDevice(0x258A, 0x010C, L"VEKORA k87-1980"), 0);
    EXPECT_EQ(manager_.FindDevice(0x258A, 0x010D, L"VEKORA k87-1980"), -1);
}

struct RejectCase {
    const char* name;
    std::uint16_t page;
    std::uint8_t usage;
    int featureBytes;
};

class ScanRejects : public Scan, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(ScanRejects, InterfacesThatAreNotTheConfigurationCollection) {
    const RejectCase& c = GetParam();
    backend_.AddNode("x/1", 0x258A, 0x010C, 1, Descriptor(c.page, c.usage, c.featureBytes),
                     L"VEKORA K87-1980");
    RunScan();
    EXPECT_TRUE(manager_.Devices().empty());
    EXPECT_EQ(manager_.Secondary(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Interfaces, ScanRejects,
                         ::testing::Values(RejectCase{"OtherUsagePage", 0xFF01, 1, 519},
                                           RejectCase{"OtherUsage", 0xFF00, 2, 519},
                                           RejectCase{"Feature64", 0xFF00, 1, 63},
                                           RejectCase{"Feature521", 0xFF00, 1, 520}),
                         [](const ::testing::TestParamInfo<RejectCase>& info) {
                             return info.param.name;
                         });

TEST_F(Scan, NeverAdmitsTheKeystrokeInterface) {
    backend_.AddNode("k/0", 0x258A, 0x010C, 0, LoadDescriptor("boot_keyboard.hex"), L"x");
    backend_.AddNode("s/0", 0x0C45, 0x8075, 0, LoadDescriptor("boot_keyboard.hex"), L"x");
    RunScan();
    EXPECT_TRUE(manager_.Devices().empty());
    EXPECT_EQ(backend_.openCount, 0);
}

TEST_F(Scan, UnsupportedIdsAreNeverOpened) {
    backend_.AddNode("o/1", 0x1234, 0x010C, 1, LoadDescriptor("vendor_feature_520.hex"), L"x");
    RunScan();
    EXPECT_TRUE(manager_.Devices().empty());
    EXPECT_EQ(backend_.openCount, 0);
}

TEST_F(Scan, OtherVendorRecordsTheFirstTaggedInterfaceAndStops) {
    AddShortKeyboard("s", L"VEKORA K61");
    AddShortKeyboard("t", L"VEKORA K68");
    AddLongKeyboard("k", L"VEKORA K87-1980");  // after the stop: never reached
    RunScan();
    ASSERT_EQ(manager_.Devices().size(), 1u);
    EXPECT_EQ(manager_.Devices()[0]->product, L"VEKORA K61");
    EXPECT_EQ(manager_.Devices()[0]->transport->featureReportLength, 65);
    EXPECT_TRUE(manager_.Devices()[0]->transport->identifyOnly);
}

TEST_F(Scan, AnInterfaceThatCannotBeOpenedIsSkipped) {
    AddShortKeyboard("s", L"VEKORA K61");
    AddShortKeyboard("t", L"VEKORA K68");
    backend_.Node("s/1")->openFails = true;
    AddLongKeyboard("k", L"VEKORA K87-1980");
    backend_.Node("k/1")->openFails = true;
    RunScan();
    ASSERT_EQ(manager_.Devices().size(), 1u);
    EXPECT_EQ(manager_.Devices()[0]->product, L"VEKORA K68");
}

TEST_F(Scan, CloseAllForgetsEverythingOnlyAfterAScan) {
    AddLongKeyboard("k", L"VEKORA K87-1980");
    manager_.Scan();  // not marked ready
    manager_.CloseAll();
    EXPECT_EQ(manager_.Devices().size(), 1u);
    manager_.SetReady(true);
    manager_.CloseAll();
    EXPECT_TRUE(manager_.Devices().empty());
    EXPECT_EQ(manager_.Secondary(), nullptr);
    EXPECT_FALSE(manager_.Ready());
}

TEST_F(Scan, RescanAfterRemovalStartsFromAnEmptyList) {
    AddLongKeyboard("k", L"VEKORA K87-1980");
    RunScan();
    backend_.RemoveNode("k/0");
    backend_.RemoveNode("k/1");
    RunScan();
    EXPECT_TRUE(manager_.Devices().empty());
    EXPECT_EQ(manager_.Transport(0), nullptr);
}

}  // namespace
}  // namespace vekora

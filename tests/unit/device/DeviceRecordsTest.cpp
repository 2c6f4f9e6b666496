#include "device/DeviceRecords.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

TEST(DeviceRecords, SupportedListKeepsTheRgbEntriesFirstThenTheShortFamily) {
    const std::vector<SupportedDevice> expected = {
        {0x258A, 0x010C, L"VEKORA K87-1980", L"mi_01"},
        {0x258A, 0x010C, L"VEKORA K98-1980", L"mi_01"},
        {0x0C45, 0x8075, L"VEKORA K61", L"mi_01"},
    };
    EXPECT_EQ(StartupSupportedDevices(), expected);
}

TEST(DeviceRecords, KnownListHoldsEveryModelWithADatabaseOfflineAndUnmatched) {
    const std::vector<KnownDevice> expected = {
        {L"VEKORA K87-1980", DeviceModel::K87Rgb, 0x258A, 0x010C, L"MI_01", false, -1},
        {L"VEKORA K98-1980", DeviceModel::K98Rgb, 0x258A, 0x010C, L"MI_01", false, -1},
        {L"VEKORA K61", DeviceModel::K61, 0x0C45, 0x8075, L"MI_01", false, -1},
        {L"VEKORA K68", DeviceModel::K68, 0x0C45, 0x8075, L"MI_01", false, -1},
        {L"VEKORA K61 SL", DeviceModel::K61SingleLight, 0x0C45, 0x8075, L"MI_01", false, -1},
        {L"VEKORA K61SE", DeviceModel::K61SE, 0x258A, 0x010C, L"MI_01", false, -1},
        {L"VEKORA K87 SL", DeviceModel::K87SingleLight, 0x258A, 0x010C, L"MI_01", false, -1},
    };
    EXPECT_EQ(StartupKnownDevices(), expected);
}

TEST(DeviceRecords, EveryKnownDeviceIsAdmittedBySomeSupportedEntry) {
    const auto supported = StartupSupportedDevices();
    for (const KnownDevice& k : StartupKnownDevices()) {
        bool admitted = false;
        for (const SupportedDevice& s : supported)
            admitted |= s.vendorId == k.vendorId && s.productId == k.productId;
        EXPECT_TRUE(admitted) << DeviceModelName(k.model);
    }
}

}  // namespace
}  // namespace vekora

#include "core/SyncUploads.h"

#include <gtest/gtest.h>

#include <functional>

#include "SyncFixture.h"

namespace vekora {
namespace {

using testing::SyncFixture;
using Trace = std::vector<std::string>;

struct HookCase {
    std::string name;
    DeviceModel model;
    std::function<void(DeviceUploads&)> call;
    Trace expected;
};

class UploadHooks : public SyncFixture, public ::testing::WithParamInterface<HookCase> {};

// Each hook runs the transaction of the path it names, whatever the model.
TEST_P(UploadHooks, RunTheNamedPath) {
    UseModel(GetParam().model, 2);
    link.AnswerReads(2, 3);
    SyncUploads uploads(sync);
    GetParam().call(uploads);
    EXPECT_EQ(link.trace, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hooks, UploadHooks,
    ::testing::Values(
        HookCase{"ShortKeyMapForProfile4",
                 DeviceModel::K61,
                 [](DeviceUploads& u) { u.UploadKeyMap(UploadFamily::ShortReports, 4); },
                 {"S18", "S11:04x9", "B9", "S02", "SF0"}},
        HookCase{"LongKeyMap",
                 DeviceModel::K61SE,
                 [](DeviceUploads& u) { u.UploadKeyMap(UploadFamily::LongReports, 2); },
                 {"R83", "p80", "W03"}},
        HookCase{"ShortEffect",
                 DeviceModel::K68,
                 [](DeviceUploads& u) { u.UploadEffect(UploadFamily::ShortReports, 3, 128); },
                 {"S18", "S13:03x1", "P nc", "S02", "SF0"}},
        HookCase{"LongEffect",
                 DeviceModel::K87SingleLight,
                 [](DeviceUploads& u) { u.UploadEffect(UploadFamily::LongReports, 2, 32); },
                 {"R84:01", "W04:01"}},
        HookCase{"ShortUserLightSlot5",
                 DeviceModel::K61,
                 [](DeviceUploads& u) { u.UploadUserLight(UploadFamily::ShortReports, 1, 5, 1); },
                 {"S18", "S23:85x9", "B9", "S02", "SF0"}},
        HookCase{"LongUserLightSlot1",
                 DeviceModel::K61SE,
                 [](DeviceUploads& u) { u.UploadUserLight(UploadFamily::LongReports, 1, 1, 1); },
                 {"R84:01", "W04:01", "p80", "R86:01", "p80", "W06"}},
        HookCase{"ShortMacros",
                 DeviceModel::K61SingleLight,
                 [](DeviceUploads& u) { u.UploadMacros(UploadFamily::ShortReports); },
                 {"S19", "S15x8", "p30", "B8", "S02"}},
        HookCase{"LongMacrosWithoutAnyAreNothing",
                 DeviceModel::K61SE,
                 [](DeviceUploads& u) { u.UploadMacros(UploadFamily::LongReports); },
                 {}},
        HookCase{"LongProfileSelectAnswersTheModeByte",
                 DeviceModel::K61SE,
                 [](DeviceUploads& u) {
                     EXPECT_EQ(u.SelectProfileOnDevice(UploadFamily::LongReports, 5), 3);
                 },
                 {"W0D", "R84:01"}},
        HookCase{"ShortProfileSelectSendsNothing",
                 DeviceModel::K61,
                 [](DeviceUploads& u) {
                     EXPECT_EQ(u.SelectProfileOnDevice(UploadFamily::ShortReports, 3),
                               std::nullopt);
                 },
                 {}},
        HookCase{"LibraryWithoutBindingSendsNothing",
                 DeviceModel::K98Rgb,
                 [](DeviceUploads& u) {
                     u.UploadKeyMap(UploadFamily::DeviceLibrary, 1);
                     u.UploadMacros(UploadFamily::DeviceLibrary);
                 },
                 {}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vekora

// Report exchanges against vekora-kbd-sim: exact bytes on the wire and the protocol's pauses,
// read back from the simulator's log.
#include <gtest/gtest.h>

#include <functional>

#include "SimEnvironment.h"
#include "SimProcess.h"
#include "device/DeviceRecords.h"
#include "device/hid/SimWire.h"
#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

using testing::LogEntry;
using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    return HexEncode(bytes);
}

std::vector<std::uint8_t> ShortWireOf(std::vector<std::uint8_t> payload) {
    payload.resize(64, 0);
    payload.insert(payload.begin(), 0);
    return payload;
}

class SimExchange {
public:
    explicit SimExchange(const std::vector<int>& models) : sim(models) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        manager.CloseAll();
        manager.Scan();
        manager.SetReady(true);
    }
    SimProcess sim;
    DeviceManager manager;
};

TEST(SimIdentification, EachFamilyPresentsItsInterfaces) {
    {
        SimExchange x({9});
        ASSERT_EQ(x.manager.Devices().size(), 1u);
        EXPECT_EQ(x.manager.Devices()[0]->product, L"VEKORA K87-1980");
        EXPECT_EQ(x.manager.Devices()[0]->manufacturer, L"Vekora");
        EXPECT_EQ(x.manager.Devices()[0]->release, L"105");
        EXPECT_EQ(x.manager.Transport(0)->featureReportLength, 520);
        ASSERT_NE(x.manager.Secondary(), nullptr);
        EXPECT_EQ(x.manager.Secondary()->inputReportLength, 4);
    }
    {
        SimExchange x({1});
        ASSERT_EQ(x.manager.Devices().size(), 1u);
        EXPECT_EQ(x.manager.Devices()[0]->product, L"VEKORA K61");
        EXPECT_EQ(x.manager.Transport(0)->featureReportLength, 65);
        EXPECT_EQ(x.manager.Secondary(), nullptr);
    }
}

TEST(SimIdentification, EveryModelWithAKeyboardIsRecognisedByItsProductString) {
    SimExchange x({10, 7, 8});
    EXPECT_EQ(x.manager.FindDevice(0x258A, 0x010C, L"VEKORA K98-1980"), 0);
    EXPECT_EQ(x.manager.FindDevice(0x258A, 0x010C, L"VEKORA K61SE"), 1);
    EXPECT_EQ(x.manager.FindDevice(0x258A, 0x010C, L"VEKORA K87 SL"), 2);
    EXPECT_EQ(x.sim.Ctl("plug-product 9 258A 010C VEKORA k87-1980"), "ok 3");
    x.manager.SetReady(true);
    x.manager.CloseAll();
    x.manager.Scan();
    EXPECT_EQ(x.manager.Devices().size(), 4u);
    EXPECT_EQ(x.manager.FindDevice(0x258A, 0x010C, L"VEKORA k87-1980"), 3);
    EXPECT_EQ(x.manager.FindDevice(0x258A, 0x010C, L"VEKORA K87-1980"), -1);
}

TEST(SimBytes, ConfirmedShortReportAndItsAnswer) {
    SimExchange x({1});
    ShortPayload p{0x04, 0x18};
    EXPECT_TRUE(x.manager.SendReport(p, 64, 0, true));
    const auto log = x.sim.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].op, "set_feature");
    EXPECT_EQ(log[0].iface, "feature");
    EXPECT_EQ(log[0].data, Hex(ShortWireOf({0x04, 0x18})));
    EXPECT_EQ(log[1].op, "get_feature");
    EXPECT_EQ(log[1].data, Hex(ShortWireOf({0x04, 0x18, 0x00, 0x01})));
}

struct FaultCase {
    const char* name;
    const char* fault;
    int sends;
    bool result;
};

class SimNotReady : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SimNotReady, IsAskedOnceMore) {
    SimExchange x({5});
    ASSERT_EQ(x.sim.Ctl(std::string("fault 0 ") + GetParam().fault), "ok");
    ShortPayload p{0x04, 0x02};
    EXPECT_EQ(x.manager.SendReport(p, 64, 0, true), GetParam().result);
    int sets = 0;
    for (const LogEntry& e : x.sim.Log()) {
        if (e.op == "set_feature") {
            EXPECT_EQ(e.data, Hex(ShortWireOf({0x04, 0x02})));
            ++sets;
        }
    }
    EXPECT_EQ(sets, GetParam().sends);
}

INSTANTIATE_TEST_SUITE_P(Faults, SimNotReady,
                         ::testing::Values(FaultCase{"Once", "ff-once", 2, true},
                                           FaultCase{"Always", "ff-always", 2, false},
                                           FaultCase{"ErrorAnswer", "error-once", 1, false}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             return info.param.name;
                         });

struct LengthCase {
    const char* name;
    int length;
    int reports;
};

class SimSendLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(SimSendLength, SendsWholeSixtyFourByteSlicesOnly) {
    SimExchange x({1});
    std::vector<std::uint8_t> data(640);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    x.manager.SendReport(data, GetParam().length, 0, false);
    const auto log = x.sim.Log();
    ASSERT_EQ(static_cast<int>(log.size()), GetParam().reports);
    for (std::size_t i = 0; i < log.size(); ++i) {
        const auto first = data.begin() + static_cast<long>(64 * i);
        EXPECT_EQ(log[i].data, Hex(ShortWireOf(std::vector<std::uint8_t>(first, first + 64))));
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, SimSendLength,
                         ::testing::Values(LengthCase{"Exactly65", 65, 1},
                                           LengthCase{"Of129", 129, 1},
                                           LengthCase{"Of576", 576, 8}),
                         [](const ::testing::TestParamInfo<LengthCase>& info) {
                             return info.param.name;
                         });

TEST(SimBytes, ErrorAnswersFailQueries) {
    SimExchange x({1});
    ASSERT_EQ(x.sim.Ctl("fault 0 error-always"), "ok");
    ShortPayload p{0x04, 0x30};
    EXPECT_FALSE(x.manager.QueryReport(p, 0));
    EXPECT_EQ(p[0], 0x04);
    EXPECT_EQ(p[1], 0xF5);
    SeriesBuffer s{0x04, 0xF5};
    EXPECT_FALSE(x.manager.QueryReportSeries(s, 0));
    ASSERT_EQ(x.sim.Ctl("fault 0 none"), "ok");
    ShortPayload q{0x04, 0x30};
    EXPECT_TRUE(x.manager.QueryReport(q, 0));
}

TEST(SimBytes, QuerySeriesRequestsDifferOnlyInByteTwo) {
    SimExchange x({1});
    SeriesBuffer s{0x04, 0xF5};
    EXPECT_TRUE(x.manager.QueryReportSeries(s, 0));
    std::vector<std::string> requests;
    for (const LogEntry& e : x.sim.Log()) {
        if (e.op == "set_feature") {
            requests.push_back(e.data);
        }
    }
    ASSERT_EQ(requests.size(), 9u);
    EXPECT_EQ(requests[0], Hex(ShortWireOf({0x04, 0xF5, 0x01})));
    for (std::size_t i = 1; i < 9; ++i) {
        EXPECT_EQ(requests[i], Hex(ShortWireOf({0x04, 0xF5, 0x00})));
    }
}

TEST(SimBytes, LongWriteIsStoredAndReadBack) {
    SimExchange x({8});
    LongReport write{};
    write[0] = 6;
    write[1] = 0x04;
    write[2] = 1;
    write[4] = 1;
    write[6] = 128;
    write[18] = 7;
    EXPECT_TRUE(x.manager.WriteLongReport(write, 0));
    LongReport read{};
    read[0] = 6;
    read[1] = 0x84;
    read[2] = 1;
    EXPECT_TRUE(x.manager.ExchangeLongReport(read, 0));
    EXPECT_EQ(read[1], 0x84);
    EXPECT_EQ(read[18], 7);
    const auto log = x.sim.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].data, Hex(std::vector<std::uint8_t>(write.begin(), write.end())));
    EXPECT_EQ(log[0].data.size(), 1040u);
    EXPECT_EQ(log[2].op, "get_feature");
    EXPECT_EQ(log[2].data, Hex(std::vector<std::uint8_t>(read.begin(), read.end())));
}

TEST(SimBytes, InputReportsOfTheSecondaryInterface) {
    SimExchange x({7});
    InputReport in{};
    EXPECT_FALSE(x.manager.ReadInputReport(in));
    ASSERT_EQ(x.sim.Ctl("input 0 03080100"), "ok");
    EXPECT_TRUE(x.manager.ReadInputReport(in));
    EXPECT_EQ(in[0], 0x03);
    EXPECT_EQ(in[1], 0x08);
    EXPECT_EQ(in[2], 0x01);
    const auto log = x.sim.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].iface, "input");
    EXPECT_EQ(log[0].op, "read_input");
    EXPECT_EQ(log[0].data, "03080100");
}

// Each pause the protocol mandates, checked as a lower bound between consecutive transfers of
// the log. A reference transfer sent straight before the operation marks its start.
struct PauseCase {
    const char* name;
    int model;
    std::function<bool(DeviceManager&)> run;
    std::vector<double> minimumGaps;  // between the reference and each following transfer
};

std::vector<double> Repeat(std::vector<double> head, std::vector<double> unit, int times) {
    for (int i = 0; i < times; ++i) {
        head.insert(head.end(), unit.begin(), unit.end());
    }
    return head;
}

class SimPauses : public ::testing::TestWithParam<PauseCase> {};

TEST_P(SimPauses, AreHonoured) {
    const PauseCase& c = GetParam();
    SimExchange x({c.model});
    HidHandle& h = *x.manager.Transport(0);
    std::vector<std::uint8_t> reference(static_cast<std::size_t>(h.featureReportLength), 0);
    if (reference.size() == 520) {
        reference[0] = 6;
        reference[1] = 0x7E;
    }
    ASSERT_EQ(HidSendFeature(h, reference.data(), static_cast<int>(reference.size())),
              static_cast<int>(reference.size()));
    c.run(x.manager);
    const auto log = x.sim.Log();
    ASSERT_EQ(log.size(), c.minimumGaps.size() + 1);
    for (std::size_t i = 1; i < log.size(); ++i) {
        EXPECT_GE(log[i].t - log[i - 1].t, c.minimumGaps[i - 1])
            << "between transfer " << i - 1 << " (" << log[i - 1].op << ") and " << i << " ("
            << log[i].op << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, SimPauses,
    ::testing::Values(PauseCase{"SendReportConfirmed",
                                1,
                                [](DeviceManager& m) {
                                    ShortPayload p{0x04, 0x18};
                                    return m.SendReport(p, 64, 0, true);
                                },
                                {8, 2}},
                      PauseCase{"SendReportNineBlocks", 1,
                                [](DeviceManager& m) {
                                    std::vector<std::uint8_t> area(576, 0x11);
                                    return m.SendReport(area, 640, 0, true);
                                },
                                Repeat({8}, {8}, 8)},
                      PauseCase{"SendFrame", 5,
                                [](DeviceManager& m) { return m.SendFrame(FramePayload{}, 0); },
                                Repeat({6}, {2}, 7)},
                      PauseCase{"QueryReport",
                                1,
                                [](DeviceManager& m) {
                                    ShortPayload p{0x04, 0x30};
                                    return m.QueryReport(p, 0);
                                },
                                {4, 2}},
                      PauseCase{"QueryReportSeries", 1,
                                [](DeviceManager& m) {
                                    SeriesBuffer s{0x04, 0xF5};
                                    return m.QueryReportSeries(s, 0);
                                },
                                Repeat({4, 2}, {2, 2}, 8)},
                      PauseCase{"ExchangeReport",
                                6,
                                [](DeviceManager& m) {
                                    ShortPayload p{0x04, 0x61};
                                    return m.ExchangeReport(p, 0);
                                },
                                {2, 10}},
                      PauseCase{"WriteLongReport",
                                7,
                                [](DeviceManager& m) {
                                    LongReport r{6, 0x0D, 0, 0, 1, 0, 1};
                                    return m.WriteLongReport(r, 0);
                                },
                                {8}},
                      PauseCase{"ExchangeLongReport",
                                9,
                                [](DeviceManager& m) {
                                    LongReport r{6, 0x84, 1, 0, 1, 0, 128};
                                    return m.ExchangeLongReport(r, 0);
                                },
                                {10, 2}}),
    [](const ::testing::TestParamInfo<PauseCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vekora

#include <gtest/gtest.h>

#include <numeric>

#include "DescriptorFixtures.h"
#include "FakeHidBackend.h"
#include "device/FakeClock.h"
#include "device/manager/DeviceManager.h"
#include "device/manager/DeviceManagerTestApi.h"

namespace vekora {
namespace {

using testing::FakeHidBackend;
using testing::FakeTransfer;
using testing::LoadDescriptor;

constexpr const char* kShortNode = "/dev/hidraw2";
constexpr const char* kLongNode = "/dev/hidraw1";

std::vector<std::uint8_t> Counting(std::size_t n) {
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), std::uint8_t{1});
    return v;
}

class Exchange : public ::testing::Test {
protected:
    Exchange() : backend_(&clock_), scope_(backend_), manager_(clock_) {
        backend_.AddNode(kShortNode, 0x0C45, 0x8075, 1, LoadDescriptor("vendor_feature_64.hex"));
        backend_.AddNode(kLongNode, 0x258A, 0x010C, 1,
                         LoadDescriptor("vendor_two_collections.hex"));
        DeviceManagerTestApi api(manager_);
        api.AddDevice(HidOpen(kShortNode, true), 0x0C45, 0x8075, L"VEKORA K61");
        api.AddDevice(HidOpen(std::string(kLongNode) + "&col01", false), 0x258A, 0x010C,
                      L"VEKORA K87-1980");
        api.SetSecondary(HidOpen(std::string(kLongNode) + "&col02", false));
        manager_.SetReady(true);
        start_ = clock_.Now();
    }

    std::vector<FakeTransfer> Sent(const std::string& op = "set_feature") const {
        std::vector<FakeTransfer> out;
        for (const auto& t : backend_.log) {
            if (t.op == op) {
                out.push_back(t);
            }
        }
        return out;
    }
    std::int64_t At(const FakeTransfer& t) const { return t.t - start_; }

    // Answers short requests with `status` in payload byte 3, one value per fetch.
    void AnswerStatuses(std::vector<std::uint8_t> statuses) {
        auto queue = std::make_shared<std::vector<std::uint8_t>>(std::move(statuses));
        backend_.Node(kShortNode)->answer = [queue](const std::vector<std::uint8_t>& req) {
            auto answer = req;
            const std::uint8_t s = queue->empty() ? 1 : queue->front();
            if (!queue->empty()) {
                queue->erase(queue->begin());
            }
            answer[4] = s;
            return answer;
        };
    }

    void ExpectSettled() {
        EXPECT_FALSE(manager_.Busy());
        EXPECT_EQ(clock_.PrecisionDepth(), 0);
    }

    FakeClock clock_;
    FakeHidBackend backend_;
    ScopedHidBackend scope_;
    DeviceManager manager_;
    std::int64_t start_ = 0;
};

struct MultiCase {
    const char* name;
    int length;
    int reports;
};

class SendReportLength : public Exchange, public ::testing::WithParamInterface<MultiCase> {};

TEST_P(SendReportLength, SendsTheRightNumberOfReportsWithEightMsPauses) {
    const auto data = Counting(1024);
    const bool ok = manager_.SendReport(data, GetParam().length, 0, false);
    const auto sent = Sent();
    ASSERT_EQ(static_cast<int>(sent.size()), GetParam().reports);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        ASSERT_EQ(sent[i].data.size(), 65u);
        EXPECT_EQ(sent[i].data[0], 0);  // report id
        EXPECT_TRUE(std::equal(sent[i].data.begin() + 1, sent[i].data.end(),
                               data.begin() + 64 * static_cast<long>(i)));
        EXPECT_EQ(At(sent[i]), 8 + 8 * static_cast<long>(i));
    }
    // One report without confirmation is never a success; multi-report writes are.
    EXPECT_EQ(ok, GetParam().reports > 1 || GetParam().length > 65);
    EXPECT_TRUE(Sent("get_feature").empty());
    ExpectSettled();
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SendReportLength,
    ::testing::Values(MultiCase{"Exactly65SendsOne", 65, 1}, MultiCase{"Of64SendsOne", 64, 1},
                      MultiCase{"Of129SendsOne", 129, 1}, MultiCase{"Of576SendsEight", 576, 8},
                      MultiCase{"Of640SendsNine", 640, 9}),
    [](const ::testing::TestParamInfo<MultiCase>& info) { return info.param.name; });

TEST_F(Exchange, SendReportNeverReadsPastTheCallersBytes) {
    const auto data = Counting(8);
    EXPECT_FALSE(manager_.SendReport(std::span(data), 640, 0, false));
    EXPECT_TRUE(Sent().empty());
    // A single report takes what there is and pads with zeros.
    manager_.SendReport(data, 8, 0, false);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].data[8], 8);
    EXPECT_EQ(Sent()[0].data[9], 0);
}

struct ConfirmCase {
    const char* name;
    std::vector<std::uint8_t> statuses;
    int sends;
    bool result;
};

class SendReportConfirm : public Exchange, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(SendReportConfirm, RepeatsOnceOnNotReady) {
    AnswerStatuses(GetParam().statuses);
    ShortPayload p{0x04, 0x18};
    EXPECT_EQ(manager_.SendReport(p, 64, 0, true), GetParam().result);
    const auto sent = Sent();
    ASSERT_EQ(static_cast<int>(sent.size()), GetParam().sends);
    for (const auto& s : sent) {
        EXPECT_EQ(s.data[1], 0x04);
        EXPECT_EQ(s.data[2], 0x18);
    }
    const auto got = Sent("get_feature");
    ASSERT_EQ(got.size(), sent.size());
    EXPECT_EQ(At(sent[0]), 8);
    EXPECT_EQ(At(got[0]), 10);
    if (sent.size() == 2) {
        EXPECT_EQ(At(sent[1]), 10);
        EXPECT_EQ(At(got[1]), 12);
    }
    ExpectSettled();
}

INSTANTIATE_TEST_SUITE_P(Statuses, SendReportConfirm,
                         ::testing::Values(ConfirmCase{"Accepted", {1}, 1, true},
                                           ConfirmCase{"NotReadyThenAccepted", {0xFF, 1}, 2, true},
                                           ConfirmCase{"NotReadyTwice", {0xFF, 0xFF}, 2, false},
                                           ConfirmCase{"OtherStatus", {0}, 1, false}),
                         [](const ::testing::TestParamInfo<ConfirmCase>& info) {
                             return info.param.name;
                         });

TEST_F(Exchange, SendReportFetchFailureIsNotMistakenForTheRequest) {
    backend_.Node(kShortNode)->getFails = true;
    ShortPayload p{0x04, 0x18, 0x00, 0x01};  // byte 3 would read as "accepted"
    EXPECT_FALSE(manager_.SendReport(p, 64, 0, true));
}

TEST_F(Exchange, SendFrameSendsEightChunksAfterSixMs) {
    FramePayload frame;
    const auto data = Counting(512);
    std::copy(data.begin(), data.end(), frame.begin());
    EXPECT_TRUE(manager_.SendFrame(frame, 0));
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(At(sent[i]), 6 + 2 * static_cast<long>(i));
        EXPECT_EQ(sent[i].data[1], data[64 * i]);
    }
    ExpectSettled();
}

TEST_F(Exchange, SendFrameGivesUpAfterOneHundredMs) {
    backend_.Node(kShortNode)->onSend = [this] { clock_.Advance(30); };
    EXPECT_FALSE(manager_.SendFrame(FramePayload{}, 0));
    // 6 + (30 + 2) * 3 = 102 ms after the start: the fourth chunk is not sent.
    EXPECT_EQ(Sent().size(), 3u);
    ExpectSettled();
}

TEST_F(Exchange, QueryReportCopiesTheAnswer) {
    backend_.Node(kShortNode)->answer = [](const std::vector<std::uint8_t>&) {
        std::vector<std::uint8_t> a(65, 0);
        a[1] = 0x04;
        a[2] = 0x30;
        a[9] = 1;
        a[10] = 3;
        return a;
    };
    ShortPayload p{0x04, 0x30};
    EXPECT_TRUE(manager_.QueryReport(p, 0));
    EXPECT_EQ(p[8], 1);
    EXPECT_EQ(p[9], 3);
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(At(Sent()[0]), 4);
    EXPECT_EQ(At(Sent("get_feature")[0]), 6);
    // The answer was fetched into a zeroed buffer, not the request.
    EXPECT_EQ(Sent("get_feature")[0].data[2], 0x30);
    ExpectSettled();
}

TEST_F(Exchange, QueryReportRejectsErrorAnswers) {
    backend_.Node(kShortNode)->answer = [](const std::vector<std::uint8_t>&) {
        std::vector<std::uint8_t> a(65, 0);
        a[1] = 0x04;
        a[2] = 0xF5;
        return a;
    };
    ShortPayload p{0x04, 0x30};
    EXPECT_FALSE(manager_.QueryReport(p, 0));
    ExpectSettled();
}

TEST_F(Exchange, QueryReportSeriesDiffersOnlyInByteTwoAndStoresNineAnswers) {
    int round = 0;
    backend_.Node(kShortNode)->answer = [&round](const std::vector<std::uint8_t>&) {
        std::vector<std::uint8_t> a(65, static_cast<std::uint8_t>(0x10 + round));
        a[0] = 0;
        ++round;
        return a;
    };
    SeriesBuffer buffer{};
    buffer[0] = 0x04;
    buffer[1] = 0xF5;
    buffer[2] = 7;
    EXPECT_TRUE(manager_.QueryReportSeries(buffer, 0));
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 9u);
    EXPECT_EQ(sent[0].data[3], 1);
    for (std::size_t i = 1; i < 9; ++i) {
        auto first = sent[0].data;
        first[3] = 0;
        EXPECT_EQ(sent[i].data, first);
        EXPECT_EQ(At(sent[i]), 4 + 4 * static_cast<long>(i));
    }
    for (int r = 0; r < 9; ++r) {
        EXPECT_EQ(buffer[64 * r + 5], 0x10 + r);
    }
    ExpectSettled();
}

TEST_F(Exchange, QueryReportSeriesStopsAtAnErrorAnswer) {
    int round = 0;
    backend_.Node(kShortNode)->answer = [&round](const std::vector<std::uint8_t>& req) {
        auto a = req;
        if (++round == 3) {
            a[1] = 0x04;
            a[2] = 0xF5;
        }
        return a;
    };
    SeriesBuffer buffer{};
    EXPECT_FALSE(manager_.QueryReportSeries(buffer, 0));
    EXPECT_EQ(Sent().size(), 3u);
    ExpectSettled();
}

TEST_F(Exchange, ExchangeReportWaitsTenMsForTheAnswer) {
    backend_.Node(kShortNode)->answer = [](const std::vector<std::uint8_t>& req) {
        auto a = req;
        a[4] = 87;  // battery level
        return a;
    };
    ShortPayload p{0x04, 0x61};
    EXPECT_TRUE(manager_.ExchangeReport(p, 0));
    EXPECT_EQ(p[3], 87);
    EXPECT_EQ(At(Sent()[0]), 2);
    EXPECT_EQ(At(Sent("get_feature")[0]), 12);
    EXPECT_EQ(clock_.PrecisionRaises(), 0);
    ExpectSettled();
}

TEST_F(Exchange, ExchangeReportWithAFailedSendLeavesThePayloadAndFails) {
    backend_.Node(kShortNode)->sendsBeforeFailure = 0;
    ShortPayload p{0x04, 0x61, 0, 0x33};
    EXPECT_FALSE(manager_.ExchangeReport(p, 0));
    EXPECT_EQ(p[3], 0x33);
    ExpectSettled();
}

TEST_F(Exchange, WriteLongReportSendsAllFiveHundredTwentyBytes) {
    LongReport r{};
    r[0] = 6;
    r[1] = 0x0D;
    r[519] = 0x55;
    EXPECT_TRUE(manager_.WriteLongReport(r, 1));
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].data, std::vector<std::uint8_t>(r.begin(), r.end()));
    EXPECT_EQ(At(Sent()[0]), 8);
    ExpectSettled();
}

TEST_F(Exchange, ExchangeLongReportCopiesTheWholeAnswer) {
    backend_.Node(kLongNode)->answer = [](const std::vector<std::uint8_t>& req) {
        auto a = req;
        a[8] = 2;
        a[519] = 0x77;
        return a;
    };
    LongReport r{};
    r[0] = 6;
    r[1] = 0x84;
    EXPECT_TRUE(manager_.ExchangeLongReport(r, 1));
    EXPECT_EQ(r[8], 2);
    EXPECT_EQ(r[519], 0x77);
    EXPECT_EQ(At(Sent()[0]), 10);
    EXPECT_EQ(At(Sent("get_feature")[0]), 12);
    ExpectSettled();
}

TEST_F(Exchange, ExchangeLongReportLeavesTheRequestWhenTheFetchFails) {
    backend_.Node(kLongNode)->getFails = true;
    LongReport r{};
    r[0] = 6;
    r[1] = 0x84;
    r[2] = 1;
    const LongReport before = r;
    EXPECT_TRUE(manager_.ExchangeLongReport(r, 1));
    EXPECT_EQ(r, before);
    ExpectSettled();
}

TEST_F(Exchange, ReadInputReportReadsTheSecondaryInterface) {
    InputReport report{};
    EXPECT_FALSE(manager_.ReadInputReport(report));
    backend_.Node(kLongNode)->inputs.push_back({0x03, 0x08, 0x01, 0x00});
    EXPECT_TRUE(manager_.ReadInputReport(report));
    EXPECT_EQ(report[0], 0x03);
    EXPECT_EQ(report[1], 0x08);
    ExpectSettled();
}

TEST_F(Exchange, EveryOperationRefusesWithoutAScan) {
    manager_.SetReady(false);
    ShortPayload p{};
    SeriesBuffer s{};
    LongReport l{};
    InputReport in{};
    EXPECT_FALSE(manager_.SendReport(p, 64, 0, true));
    EXPECT_FALSE(manager_.SendFrame(FramePayload{}, 0));
    EXPECT_FALSE(manager_.QueryReport(p, 0));
    EXPECT_FALSE(manager_.QueryReportSeries(s, 0));
    EXPECT_FALSE(manager_.ExchangeReport(p, 0));
    EXPECT_FALSE(manager_.WriteLongReport(l, 1));
    EXPECT_FALSE(manager_.ExchangeLongReport(l, 1));
    EXPECT_FALSE(manager_.ReadInputReport(in));
    EXPECT_TRUE(backend_.log.empty());
    EXPECT_TRUE(clock_.Sleeps().empty());
}

class BadIndex : public Exchange, public ::testing::WithParamInterface<int> {};

TEST_P(BadIndex, DoesNothingAndLeavesBusyClear) {
    const int index = GetParam();
    ShortPayload p{};
    SeriesBuffer s{};
    LongReport l{};
    EXPECT_FALSE(manager_.SendReport(p, 64, index, true));
    EXPECT_FALSE(manager_.SendFrame(FramePayload{}, index));
    EXPECT_FALSE(manager_.QueryReport(p, index));
    EXPECT_FALSE(manager_.QueryReportSeries(s, index));
    EXPECT_FALSE(manager_.ExchangeReport(p, index));
    EXPECT_FALSE(manager_.WriteLongReport(l, index));
    EXPECT_FALSE(manager_.ExchangeLongReport(l, index));
    EXPECT_TRUE(backend_.log.empty());
    ExpectSettled();
}

INSTANTIATE_TEST_SUITE_P(Indexes, BadIndex, ::testing::Values(-1, 2, 100),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param < 0 ? std::string("Negative")
                                                   : "Index" + std::to_string(info.param);
                         });

TEST_F(Exchange, QueriesRefuseWhileBusyButWritesDoNot) {
    manager_.SetBusy(true);
    ShortPayload p{};
    SeriesBuffer s{};
    EXPECT_FALSE(manager_.QueryReport(p, 0));
    EXPECT_FALSE(manager_.QueryReportSeries(s, 0));
    EXPECT_FALSE(manager_.ExchangeReport(p, 0));
    EXPECT_TRUE(backend_.log.empty());
    EXPECT_TRUE(manager_.Busy());
    EXPECT_TRUE(manager_.SendReport(p, 128, 0, false));
    EXPECT_EQ(Sent().size(), 1u);
    EXPECT_FALSE(manager_.Busy());
}

TEST_F(Exchange, UnplugDuringAMultiReportUploadFailsQuietly) {
    backend_.Node(kShortNode)->sendsBeforeFailure = 3;
    const auto data = Counting(576);
    EXPECT_FALSE(manager_.SendReport(data, 640, 0, true));
    EXPECT_EQ(Sent().size(), 3u);
    ShortPayload p{0x04, 0x02};
    EXPECT_FALSE(manager_.SendReport(p, 64, 0, true));
    ExpectSettled();
}

}  // namespace
}  // namespace vekora

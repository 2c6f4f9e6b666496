#include "device/sync/ManagerReportLink.h"

namespace vekora {

static_assert(std::is_same_v<SeriesArea, SeriesBuffer>);
static_assert(std::is_same_v<LongReport, std::array<std::uint8_t, kLongReportSize>>);

bool ManagerReportLink::SendReport(std::span<const std::uint8_t> data, int length, bool confirm) {
    return manager_.SendReport(data, length, index_, confirm);
}

bool ManagerReportLink::SendFrame(const FramePayload& frame) {
    return manager_.SendFrame(frame, index_);
}

bool ManagerReportLink::QueryReport(ShortPayload& payload) {
    return manager_.QueryReport(payload, index_);
}

bool ManagerReportLink::QueryReportSeries(SeriesArea& buffer) {
    return manager_.QueryReportSeries(buffer, index_);
}

bool ManagerReportLink::ExchangeReport(ShortPayload& payload) {
    return manager_.ExchangeReport(payload, index_);
}

bool ManagerReportLink::WriteLongReport(const LongReport& report) {
    return manager_.WriteLongReport(report, index_);
}

bool ManagerReportLink::ExchangeLongReport(LongReport& report) {
    return manager_.ExchangeLongReport(report, index_);
}

bool ManagerReportLink::ReadInputReport(InputReport& report) {
    return manager_.ReadInputReport(report);
}

void ManagerReportLink::Pause(int ms) {
    manager_.GetClock().SleepFor(ms);
}

std::int64_t ManagerReportLink::NowMs() const {
    return manager_.GetClock().Now();
}

}  // namespace vekora

// ManagerReportLink: the ReportLink of one keyboard of the device manager (device index 0 for
// every upload of the flows), pausing on the manager's clock.
#pragma once

#include "device/manager/DeviceManager.h"
#include "device/sync/ReportLink.h"

namespace vekora {

class ManagerReportLink : public ReportLink {
public:
    explicit ManagerReportLink(DeviceManager& manager, int deviceIndex = 0)
        : manager_(manager), index_(deviceIndex) {}

    bool SendReport(std::span<const std::uint8_t> data, int length, bool confirm) override;
    bool SendFrame(const FramePayload& frame) override;
    bool QueryReport(ShortPayload& payload) override;
    bool QueryReportSeries(SeriesArea& buffer) override;
    bool ExchangeReport(ShortPayload& payload) override;
    bool WriteLongReport(const LongReport& report) override;
    bool ExchangeLongReport(LongReport& report) override;
    bool ReadInputReport(InputReport& report) override;
    void Pause(int ms) override;
    std::int64_t NowMs() const override;

private:
    DeviceManager& manager_;
    int index_;
};

}  // namespace vekora

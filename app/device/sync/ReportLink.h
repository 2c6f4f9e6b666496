// ReportLink: the exchange operations of one keyboard (the device manager's operations bound to
// a device index) plus the clock their pauses run on. The transactions are written against this
// narrow interface so that they run unchanged over the device manager, over the simulator and
// over a recording double in tests.
#pragma once

#include <cstdint>
#include <span>

#include "device/protocol/ProtocolBuffers.h"
#include "device/protocol/ShortAreas.h"

namespace vekora {

// Nine short answers of a 0xF5 series (the first 64 bytes are the request).
using SeriesArea = SeriesBuffer;
static_assert(sizeof(SeriesArea) == kShortAreaSize);

class ReportLink {
public:
    virtual ~ReportLink() = default;

    // One short report (length <= 65) or a run of (length / 64) - 1 data blocks.
    virtual bool SendReport(std::span<const std::uint8_t> data, int length, bool confirm) = 0;
    virtual bool SendFrame(const FramePayload& frame) = 0;
    virtual bool QueryReport(ShortPayload& payload) = 0;
    virtual bool QueryReportSeries(SeriesArea& buffer) = 0;
    virtual bool ExchangeReport(ShortPayload& payload) = 0;
    virtual bool WriteLongReport(const LongReport& report) = 0;
    virtual bool ExchangeLongReport(LongReport& report) = 0;
    virtual bool ReadInputReport(InputReport& report) = 0;

    // A protocol pause between two steps.
    virtual void Pause(int ms) = 0;
    // Milliseconds on a monotonic time line.
    virtual std::int64_t NowMs() const = 0;
};

}  // namespace vekora

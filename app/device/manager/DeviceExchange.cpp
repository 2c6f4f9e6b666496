// The report exchange operations of DeviceManager. The pauses are part of the keyboards'
// protocol: 8 ms before a write sequence and between the chunks of a multi-report write, 2 ms
// between a request and the fetch of its answer (10 ms for ExchangeReport), 6 ms before the
// first chunk of a frame.
#include <algorithm>
#include <cstring>

#include "device/manager/DeviceManager.h"

namespace vekora {
namespace {

constexpr int kWritePauseMs = 8;
constexpr int kAnswerPauseMs = 2;
constexpr int kExchangeAnswerPauseMs = 10;
constexpr int kFrameLeadPauseMs = 6;
constexpr int kFrameChunkPauseMs = 2;
constexpr int kFrameDeadlineMs = 100;
constexpr int kFrameChunks = kFramePayloadSize / kShortPayloadSize;

int SendShort(HidHandle& h, const ShortWire& wire) {
    return HidSendFeature(h, wire.data(), kShortWireSize);
}

// The answer replaces `wire`; returns the driver's byte count (64 for a full answer) or -1.
int FetchShort(HidHandle& h, ShortWire& wire) {
    return HidGetFeature(h, wire.data(), kShortWireSize);
}

}  // namespace

bool DeviceManager::SendReport(std::span<const std::uint8_t> data, int length, int deviceIndex,
                               bool confirm) {
    if (!ready_ || length <= 0) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    const bool single = length <= kShortWireSize;
    const int reports = single ? 1 : length / kShortPayloadSize - 1;
    // Never read past the caller's bytes: a multi-report write needs all of them.
    if (!single && data.size() < static_cast<std::size_t>(reports) * kShortPayloadSize) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    clock_.SleepFor(kWritePauseMs);

    if (single) {
        const ShortWire request = MakeShortWire(data.data(), data.size());
        if (SendShort(*h, request) < 0 || !confirm) {
            return false;
        }
        clock_.SleepFor(kAnswerPauseMs);
        ShortWire answer = request;  // the request buffer, fetched over
        int got = FetchShort(*h, answer);
        if (got >= 0 && answer[1 + kStatusOffset] == kStatusNotReady) {
            if (SendShort(*h, request) >= 0) {
                clock_.SleepFor(kAnswerPauseMs);
                answer = request;
                got = FetchShort(*h, answer);
            }
        }
        // A failed fetch leaves the request in the buffer: it is never taken for an answer.
        return got >= 0 && answer[1 + kStatusOffset] == kStatusAccepted;
    }

    for (int i = 0; i < reports; ++i) {
        const ShortWire chunk = MakeShortWire(data.data() + i * kShortPayloadSize,
                                              static_cast<std::size_t>(kShortPayloadSize));
        if (SendShort(*h, chunk) < 0) {
            return false;
        }
        clock_.SleepFor(kWritePauseMs);
    }
    return true;
}

bool DeviceManager::SendFrame(const FramePayload& frame, int deviceIndex) {
    if (!ready_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    const std::int64_t start = clock_.Now();
    clock_.SleepFor(kFrameLeadPauseMs);
    for (int i = 0; i < kFrameChunks; ++i) {
        if (clock_.Now() - start > kFrameDeadlineMs) {
            return false;  // a late frame is worse than none: the next one is due
        }
        const ShortWire chunk = MakeShortWire(frame.data() + i * kShortPayloadSize,
                                              static_cast<std::size_t>(kShortPayloadSize));
        if (SendShort(*h, chunk) < 0) {
            return false;
        }
        clock_.SleepFor(kFrameChunkPauseMs);
    }
    return true;
}

bool DeviceManager::QueryReport(ShortPayload& payload, int deviceIndex) {
    if (!ready_ || busy_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    clock_.SleepFor(kAnswerPauseMs);
    clock_.SleepFor(kAnswerPauseMs);
    if (SendShort(*h, MakeShortWire(payload.data(), payload.size())) < 0) {
        return false;
    }
    clock_.SleepFor(kAnswerPauseMs);
    ShortWire answer{};
    const int got = FetchShort(*h, answer);
    std::memcpy(payload.data(), answer.data() + 1, kShortPayloadSize);
    return got == kShortPayloadSize && !IsErrorAnswer(answer);
}

bool DeviceManager::QueryReportSeries(SeriesBuffer& buffer, int deviceIndex) {
    if (!ready_ || busy_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    clock_.SleepFor(kAnswerPauseMs);
    ShortWire request = MakeShortWire(buffer.data(), kShortPayloadSize);
    for (int round = 0; round < kSeriesRounds; ++round) {
        clock_.SleepFor(kAnswerPauseMs);
        request[1 + kSeriesFirstFlagOffset] = round == 0 ? 1 : 0;
        if (SendShort(*h, request) < 0) {
            return false;
        }
        clock_.SleepFor(kAnswerPauseMs);
        ShortWire answer{};
        const int got = FetchShort(*h, answer);
        std::memcpy(buffer.data() + round * kShortPayloadSize, answer.data() + 1,
                    kShortPayloadSize);
        if (got != kShortPayloadSize || IsErrorAnswer(answer)) {
            return false;
        }
    }
    return true;
}

bool DeviceManager::ExchangeReport(ShortPayload& payload, int deviceIndex) {
    if (!ready_ || busy_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    clock_.SleepFor(kAnswerPauseMs);
    if (SendShort(*h, MakeShortWire(payload.data(), payload.size())) < 0) {
        return false;
    }
    clock_.SleepFor(kExchangeAnswerPauseMs);
    ShortWire answer{};
    if (FetchShort(*h, answer) < 0) {
        return false;
    }
    std::memcpy(payload.data(), answer.data() + 1, kShortPayloadSize);
    return true;
}

bool DeviceManager::WriteLongReport(const LongReport& report, int deviceIndex) {
    if (!ready_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    clock_.SleepFor(kWritePauseMs);
    return HidSendFeature(*h, report.data(), kLongReportSize) >= 0;
}

bool DeviceManager::ExchangeLongReport(LongReport& report, int deviceIndex) {
    if (!ready_) {
        return false;
    }
    HidHandle* h = Transport(deviceIndex);
    if (!h) {
        return false;
    }
    BusyScope busy(*this);
    PrecisePauseScope precise(clock_);
    clock_.SleepFor(kWritePauseMs);
    clock_.SleepFor(kAnswerPauseMs);
    if (HidSendFeature(*h, report.data(), kLongReportSize) < 0) {
        return false;
    }
    clock_.SleepFor(kAnswerPauseMs);
    LongReport answer = report;
    const int got = HidGetFeature(*h, answer.data(), kLongReportSize);
    if (got >= 0) {
        // The count leaves out the report id, which comes first in the answer.
        const int bytes = std::min(got + 1, kLongReportSize);
        std::memcpy(report.data(), answer.data(), static_cast<std::size_t>(bytes));
    }
    return true;
}

bool DeviceManager::ReadInputReport(InputReport& report) {
    if (!ready_) {
        return false;
    }
    BusyScope busy(*this);
    if (!secondary_) {
        return false;
    }
    std::array<std::uint8_t, 68> buffer{};
    std::memcpy(buffer.data(), report.data(), report.size());
    const int got = HidReadInput(*secondary_, buffer.data());
    std::memcpy(report.data(), buffer.data(), report.size());
    return got > 0;
}

}  // namespace vekora

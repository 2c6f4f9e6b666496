#include "TarnexioExchange.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace tarnexio {
namespace {

// The keyboard needs a moment to carry out a request before its answer can be read.
constexpr auto kAnswerPause = std::chrono::milliseconds(2);

std::atomic<bool> gTrace{false};

void Trace(wire::Command command, std::uint8_t sequence, const char* outcome) {
    if (gTrace) {
        std::fprintf(stderr, "tarnexio: command 0x%02x seq %u: %s\n",
                     static_cast<unsigned>(command), static_cast<unsigned>(sequence), outcome);
    }
}

}  // namespace

void SetExchangeTrace(bool on) {
    gTrace = on;
}

std::optional<std::vector<std::uint8_t>> Exchange(vekora::HidHandle& hid, std::uint8_t& sequence,
                                                  wire::Command command, std::uint8_t arg1,
                                                  std::uint8_t arg2,
                                                  std::span<const std::uint8_t> payload) {
    sequence = static_cast<std::uint8_t>(sequence == 0xFF ? 1 : sequence + 1);
    const wire::Header header{command, sequence, arg1, arg2};
    wire::Frame request = wire::BuildRequest(header, payload);
    if (vekora::HidSendFeature(hid, request.data(), static_cast<int>(request.size())) !=
        static_cast<int>(request.size())) {
        Trace(command, sequence, "request not sent");
        return std::nullopt;
    }
    std::this_thread::sleep_for(kAnswerPause);
    wire::Frame answer{};
    answer[0] = wire::kReportId;
    if (vekora::HidGetFeature(hid, answer.data(), static_cast<int>(answer.size())) !=
        static_cast<int>(answer.size()) - 1) {
        Trace(command, sequence, "no answer");
        return std::nullopt;
    }
    const auto parsed = wire::ParseFrame(answer);
    if (!parsed || parsed->header.command != command || parsed->header.sequence != sequence) {
        Trace(command, sequence, "answer does not match");
        return std::nullopt;
    }
    if (parsed->status != wire::Status::Done) {
        Trace(command, sequence, "refused by the keyboard");
        return std::nullopt;
    }
    Trace(command, sequence, "done");
    return std::vector<std::uint8_t>(parsed->payload.begin(), parsed->payload.end());
}

}  // namespace tarnexio

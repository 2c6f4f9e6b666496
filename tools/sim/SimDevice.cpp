#include "SimDevice.h"

#include <algorithm>

#include "SimDescriptors.h"

namespace vekora::sim {
namespace {

constexpr int kShortWire = 65;
constexpr int kLongWire = 520;
constexpr std::uint8_t kLongReportId = 6;
constexpr std::uint8_t kReadBit = 0x80;
constexpr int kStatusByte = 1 + 3;  // payload byte 3

bool Consume(int& counter) {
    if (counter == 0) {
        return false;
    }
    if (counter > 0) {
        --counter;
    }
    return true;
}

}  // namespace

SimDevice::SimDevice(int index, SimIdentity identity)
    : index_(index), identity_(std::move(identity)) {
    interfaces_.push_back({0, &BootKeyboardDescriptor(), 0, false});
    if (identity_.family == Family::Short) {
        interfaces_.push_back({1, &ShortConfigurationDescriptor(), kShortWire, false});
    } else {
        interfaces_.push_back({1, &LongConfigurationDescriptor(), kLongWire, true});
    }
    if (identity_.family != Family::Rgb) {
        keyboard_.emplace(identity_.model, identity_.family == Family::Long);
    } else {
        library_ = std::make_unique<SimTarnexio>(identity_.model);
    }
}

const SimInterface* SimDevice::FindInterface(int usbInterface) const {
    for (const SimInterface& i : interfaces_) {
        if (i.usbInterface == usbInterface) {
            return &i;
        }
    }
    return nullptr;
}

TransferResult SimDevice::SetFeature(int usbInterface, const std::vector<std::uint8_t>& report) {
    const SimInterface* iface = FindInterface(usbInterface);
    if (!iface || iface->featureLength == 0) {
        return {false, "Broken pipe", {}};  // the interface has no feature reports
    }
    if (static_cast<int>(report.size()) != iface->featureLength) {
        return {false,
                "Invalid argument: a feature report of " + std::to_string(report.size()) + " bytes",
                {}};
    }
    if (iface->featureLength == kShortWire) {
        if (report[0] != 0) {
            return {false, "Invalid argument: report id " + std::to_string(report[0]), {}};
        }
        state_.lastShortRequest = report;
        if (keyboard_) {
            keyboard_->OnShortReport(report);
        }
        return {true, {}, {}};
    }
    if (report[0] != kLongReportId) {
        return {false, "Invalid argument: report id " + std::to_string(report[0]), {}};
    }
    if (library_ && library_->Receive(report)) {
        return {true, {}, {}};
    }
    LongBlock block;
    std::copy(report.begin(), report.end(), block.begin());
    if (report[1] & kReadBit) {
        state_.pendingLongRead = block;
    } else {
        state_.longBlocks[report[1]] = block;
        state_.pendingLongRead.reset();
        if (keyboard_) {
            keyboard_->OnLongWrite(report);
        }
    }
    return {true, {}, {}};
}

TransferResult SimDevice::GetFeature(int usbInterface, const std::vector<std::uint8_t>& request) {
    const SimInterface* iface = FindInterface(usbInterface);
    if (!iface || iface->featureLength == 0) {
        return {false, "Broken pipe", {}};
    }
    if (static_cast<int>(request.size()) != iface->featureLength) {
        return {
            false,
            "Invalid argument: a feature report of " + std::to_string(request.size()) + " bytes",
            {}};
    }
    if (iface->featureLength == kShortWire) {
        return ShortAnswer();
    }
    if (library_ && request[0] == kLongReportId) {
        // The RGB keyboards answer every read with the answer to the library's last request.
        const tarnexio::wire::Frame answer = library_->TakeAnswer();
        return {true, {}, std::vector<std::uint8_t>(answer.begin(), answer.end())};
    }
    return LongAnswer(request);
}

TransferResult SimDevice::ShortAnswer() {
    std::vector<std::uint8_t> answer = state_.lastShortRequest;
    answer[0] = 0;
    const bool colourRead = answer[1] == 0x04 && answer[2] == 0xF5;
    if (colourRead && !Consume(faults_.errorAnswers)) {
        if (answer[3] == 1) {
            state_.nextColourBlock = 0;
        }
        const int block = state_.nextColourBlock;
        state_.nextColourBlock = (block + 1) % 9;
        std::copy_n(state_.keyColours.begin() + block * 64, 64, answer.begin() + 1);
        return {true, {}, std::move(answer)};
    }
    if (colourRead) {
        answer[kStatusByte] = 0;  // the error answer: 0x04, 0xF5 and nothing else
        return {true, {}, std::move(answer)};
    }
    if (Consume(faults_.errorAnswers)) {
        answer[1] = 0x04;
        answer[2] = 0xF5;
    } else if (Consume(faults_.notReadyAnswers)) {
        answer[kStatusByte] = 0xFF;
    } else {
        answer[kStatusByte] = 0x01;
        if (keyboard_) {
            keyboard_->ShapeShortAnswer(answer);
        }
    }
    return {true, {}, std::move(answer)};
}

TransferResult SimDevice::LongAnswer(const std::vector<std::uint8_t>& request) {
    if (request[0] != kLongReportId) {
        return {false, "Invalid argument: report id " + std::to_string(request[0]), {}};
    }
    std::vector<std::uint8_t> answer(request.begin(), request.end());
    if (state_.pendingLongRead) {
        const LongBlock& read = *state_.pendingLongRead;
        const std::uint8_t command = read[1];
        if (keyboard_) {
            state_.pendingLongRead.reset();
            return {true, {}, keyboard_->AnswerLongRead(command)};
        }
        const auto stored = state_.longBlocks.find(static_cast<std::uint8_t>(command & ~kReadBit));
        if (stored != state_.longBlocks.end()) {
            answer.assign(stored->second.begin(), stored->second.end());
        } else {
            answer.assign(read.begin(), read.end());
        }
        answer[1] = command;
        state_.pendingLongRead.reset();
    }
    return {true, {}, std::move(answer)};
}

std::optional<std::vector<std::uint8_t>> SimDevice::TakeInput() {
    if (inputs_.empty()) {
        return std::nullopt;
    }
    auto report = std::move(inputs_.front());
    inputs_.pop_front();
    return report;
}

bool SimDevice::CountTransferForUnplug() {
    if (faults_.reportsUntilUnplug < 0) {
        return false;
    }
    if (faults_.reportsUntilUnplug > 0) {
        --faults_.reportsUntilUnplug;
    }
    return faults_.reportsUntilUnplug == 0;
}

}  // namespace vekora::sim

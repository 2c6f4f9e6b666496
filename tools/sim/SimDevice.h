// SimDevice: one simulated keyboard. Its identity, interfaces and answers are plain data, so a
// new behaviour is a new field and a few lines in the answer functions.
//
// Answers in this version: a short report (65 bytes, report id 0) is acknowledged by echoing
// the last request with status 1 in payload byte 3, except the key-colour read (0x04, 0xF5),
// answered with the next 64-byte block of the key colours (byte 2 = 1 starts at the first); a long
// write (report id 6, command bit 7 clear) stores the 520 bytes as the block of its command; a long
// read (bit 7 set) is answered with the stored block of the matching write command, carrying the
// read command, or with the request itself when nothing was stored yet.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimKeyboardState.h"
#include "SimTarnexio.h"

namespace vekora::sim {

// The report shapes a keyboard speaks on its configuration interface.
enum class Family {
    Short,  // 65-byte feature reports without report ids (models 1, 5, 6)
    Long,   // 520-byte feature reports with report id 6, 4-byte input (models 7, 8)
    Rgb,    // the same hardware shape as Long, driven through the device library (9, 10)
};

struct SimIdentity {
    int model = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t release = 0;
    std::string manufacturer;
    std::string product;  // UTF-8
    Family family = Family::Short;
};

// One USB interface (one device node).
struct SimInterface {
    int usbInterface = 0;
    const std::vector<std::uint8_t>* descriptor = nullptr;
    int featureLength = 0;  // bytes on the wire, report id included; 0 = no feature reports
    bool hasInput = false;  // carries the 4-byte notification reports
};

struct SimFaults {
    int notReadyAnswers = 0;      // short answers with status 0xFF still to give; -1 = always
    int errorAnswers = 0;         // short answers starting 0x04, 0xF5 still to give; -1 = always
    int reportsUntilUnplug = -1;  // feature reports still received before the device goes
};

using LongBlock = std::array<std::uint8_t, 520>;

struct SimDeviceState {
    std::vector<std::uint8_t> lastShortRequest = std::vector<std::uint8_t>(65, 0);
    // The current key colours, read in nine 64-byte blocks by short command 0xF5.
    std::array<std::uint8_t, 576> keyColours{};
    int nextColourBlock = 0;
    std::optional<LongBlock> pendingLongRead;
    std::map<std::uint8_t, LongBlock> longBlocks;  // by write command code
};

struct TransferResult {
    bool ok = false;
    std::string error;               // when !ok
    std::vector<std::uint8_t> data;  // the answer of a get
};

class SimDevice {
public:
    SimDevice(int index, SimIdentity identity);

    int Index() const { return index_; }
    const SimIdentity& Identity() const { return identity_; }
    const std::vector<SimInterface>& Interfaces() const { return interfaces_; }
    const SimInterface* FindInterface(int usbInterface) const;

    TransferResult SetFeature(int usbInterface, const std::vector<std::uint8_t>& report);
    TransferResult GetFeature(int usbInterface, const std::vector<std::uint8_t>& request);

    // Input reports of the notification collection, report id first.
    void QueueInput(std::vector<std::uint8_t> report) { inputs_.push_back(std::move(report)); }
    std::optional<std::vector<std::uint8_t>> TakeInput();

    SimFaults& Faults() { return faults_; }
    // The on-board settings of an own-report keyboard (short and long family); null for the
    // keyboards driven through the device library.
    SimKeyboardState* Keyboard() { return keyboard_ ? &*keyboard_ : nullptr; }
    SimDeviceState& State() { return state_; }

    // Counts one received feature report; true when the device is now to be unplugged.
    bool CountTransferForUnplug();

    // The device library's protocol (RGB keyboards only; null for the other families).
    SimTarnexio* Library() { return library_.get(); }

private:
    TransferResult ShortAnswer();
    TransferResult LongAnswer(const std::vector<std::uint8_t>& request);

    int index_;
    SimIdentity identity_;
    std::vector<SimInterface> interfaces_;
    SimFaults faults_;
    SimDeviceState state_;
    std::optional<SimKeyboardState> keyboard_;
    std::deque<std::vector<std::uint8_t>> inputs_;
    std::unique_ptr<SimTarnexio> library_;
};

}  // namespace vekora::sim

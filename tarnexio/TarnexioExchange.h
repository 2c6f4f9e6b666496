// One exchange of the device library's report protocol (PROTOCOL.md) with an open keyboard:
// the request with set_feature, a 2 ms pause, the answer with get_feature, and the checks of
// the answer (tag, command, sequence number, checksum, end marker, status 0).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/hid/HidTransport.h"
#include "tarnexio/wire/TxFrame.h"

namespace tarnexio {

// The answer's payload when the keyboard carried out the request; nothing on any failure.
// `sequence` is the device's counter: it is advanced (1..255) before the request is built.
std::optional<std::vector<std::uint8_t>> Exchange(vekora::HidHandle& hid, std::uint8_t& sequence,
                                                  wire::Command command, std::uint8_t arg1,
                                                  std::uint8_t arg2,
                                                  std::span<const std::uint8_t> payload = {});

// When set, each exchange writes one line to stderr (SetDebug).
void SetExchangeTrace(bool on);

}  // namespace tarnexio

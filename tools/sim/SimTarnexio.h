// SimTarnexio: the keyboard side of the device library's report protocol
// (tarnexio/PROTOCOL.md) for the simulated RGB keyboards (models 9 and 10), with the state the
// library writes: key maps of profiles 1-4, five colour slots, the table, the light settings,
// the macro list and the music frames. Everything written can be read back, through the
// protocol's read commands and through the JSON of StateJson().
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tarnexio/wire/TxFrame.h"
#include "tarnexio/wire/TxMacro.h"

namespace vekora::sim {

struct TxBoardState {
    int board = 87;  // 87 or 98
    int firmwareVersion = 0x0105;
    bool hostMode = false;
    int layerCount = 1;
    std::array<std::optional<std::array<std::uint8_t, 504>>, 4> keyMaps;
    std::array<std::optional<std::array<std::uint8_t, 504>>, 5> colourSlots;
    std::array<std::uint8_t, 128> table{};
    std::optional<std::array<std::int32_t, 10>> light;
    std::vector<std::vector<std::uint8_t>> macros;  // step records per macro, list order
    bool macrosWritten = false;
    int musicFrames = 0;
    std::optional<std::array<std::uint8_t, 378>> lastMusicFrame;
    int requests = 0;  // library requests received
};

class SimTarnexio {
public:
    explicit SimTarnexio(int model);

    // A request frame from the host. False (nothing stored) when the bytes are not a frame of
    // this protocol; a frame that fails its checks is answered with status 0x03.
    bool Receive(std::span<const std::uint8_t> report);

    // The answer to the last request (status 0x06 when there is none); taking it clears it.
    tarnexio::wire::Frame TakeAnswer();

    // The next `count` requests are refused with status 0x04 (-1: all, 0: none).
    void RefuseRequests(int count) { refuse_ = count; }

    // The user changed the profile on the keyboard (1..5): table byte 30.
    bool ChangeProfileOnKeyboard(int profile);

    const TxBoardState& State() const { return state_; }

    // One JSON object with the whole state (hex strings for buffers, null for what was never
    // written).
    std::string StateJson() const;

private:
    tarnexio::wire::Frame Execute(const tarnexio::wire::ParsedFrame& request);
    tarnexio::wire::Status TakeMacroChunk(const tarnexio::wire::ParsedFrame& request);

    TxBoardState state_;
    std::optional<tarnexio::wire::Frame> answer_;
    int refuse_ = 0;
    std::vector<std::uint8_t> macroTransfer_;
    int nextChunk_ = 0;
};

}  // namespace vekora::sim

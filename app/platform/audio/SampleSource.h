// SampleSource: where the music visualizer gets the sound the computer is playing.
//
// The real source captures the monitor of the default output (PulseCapture); tests hand in
// synthetic packets. The visualizer calls Open once, then Restart whenever the chosen device
// changes, and Drain once per frame from its worker thread. Implementations must allow
// Restart/DeviceNames on one thread while Drain runs on another.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vekora {

// Receives captured packets: `floatCount` interleaved 32-bit float samples making up `frames`
// frames of `channels` channels. The data is only valid during the call.
class PacketSink {
public:
    virtual ~PacketSink() = default;
    virtual void OnPacket(const float* samples, std::size_t frames, std::size_t floatCount,
                          int channels) = 0;
};

class SampleSource {
public:
    virtual ~SampleSource() = default;

    // Connects to the sound system and builds the device list. Failures leave the list empty
    // (and say so once on the diagnostic channel); calling it again retries.
    virtual void Open() = 0;

    // Names of the devices that can be captured, in index order.
    virtual std::vector<std::string> DeviceNames() const = 0;

    // Stops any running capture and starts capturing device `index`; an index outside the list
    // captures device 0. Returns false when nothing could be started (empty list, no server).
    virtual bool Restart(int index) = 0;

    // Hands every packet captured since the last call to `sink`, oldest first. A capture that
    // broke releases its stream here and delivers nothing more until the next restart.
    virtual void Drain(PacketSink& sink) = 0;
};

}  // namespace vekora

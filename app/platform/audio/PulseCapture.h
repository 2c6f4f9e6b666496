// PulseCapture: captures what the computer plays, from the monitor of the default output
// (PulseAudio, or PipeWire through its PulseAudio service). Never a microphone.
//
// The device list has one entry, "Default Loopback Device", while a sound server with a
// default output exists, and none otherwise. When the user picks another default output the
// capture follows it by itself. A capture that breaks (output removed) releases its stream;
// the visualizer keeps showing the last samples until a new default output appears.
// Without a sound server the list stays empty and one diagnostic line says why; the capture
// connects by itself when a server appears (or comes back after a restart).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/SampleSource.h"

namespace vekora {

class PulseCapture final : public SampleSource {
public:
    // Receives diagnostic lines (no trailing newline). The default writes them to stderr.
    using DiagnosticFn = std::function<void(const std::string&)>;

    static constexpr const char* kDeviceName = "Default Loopback Device";

    explicit PulseCapture(DiagnosticFn diagnostic = {});
    ~PulseCapture() override;
    PulseCapture(const PulseCapture&) = delete;
    PulseCapture& operator=(const PulseCapture&) = delete;

    void Open() override;
    std::vector<std::string> DeviceNames() const override;
    bool Restart(int index) override;
    void Drain(PacketSink& sink) override;

    // The source being captured ("<sink>.monitor"), empty when none; for diagnostics and tests.
    std::string CaptureSourceName() const;
    // Captures started so far, including those that followed a change of the default output.
    int CaptureStarts() const;

private:
    // With a capture wanted and no server connected, tries to connect again (at most every
    // few seconds) and resumes capturing.
    void Reconnect();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vekora

// SimHidBackend: the HID backend that talks to vekora-kbd-sim over its Unix socket (the path in
// VEKORA_HID_SIM). Same functions and semantics as the hidapi backend: the simulator presents
// interfaces with real report descriptors, and report exchanges go over the wire protocol of
// SimWire.h. When the simulator is not running, enumeration is empty and opens fail.
#pragma once

#include <mutex>

#include "device/hid/HidBackend.h"
#include "device/hid/SimWire.h"

namespace vekora {

class SimHidBackend : public HidBackend {
public:
    explicit SimHidBackend(std::string socketPath);

    std::vector<HidNodeInfo> Enumerate() override;
    std::unique_ptr<HidConnection> Open(const std::string& path, bool identifyOnly,
                                        HidDescriptorInfo& descriptor, std::string& error) override;

    // One request/answer round trip; the answer's words after "ok", or empty optional with
    // `error` set (an "err" answer or a broken connection).
    std::optional<std::vector<std::string>> Request(const std::string& line, std::string& error);
    // Like Request for answers that are followed by `count` more lines (enum).
    std::optional<std::vector<std::string>> RequestLines(const std::string& line,
                                                         std::string& error);

    const std::string& SocketPath() const { return socketPath_; }

private:
    bool EnsureConnected(std::string& error);
    // Sends one line and reads the first answer line (the mutex is held).
    bool Exchange(const std::string& line, std::optional<std::string>& answer, std::string& error);

    std::string socketPath_;
    std::mutex mutex_;
    LineSocket socket_;
};

// UTF-8 to wide text (invalid sequences become U+FFFD).
std::wstring WideFromUtf8(std::string_view text);

}  // namespace vekora

// The line protocol between the simulated HID backend and vekora-kbd-sim over a Unix stream
// socket. Every request is one line of space-separated words; every answer is one line that
// starts with "ok" or "err". Report bytes travel as lower-case hexadecimal.
//
//   enum                 ok N, then N lines "<path> <vid> <pid> <release> <mi> <descriptor>"
//                        (ids in hex, mi decimal or -1, descriptor in hex)
//   open <path> identify|readwrite          ok <handle> <report descriptor hex>
//   close <handle>       ok
//   string <handle> manufacturer|product     ok <utf-8 text in hex>
//   setf <handle> <hex>  ok <bytes sent>
//   getf <handle> <hex>  ok <answer hex, report id first>
//   read <handle>        ok [<report hex, report id first>]   (nothing queued: plain "ok")
//   watch                ok, then one line per event: "arrival <path>" or "removal <path>"
//   ctl <command...>     control commands of vekora-kbd-sim (see tools/sim)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vekora {

std::string HexEncode(const std::uint8_t* data, std::size_t size);
inline std::string HexEncode(const std::vector<std::uint8_t>& data) {
    return HexEncode(data.data(), data.size());
}
// Empty optional for odd lengths or non-hex characters.
std::optional<std::vector<std::uint8_t>> HexDecode(std::string_view hex);

std::vector<std::string> SplitWords(std::string_view line);

// A connected Unix stream socket that exchanges lines.
class LineSocket {
public:
    LineSocket() = default;
    explicit LineSocket(int fd) : fd_(fd) {}
    ~LineSocket();
    LineSocket(LineSocket&& other) noexcept;
    LineSocket& operator=(LineSocket&& other) noexcept;
    LineSocket(const LineSocket&) = delete;
    LineSocket& operator=(const LineSocket&) = delete;

    // Connects to `path`; false (with `error`) when nobody listens there.
    bool Connect(const std::string& path, std::string& error);
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    void Close();

    bool WriteLine(std::string_view line);
    // Reads one line without its newline. timeoutMs < 0 waits for ever. Empty optional on end
    // of stream, error or time-out.
    std::optional<std::string> ReadLine(int timeoutMs);
    // Lines already received in full, without waiting.
    bool HasBufferedLine() const;
    // The peer closed the connection (seen by the last ReadLine).
    bool AtEnd() const { return atEnd_; }

private:
    int fd_ = -1;
    std::string buffer_;
    bool atEnd_ = false;
};

}  // namespace vekora

#include "device/hid/SimWire.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "device/hid/HexDigit.h"

namespace vekora {
namespace {}  // namespace

std::string HexEncode(const std::uint8_t* data, std::size_t size) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(kDigits[data[i] >> 4]);
        out.push_back(kDigits[data[i] & 0xF]);
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> HexDecode(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(hex.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int hi = HexDigitValue(hex[2 * i]);
        const int lo = HexDigitValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    return out;
}

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') {
            ++i;
        }
        if (i > start) {
            words.emplace_back(line.substr(start, i - start));
        }
    }
    return words;
}

LineSocket::~LineSocket() {
    Close();
}

LineSocket::LineSocket(LineSocket&& other) noexcept
    : fd_(other.fd_), buffer_(std::move(other.buffer_)) {
    other.fd_ = -1;
}

LineSocket& LineSocket::operator=(LineSocket&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        buffer_ = std::move(other.buffer_);
        other.fd_ = -1;
    }
    return *this;
}

bool LineSocket::Connect(const std::string& path, std::string& error) {
    Close();
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) {
        error = "Socket path too long: " + path;
        return false;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = "Cannot reach the keyboard simulator at " + path + ": " + std::strerror(errno);
        close(fd);
        return false;
    }
    fd_ = fd;
    atEnd_ = false;
    return true;
}

void LineSocket::Close() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    buffer_.clear();
}

bool LineSocket::WriteLine(std::string_view line) {
    if (fd_ < 0) {
        return false;
    }
    std::string out(line);
    out.push_back('\n');
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = send(fd_, out.data() + done, out.size() - done, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool LineSocket::HasBufferedLine() const {
    return buffer_.find('\n') != std::string::npos;
}

std::optional<std::string> LineSocket::ReadLine(int timeoutMs) {
    while (true) {
        const std::size_t nl = buffer_.find('\n');
        if (nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            return line;
        }
        if (fd_ < 0) {
            return std::nullopt;
        }
        pollfd p{fd_, POLLIN, 0};
        const int ready = poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        char chunk[4096];
        const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            atEnd_ = true;
            return std::nullopt;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

}  // namespace vekora

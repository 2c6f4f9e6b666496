#include "device/hid/SimHidBackend.h"

#include <cstring>

namespace vekora {
namespace {

// The simulator answers at once; a long silence means it hangs or died.
constexpr int kAnswerTimeoutMs = 10000;

std::optional<unsigned long> ParseNumber(const std::string& text, int base) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, base);
    if (*end != '\0') {
        return std::nullopt;
    }
    return value;
}

class SimConnection : public HidConnection {
public:
    SimConnection(SimHidBackend& backend, std::string handle)
        : backend_(backend), handle_(std::move(handle)) {}
    ~SimConnection() override {
        std::string ignored;
        backend_.Request("close " + handle_, ignored);
    }

    int SendFeature(const std::uint8_t* data, std::size_t length, std::string& error) override {
        const auto answer =
            backend_.Request("setf " + handle_ + " " + HexEncode(data, length), error);
        if (!answer) {
            return -1;
        }
        return static_cast<int>(length);
    }

    int GetFeature(std::uint8_t* data, std::size_t length, std::string& error) override {
        const auto answer =
            backend_.Request("getf " + handle_ + " " + HexEncode(data, length), error);
        if (!answer) {
            return -1;
        }
        const auto bytes = answer->empty() ? std::nullopt : HexDecode(answer->front());
        if (!bytes || bytes->empty()) {
            error = "Malformed answer from the keyboard simulator";
            return -1;
        }
        const std::size_t n = std::min(length, bytes->size());
        std::memcpy(data, bytes->data(), n);
        return static_cast<int>(n) - 1;
    }

    int ReadInput(std::uint8_t* data, std::size_t length, int timeoutMs,
                  std::string& error) override {
        // Ask, and when nothing is queued give the report the rest of the wait to arrive.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto answer = backend_.Request("read " + handle_, error);
            if (!answer) {
                return -1;
            }
            if (!answer->empty()) {
                const auto bytes = HexDecode(answer->front());
                if (!bytes) {
                    error = "Malformed answer from the keyboard simulator";
                    return -1;
                }
                const std::size_t n = std::min(length, bytes->size());
                std::memcpy(data, bytes->data(), n);
                return static_cast<int>(n);
            }
            if (attempt == 0 && timeoutMs > 0) {
                struct timespec pause {
                    0, static_cast<long>(timeoutMs) * 1000000L
                };
                nanosleep(&pause, nullptr);
            }
        }
        return 0;
    }

    bool GetManufacturer(std::wstring& out, std::string& error) override {
        return GetString("manufacturer", out, error);
    }
    bool GetProduct(std::wstring& out, std::string& error) override {
        return GetString("product", out, error);
    }

private:
    bool GetString(const char* which, std::wstring& out, std::string& error) {
        const auto answer = backend_.Request("string " + handle_ + " " + which, error);
        if (!answer) {
            return false;
        }
        const auto bytes = answer->empty()
                               ? std::vector<std::uint8_t>{}
                               : HexDecode(answer->front()).value_or(std::vector<std::uint8_t>{});
        out = WideFromUtf8(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        return true;
    }

    SimHidBackend& backend_;
    std::string handle_;
};

}  // namespace

std::wstring WideFromUtf8(std::string_view s) {
    std::wstring out;
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        std::uint32_t cp = c;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else if (c >= 0x80) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + extra < s.size();
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const unsigned char cc = static_cast<unsigned char>(s[i + k]);
            ok = (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(cp));
        i += 1 + extra;
    }
    return out;
}

SimHidBackend::SimHidBackend(std::string socketPath) : socketPath_(std::move(socketPath)) {}

bool SimHidBackend::EnsureConnected(std::string& error) {
    if (socket_.IsOpen()) {
        return true;
    }
    return socket_.Connect(socketPath_, error);
}

bool SimHidBackend::Exchange(const std::string& line, std::optional<std::string>& answer,
                             std::string& error) {
    // A connection kept from earlier may belong to a simulator that has since restarted:
    // when it turns out dead before anything was answered, connect afresh once.
    const bool reused = socket_.IsOpen();
    for (int attempt = 0; attempt < (reused ? 2 : 1); ++attempt) {
        if (!EnsureConnected(error)) {
            return false;
        }
        if (socket_.WriteLine(line)) {
            answer = socket_.ReadLine(kAnswerTimeoutMs);
            if (answer) {
                return true;
            }
            if (!socket_.AtEnd()) {
                break;  // no answer in time: do not send the request twice
            }
        }
        socket_.Close();
    }
    socket_.Close();
    error = "The keyboard simulator did not answer";
    return false;
}

std::optional<std::vector<std::string>> SimHidBackend::Request(const std::string& line,
                                                               std::string& error) {
    std::lock_guard lock(mutex_);
    std::optional<std::string> answer;
    if (!Exchange(line, answer, error)) {
        return std::nullopt;
    }
    std::vector<std::string> words = SplitWords(*answer);
    if (words.empty() || words.front() != "ok") {
        const std::size_t space = answer->find(' ');
        error = space == std::string::npos ? *answer : answer->substr(space + 1);
        return std::nullopt;
    }
    words.erase(words.begin());
    return words;
}

std::optional<std::vector<std::string>> SimHidBackend::RequestLines(const std::string& line,
                                                                    std::string& error) {
    std::lock_guard lock(mutex_);
    std::optional<std::string> head;
    if (!Exchange(line, head, error)) {
        return std::nullopt;
    }
    const auto words = SplitWords(*head);
    if (words.size() != 2 || words[0] != "ok") {
        error = *head;
        return std::nullopt;
    }
    const auto count = ParseNumber(words[1], 10);
    std::vector<std::string> lines;
    for (unsigned long i = 0; count && i < *count; ++i) {
        auto next = socket_.ReadLine(kAnswerTimeoutMs);
        if (!next) {
            socket_.Close();
            error = "The keyboard simulator did not answer";
            return std::nullopt;
        }
        lines.push_back(std::move(*next));
    }
    return lines;
}

std::vector<HidNodeInfo> SimHidBackend::Enumerate() {
    std::vector<HidNodeInfo> list;
    std::string error;
    const auto lines = RequestLines("enum", error);
    if (!lines) {
        return list;
    }
    for (const std::string& line : *lines) {
        const auto w = SplitWords(line);
        if (w.size() != 6) {
            continue;
        }
        const auto vid = ParseNumber(w[1], 16);
        const auto pid = ParseNumber(w[2], 16);
        const auto rel = ParseNumber(w[3], 16);
        const auto descriptorBytes = HexDecode(w[5]);
        if (!vid || !pid || !rel || !descriptorBytes) {
            continue;
        }
        HidNodeInfo node;
        node.path = w[0];
        node.vendorId = static_cast<std::uint16_t>(*vid);
        node.productId = static_cast<std::uint16_t>(*pid);
        node.releaseNumber = static_cast<std::uint16_t>(*rel);
        node.usbInterface = w[4] == "-1" ? -1 : static_cast<int>(ParseNumber(w[4], 10).value_or(0));
        node.descriptor = ParseReportDescriptor(*descriptorBytes);
        list.push_back(std::move(node));
    }
    return list;
}

std::unique_ptr<HidConnection> SimHidBackend::Open(const std::string& path, bool identifyOnly,
                                                   HidDescriptorInfo& descriptor,
                                                   std::string& error) {
    const auto answer =
        Request(std::string("open ") + path + (identifyOnly ? " identify" : " readwrite"), error);
    if (!answer) {
        return nullptr;
    }
    if (answer->size() != 2) {
        error = "Malformed answer from the keyboard simulator";
        return nullptr;
    }
    const auto bytes = HexDecode((*answer)[1]);
    descriptor = bytes ? ParseReportDescriptor(*bytes) : HidDescriptorInfo{};
    return std::make_unique<SimConnection>(*this, (*answer)[0]);
}

}  // namespace vekora

// FakeHidBackend: an in-process HID backend for unit tests. Nodes are declared as data; every
// transfer is logged with the (fake) clock's time so tests can check bytes and pauses; answers
// come from a per-node function. Install it with ScopedHidBackend.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/Clock.h"
#include "device/hid/HidBackend.h"
#include "device/hid/HidReportDescriptor.h"

namespace vekora::testing {

struct FakeTransfer {
    std::string node;
    std::string op;  // "set_feature", "get_feature", "read_input"
    std::int64_t t = 0;
    std::vector<std::uint8_t> data;  // sent bytes, or the answer for get_feature
};

struct FakeNode {
    HidNodeInfo info;
    std::wstring manufacturer = L"Vekora";
    std::wstring product;
    // Answer to a feature request (request bytes in, full answer out, report id first). The
    // default echoes the request with status 1 in payload byte 3.
    std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)> answer;
    std::deque<std::vector<std::uint8_t>> inputs;  // queued input reports, report id first
    bool openFails = false;
    int sendsBeforeFailure = -1;  // >= 0: that many sends work, then every transfer fails
    bool getFails = false;
    std::function<void()> onSend;  // runs before each send (e.g. to let fake time pass)
};

class FakeHidBackend : public HidBackend {
public:
    explicit FakeHidBackend(const Clock* clock = nullptr) : clock_(clock) {}

    FakeNode& AddNode(const std::string& path, std::uint16_t vid, std::uint16_t pid,
                      int usbInterface, const std::vector<std::uint8_t>& descriptor,
                      std::wstring product = L"") {
        auto node = std::make_unique<FakeNode>();
        node->info.path = path;
        node->info.vendorId = vid;
        node->info.productId = pid;
        node->info.releaseNumber = 0x0105;
        node->info.usbInterface = usbInterface;
        node->info.descriptor = ParseReportDescriptor(descriptor);
        node->product = std::move(product);
        order_.push_back(path);
        auto& ref = *node;
        nodes_[path] = std::move(node);
        return ref;
    }
    void RemoveNode(const std::string& path) {
        nodes_.erase(path);
        std::erase(order_, path);
    }
    FakeNode* Node(const std::string& path) {
        auto it = nodes_.find(path);
        return it == nodes_.end() ? nullptr : it->second.get();
    }

    std::vector<FakeTransfer> log;
    int openCount = 0;

    std::vector<HidNodeInfo> Enumerate() override {
        std::vector<HidNodeInfo> list;
        for (const auto& path : order_) {
            list.push_back(nodes_[path]->info);
        }
        return list;
    }

    std::unique_ptr<HidConnection> Open(const std::string& path, bool, HidDescriptorInfo& d,
                                        std::string& error) override {
        FakeNode* node = Node(path);
        if (!node || node->openFails) {
            error = "No such device";
            return nullptr;
        }
        ++openCount;
        d = node->info.descriptor;
        return std::make_unique<Connection>(*this, path);
    }

private:
    class Connection : public HidConnection {
    public:
        Connection(FakeHidBackend& b, std::string path) : b_(b), path_(std::move(path)) {}

        int SendFeature(const std::uint8_t* data, std::size_t length, std::string& error) override {
            FakeNode* node = Live(error);
            if (!node) {
                return -1;
            }
            if (node->onSend) {
                node->onSend();
            }
            if (node->sendsBeforeFailure == 0) {
                error = "Device disconnected";
                return -1;
            }
            if (node->sendsBeforeFailure > 0) {
                --node->sendsBeforeFailure;
            }
            b_.Log(path_, "set_feature", std::vector<std::uint8_t>(data, data + length));
            return static_cast<int>(length);
        }
        int GetFeature(std::uint8_t* data, std::size_t length, std::string& error) override {
            FakeNode* node = Live(error);
            if (!node || node->getFails || node->sendsBeforeFailure == 0) {
                error = "Device disconnected";
                return -1;
            }
            std::vector<std::uint8_t> request(data, data + length);
            std::vector<std::uint8_t> answer;
            if (node->answer) {
                answer = node->answer(request);
            } else {
                answer = request;
                if (answer.size() > 4) {
                    answer[4] = 1;
                }
            }
            answer.resize(std::min(answer.size(), length));
            std::copy(answer.begin(), answer.end(), data);
            b_.Log(path_, "get_feature", answer);
            return static_cast<int>(answer.size()) - 1;
        }
        int ReadInput(std::uint8_t* data, std::size_t length, int, std::string& error) override {
            FakeNode* node = Live(error);
            if (!node) {
                return -1;
            }
            if (node->inputs.empty()) {
                return 0;
            }
            auto report = node->inputs.front();
            node->inputs.pop_front();
            report.resize(std::min(report.size(), length));
            std::copy(report.begin(), report.end(), data);
            b_.Log(path_, "read_input", report);
            return static_cast<int>(report.size());
        }
        bool GetManufacturer(std::wstring& out, std::string& error) override {
            FakeNode* node = Live(error);
            if (node) {
                out = node->manufacturer;
            }
            return node != nullptr;
        }
        bool GetProduct(std::wstring& out, std::string& error) override {
            FakeNode* node = Live(error);
            if (node) {
                out = node->product;
            }
            return node != nullptr;
        }

    private:
        FakeNode* Live(std::string& error) {
            FakeNode* node = b_.Node(path_);
            if (!node) {
                error = "Device disconnected";
            }
            return node;
        }
        FakeHidBackend& b_;
        std::string path_;
    };

    void Log(const std::string& node, const char* op, std::vector<std::uint8_t> data) {
        log.push_back({node, op, clock_ ? clock_->Now() : 0, std::move(data)});
    }

    const Clock* clock_;
    std::map<std::string, std::unique_ptr<FakeNode>> nodes_;
    std::vector<std::string> order_;
};

}  // namespace vekora::testing

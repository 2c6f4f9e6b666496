#include "device/hid/HidReportDescriptor.h"

#include <array>
#include <map>
#include <vector>

namespace vekora {
namespace {

// Item tags (bits 7..4) with their type (bits 3..2) of short items.
enum : std::uint8_t {
    kTypeMain = 0,
    kTypeGlobal = 1,
    kTypeLocal = 2,
};
enum : std::uint8_t {
    kMainInput = 0x8,
    kMainOutput = 0x9,
    kMainCollection = 0xA,
    kMainFeature = 0xB,
    kMainEndCollection = 0xC,
};
enum : std::uint8_t {
    kGlobalUsagePage = 0x0,
    kGlobalReportSize = 0x7,
    kGlobalReportId = 0x8,
    kGlobalReportCount = 0x9,
    kGlobalPush = 0xA,
    kGlobalPop = 0xB,
};
constexpr std::uint8_t kLocalUsage = 0x0;
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint32_t kCollectionApplication = 0x01;
// No HID report can be longer than a 16-bit length field allows; longer ones are malformed.
constexpr std::uint64_t kMaxReportBytes = 0xFFFF;

struct GlobalState {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

enum ReportKind { kInput = 0, kOutput = 1, kFeature = 2 };

// Report data bits per (kind, report id); the id byte is added at the end.
using BitCounts = std::array<std::map<std::uint8_t, std::uint64_t>, 3>;

struct CollectionBits {
    std::uint32_t usage = 0;  // page in the high half
    BitCounts bits;
};

// -1 when a report is implausibly long.
int LongestReport(const std::map<std::uint8_t, std::uint64_t>& bits) {
    std::uint64_t longest = 0;
    for (const auto& [id, count] : bits) {
        longest = std::max(longest, (count + 7) / 8);
    }
    if (longest > kMaxReportBytes) {
        return -1;
    }
    return bits.empty() ? 0 : static_cast<int>(longest + 1);
}

}  // namespace

HidDescriptorInfo ParseReportDescriptor(std::span<const std::uint8_t> d) {
    HidDescriptorInfo info;
    GlobalState global;
    std::vector<GlobalState> stack;
    std::vector<std::uint32_t> usages;  // local usages of the next main item
    BitCounts bits;
    std::vector<CollectionBits> topLevel;
    int depth = 0;

    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == kLongItemPrefix) {
            // Long items carry their size in the next byte; none of them matters here.
            if (i + 1 >= d.size()) {
                return {};
            }
            const std::size_t size = d[i + 1];
            i += 3 + size;
            continue;
        }
        const std::size_t size = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        if (i + 1 + size > d.size()) {
            return {};  // item runs past the end
        }
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < size; ++b) {
            value |= static_cast<std::uint32_t>(d[i + 1 + b]) << (8 * b);
        }
        const std::uint8_t type = (prefix >> 2) & 0x3;
        const std::uint8_t tag = prefix >> 4;
        i += 1 + size;

        if (type == kTypeGlobal) {
            switch (tag) {
                case kGlobalUsagePage:
                    global.usagePage = static_cast<std::uint16_t>(value);
                    break;
                case kGlobalReportSize:
                    global.reportSize = value;
                    break;
                case kGlobalReportCount:
                    global.reportCount = value;
                    break;
                case kGlobalReportId:
                    if (value == 0 || value > 0xFF) {
                        return {};  // report id 0 is reserved
                    }
                    global.reportId = static_cast<std::uint8_t>(value);
                    info.numberedReports = true;
                    break;
                case kGlobalPush:
                    stack.push_back(global);
                    break;
                case kGlobalPop:
                    if (stack.empty()) {
                        return {};
                    }
                    global = stack.back();
                    stack.pop_back();
                    break;
                default:
                    break;
            }
        } else if (type == kTypeLocal) {
            if (tag == kLocalUsage) {
                // A 4-byte usage carries its own page in the high half.
                usages.push_back(size == 4 ? value : (global.usagePage << 16) | value);
            }
        } else if (type == kTypeMain) {
            switch (tag) {
                case kMainCollection:
                    if (depth == 0) {
                        if (value != kCollectionApplication) {
                            return {};  // top-level collections are application collections
                        }
                        topLevel.push_back({usages.empty() ? 0 : usages.front(), {}});
                    }
                    ++depth;
                    break;
                case kMainEndCollection:
                    if (depth == 0) {
                        return {};
                    }
                    --depth;
                    break;
                case kMainInput:
                case kMainOutput:
                case kMainFeature: {
                    const ReportKind kind = tag == kMainInput    ? kInput
                                            : tag == kMainOutput ? kOutput
                                                                 : kFeature;
                    if (depth == 0) {
                        return {};  // reports live inside a collection
                    }
                    const std::uint64_t n =
                        static_cast<std::uint64_t>(global.reportSize) * global.reportCount;
                    bits[kind][global.reportId] += n;
                    topLevel.back().bits[kind][global.reportId] += n;
                    break;
                }
                default:
                    break;
            }
            usages.clear();  // local items apply to one main item only
        }
    }
    if (depth != 0 || topLevel.empty()) {
        return {};
    }
    for (const CollectionBits& c : topLevel) {
        info.collections.push_back({static_cast<std::uint16_t>(c.usage >> 16),
                                    static_cast<std::uint16_t>(c.usage & 0xFFFF),
                                    LongestReport(c.bits[kInput]), LongestReport(c.bits[kOutput]),
                                    LongestReport(c.bits[kFeature])});
    }
    info.usagePage = info.collections.front().usagePage;
    info.usage = info.collections.front().usage;
    info.inputReportLength = LongestReport(bits[kInput]);
    info.outputReportLength = LongestReport(bits[kOutput]);
    info.featureReportLength = LongestReport(bits[kFeature]);
    if (info.inputReportLength < 0 || info.outputReportLength < 0 || info.featureReportLength < 0) {
        return {};
    }
    info.valid = true;
    return info;
}

}  // namespace vekora

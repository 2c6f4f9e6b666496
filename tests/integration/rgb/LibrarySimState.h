// Reading the simulator's device-library state (`state DEV`) and the library's call
// log in the RGB integration tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SimEnvironment.h"
#include "SimProcess.h"

namespace vekora::testing {

// The items of the JSON array after "key": [ ... ] (flat arrays of strings, numbers or null;
// strings without their quotes).
inline std::vector<std::string> JsonArray(const std::string& json, const std::string& key) {
    const std::string tag = "\"" + key + "\": [";
    const std::size_t at = json.find(tag);
    if (at == std::string::npos) {
        return {};
    }
    std::size_t from = at + tag.size();
    int depth = 0;
    std::vector<std::string> items;
    std::string item;
    for (std::size_t i = from; i < json.size(); ++i) {
        const char c = json[i];
        if (depth == 0 && (c == ',' || c == ']')) {
            const auto b = item.find_first_not_of(" \"");
            const auto e = item.find_last_not_of(" \"");
            items.push_back(b == std::string::npos ? "" : item.substr(b, e - b + 1));
            item.clear();
            if (c == ']') {
                break;
            }
            continue;
        }
        if (c == '[' || c == '{') {
            ++depth;
        } else if (c == ']' || c == '}') {
            --depth;
        }
        item.push_back(c);
    }
    if (items.size() == 1 && items[0].empty()) {
        items.clear();
    }
    return items;
}

inline std::string Hex(const std::uint8_t* bytes, std::size_t size) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < size; ++i) {
        s.push_back(digits[bytes[i] >> 4]);
        s.push_back(digits[bytes[i] & 0x0F]);
    }
    return s;
}

inline std::string ReadTarnexioLog() {
    std::ifstream in(TarnexioLogPath());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void ClearTarnexioLog() {
    std::ofstream(TarnexioLogPath(), std::ios::trunc);
}

// The export names of the call log, in call order.
inline std::vector<std::string> LoggedCalls() {
    std::vector<std::string> calls;
    std::istringstream in(ReadTarnexioLog());
    std::string line;
    while (std::getline(in, line)) {
        calls.push_back(JsonField(line, "fn"));
    }
    return calls;
}

}  // namespace vekora::testing

// Report descriptor fixtures from tests/data/hid (hex text, '#' starts a comment).
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vekora::testing {

inline std::vector<std::uint8_t> LoadDescriptor(const std::string& name) {
    std::ifstream in(std::string(VEKORA_TEST_DATA_DIR) + "/hid/" + name);
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
        }
    }
    return bytes;
}

}  // namespace vekora::testing

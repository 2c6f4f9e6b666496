#include "SimTarnexio.h"

#include <algorithm>
#include <cstdio>

namespace vekora::sim {
namespace {

using namespace tarnexio::wire;

constexpr std::size_t kTableVersionOffset = 0;
constexpr std::size_t kTableBoardOffset = 1;
constexpr std::size_t kTableProfileOffset = 30;

std::string Hex(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        s.push_back(digits[b >> 4]);
        s.push_back(digits[b & 0x0F]);
    }
    return s;
}

template <std::size_t N>
std::string HexOrNull(const std::optional<std::array<std::uint8_t, N>>& a) {
    return a ? "\"" + Hex(*a) + "\"" : "null";
}

const char* KindName(StepKind k) {
    switch (k) {
        case StepKind::KeyPress:
            return "key_press";
        case StepKind::KeyRelease:
            return "key_release";
        case StepKind::ButtonPress:
            return "button_press";
        case StepKind::ButtonRelease:
            return "button_release";
    }
    return "?";
}

template <std::size_t N>
bool CopyPayload(const ParsedFrame& f, std::array<std::uint8_t, N>& out) {
    if (f.payload.size() != N) {
        return false;
    }
    std::copy(f.payload.begin(), f.payload.end(), out.begin());
    return true;
}

}  // namespace

SimTarnexio::SimTarnexio(int model) {
    state_.board = model == 10 ? 98 : 87;
    state_.table[kTableVersionOffset] = 1;
    state_.table[kTableBoardOffset] = static_cast<std::uint8_t>(state_.board);
}

bool SimTarnexio::Receive(std::span<const std::uint8_t> report) {
    if (!LooksLikeFrame(report)) {
        return false;
    }
    ++state_.requests;
    const auto request = ParseFrame(report);
    if (!request) {
        Header h;
        if (report.size() > kArg2Offset) {
            h.command = static_cast<Command>(report[kCommandOffset]);
            h.sequence = report[kSequenceOffset];
            h.arg1 = report[kArg1Offset];
            h.arg2 = report[kArg2Offset];
        }
        answer_ = BuildAnswer(h, Status::BadFrame);
        return true;
    }
    if (refuse_ != 0) {
        if (refuse_ > 0) {
            --refuse_;
        }
        answer_ = BuildAnswer(request->header, Status::Refused);
        return true;
    }
    answer_ = Execute(*request);
    return true;
}

Frame SimTarnexio::TakeAnswer() {
    if (!answer_) {
        return BuildAnswer(Header{}, Status::NoRequest);
    }
    Frame f = *answer_;
    answer_.reset();
    return f;
}

bool SimTarnexio::ChangeProfileOnKeyboard(int profile) {
    if (profile < 1 || profile > kProfiles) {
        return false;
    }
    state_.table[kTableProfileOffset] = static_cast<std::uint8_t>(profile - 1);
    return true;
}

Frame SimTarnexio::Execute(const ParsedFrame& f) {
    const Header& h = f.header;
    auto done = [&h](std::span<const std::uint8_t> payload = {}) {
        return BuildAnswer(h, Status::Done, payload);
    };
    auto bad = [&h] { return BuildAnswer(h, Status::BadArgument); };
    switch (h.command) {
        case Command::Hello: {
            const std::array<std::uint8_t, kHelloBytes> hello = {
                static_cast<std::uint8_t>(state_.board),
                static_cast<std::uint8_t>(state_.firmwareVersion & 0xFF),
                static_cast<std::uint8_t>(state_.firmwareVersion >> 8),
                kProfiles,
                kKeyMapProfiles,
                kColourSlots,
                static_cast<std::uint8_t>(kMaxMacros),
                static_cast<std::uint8_t>(state_.hostMode ? 1 : 0)};
            return done(hello);
        }
        case Command::HostMode:
            if (h.arg1 > 1) {
                return bad();
            }
            state_.hostMode = h.arg1 == 1;
            return done();
        case Command::LayerCount:
            if (h.arg1 < 1 || h.arg1 > kProfiles) {
                return bad();
            }
            state_.layerCount = h.arg1;
            return done();
        case Command::WriteKeyMap: {
            std::array<std::uint8_t, kKeyMapBytes> map{};
            if (h.arg1 >= kKeyMapProfiles || !CopyPayload(f, map)) {
                return bad();
            }
            state_.keyMaps[h.arg1] = map;
            return done();
        }
        case Command::ReadKeyMap: {
            if (h.arg1 >= kKeyMapProfiles) {
                return bad();
            }
            const auto map = state_.keyMaps[h.arg1].value_or(std::array<std::uint8_t, 504>{});
            return done(map);
        }
        case Command::WriteKeyColours: {
            std::array<std::uint8_t, kColourMapBytes> map{};
            if (h.arg1 >= kColourSlots || !CopyPayload(f, map)) {
                return bad();
            }
            state_.colourSlots[h.arg1] = map;
            return done();
        }
        case Command::ReadKeyColours: {
            if (h.arg1 >= kColourSlots) {
                return bad();
            }
            const auto map = state_.colourSlots[h.arg1].value_or(std::array<std::uint8_t, 504>{});
            return done(map);
        }
        case Command::WriteTable:
            if (!CopyPayload(f, state_.table)) {
                return bad();
            }
            return done();
        case Command::ReadTable:
            return done(state_.table);
        case Command::WriteLight: {
            std::array<std::uint8_t, kLightBytes> bytes{};
            if (!CopyPayload(f, bytes)) {
                return bad();
            }
            std::array<std::int32_t, 10> values{};
            for (std::size_t i = 0; i < values.size(); ++i) {
                const std::uint32_t v = bytes[4 * i] | (bytes[4 * i + 1] << 8) |
                                        (bytes[4 * i + 2] << 16) |
                                        (static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
                values[i] = static_cast<std::int32_t>(v);
            }
            state_.light = values;
            return done();
        }
        case Command::ReadLight: {
            std::array<std::uint8_t, kLightBytes> bytes{};
            if (state_.light) {
                for (std::size_t i = 0; i < 10; ++i) {
                    const auto v = static_cast<std::uint32_t>((*state_.light)[i]);
                    for (std::size_t b = 0; b < 4; ++b) {
                        bytes[4 * i + b] = static_cast<std::uint8_t>(v >> (8 * b));
                    }
                }
            }
            return done(bytes);
        }
        case Command::MusicFrame: {
            std::array<std::uint8_t, kMusicFrameBytes> frame{};
            if (!CopyPayload(f, frame)) {
                return bad();
            }
            state_.lastMusicFrame = frame;
            ++state_.musicFrames;
            return done();
        }
        case Command::WriteMacroChunk:
            return BuildAnswer(h, TakeMacroChunk(f));
        case Command::None:
            break;
    }
    return BuildAnswer(h, Status::UnknownCommand);
}

Status SimTarnexio::TakeMacroChunk(const ParsedFrame& f) {
    const int index = f.header.arg1;
    const int count = f.header.arg2;
    if (count < 1 || index >= count) {
        macroTransfer_.clear();
        nextChunk_ = 0;
        return Status::BadArgument;
    }
    if (index == 0) {
        macroTransfer_.clear();
        nextChunk_ = 0;
    }
    if (index != nextChunk_) {
        macroTransfer_.clear();
        nextChunk_ = 0;
        return Status::OutOfOrder;
    }
    macroTransfer_.insert(macroTransfer_.end(), f.payload.begin(), f.payload.end());
    ++nextChunk_;
    if (nextChunk_ < count) {
        return Status::Done;
    }
    const auto records = ParseMacroArea(macroTransfer_);
    macroTransfer_.clear();
    nextChunk_ = 0;
    if (!records) {
        return Status::BadMacroArea;
    }
    state_.macros = *records;
    state_.macrosWritten = true;
    return Status::Done;
}

std::string SimTarnexio::StateJson() const {
    std::string j = "{";
    j += "\"board\": " + std::to_string(state_.board);
    j += ", \"host_mode\": " + std::string(state_.hostMode ? "true" : "false");
    j += ", \"layer_count\": " + std::to_string(state_.layerCount);
    j += ", \"profile\": " + std::to_string(state_.table[kTableProfileOffset] + 1);
    j += ", \"game_mode\": {\"win\": " + std::to_string(state_.table[15]) +
         ", \"alttab\": " + std::to_string(state_.table[31]) +
         ", \"altf4\": " + std::to_string(state_.table[32]) + "}";
    j += ", \"table\": \"" + Hex(state_.table) + "\"";
    j += ", \"light\": ";
    if (state_.light) {
        j += "[";
        for (std::size_t i = 0; i < state_.light->size(); ++i) {
            j += (i ? ", " : "") + std::to_string((*state_.light)[i]);
        }
        j += "]";
    } else {
        j += "null";
    }
    j += ", \"key_maps\": [";
    for (std::size_t i = 0; i < state_.keyMaps.size(); ++i) {
        j += (i ? ", " : "") + HexOrNull(state_.keyMaps[i]);
    }
    j += "], \"colour_slots\": [";
    for (std::size_t i = 0; i < state_.colourSlots.size(); ++i) {
        j += (i ? ", " : "") + HexOrNull(state_.colourSlots[i]);
    }
    j += "], \"macros\": ";
    if (!state_.macrosWritten) {
        j += "null";
    } else {
        j += "[";
        for (std::size_t m = 0; m < state_.macros.size(); ++m) {
            j += m ? ", [" : "[";
            const auto steps = DecodeRecord(state_.macros[m]).value_or(std::vector<Step>{});
            for (std::size_t s = 0; s < steps.size(); ++s) {
                char buf[128];
                std::snprintf(buf, sizeof buf,
                              "%s{\"kind\": \"%s\", \"key\": %d, \"delay\": %d, \"mod\": %d}",
                              s ? ", " : "", KindName(steps[s].kind), steps[s].key,
                              steps[s].delayMs, steps[s].modifierBit);
                j += buf;
            }
            j += "]";
        }
        j += "]";
    }
    j += ", \"music_frames\": " + std::to_string(state_.musicFrames);
    j += ", \"music_frame\": " + HexOrNull(state_.lastMusicFrame);
    j += "}";
    return j;
}

}  // namespace vekora::sim

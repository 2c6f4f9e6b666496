#include "SimKeyboardState.h"

#include <algorithm>
#include <cstdio>

#include "device/DeviceModel.h"
#include "device/SlotTables.h"
#include "device/protocol/KeyMapEntries.h"

namespace vekora::sim {
namespace {

constexpr std::uint8_t kLongId = 6;
// Factory light block (report offsets - 8): profile, custom flag, mode 10, custom selector, and
// a few effect parameters of the keyboard's own that writes must keep.
constexpr int kLightProfile = 0;
constexpr int kLightCustomFlag = 9;
constexpr int kLightMode = 10;
constexpr int kLightSelector = 11;
constexpr int kLightGameMode = 15;
constexpr int kFactoryLightMode = 10;

std::string Hex(const std::uint8_t* data, std::size_t size) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0x0F];
    }
    return out;
}

template <typename C>
std::string Hex(const C& c) {
    return Hex(c.data(), c.size());
}

}  // namespace

SimKeyboardState::SimKeyboardState(int model, bool longFamily) : model_(model), long_(longFamily) {
    FactoryReset();
}

void SimKeyboardState::FactoryReset() {
    profile_ = 1;
    // An area without entries still ends in 0xAA, 0x55; the game-mode byte carries 0x80.
    std::vector<std::uint8_t> emptyArea(576, 0);
    emptyArea[574] = 0xAA;
    emptyArea[575] = 0x55;
    for (auto& p : shortProfiles_) {
        p = ShortProfile{};
        p.keyMap = emptyArea;
        p.gameMode = 0x80;
    }
    for (auto& u : userLights_) {
        u = emptyArea;
    }
    const DeviceModel table = model_ == ToCode(DeviceModel::K87SingleLight)
                                  ? DeviceModel::K87SingleLight
                                  : DeviceModel::K61SingleLight;
    for (int p = 0; p < 5; ++p) {
        LongProfile& lp = longProfiles_[static_cast<std::size_t>(p)];
        lp = LongProfile{};
        for (int slot = 0; slot < 126; ++slot) {
            std::array<std::uint8_t, 4> entry{};
            if (slot < 100) {
                const int code = DefaultKeyOfSlot(table, slot);
                if (code != 0) {
                    entry = LongDefaultEntry(code);
                }
            } else {
                entry = {0x0F, 0, 0, static_cast<std::uint8_t>(slot)};  // functions of its own
            }
            std::copy(entry.begin(), entry.end(), lp.keyMap.begin() + slot * 4);
        }
        lp.light[kLightMode] = kFactoryLightMode;
        lp.light[kLightSelector] = 0x20;
        lp.light[12] = 0x05;  // brightness, speed, direction of the effects
        lp.light[13] = 0x03;
        lp.light[14] = 0x01;
        lp.light[40] = 0x5A;
    }
    for (auto& m : onOff_) {
        m.fill(0);
    }
    macroArea_.clear();
    musicFrame_.clear();
    chunks_.clear();
    target_ = Target::None;
    remaining_ = 0;
}

// ---- short family -----------------------------------------------------------------------

void SimKeyboardState::OnShortReport(const std::vector<std::uint8_t>& wire) {
    if (wire.size() != 65) {
        return;
    }
    const std::uint8_t* payload = wire.data() + 1;
    if (remaining_ > 0) {
        data_.insert(data_.end(), payload, payload + 64);
        if (--remaining_ == 0) {
            ApplyShortData();
        }
        return;
    }
    if (payload[0] != 0x04) {
        return;  // a data block nobody announced
    }
    std::copy(payload, payload + 64, lastCommand_.begin());
    const int arg = payload[2];
    const int blocks = payload[8];
    target_ = Target::None;
    switch (payload[1]) {
        case 0x11:
            target_ = Target::KeyMap;
            break;
        case 0x13:
            target_ = Target::Light;
            break;
        case 0x15:
            target_ = Target::Macro;
            break;
        case 0x17:
            target_ = Target::GameMode;
            break;
        case 0x23:
            target_ = Target::UserLight;
            break;
        case 0x20:
            target_ = Target::Music;
            break;
        default:
            return;
    }
    targetArg_ = arg;
    remaining_ = blocks;
    data_.clear();
}

void SimKeyboardState::ApplyShortData() {
    const bool profileOk = targetArg_ >= 1 && targetArg_ <= 5;
    auto& p = shortProfiles_[static_cast<std::size_t>(profileOk ? targetArg_ - 1 : 0)];
    switch (target_) {
        case Target::KeyMap:
            if (profileOk) {
                p.keyMap = data_;
            }
            break;
        case Target::Light:
            if (profileOk) {
                p.lightBlock = data_;
                p.lightMode = data_[0];
                // The keyboard shows the profile whose light it was just given. This is how
                // the program switches profiles on these keyboards: selecting a profile sends
                // nothing but its light settings.
                profile_ = targetArg_;
            }
            break;
        case Target::GameMode:
            if (profileOk) {
                p.gameMode = data_[0];
            }
            break;
        case Target::UserLight: {
            const int n = targetArg_ - 0x80;
            if (n >= 1 && n <= 5) {
                userLights_[static_cast<std::size_t>(n - 1)] = data_;
            }
            break;
        }
        case Target::Macro:
            macroArea_ = data_;
            break;
        case Target::Music:
            musicFrame_ = data_;
            break;
        case Target::None:
            break;
    }
    target_ = Target::None;
}

void SimKeyboardState::ShapeShortAnswer(std::vector<std::uint8_t>& answer) const {
    if (answer.size() != 65 || lastCommand_[0] != 0x04) {
        return;
    }
    if (lastCommand_[1] == 0x30) {
        answer[1 + 8] = 1;
        answer[1 + 9] = static_cast<std::uint8_t>(profile_);
    } else if (lastCommand_[1] == 0x61) {
        answer[1 + 3] = static_cast<std::uint8_t>(battery_);
    }
}

// ---- long family ------------------------------------------------------------------------

void SimKeyboardState::OnLongWrite(const std::vector<std::uint8_t>& wire) {
    if (wire.size() != 520 || wire[0] != kLongId) {
        return;
    }
    const std::uint8_t* data = wire.data() + 8;
    const int count = wire[4];
    const int index = wire[5];
    const int bytes = std::min(wire[6] | (wire[7] << 8), 512);
    switch (wire[1]) {
        case 0x03:
            std::copy_n(data, 504, Current().keyMap.begin());
            break;
        case 0x04: {
            std::copy_n(data, 128, Current().light.begin());
            Current().light[kLightProfile] =
                static_cast<std::uint8_t>(profile_ == 5 ? 0 : profile_);
            break;
        }
        case 0x05:
            if (index == 0) {
                chunks_.clear();
            }
            chunks_.insert(chunks_.end(), data, data + bytes);
            if (index + 1 == count) {
                macroArea_ = chunks_;
            }
            break;
        case 0x06:
            if (wire[2] < 5) {
                std::copy_n(data, 126, onOff_[wire[2]].begin());
            }
            break;
        case 0x08:
            musicFrame_.assign(data, data + 126);
            break;
        case 0x0D:
            profile_ = data[0] == 0 ? 5 : std::clamp<int>(data[0], 1, 5);
            break;
        case 0x0E:
            FactoryReset();
            break;
        default:
            break;
    }
}

std::vector<std::uint8_t> SimKeyboardState::AnswerLongRead(std::uint8_t readCommand) const {
    std::vector<std::uint8_t> answer(520, 0);
    answer[0] = kLongId;
    answer[1] = readCommand;
    answer[4] = 1;
    switch (readCommand) {
        case 0x83:
            answer[6] = 504 & 0xFF;
            answer[7] = 504 >> 8;
            std::copy(Current().keyMap.begin(), Current().keyMap.end(), answer.begin() + 8);
            break;
        case 0x84:
            answer[2] = 1;
            answer[6] = 128;
            std::copy(Current().light.begin(), Current().light.end(), answer.begin() + 8);
            answer[8] = static_cast<std::uint8_t>(profile_ == 5 ? 0 : profile_);
            break;
        case 0x86: {
            answer[2] = 1;
            answer[6] = 126;
            const int slot = std::clamp(Current().light[kLightSelector] - 0x20, 0, 4);
            const auto& map = onOff_[static_cast<std::size_t>(slot)];
            std::copy(map.begin(), map.end(), answer.begin() + 8);
            break;
        }
        default:
            break;
    }
    return answer;
}

std::vector<std::uint8_t> SimKeyboardState::ChangeReport() const {
    return {0x03, 0x08, static_cast<std::uint8_t>(profile_), 0};
}

std::optional<std::vector<std::uint8_t>> SimKeyboardState::ChangeProfileByKeyboard(int profile) {
    profile_ = std::clamp(profile, 1, 5);
    if (!long_) {
        return std::nullopt;
    }
    return ChangeReport();
}

std::optional<std::vector<std::uint8_t>> SimKeyboardState::ChangeLightModeByKeyboard(int mode) {
    if (!long_) {
        shortProfiles_[static_cast<std::size_t>(profile_ - 1)].lightMode = mode;
        return std::nullopt;
    }
    Current().light[kLightMode] = static_cast<std::uint8_t>(mode);
    Current().light[kLightCustomFlag] = 0;
    return ChangeReport();
}

// ---- state dump -------------------------------------------------------------------------

std::string SimKeyboardState::ToJson() const {
    std::string out = "{\"model\": " + std::to_string(model_) + ", \"family\": \"" +
                      (long_ ? "long" : "short") + "\", \"profile\": " + std::to_string(profile_);
    auto field = [&out](const std::string& key, const std::string& value, bool quoted) {
        out += ", \"" + key + "\": ";
        out += quoted ? "\"" + value + "\"" : value;
    };
    for (int p = 1; p <= 5; ++p) {
        const std::string k = "p" + std::to_string(p) + ".";
        if (long_) {
            const LongProfile& lp = longProfiles_[static_cast<std::size_t>(p - 1)];
            field(k + "keyMap", Hex(lp.keyMap), true);
            field(k + "lightBlock", Hex(lp.light), true);
            field(k + "lightMode", std::to_string(lp.light[kLightMode]), false);
            field(k + "customLight", std::to_string(lp.light[kLightCustomFlag]), false);
            field(k + "customSelector", std::to_string(lp.light[kLightSelector]), false);
            field(k + "gameMode", std::to_string(lp.light[kLightGameMode]), false);
        } else {
            const ShortProfile& sp = shortProfiles_[static_cast<std::size_t>(p - 1)];
            field(k + "keyMap", Hex(sp.keyMap), true);
            field(k + "lightMode", std::to_string(sp.lightMode), false);
            field(k + "lightBlock", Hex(sp.lightBlock), true);
            field(k + "gameMode", std::to_string(sp.gameMode), false);
        }
    }
    for (int n = 1; n <= 5; ++n) {
        if (long_) {
            field("onOff" + std::to_string(n), Hex(onOff_[static_cast<std::size_t>(n - 1)]), true);
        } else {
            field("light" + std::to_string(n), Hex(userLights_[static_cast<std::size_t>(n - 1)]),
                  true);
        }
    }
    field("macroArea", Hex(macroArea_), true);
    field("musicFrame", Hex(musicFrame_), true);
    field("battery", std::to_string(battery_), false);
    out += "}";
    return out;
}

}  // namespace vekora::sim

// SimKeyboardState: what a simulated own-report keyboard keeps on board and how it reacts to
// the protocol of its family.
//
// Short family (models 1, 5, 6): a command that announces data blocks (0x11 key map, 0x13
// light settings, 0x15 macro area, 0x17 game mode, 0x23 user-light colours, 0x20 music frame)
// makes the following reports data until the announced count has arrived; the data then
// becomes the state of its profile or slot. 0x30 is answered with the keyboard's own profile,
// 0x61 with the battery level.
//
// Long family (models 7, 8): one key map and one light block per profile, five on/off maps, the
// macro area assembled from its chunks, profile select and factory reset; reads answer with
// the current profile's blocks. A keyboard-side profile change queues the 0x03, 0x08 input
// report.
//
// The whole state can be dumped as one flat JSON object (keys such as "profile",
// "p2.keyMap", "light3", "macroArea"; byte areas as lower-case hex).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vekora::sim {

class SimKeyboardState {
public:
    SimKeyboardState(int model, bool longFamily);

    bool IsLong() const { return long_; }
    int Profile() const { return profile_; }

    // Short family: a 65-byte report (report id 0 first) the keyboard received.
    void OnShortReport(const std::vector<std::uint8_t>& wire);
    // Adds the fields of the answer to the last command (0x30, 0x61) to `answer` (65 bytes).
    void ShapeShortAnswer(std::vector<std::uint8_t>& answer) const;

    // Long family: a 520-byte write (command bit 7 clear).
    void OnLongWrite(const std::vector<std::uint8_t>& wire);
    // The 520-byte answer to a read command.
    std::vector<std::uint8_t> AnswerLongRead(std::uint8_t readCommand) const;

    // The user changes the profile on the keyboard. The long family returns the input report
    // it sends about it.
    std::optional<std::vector<std::uint8_t>> ChangeProfileByKeyboard(int profile);
    // The user changes the light mode on the keyboard (long family: also reported).
    std::optional<std::vector<std::uint8_t>> ChangeLightModeByKeyboard(int mode);

    void SetBattery(int level) { battery_ = level; }
    void FactoryReset();

    std::string ToJson() const;

private:
    struct ShortProfile {
        std::vector<std::uint8_t> keyMap;      // the 576-byte area as received
        std::vector<std::uint8_t> lightBlock;  // the light settings packet as received
        int lightMode = 1;
        int gameMode = 0;  // byte 0 of the game-mode packet
    };
    struct LongProfile {
        std::array<std::uint8_t, 504> keyMap{};
        std::array<std::uint8_t, 128> light{};  // report bytes 8..135
    };
    enum class Target { None, KeyMap, Light, Macro, GameMode, UserLight, Music };

    void ApplyShortData();
    LongProfile& Current() { return longProfiles_[static_cast<std::size_t>(profile_ - 1)]; }
    const LongProfile& Current() const {
        return longProfiles_[static_cast<std::size_t>(profile_ - 1)];
    }
    std::vector<std::uint8_t> ChangeReport() const;

    int model_;
    bool long_;
    int profile_ = 1;
    int battery_ = 100;

    // short family
    std::array<ShortProfile, 5> shortProfiles_{};
    std::array<std::vector<std::uint8_t>, 5> userLights_{};
    std::vector<std::uint8_t> lastCommand_ = std::vector<std::uint8_t>(64, 0);
    Target target_ = Target::None;
    int targetArg_ = 0;
    int remaining_ = 0;
    std::vector<std::uint8_t> data_;

    // long family
    std::array<LongProfile, 5> longProfiles_{};
    std::array<std::array<std::uint8_t, 126>, 5> onOff_{};
    std::vector<std::uint8_t> chunks_;

    // both
    std::vector<std::uint8_t> macroArea_;
    std::vector<std::uint8_t> musicFrame_;
};

}  // namespace vekora::sim

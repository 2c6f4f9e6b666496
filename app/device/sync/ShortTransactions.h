// The command transactions of the short family (models 1, 5, 6), each in its exact order.
// Unacknowledged commands do not stop a transaction; only the music frame depends on an
// acknowledgement. Results are for callers that want them (flows do not show them).
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/protocol/ShortAreas.h"
#include "device/protocol/ShortMacroArea.h"
#include "device/sync/ReportLink.h"

namespace vekora {

inline constexpr int kShortMacroPauseMs = 30;

// 0x18; 0x11 profile; the key map as 9 blocks; 0x02; 0xF0.
void SendShortKeyMap(ReportLink& link, int profile, const ShortKeyMapArea& area);
// 0x18; 0x13 profile; the light settings packet (no confirmation); 0x02; 0xF0.
void SendShortLightMode(ReportLink& link, int profile, int lightMode);
// 0x18; 0x23 0x80 + userLight; the colour area as 9 blocks; 0x02; 0xF0.
void SendShortUserLight(ReportLink& link, int userLight, const ShortColourArea& area);
// The colour transaction for user lights 1..5 with an empty area each.
void ClearShortUserLights(ReportLink& link);
// 0x19; 0x15 n; pause 30 ms; the area as n blocks; 0x02. Nothing is sent for an area that
// does not fit; the result says why.
ShortMacroFit SendShortMacros(ReportLink& link, const std::vector<StoredMacro>& macros);
// 0x18; 0x17 profile; the game-mode packet; 0x02.
void SendShortGameMode(ReportLink& link, int profile, GameModeSwitches switches);
// 0x20; only when accepted the frame; only when that went out in time 0x02. True when the
// frame was sent.
bool SendShortMusicFrame(ReportLink& link, const FramePayload& frame);
// 0x30: the keyboard's profile when it is valid (1..5) and differs from `currentProfile`. The
// synchronisation then applies it and ends with SendShortCommit in every case.
std::optional<int> QueryShortProfile(ReportLink& link, int currentProfile);
// 0x02 on its own (the end of a synchronisation or a preview read).
void SendShortCommit(ReportLink& link);
// 0xF5 series; on success the colour of each view key; then 0x02 in every case.
std::optional<std::vector<KeyLight>> ReadShortKeyColours(ReportLink& link, DeviceModel model,
                                                         bool revisionFlag,
                                                         std::span<const int> viewKeys);
// 0x61; the level when the keyboard answered.
std::optional<int> ReadShortBattery(ReportLink& link);

}  // namespace vekora

// The command sequences of the long family (models 7, 8; the macro area and the factory reset
// also for model 6), each in its exact order with its pauses.
//
// Every write of the key map and the light block is a read-modify-write of what the keyboard
// returned. When the read brings nothing back (the send failed, or the answer is the request
// itself), the write is skipped: sending the request buffer would overwrite the keyboard's other
// settings in the block with zeros.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/protocol/LongMacroArea.h"
#include "device/protocol/LongReports.h"
#include "device/sync/ReportLink.h"

namespace vekora {

inline constexpr int kLongStepPauseMs = 80;
inline constexpr int kLongMacroChunkPauseMs = 10;

// The block of a read, or nothing when the keyboard did not return one.
std::optional<LongReport> ReadLongBlock(ReportLink& link, const LongReport& request);

// Read key map; slots 0..99 defaults; pause 80 ms; the profile's assignments; write.
bool SendLongKeyMap(ReportLink& link, DeviceModel model,
                    const std::vector<KeyAssignment>& assignments,
                    const std::vector<MacroDefinition>& macros);
// Read light block; mode into byte 18, byte 17 cleared; write.
bool SendLongLightMode(ReportLink& link, int lightMode);
// Read light block; custom flag and selector of `slot` (0-based); write; pause 80 ms; read the
// on/off map; pause 80 ms; write the on/off map of the stored colours into `slot`.
void SendLongUserLight(ReportLink& link, DeviceModel model, int slot,
                       const std::vector<KeyColour>& colours);
// For slots 0..4: select it through the light block and write it an all-dark on/off map.
void ClearLongUserLights(ReportLink& link);
// Write 0x0D; read the light block. The light mode byte of the block when it came back.
std::optional<int> SelectLongProfile(ReportLink& link, int profile);
// Read light block; switches into byte 23; write.
bool SendLongGameMode(ReportLink& link, GameModeSwitches switches);
// The macro area in 512-byte chunks, 10 ms after each. Returns the area as sent.
LongMacroArea SendLongMacros(ReportLink& link, const std::vector<StoredMacro>& macros);
// Write 0x08 with the on/off map of the view's colours.
void SendLongMusicFrame(ReportLink& link, DeviceModel model, std::span<const KeyLight> keys);
// Write 0x0E.
void SendLongFactoryReset(ReportLink& link);

// What the keyboard reported after changing its profile or light mode by itself.
struct LongDeviceChange {
    int profile = 0;    // 1..5
    int lightMode = 0;  // byte 18 of the light block
};
// Reads one input report; only for one beginning 0x03, 0x08 reads the light block.
std::optional<LongDeviceChange> PollLongDeviceChange(ReportLink& link);

}  // namespace vekora

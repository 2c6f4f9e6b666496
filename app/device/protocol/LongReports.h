// Long-family reports (models 7, 8): 520 bytes, report id 6, the command in byte 1 (bit 7 set
// for reads), a sub-index in byte 2, chunk count, chunk index and a 16-bit byte count in bytes
// 4..7, data from byte 8. Writes of the key map and the light block are read-modify-writes:
// the helpers below change only their own bytes of a block the keyboard returned.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "device/protocol/ProtocolBuffers.h"
#include "store/Records.h"

namespace vekora {

enum class LongCommand : std::uint8_t {
    WriteKeyMap = 0x03,
    WriteLightBlock = 0x04,
    WriteMacroChunk = 0x05,
    WriteOnOffMap = 0x06,
    MusicFrame = 0x08,
    SelectProfile = 0x0D,
    FactoryReset = 0x0E,
    ReadKeyMap = 0x83,
    ReadLightBlock = 0x84,
    ReadOnOffMap = 0x86,
};

inline constexpr std::uint8_t kLongReportId = 6;
inline constexpr std::uint8_t kLongReadBit = 0x80;
inline constexpr int kLongIdOffset = 0;
inline constexpr int kLongCommandOffset = 1;
inline constexpr int kLongSubIndexOffset = 2;
inline constexpr int kLongChunkCountOffset = 4;
inline constexpr int kLongChunkIndexOffset = 5;
inline constexpr int kLongByteCountOffset = 6;  // 16 bits, little-endian
inline constexpr int kLongDataOffset = 8;
inline constexpr int kLongMaxData = 512;

inline constexpr int kLongKeyMapBytes = 504;  // 126 slots of 4 bytes
inline constexpr int kLongLightBlockBytes = 128;
inline constexpr int kLongOnOffBytes = 126;
inline constexpr int kLongDefaultedSlots = 100;  // slots 0..99 get the default table
inline constexpr std::uint8_t kLightBlockSubIndex = 1;

// Light block fields (report offsets).
inline constexpr int kLightProfileOffset = 8;  // 1..4, 0 meaning profile 5
inline constexpr int kLightCustomFlagOffset = 17;
inline constexpr int kLightModeOffset = 18;
inline constexpr int kLightCustomSelectorOffset = 19;  // 0x20 + user-light slot
inline constexpr int kLightGameModeOffset = 23;
inline constexpr std::uint8_t kCustomSelectorBase = 0x20;

inline constexpr std::uint8_t kOnOffLit = 0xFF;
using OnOffMap = std::array<std::uint8_t, kLongOnOffBytes>;

static_assert(kLongDataOffset + kLongMaxData == kLongWireSize);
static_assert(kLongDataOffset + kLongKeyMapBytes <= kLongWireSize);

// Sets bytes 0, 1, 2, 4, 6 and 7 (bytes 3 and 5 keep what they hold).
void SetLongHeader(LongReport& report, LongCommand command, std::uint8_t subIndex,
                   std::uint8_t chunkCount, int byteCount);

// A fresh report: zeros with the header of a single transfer.
LongReport BuildLongReport(LongCommand command, std::uint8_t subIndex, std::uint8_t chunkCount,
                           std::uint8_t chunkIndex, int byteCount);

LongReport BuildReadKeyMap();
LongReport BuildReadLightBlock();
LongReport BuildReadOnOffMap();

// Whether an answer carries the block of a read (its command byte is the read command).
bool IsLongAnswerTo(const LongReport& answer, LongCommand readCommand);

// ---- key map read-modify-write ----
// Which default table fills slots 0..99: the 87-key table for model 8, the 61-key table
// otherwise.
DeviceModel LongDefaultTableModel(DeviceModel model);
// Slots 0..99 become the default entries; slots 100..125 keep what the keyboard returned.
void ApplyLongDefaultSlots(LongReport& report, DeviceModel model);
// The stored assignments of a profile written into their slots. A key the model's lookup table
// does not know (slot 0 while slot 0 is not its place) is not written.
void ApplyLongAssignments(LongReport& report, DeviceModel model,
                          const std::vector<KeyAssignment>& assignments,
                          const std::vector<MacroDefinition>& macros);
void PrepareLongKeyMapWrite(LongReport& report);

// ---- light block read-modify-writes ----
void ApplyLongLightMode(LongReport& block, int lightMode);
void ApplyLongCustomLight(LongReport& block, int slot);  // slot 0-based
void ApplyLongGameMode(LongReport& block, GameModeSwitches switches);
void PrepareLongLightBlockWrite(LongReport& block);
// The profile (1..5) and light mode recorded in a light block.
int ProfileFromLightBlock(const LongReport& block);
int LightModeFromLightBlock(const LongReport& block);

// ---- on/off maps ----
// 0xFF for each key whose stored colour is not black; keys without a row stay 0.
OnOffMap BuildOnOffMapFromColours(DeviceModel model, const std::vector<KeyColour>& colours);
// 0xFF for each view key with a non-black colour.
OnOffMap BuildOnOffMapFromView(DeviceModel model, std::span<const KeyLight> keys);
LongReport BuildOnOffWrite(int slot, const OnOffMap& map);  // slot 0-based
LongReport BuildLongMusicFrame(const OnOffMap& map);

// ---- single commands ----
// Profile 1..4 as itself, 5 as 0.
LongReport BuildSelectProfile(int profile);
LongReport BuildFactoryReset();

// An input report of the secondary interface beginning 0x03, 0x08: the keyboard changed its
// profile or light mode by itself.
bool IsProfileChangeInput(std::span<const std::uint8_t> input);

}  // namespace vekora

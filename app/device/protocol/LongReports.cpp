#include "device/protocol/LongReports.h"

#include <algorithm>

#include "device/SlotTables.h"
#include "device/protocol/KeyMapEntries.h"

namespace vekora {

namespace {

void PutEntry(LongReport& report, int slot, const KeyMapEntry& entry) {
    std::copy(entry.begin(), entry.end(), report.begin() + kLongDataOffset + slot * 4);
}

}  // namespace

void SetLongHeader(LongReport& report, LongCommand command, std::uint8_t subIndex,
                   std::uint8_t chunkCount, int byteCount) {
    report[kLongIdOffset] = kLongReportId;
    report[kLongCommandOffset] = static_cast<std::uint8_t>(command);
    report[kLongSubIndexOffset] = subIndex;
    report[kLongChunkCountOffset] = chunkCount;
    report[kLongByteCountOffset] = LowByte(byteCount);
    report[kLongByteCountOffset + 1] = HighByte(byteCount);
}

LongReport BuildLongReport(LongCommand command, std::uint8_t subIndex, std::uint8_t chunkCount,
                           std::uint8_t chunkIndex, int byteCount) {
    LongReport r{};
    SetLongHeader(r, command, subIndex, chunkCount, byteCount);
    r[kLongChunkIndexOffset] = chunkIndex;
    return r;
}

LongReport BuildReadKeyMap() {
    return BuildLongReport(LongCommand::ReadKeyMap, 0, 1, 0, kLongKeyMapBytes);
}

LongReport BuildReadLightBlock() {
    return BuildLongReport(LongCommand::ReadLightBlock, kLightBlockSubIndex, 1, 0,
                           kLongLightBlockBytes);
}

LongReport BuildReadOnOffMap() {
    return BuildLongReport(LongCommand::ReadOnOffMap, kLightBlockSubIndex, 1, 0, kLongOnOffBytes);
}

bool IsLongAnswerTo(const LongReport& answer, LongCommand readCommand) {
    return answer[kLongIdOffset] == kLongReportId &&
           answer[kLongCommandOffset] == static_cast<std::uint8_t>(readCommand);
}

DeviceModel LongDefaultTableModel(DeviceModel model) {
    return model == DeviceModel::K87SingleLight ? DeviceModel::K87SingleLight
                                                : DeviceModel::K61SingleLight;
}

void ApplyLongDefaultSlots(LongReport& report, DeviceModel model) {
    const DeviceModel table = LongDefaultTableModel(model);
    for (int slot = 0; slot < kLongDefaultedSlots; ++slot) {
        const int code = DefaultKeyOfSlot(table, slot);
        PutEntry(report, slot, code == 0 ? KeyMapEntry{} : LongDefaultEntry(code));
    }
}

void ApplyLongAssignments(LongReport& report, DeviceModel model,
                          const std::vector<KeyAssignment>& assignments,
                          const std::vector<MacroDefinition>& macros) {
    for (const auto& a : assignments) {
        auto slot = PlacedSlotOfKey(model, a.key_code);
        if (!slot) {
            continue;
        }
        if (auto entry = LongKeyMapEntry(a, macros)) {
            PutEntry(report, *slot, *entry);
        }
    }
}

void PrepareLongKeyMapWrite(LongReport& report) {
    SetLongHeader(report, LongCommand::WriteKeyMap, 0, 1, kLongKeyMapBytes);
}

void ApplyLongLightMode(LongReport& block, int lightMode) {
    block[kLightModeOffset] = static_cast<std::uint8_t>(lightMode & 0xFF);
    block[kLightCustomFlagOffset] = 0;
}

void ApplyLongCustomLight(LongReport& block, int slot) {
    block[kLightCustomFlagOffset] = 1;
    block[kLightCustomSelectorOffset] = static_cast<std::uint8_t>(kCustomSelectorBase + slot);
}

void ApplyLongGameMode(LongReport& block, GameModeSwitches switches) {
    block[kLightGameModeOffset] = switches.Bits();
}

void PrepareLongLightBlockWrite(LongReport& block) {
    SetLongHeader(block, LongCommand::WriteLightBlock, kLightBlockSubIndex, 1,
                  kLongLightBlockBytes);
}

int ProfileFromLightBlock(const LongReport& block) {
    const int p = block[kLightProfileOffset];
    return p == 0 ? 5 : p;
}

int LightModeFromLightBlock(const LongReport& block) {
    return block[kLightModeOffset];
}

OnOffMap BuildOnOffMapFromColours(DeviceModel model, const std::vector<KeyColour>& colours) {
    OnOffMap map{};
    for (const auto& c : colours) {
        if (auto slot = PlacedSlotOfKey(model, c.key_code)) {
            map[static_cast<std::size_t>(*slot)] =
                IsLit(static_cast<std::uint32_t>(c.key_rgb)) ? kOnOffLit : 0;
        }
    }
    return map;
}

OnOffMap BuildOnOffMapFromView(DeviceModel model, std::span<const KeyLight> keys) {
    OnOffMap map{};
    for (const auto& k : keys) {
        if (auto slot = PlacedSlotOfKey(model, k.keyCode); slot && IsLit(k.colour)) {
            map[static_cast<std::size_t>(*slot)] = kOnOffLit;
        }
    }
    return map;
}

LongReport BuildOnOffWrite(int slot, const OnOffMap& map) {
    LongReport r = BuildLongReport(LongCommand::WriteOnOffMap, static_cast<std::uint8_t>(slot), 1,
                                   0, kLongOnOffBytes);
    std::copy(map.begin(), map.end(), r.begin() + kLongDataOffset);
    return r;
}

LongReport BuildLongMusicFrame(const OnOffMap& map) {
    LongReport r = BuildLongReport(LongCommand::MusicFrame, 0, 1, 0, kLongOnOffBytes);
    std::copy(map.begin(), map.end(), r.begin() + kLongDataOffset);
    return r;
}

LongReport BuildSelectProfile(int profile) {
    LongReport r = BuildLongReport(LongCommand::SelectProfile, 0, 1, 0, 1);
    r[kLongDataOffset] = static_cast<std::uint8_t>(profile == 5 ? 0 : profile);
    return r;
}

LongReport BuildFactoryReset() {
    return BuildLongReport(LongCommand::FactoryReset, 0, 0, 0, 0);
}

bool IsProfileChangeInput(std::span<const std::uint8_t> input) {
    return input.size() >= 2 && input[0] == 0x03 && input[1] == 0x08;
}

}  // namespace vekora

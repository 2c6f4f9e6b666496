#include "device/sync/LongTransactions.h"

namespace vekora {

std::optional<LongReport> ReadLongBlock(ReportLink& link, const LongReport& request) {
    LongReport answer = request;
    if (!link.ExchangeLongReport(answer)) {
        return std::nullopt;
    }
    // A fetch that failed leaves the request in place; no keyboard answers a read with the
    // request itself, whose data part is all zeros.
    if (answer == request || answer[kLongIdOffset] != kLongReportId) {
        return std::nullopt;
    }
    return answer;
}

bool SendLongKeyMap(ReportLink& link, DeviceModel model,
                    const std::vector<KeyAssignment>& assignments,
                    const std::vector<MacroDefinition>& macros) {
    auto map = ReadLongBlock(link, BuildReadKeyMap());
    if (!map) {
        return false;
    }
    ApplyLongDefaultSlots(*map, model);
    link.Pause(kLongStepPauseMs);
    ApplyLongAssignments(*map, model, assignments, macros);
    PrepareLongKeyMapWrite(*map);
    link.WriteLongReport(*map);
    return true;
}

bool SendLongLightMode(ReportLink& link, int lightMode) {
    auto block = ReadLongBlock(link, BuildReadLightBlock());
    if (!block) {
        return false;
    }
    ApplyLongLightMode(*block, lightMode);
    PrepareLongLightBlockWrite(*block);
    link.WriteLongReport(*block);
    return true;
}

void SendLongUserLight(ReportLink& link, DeviceModel model, int slot,
                       const std::vector<KeyColour>& colours) {
    if (auto block = ReadLongBlock(link, BuildReadLightBlock())) {
        ApplyLongCustomLight(*block, slot);
        PrepareLongLightBlockWrite(*block);
        link.WriteLongReport(*block);
    }
    link.Pause(kLongStepPauseMs);
    ReadLongBlock(link, BuildReadOnOffMap());
    link.Pause(kLongStepPauseMs);
    link.WriteLongReport(BuildOnOffWrite(slot, BuildOnOffMapFromColours(model, colours)));
}

void ClearLongUserLights(ReportLink& link) {
    for (int slot = 0; slot < 5; ++slot) {
        if (auto block = ReadLongBlock(link, BuildReadLightBlock())) {
            ApplyLongCustomLight(*block, slot);
            PrepareLongLightBlockWrite(*block);
            link.WriteLongReport(*block);
        }
        link.WriteLongReport(BuildOnOffWrite(slot, OnOffMap{}));
    }
}

std::optional<int> SelectLongProfile(ReportLink& link, int profile) {
    link.WriteLongReport(BuildSelectProfile(profile));
    auto block = ReadLongBlock(link, BuildReadLightBlock());
    if (!block) {
        return std::nullopt;
    }
    return LightModeFromLightBlock(*block);
}

bool SendLongGameMode(ReportLink& link, GameModeSwitches switches) {
    auto block = ReadLongBlock(link, BuildReadLightBlock());
    if (!block) {
        return false;
    }
    ApplyLongGameMode(*block, switches);
    PrepareLongLightBlockWrite(*block);
    link.WriteLongReport(*block);
    return true;
}

LongMacroArea SendLongMacros(ReportLink& link, const std::vector<StoredMacro>& macros) {
    auto area = BuildLongMacroArea(macros);
    const int chunks = LongMacroChunkCount(area);
    for (int i = 0; i < chunks; ++i) {
        link.WriteLongReport(BuildLongMacroChunk(area, i));
        link.Pause(kLongMacroChunkPauseMs);
    }
    return area;
}

void SendLongMusicFrame(ReportLink& link, DeviceModel model, std::span<const KeyLight> keys) {
    link.WriteLongReport(BuildLongMusicFrame(BuildOnOffMapFromView(model, keys)));
}

void SendLongFactoryReset(ReportLink& link) {
    link.WriteLongReport(BuildFactoryReset());
}

std::optional<LongDeviceChange> PollLongDeviceChange(ReportLink& link) {
    InputReport input{};
    link.ReadInputReport(input);
    if (!IsProfileChangeInput(input)) {
        return std::nullopt;
    }
    auto block = ReadLongBlock(link, BuildReadLightBlock());
    if (!block || !IsLongAnswerTo(*block, LongCommand::ReadLightBlock)) {
        return std::nullopt;
    }
    return LongDeviceChange{ProfileFromLightBlock(*block), LightModeFromLightBlock(*block)};
}

}  // namespace vekora

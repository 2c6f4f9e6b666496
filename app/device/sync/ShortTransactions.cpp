#include "device/sync/ShortTransactions.h"

#include "device/protocol/ShortCommands.h"

namespace vekora {

namespace {

bool Command(ReportLink& link, const ShortPayload& payload) {
    return link.SendReport(payload, static_cast<int>(kShortBlockSize), true);
}

bool Command(ReportLink& link, ShortCommand command) {
    return Command(link, BuildShortCommand(command));
}

// A data area of `blocks` 64-byte blocks goes out as one multi-report send whose length counts
// one block more than it carries.
bool Blocks(ReportLink& link, std::span<const std::uint8_t> area, int blocks) {
    return link.SendReport(area.first(static_cast<std::size_t>(blocks) * kShortBlockSize),
                           static_cast<int>(kShortBlockSize) * (blocks + 1), true);
}

void Close(ReportLink& link) {
    Command(link, ShortCommand::Commit);
    Command(link, ShortCommand::EndTransaction);
}

}  // namespace

void SendShortKeyMap(ReportLink& link, int profile, const ShortKeyMapArea& area) {
    Command(link, ShortCommand::BeginConfig);
    Command(link, BuildKeyMapCommand(profile));
    Blocks(link, area, kShortKeyMapBlocks);
    Close(link);
}

void SendShortLightMode(ReportLink& link, int profile, int lightMode) {
    Command(link, ShortCommand::BeginConfig);
    Command(link, BuildLightSettingsCommand(profile));
    const auto packet = BuildLightSettingsPacket(lightMode);
    link.SendReport(packet, static_cast<int>(kShortBlockSize), false);
    Close(link);
}

void SendShortUserLight(ReportLink& link, int userLight, const ShortColourArea& area) {
    Command(link, ShortCommand::BeginConfig);
    Command(link, BuildUserLightColoursCommand(userLight));
    Blocks(link, area, kShortColourBlocks);
    Close(link);
}

void ClearShortUserLights(ReportLink& link) {
    const auto empty = EmptyShortColourArea();
    for (int n = 1; n <= 5; ++n) {
        SendShortUserLight(link, n, empty);
    }
}

ShortMacroFit SendShortMacros(ReportLink& link, const std::vector<StoredMacro>& macros) {
    const auto area = BuildShortMacroArea(macros);
    if (area.fit != ShortMacroFit::Fits) {
        return area.fit;
    }
    Command(link, ShortCommand::BeginMacro);
    Command(link, BuildMacroAreaCommand(area.blocks));
    link.Pause(kShortMacroPauseMs);
    Blocks(link, area.bytes, area.blocks);
    Command(link, ShortCommand::Commit);
    return ShortMacroFit::Fits;
}

void SendShortGameMode(ReportLink& link, int profile, GameModeSwitches switches) {
    Command(link, ShortCommand::BeginConfig);
    Command(link, BuildGameModeCommand(profile));
    Command(link, BuildGameModePacket(switches));
    Command(link, ShortCommand::Commit);
}

bool SendShortMusicFrame(ReportLink& link, const FramePayload& frame) {
    if (!Command(link, BuildMusicFrameCommand())) {
        return false;
    }
    if (!link.SendFrame(frame)) {
        return false;
    }
    Command(link, ShortCommand::Commit);
    return true;
}

std::optional<int> QueryShortProfile(ReportLink& link, int currentProfile) {
    auto payload = BuildShortCommand(ShortCommand::ReadProfile);
    if (!link.QueryReport(payload)) {
        return std::nullopt;
    }
    // Only a real profile number is taken over; anything else is a garbled answer.
    auto profile = ProfileFromShortAnswer(payload);
    if (profile && *profile >= 1 && *profile <= 5 && *profile != currentProfile) {
        return profile;
    }
    return std::nullopt;
}

void SendShortCommit(ReportLink& link) {
    Command(link, ShortCommand::Commit);
}

std::optional<std::vector<KeyLight>> ReadShortKeyColours(ReportLink& link, DeviceModel model,
                                                         bool revisionFlag,
                                                         std::span<const int> viewKeys) {
    SeriesArea series{};
    const auto request = BuildShortCommand(ShortCommand::ReadKeyColours, 1);
    std::copy(request.begin(), request.end(), series.begin());
    std::optional<std::vector<KeyLight>> colours;
    if (link.QueryReportSeries(series)) {
        colours = ColoursFromShortArea(model, revisionFlag, series, viewKeys);
    }
    Command(link, ShortCommand::Commit);
    return colours;
}

std::optional<int> ReadShortBattery(ReportLink& link) {
    auto payload = BuildShortCommand(ShortCommand::ReadBattery);
    if (!link.ExchangeReport(payload)) {
        return std::nullopt;
    }
    return BatteryFromShortAnswer(payload);
}

}  // namespace vekora

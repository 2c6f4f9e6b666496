// Every command of the tool, one definition per command (or group) file.
#pragma once

#include <span>

#include "CommandLine.h"

namespace vekora::ctl {

const Command& StatusCommand();
const Command& DevicesCommand();
const Command& ModelsCommand();
const Command& ModelCommand();
const Command& ProfileCommand();
const Command& KeyCommand();
const Command& KeysCommand();
const Command& LightCommand();
const Command& LightsCommand();
const Command& UserLightCommand();
const Command& LockCommand();
const Command& MacroCommand();
const Command& ResetCommand();
const Command& ExportProfileCommand();
const Command& ImportProfileCommand();
const Command& ExportLightCommand();
const Command& ImportLightCommand();
const Command& MusicCommand();
const Command& LanguageCommand();
const Command& AutorunCommand();
const Command& DoctorCommand();

// All commands in the order of the help text.
std::span<const Command* const> AllCommands();

// Runs a command with the arguments after its name: parses them, answers --help, opens the
// context when the command needs it, and returns the exit status.
int RunCommand(const Command& command, std::span<char* const> args);

}  // namespace vekora::ctl

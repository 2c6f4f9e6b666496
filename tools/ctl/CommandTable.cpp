#include <array>

#include "Commands.h"
#include "Context.h"

namespace vekora::ctl {

std::span<const Command* const> AllCommands() {
    static const std::array<const Command*, 21> kCommands = {
        &StatusCommand(),      &DevicesCommand(),       &ModelsCommand(),
        &ModelCommand(),       &ProfileCommand(),       &KeyCommand(),
        &KeysCommand(),        &LightCommand(),         &LightsCommand(),
        &UserLightCommand(),   &LockCommand(),          &MacroCommand(),
        &ResetCommand(),       &ExportProfileCommand(), &ImportProfileCommand(),
        &ExportLightCommand(), &ImportLightCommand(),   &MusicCommand(),
        &LanguageCommand(),    &AutorunCommand(),       &DoctorCommand(),
    };
    return kCommands;
}

int RunCommand(const Command& command, std::span<char* const> args) {
    std::string error;
    const auto parsed = ParseCommandArgs(args, command.options, error);
    bool json = false;
    for (char* a : args) {
        json = json || std::string_view(a) == "--json";
    }
    Context context(stdout, stderr, json);
    if (!parsed) {
        return context.UsageError(command.name, error);
    }
    if (parsed->help) {
        std::fprintf(stdout, "%.*s", static_cast<int>(command.usage.size()), command.usage.data());
        return kExitOk;
    }
    return command.run(context, *parsed);
}

}  // namespace vekora::ctl

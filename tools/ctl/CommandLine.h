// The tool's command framework: exit codes, the parsed arguments of one command, and the
// command table entry every command file provides.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vekora::ctl {

// Exit status of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;     // anything else that went wrong
inline constexpr int kExitUsage = 2;       // the command line was not understood
inline constexpr int kExitNoKeyboard = 3;  // the flow needs a connected keyboard
inline constexpr int kExitRefused = 4;     // refused by the system's rules (profile E, ...)

struct OptionSpec {
    std::string_view name;  // "--seconds"
    bool takesValue = false;
};

struct CommandArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;  // "--seconds" -> "5"
    bool json = false;
    bool help = false;

    bool Has(std::string_view option) const { return options.count(option) > 0; }
    // The option's value, or nothing when the option was not given.
    std::optional<std::string> Value(std::string_view option) const;
};

// Parses the arguments after the command name. Options start with "--" (a lone "-" and
// anything else are positional, so the minus key can be named); "--" ends the options.
// "--json" and "--help" are known to every command. An unknown option or a missing value
// gives nothing and `error`.
std::optional<CommandArgs> ParseCommandArgs(std::span<char* const> args,
                                            std::span<const OptionSpec> options,
                                            std::string& error);

class Context;

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the command list
    std::string_view usage;    // the --help text (synopsis and details)
    std::span<const OptionSpec> options;
    int (*run)(Context& context, const CommandArgs& args);
};

// Whole-number argument in [min, max]; nothing for other text.
std::optional<int> ParseIntArg(std::string_view text, int min, int max);

}  // namespace vekora::ctl

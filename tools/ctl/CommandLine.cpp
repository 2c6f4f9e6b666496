#include "CommandLine.h"

#include <charconv>

namespace vekora::ctl {

std::optional<std::string> CommandArgs::Value(std::string_view option) const {
    const auto it = options.find(option);
    if (it == options.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<CommandArgs> ParseCommandArgs(std::span<char* const> args,
                                            std::span<const OptionSpec> options,
                                            std::string& error) {
    CommandArgs result;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 3 || arg.substr(0, 2) != "--") {
            if (!optionsEnded && arg == "--") {
                optionsEnded = true;
                continue;
            }
            result.positional.emplace_back(arg);
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const size_t eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (name == "--json" && !inlineValue) {
            result.json = true;
            continue;
        }
        if (name == "--help" && !inlineValue) {
            result.help = true;
            continue;
        }
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& o : options) {
            if (o.name == name) {
                spec = &o;
            }
        }
        if (!spec) {
            error = "unknown option '" + std::string(name) + "'";
            return std::nullopt;
        }
        if (!spec->takesValue) {
            if (inlineValue) {
                error = "option '" + std::string(name) + "' takes no value";
                return std::nullopt;
            }
            result.options[std::string(name)] = "";
            continue;
        }
        if (inlineValue) {
            result.options[std::string(name)] = std::string(*inlineValue);
        } else if (i + 1 < args.size()) {
            result.options[std::string(name)] = args[++i];
        } else {
            error = "option '" + std::string(name) + "' needs a value";
            return std::nullopt;
        }
    }
    return result;
}

std::optional<int> ParseIntArg(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace vekora::ctl

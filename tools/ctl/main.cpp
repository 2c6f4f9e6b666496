// vekora-ctl: the command-line front end over the application core.
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>

#include "Commands.h"

namespace {

using namespace vekora::ctl;

int Usage(std::FILE* out) {
    std::fputs(
        "usage: vekora-ctl COMMAND [ARGS...] [--json] [--help]\n"
        "\n"
        "Configures Vekora keyboards from the command line, over the same settings as the\n"
        "Vekora Control Hub window.\n"
        "\n"
        "commands:\n",
        out);
    for (const Command* c : AllCommands()) {
        std::fprintf(out, "  %-15.*s %.*s\n", static_cast<int>(c->name.size()), c->name.data(),
                     static_cast<int>(c->summary.size()), c->summary.data());
    }
    std::fputs(
        "\n"
        "Every command takes --json (machine-readable output) and --help.\n"
        "Exit status: 0 success, 1 failure, 2 usage error, 3 no keyboard connected,\n"
        "4 refused (for example a change to Profile E).\n",
        out);
    return out == stdout ? kExitOk : kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage(stderr);
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        return Usage(stdout);
    }
    for (const Command* c : AllCommands()) {
        if (c->name == name) {
            return RunCommand(*c, std::span<char* const>(argv + 2, static_cast<size_t>(argc - 2)));
        }
    }
    std::fprintf(stderr, "vekora-ctl: unknown command '%s'\n\n", argv[1]);
    return Usage(stderr);
}

// vekora-ctl: the command-line front end over the application core.
#include <cstdio>
#include <cstring>

#include "ModelsCommand.h"

namespace {

int Usage(FILE* out) {
    std::fputs(
        "usage: vekora-ctl COMMAND\n"
        "\n"
        "commands:\n"
        "  models    list the keyboard models this program knows\n",
        out);
    return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage(stderr);
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))
        return Usage(stdout);
    if (!std::strcmp(argv[1], "models"))
        return vekora::ctl::ListModels(stdout);
    std::fprintf(stderr, "vekora-ctl: unknown command '%s'\n", argv[1]);
    return Usage(stderr);
}

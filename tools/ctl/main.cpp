// vekora-ctl: the command-line front end over the application core.
#include <cstdio>
#include <cstring>

#include "device/DeviceModel.h"

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

int ListModels() {
    for (vekora::DeviceModel m : vekora::kAllDeviceModels) {
        const auto name = vekora::DeviceModelName(m);
        std::printf("%3d  %.*s\n", vekora::ToCode(m), static_cast<int>(name.size()), name.data());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage(stderr);
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h"))
        return Usage(stdout);
    if (!std::strcmp(argv[1], "models"))
        return ListModels();
    std::fprintf(stderr, "vekora-ctl: unknown command '%s'\n", argv[1]);
    return Usage(stderr);
}

// `vekora-ctl export-profile DIR`, `import-profile FILE`, `export-light ID DIR` and
// `import-light FILE`: the profile and light files, with the paths given on the command line
// where the window asks with its file dialogs.
#include <filesystem>
#include <system_error>

#include "Commands.h"
#include "Context.h"
#include "features/files/FileChooser.h"
#include "features/files/LightTransfer.h"
#include "features/files/ProfileTransfer.h"
#include "store/Utf8.h"

namespace vekora::ctl {
namespace {

namespace fs = std::filesystem;

// The answer of the file dialogs: the path from the command line.
class GivenPath : public FileChooser {
public:
    explicit GivenPath(fs::path path) : path_(std::move(path)) {}
    std::optional<fs::path> ChooseFolder(const std::wstring&) override { return path_; }
    std::optional<fs::path> ChooseFile(const std::wstring&, const std::wstring&) override {
        return path_;
    }

private:
    fs::path path_;
};

int CheckFolder(Context& ctx, const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return ctx.Fail(kExitFailure, "'" + folder + "' is not a folder");
    }
    return kExitOk;
}

int CheckFile(Context& ctx, const std::string& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return ctx.Fail(kExitFailure, "'" + file + "' is not a readable file");
    }
    return kExitOk;
}

int Written(Context& ctx, const std::optional<fs::path>& file, const std::string& folder) {
    if (!file) {
        return ctx.StatusFromMessages(
            ctx.Fail(kExitFailure, "could not write the file in '" + folder + "'"));
    }
    ctx.Print(file->string());
    ctx.EmitJson(Json::Object().Set("path", file->string()));
    return kExitOk;
}

int RunExportProfile(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 1) {
        return ctx.UsageError("export-profile", "expects one folder DIR");
    }
    if (const int rc = CheckFolder(ctx, args.positional[0]); rc != kExitOk) {
        return rc;
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    GivenPath chooser(args.positional[0]);
    ProfileTransfer transfer(ctx.session(), ctx.db(), chooser);
    return Written(ctx, transfer.Export(), args.positional[0]);
}

int RunImportProfile(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 1) {
        return ctx.UsageError("import-profile", "expects one FILE");
    }
    if (const int rc = CheckFile(ctx, args.positional[0]); rc != kExitOk) {
        return rc;
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    GivenPath chooser(args.positional[0]);
    ProfileTransfer transfer(ctx.session(), ctx.db(), chooser);
    const ProfileImportResult result = transfer.ImportFile(args.positional[0]);
    if (!result.loaded) {
        return ctx.Fail(kExitFailure, "'" + args.positional[0] +
                                          "' is not a well-formed profile file; nothing was "
                                          "imported");
    }
    // As the window does after an import: the model is set up again, which loads and sends
    // the (possibly new) current profile.
    ctx.SelectProfile(ctx.session().profile);
    if (!result.profile && result.itemsStored == 0) {
        // Well-formed, but not a profile this keyboard can use (another root element, or only
        // profiles the model does not offer): say so instead of reporting an empty import.
        return ctx.Fail(kExitFailure, "'" + args.positional[0] +
                                          "' holds no profile for this keyboard; nothing was "
                                          "imported");
    }
    ctx.Print("imported " + std::to_string(result.itemsStored) + " key assignments; " +
              ProfileTitle(ctx.session().profile) + " is current");
    ctx.EmitJson(Json::Object()
                     .Set("path", args.positional[0])
                     .Set("items", result.itemsStored)
                     .Set("profile", ctx.session().profile));
    return ctx.StatusFromMessages();
}

int RunExportLight(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 2) {
        return ctx.UsageError("export-light", "expects a user light ID and a folder DIR");
    }
    const auto id = ParseIntArg(args.positional[0], 1, 1 << 30);
    if (!id) {
        return ctx.UsageError("export-light", "bad user light id '" + args.positional[0] + "'");
    }
    if (const int rc = CheckFolder(ctx, args.positional[1]); rc != kExitOk) {
        return rc;
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    LightingController& lighting = ctx.lighting();
    int index = -1;
    for (size_t i = 0; i < lighting.UserLights().size(); ++i) {
        if (lighting.UserLights()[i].lightId == *id) {
            index = static_cast<int>(i);
        }
    }
    if (index < 0) {
        return ctx.Fail(kExitFailure, "no user light with id " + std::to_string(*id));
    }
    lighting.SelectUserLight(index);
    GivenPath chooser(args.positional[1]);
    LightTransfer transfer(ctx.db(), chooser, lighting);
    const auto file = transfer.Export();
    if (!file && ctx.view().Shown(kNotModifiableTextId)) {
        return kExitRefused;
    }
    return Written(ctx, file, args.positional[1]);
}

int RunImportLight(Context& ctx, const CommandArgs& args) {
    if (args.positional.size() != 1) {
        return ctx.UsageError("import-light", "expects one FILE");
    }
    if (const int rc = CheckFile(ctx, args.positional[0]); rc != kExitOk) {
        return rc;
    }
    if (const int rc = ctx.Open(); rc != kExitOk) {
        return rc;
    }
    GivenPath chooser(args.positional[0]);
    LightTransfer transfer(ctx.db(), chooser, ctx.lighting());
    const auto id = transfer.Import();
    if (!id) {
        if (ctx.view().Shown(kNotModifiableTextId)) {
            return kExitRefused;
        }
        return ctx.Fail(kExitFailure, "'" + args.positional[0] +
                                          "' is not a well-formed light file; nothing was "
                                          "imported");
    }
    std::wstring name;
    for (const UserLightListItem& item : ctx.lighting().UserLights()) {
        if (item.lightId == *id) {
            name = item.name;
        }
    }
    ctx.Print("imported user light " + std::to_string(*id) + ": " + WideToUtf8(name));
    ctx.EmitJson(Json::Object().Set("light_id", *id).Set("name", name));
    return kExitOk;
}

}  // namespace

const Command& ExportProfileCommand() {
    static const Command c{"export-profile",
                           "write the current profile's keys to a file",
                           "usage: vekora-ctl export-profile DIR [--json]\n"
                           "\n"
                           "Writes the current profile's key assignments as a profile file\n"
                           "(\"Profile A-<tick>.xml\") into folder DIR and prints its path.\n",
                           {},
                           RunExportProfile};
    return c;
}

const Command& ImportProfileCommand() {
    static const Command c{"import-profile",
                           "read key assignments from a profile file",
                           "usage: vekora-ctl import-profile FILE [--json]\n"
                           "\n"
                           "Stores the key assignments of a profile file; the file's profile\n"
                           "becomes current when the model offers it. A file that is not\n"
                           "well-formed changes nothing (exit 1).\n",
                           {},
                           RunImportProfile};
    return c;
}

const Command& ExportLightCommand() {
    static const Command c{"export-light",
                           "write a user light to a light file",
                           "usage: vekora-ctl export-light ID DIR [--json]\n"
                           "\n"
                           "Writes user light ID's coloured keys as a light file\n"
                           "(\"<name>-<tick>.xml\") into folder DIR and prints its path.\n",
                           {},
                           RunExportLight};
    return c;
}

const Command& ImportLightCommand() {
    static const Command c{"import-light",
                           "add a user light from a light file",
                           "usage: vekora-ctl import-light FILE [--json]\n"
                           "\n"
                           "Creates a new user light named as in the file, with its colours.\n"
                           "A file that is not well-formed changes nothing (exit 1).\n",
                           {},
                           RunImportLight};
    return c;
}

}  // namespace vekora::ctl

#include "store/Autostart.h"

#include <string>
#include <system_error>

#include "store/AtomicFile.h"
#include "store/Folders.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;

// The Exec key of a desktop entry: the program quoted as one argument, then the escapes of a
// string value. Inside quotes '"', '`', '$' and '\' take a backslash; as a string value every
// backslash is doubled again; a literal '%' is written "%%" (it starts field codes).
std::string ExecValue(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else
            value += c;
    }
    return value;
}

}  // namespace

fs::path AutostartEntryFile() {
    const fs::path folder = AutostartFolder();
    return folder.empty() ? fs::path{} : folder / "vekora-control-hub.desktop";
}

bool IsAutostartEnabled() {
    const fs::path entry = AutostartEntryFile();
    std::error_code ec;
    return !entry.empty() && fs::exists(entry, ec);
}

bool EnableAutostart(const fs::path& program) {
    const std::string path = program.string();
    // A desktop entry is line based; a path with a line break or control character cannot be
    // written into it faithfully.
    if (!program.is_absolute())
        return false;
    for (char c : path) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    }
    const fs::path entry = AutostartEntryFile();
    if (entry.empty() || !CreateFolderPath(entry.parent_path()))
        return false;
    const std::string content =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Vekora Control Hub\n"
        "Comment=Configuration utility for Vekora keyboards\n"
        "Exec=" +
        ExecValue(path) +
        "\n"
        "Icon=vekora-control-hub\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n";
    return WriteFileAtomically(entry, content, 0644);
}

bool EnableAutostart() {
    return EnableAutostart(ProgramFile());
}

bool DisableAutostart() {
    const fs::path entry = AutostartEntryFile();
    if (entry.empty())
        return false;
    std::error_code ec;
    fs::remove(entry, ec);
    return !ec;
}

}  // namespace vekora

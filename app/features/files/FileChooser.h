// FileChooser: how the export and import actions ask the user for a folder or a file. The
// desktop implementation uses the portal's file chooser (or zenity/kdialog); tests script
// the answers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vekora {

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // Asks for an existing folder; empty when the user cancels.
    virtual std::optional<std::filesystem::path> ChooseFolder(const std::wstring& title) = 0;

    // Asks for an existing file matching `pattern` ("*.xml"), offered under the filter name
    // ("Custom Key (*.xml)"); empty when the user cancels.
    virtual std::optional<std::filesystem::path> ChooseFile(const std::wstring& filterName,
                                                            const std::wstring& pattern) = 0;
};

}  // namespace vekora

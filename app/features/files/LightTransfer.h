// Exporting the selected user light to a light file and importing one as a new user light.
#pragma once

#include <filesystem>
#include <optional>

#include "features/files/ExportFileName.h"
#include "features/files/FileChooser.h"
#include "features/lighting/LightingController.h"
#include "store/ConfigDatabase.h"

namespace vekora {

class LightTransfer {
public:
    LightTransfer(ConfigDatabase& db, FileChooser& chooser, LightingController& lighting,
                  TextLookup text = CurrentLanguageTexts(), TickSource ticks = SystemTickCount);

    // With a user light selected, asks for a folder and writes "<name>-<tick>.xml" with its
    // coloured keys. Returns the file written; empty when nothing is selected, the user
    // cancels or the write fails.
    std::optional<std::filesystem::path> Export();

    // Asks for a file and imports it.
    std::optional<int> Import();
    // Export and Import belong to the user-light list, which refuses every action on models 7
    // and 8 in profile 5 ("This mode does not support modification!").

    // Creates a new user light named as in the file, stores its colours and appends it to the
    // user-light list. Returns the new id; empty when the file is missing, not well-formed,
    // not a light file, or the user light cannot be created.
    std::optional<int> ImportFile(const std::filesystem::path& path);

private:
    ConfigDatabase& db_;
    FileChooser& chooser_;
    LightingController& lighting_;
    TextLookup text_;
    TickSource ticks_;
};

}  // namespace vekora

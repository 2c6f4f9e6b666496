// Exporting the current profile's key assignments to a profile file and importing one.
#pragma once

#include <filesystem>
#include <optional>

#include "features/FeatureSession.h"
#include "features/files/ExportFileName.h"
#include "features/files/FileChooser.h"
#include "store/ConfigDatabase.h"

namespace vekora {

struct ProfileImportResult {
    // The file was a well-formed document: the main window sets the model up again, which
    // loads and shows the (possibly new) current profile.
    bool loaded = false;
    // The profile the file made current, when it named one the model offers.
    std::optional<int> profile;
    int itemsStored = 0;
};

class ProfileTransfer {
public:
    ProfileTransfer(FeatureSession& session, ConfigDatabase& db, FileChooser& chooser,
                    TextLookup text = CurrentLanguageTexts(), TickSource ticks = SystemTickCount);

    // Asks for a folder and writes "<Profile X>-<tick>.xml" there with the current profile's
    // assignments. Returns the file written; empty when cancelled or the write failed.
    std::optional<std::filesystem::path> Export();

    // Asks for a file and imports it.
    ProfileImportResult Import();

    // Imports a file: nothing at all is stored from a missing or not well-formed file. The
    // file's profile becomes current (and is stored as the model's profile setting) only when
    // the model offers it; each item is stored under its own profile 1..5, others are skipped.
    ProfileImportResult ImportFile(const std::filesystem::path& path);

private:
    FeatureSession& session_;
    ConfigDatabase& db_;
    FileChooser& chooser_;
    TextLookup text_;
    TickSource ticks_;
};

// Profile E exists only on models 7 and 8; the others offer profiles 1..4.
bool ModelOffersProfile(DeviceModel model, int profile);

}  // namespace vekora

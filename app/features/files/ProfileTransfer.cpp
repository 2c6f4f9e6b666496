#include "features/files/ProfileTransfer.h"

#include <vector>

#include "features/files/ProfileFile.h"
#include "store/Settings.h"
#include "xml/XmlReader.h"

namespace vekora {

bool ModelOffersProfile(DeviceModel model, int profile) {
    const bool hasProfileE = model == DeviceModel::K61SE || model == DeviceModel::K87SingleLight;
    return profile >= 1 && profile <= (hasProfileE ? 5 : 4);
}

ProfileTransfer::ProfileTransfer(FeatureSession& session, ConfigDatabase& db, FileChooser& chooser,
                                 TextLookup text, TickSource ticks)
    : session_(session),
      db_(db),
      chooser_(chooser),
      text_(std::move(text)),
      ticks_(std::move(ticks)) {}

std::optional<std::filesystem::path> ProfileTransfer::Export() {
    if (!IsValidProfile(session_.profile)) {
        return std::nullopt;
    }
    const auto folder = chooser_.ChooseFolder(text_(kChooseProfileFolderTextId));
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    const int profile = session_.profile;
    const std::wstring name = text_(kProfileTitleFirstTextId + profile - 1);
    std::vector<KeyAssignment> assignments;
    db_.LoadKeyAssignments(profile, assignments);
    const xml::XmlWriter document = BuildProfileDocument(name, profile, assignments);
    if (document.HasError()) {
        return std::nullopt;
    }
    const std::filesystem::path path = ExportFilePath(*folder, name, ticks_());
    if (!document.Save(path)) {
        return std::nullopt;
    }
    return path;
}

ProfileImportResult ProfileTransfer::Import() {
    const auto path = chooser_.ChooseFile(L"Custom Key (*.xml)", L"*.xml");
    if (!path) {
        return {};
    }
    return ImportFile(*path);
}

ProfileImportResult ProfileTransfer::ImportFile(const std::filesystem::path& path) {
    ProfileImportResult result;
    std::string bytes;
    if (xml::ReadXmlFileBytes(path, bytes) != xml::XmlLoadStatus::Ok) {
        return result;
    }
    const std::optional<ProfileFileContents> contents = ParseProfileFile(bytes);
    if (!contents) {
        return result;
    }
    result.loaded = true;
    if (contents->profile && ModelOffersProfile(session_.model, *contents->profile)) {
        result.profile = contents->profile;
        session_.profile = *contents->profile;
        WriteProfileSetting(session_.model, session_.profile);
    }
    for (const KeyAssignment& item : contents->items) {
        db_.SaveKeyAssignment(item);
        ++result.itemsStored;
    }
    return result;
}

}  // namespace vekora

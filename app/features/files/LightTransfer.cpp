#include "features/files/LightTransfer.h"

#include <vector>

#include "features/files/LightFile.h"
#include "xml/XmlReader.h"

namespace vekora {

LightTransfer::LightTransfer(ConfigDatabase& db, FileChooser& chooser, LightingController& lighting,
                             TextLookup text, TickSource ticks)
    : db_(db),
      chooser_(chooser),
      lighting_(lighting),
      text_(std::move(text)),
      ticks_(std::move(ticks)) {}

std::optional<std::filesystem::path> LightTransfer::Export() {
    if (lighting_.RefuseReadOnlyEdit()) {
        return std::nullopt;
    }
    const auto light = lighting_.SelectedUserLight();
    if (!light) {
        return std::nullopt;
    }
    const auto folder = chooser_.ChooseFolder(text_(kUserLightsTextId));
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    std::vector<KeyColour> colours;
    db_.LoadKeyColours(light->lightId, colours);
    const xml::XmlWriter document = BuildLightDocument(light->name, colours);
    if (document.HasError()) {
        return std::nullopt;
    }
    const std::filesystem::path path = ExportFilePath(*folder, light->name, ticks_());
    if (!document.Save(path)) {
        return std::nullopt;
    }
    return path;
}

std::optional<int> LightTransfer::Import() {
    if (lighting_.RefuseReadOnlyEdit()) {
        return std::nullopt;
    }
    const auto path = chooser_.ChooseFile(L"User Light(*.xml)", L"*.xml");
    if (!path) {
        return std::nullopt;
    }
    return ImportFile(*path);
}

std::optional<int> LightTransfer::ImportFile(const std::filesystem::path& path) {
    std::string bytes;
    if (xml::ReadXmlFileBytes(path, bytes) != xml::XmlLoadStatus::Ok) {
        return std::nullopt;
    }
    const std::optional<LightFileContents> contents = ParseLightFile(bytes);
    if (!contents || !contents->isLightFile) {
        return std::nullopt;
    }
    const int id = db_.AddUserLight(contents->name);
    if (id <= 0) {
        return std::nullopt;
    }
    if (contents->hasLedItems) {
        std::vector<KeyColour> rows;
        for (const LightFileColour& c : contents->colours) {
            KeyColour row{};
            row.profile = 1;
            row.light = id;
            row.key_code = c.keyCode;
            row.key_rgb = c.rgb;
            rows.push_back(row);
        }
        db_.SaveKeyColours(rows);
    }
    lighting_.AppendUserLight(id, contents->name);
    return id;
}

}  // namespace vekora

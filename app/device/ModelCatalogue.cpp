#include "device/ModelCatalogue.h"

#include <array>

namespace vekora {
namespace {

struct CatalogueRow {
    DeviceModel model;
    std::string_view description;
    DrivePath drive;
    LightingFamily lighting;
    std::string_view userGuide;
    int deviceListEntry;  // -1: none
};

// The 61-key single-colour model 6 has no guide of its own; the 87-key single-colour model
// shares the 61 SE guide, as both belong to the long-report family.
constexpr std::array<CatalogueRow, 10> kRows = {{
    {DeviceModel::K61, "61 keys, RGB", DrivePath::OwnReports, LightingFamily::General,
     "doc/Vekora 61k User guide.pdf", 0},
    {DeviceModel::K61Cnc, "61 keys, CNC case", DrivePath::OwnReports, LightingFamily::General, "",
     -1},
    {DeviceModel::K64, "64 keys", DrivePath::OwnReports, LightingFamily::General, "", -1},
    {DeviceModel::K68, "68 keys", DrivePath::OwnReports, LightingFamily::General,
     "doc/Vekora 68k User guide.pdf", -1},
    {DeviceModel::K61SingleLight, "61 keys, single colour", DrivePath::OwnReports,
     LightingFamily::General, "", 0},
    {DeviceModel::K61SE, "61 keys, single colour (SE)", DrivePath::OwnReports,
     LightingFamily::SingleColour, "doc/Vekora 61sek User guide.pdf", 0},
    {DeviceModel::K87SingleLight, "87 keys, single colour", DrivePath::OwnReports,
     LightingFamily::SingleColour, "doc/Vekora 61sek User guide.pdf", 0},
    {DeviceModel::K87Rgb, "87 keys, RGB", DrivePath::DeviceLibrary, LightingFamily::Rgb,
     "doc/Vekora k87 User guide.pdf", 1},
    {DeviceModel::K98Rgb, "98 keys, RGB", DrivePath::DeviceLibrary, LightingFamily::Rgb,
     "doc/Vekora k98 User guide.pdf", 2},
    {DeviceModel::NewModel, "placeholder picture only", DrivePath::None, LightingFamily::General,
     "", 2},
}};

const CatalogueRow* Find(DeviceModel m) {
    for (const CatalogueRow& row : kRows) {
        if (row.model == m)
            return &row;
    }
    return nullptr;
}

// Handed to OpenDevice of our device library (tarnexio/, libTarnexio.so), the only consumer:
// the code tells it which keyboard (87- or 98-key) it is asked to open. The text is
// "vekora-k87-rgb" / "vekora-k98-rgb" followed by a byte 01 / 02, in hex.
constexpr std::wstring_view kOpenCodeK87Rgb = L"76656b6f72612d6b38372d72676201";
constexpr std::wstring_view kOpenCodeK98Rgb = L"76656b6f72612d6b39382d72676202";
static_assert(kOpenCodeK87Rgb.size() == kOpenCodeLength);
static_assert(kOpenCodeK98Rgb.size() == kOpenCodeLength);

}  // namespace

std::string_view KeyboardDescription(DeviceModel m) {
    const CatalogueRow* row = Find(m);
    return row ? row->description : std::string_view{};
}

DrivePath DrivePathOf(DeviceModel m) {
    const CatalogueRow* row = Find(m);
    return row ? row->drive : DrivePath::None;
}

std::string_view DrivePathName(DrivePath path) {
    switch (path) {
        case DrivePath::OwnReports:
            return "own reports";
        case DrivePath::DeviceLibrary:
            return "device library";
        case DrivePath::None:
            break;
    }
    return "none";
}

bool DrivenByDeviceLibrary(DeviceModel m) {
    return DrivePathOf(m) == DrivePath::DeviceLibrary;
}

LightingFamily LightingFamilyOf(DeviceModel m) {
    const CatalogueRow* row = Find(m);
    return row ? row->lighting : LightingFamily::General;
}

std::string_view UserGuidePath(DeviceModel m) {
    const CatalogueRow* row = Find(m);
    return row ? row->userGuide : std::string_view{};
}

std::optional<int> DeviceListEntryOf(DeviceModel m) {
    const CatalogueRow* row = Find(m);
    if (!row || row->deviceListEntry < 0)
        return std::nullopt;
    return row->deviceListEntry;
}

DeviceModel ModelOfDeviceListEntry(int entry) {
    switch (entry) {
        case 0:
            return DeviceModel::K61SE;
        case 1:
            return DeviceModel::K87Rgb;
        case 2:
            return DeviceModel::K98Rgb;
        default:
            return DeviceModel::None;
    }
}

std::wstring_view OpenCode(DeviceModel m) {
    switch (m) {
        case DeviceModel::K87Rgb:
            return kOpenCodeK87Rgb;
        case DeviceModel::K98Rgb:
            return kOpenCodeK98Rgb;
        default:
            return {};
    }
}

DeviceModel StartupModel(DeviceModel scanned, int storedDevType) {
    if (scanned != DeviceModel::None)
        return scanned;
    const DeviceModel stored = DeviceModelFromCode(storedDevType);
    return stored != DeviceModel::None ? stored : DeviceModel::K61;
}

int NormalizedColorVariant(int stored) {
    return stored <= 0 ? 1 : stored;
}

}  // namespace vekora

#include "device/ModelNames.h"

#include <array>

namespace vekora {
namespace {

struct ModelNameRow {
    DeviceModel model;
    std::string_view databaseStem;
    std::string_view profileSetting;
    std::string_view colourSetting;
};

// Models 6 and 7 share one database and one profile value: they are the same keyboard body.
constexpr std::array<ModelNameRow, 10> kRows = {{
    {DeviceModel::K61, "vekora61k", "Vekora61", "Vekora61kColorMode"},
    {DeviceModel::K61Cnc, "", "", "VekoraCNC61kColorMode"},
    {DeviceModel::K64, "", "", "Vekora64kColorMode"},
    {DeviceModel::K68, "vekora68k", "Vekora68", "Vekora68kColorMode"},
    {DeviceModel::K61SingleLight, "vekora61k_singlelight", "Vekora61SingleLight",
     "Vekora61kSingleLightMode"},
    {DeviceModel::K61SE, "vekora61k_singlelight", "Vekora61SingleLight",
     "Vekora61kSingleLightMode"},
    {DeviceModel::K87SingleLight, "vekora87k_singlelight", "Vekora87SingleLight",
     "Vekora87kSingleLightMode"},
    {DeviceModel::K87Rgb, "vekora87k_rgb", "Vekora87RGBLight", "Vekora87kRGBLightMode"},
    {DeviceModel::K98Rgb, "vekora98k_rgb", "Vekora98RGBLight", "Vekora98kRGBLightMode"},
    {DeviceModel::NewModel, "", "", ""},
}};

const ModelNameRow* Find(DeviceModel m) {
    for (const ModelNameRow& row : kRows) {
        if (row.model == m)
            return &row;
    }
    return nullptr;
}

}  // namespace

std::string_view DatabaseStem(DeviceModel m) {
    const ModelNameRow* row = Find(m);
    return row ? row->databaseStem : std::string_view{};
}

std::string_view ProfileSettingName(DeviceModel m) {
    const ModelNameRow* row = Find(m);
    return row ? row->profileSetting : std::string_view{};
}

std::string_view ColourSettingName(DeviceModel m) {
    const ModelNameRow* row = Find(m);
    return row ? row->colourSetting : std::string_view{};
}

}  // namespace vekora

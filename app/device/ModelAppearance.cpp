#include "device/ModelAppearance.h"

namespace vekora {
namespace {

// Dark grey behind the white cases, light grey behind the coloured ones.
constexpr std::uint32_t kBehindWhite = 0x333333;
constexpr std::uint32_t kBehindColoured = 0xC8C8C8;

struct AppearanceRow {
    DeviceModel model;
    std::array<std::string_view, 4> pictures;  // per variant 1..4; empty: not offered
    std::array<std::uint32_t, 4> backgrounds;
    bool hasBackground;
    CaseButtons buttons;
    std::optional<KeyRect> backgroundRect;
};

constexpr KeyRect kStandardBackground{9, 9, 642, 217};

constexpr std::array<AppearanceRow, 10> kRows = {{
    {DeviceModel::K61,
     {"device//kb_61k.png", "device//kb_61k_black.png", "", ""},
     {kBehindWhite, kBehindColoured, 0, 0},
     true,
     {true, true, false, false},
     kStandardBackground},
    {DeviceModel::K61Cnc,
     {"device//kb_61k_cnc.png", "device//kb_61k_cnc_black.png", "device//kb_61k_cnc_blue.png",
      "device//kb_61k_cnc_purple.png"},
     {kBehindWhite, kBehindColoured, kBehindColoured, kBehindColoured},
     true,
     {true, true, true, true},
     KeyRect{30, 10, 581, 221}},
    {DeviceModel::K64,
     {"device//kb_64k.png", "", "", ""},
     {0, 0, 0, 0},
     false,
     {true, false, false, false},
     std::nullopt},
    {DeviceModel::K68,
     {"device//kb_68k.png", "device//kb_68k_black.png", "", ""},
     {kBehindWhite, kBehindColoured, 0, 0},
     true,
     {true, true, false, false},
     KeyRect{16, 10, 611, 209}},
    {DeviceModel::K61SingleLight,
     {"device//kb_61se.png", "device//kb_61k_black.png", "", ""},
     {kBehindWhite, kBehindColoured, 0, 0},
     true,
     {true, false, false, false},
     kStandardBackground},
    {DeviceModel::K61SE,
     {"device//kb_61se.png", "device//kb_61k_black.png", "", ""},
     {kBehindWhite, kBehindColoured, 0, 0},
     true,
     {true, false, false, false},
     kStandardBackground},
    {DeviceModel::K87SingleLight,
     {"device//kb_87k.png", "", "", ""},
     {kBehindWhite, 0, 0, 0},
     true,
     {true, false, false, false},
     kStandardBackground},
    {DeviceModel::K87Rgb,
     {"device//kb_rgb_87k.png", "", "", ""},
     {kBehindWhite, 0, 0, 0},
     true,
     {true, false, false, false},
     kStandardBackground},
    {DeviceModel::K98Rgb,
     {"device//kb_rgb_98k.png", "", "", ""},
     {kBehindWhite, 0, 0, 0},
     true,
     {true, false, false, false},
     kStandardBackground},
    {DeviceModel::NewModel,
     {"device//kb_new.png", "", "", ""},
     {0, 0, 0, 0},
     false,
     {false, false, false, false},
     std::nullopt},
}};

const AppearanceRow* Find(DeviceModel m) {
    for (const AppearanceRow& row : kRows) {
        if (row.model == m)
            return &row;
    }
    return nullptr;
}

constexpr std::array<std::string_view, 4> kCaseButtonPictures = {
    "kb_color_white.png", "kb_color_black.png", "kb_color_blue.png", "kb_color_purple.png"};

constexpr std::array<std::string_view, 3> kDeviceListPictures = {
    "device//tab_kb_61k.png", "device//tab_kb_87k.png", "device//tab_kb_98k.png"};

constexpr std::array<std::string_view, 4> kCncDeviceListPictures = {
    "device//tab_kb_61k_cnc.png", "device//tab_kb_61k_black.png", "device//tab_kb_61k_cnc_blue.png",
    "device//tab_kb_61k_purple.png"};

bool IsVariant(int v) {
    return v >= 1 && v <= 4;
}

}  // namespace

std::optional<CaseLook> CaseLookFor(DeviceModel m, int colorVariant) {
    const AppearanceRow* row = Find(m);
    if (!row || !IsVariant(colorVariant))
        return std::nullopt;
    const std::size_t i = static_cast<std::size_t>(colorVariant - 1);
    if (row->pictures[i].empty())
        return std::nullopt;
    CaseLook look{row->pictures[i], std::nullopt};
    if (row->hasBackground)
        look.background = row->backgrounds[i];
    return look;
}

std::optional<KeyRect> BackgroundRect(DeviceModel m) {
    const AppearanceRow* row = Find(m);
    return row ? row->backgroundRect : std::nullopt;
}

std::optional<KeyRect> PictureOnlyViewRect(DeviceModel m) {
    if (m == DeviceModel::NewModel)
        return KeyRect{225, 175, 885, 410};
    return std::nullopt;
}

CaseButtons VisibleCaseButtons(DeviceModel m) {
    const AppearanceRow* row = Find(m);
    return row ? row->buttons : CaseButtons{};
}

std::string_view CaseButtonPicture(int colorVariant) {
    return IsVariant(colorVariant) ? kCaseButtonPictures[static_cast<std::size_t>(colorVariant - 1)]
                                   : std::string_view{};
}

std::string_view DeviceListPicture(int entry) {
    if (entry < 0 || entry >= static_cast<int>(kDeviceListPictures.size()))
        return {};
    return kDeviceListPictures[static_cast<std::size_t>(entry)];
}

std::optional<DeviceListPictureChange> DeviceListPictureFor(DeviceModel m, int colorVariant) {
    if (m == DeviceModel::K61Cnc && IsVariant(colorVariant))
        return DeviceListPictureChange{
            1, kCncDeviceListPictures[static_cast<std::size_t>(colorVariant - 1)]};
    if (m == DeviceModel::NewModel)
        return DeviceListPictureChange{2, "device//tab_kb_new.png"};
    return std::nullopt;
}

}  // namespace vekora

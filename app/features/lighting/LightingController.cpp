#include "features/lighting/LightingController.h"

#include <set>

#include "features/lighting/EffectList.h"
#include "store/NumberText.h"

namespace vekora {
namespace {

bool IsShortReportModel(DeviceModel m) {
    return m == DeviceModel::K61 || m == DeviceModel::K68 || m == DeviceModel::K61SingleLight;
}

bool IsLongReportModel(DeviceModel m) {
    return m == DeviceModel::K61SE || m == DeviceModel::K87SingleLight;
}

bool IsLibraryModel(DeviceModel m) {
    return m == DeviceModel::K87Rgb || m == DeviceModel::K98Rgb;
}

std::wstring NumberedLightName(const TextLookup& text, int number) {
    return text(kLightNameTextId) + L" " + std::to_wstring(number);
}

}  // namespace

LightingController::LightingController(FeatureSession& session, ConfigDatabase& db, AppView& view,
                                       DeviceUploads& uploads, KeyFunctions& keys, TextLookup text)
    : session_(session),
      db_(db),
      view_(view),
      uploads_(uploads),
      keys_(keys),
      text_(std::move(text)) {}

bool LightingController::RefuseReadOnlyEdit() {
    if (IsLongReportModel(session_.model) && session_.profile == kReadOnlyProfile) {
        view_.ShowMessage(kNotModifiableTextId);
        return true;
    }
    return false;
}

// ---- Built-in effects ----

void LightingController::ShowEffectList() {
    std::vector<EffectListItem> items;
    for (const EffectEntry& e : EffectListForModel(session_.model)) {
        items.push_back(EffectListItem{e.effectId, text_(e.textId), std::string(e.icon)});
    }
    view_.ShowEffectList(items);
}

void LightingController::ChooseEffect(int effectId) {
    session_.currentEffect = effectId;
    db_.SetConfigInt(session_.profile, kLightModeKey, effectId);
    if (session_.connected) {
        uploads_.UploadEffect(DefaultUploadFamily(session_.model), session_.profile, effectId);
    }
}

void LightingController::ShowProfileEffect(int profile) {
    std::string value;
    if (!db_.GetConfig(profile, kLightModeKey, value)) {
        view_.SelectEffect(std::nullopt);
        return;
    }
    const int effect = ParseLenientInt(value);
    session_.currentEffect = effect;
    view_.SelectEffect(effect);
    if (IsShortReportModel(session_.model)) {
        uploads_.UploadEffect(UploadFamily::ShortReports, profile, effect);
    }
}

void LightingController::LoadProfileLighting(int profile) {
    if (IsLongReportModel(session_.model)) {
        // The keyboard reports the light mode as it was written into its light block (as the
        // synchronisation reads it too), so it is stored unchanged.
        if (const auto effectByte =
                uploads_.SelectProfileOnDevice(UploadFamily::LongReports, profile)) {
            db_.SetConfigInt(profile, kLightModeKey, *effectByte);
        }
    } else if (IsLibraryModel(session_.model)) {
        uploads_.SelectProfileOnDevice(UploadFamily::DeviceLibrary, profile);
    }
    keys_.RefreshLabels(profile);
    ShowProfileEffect(profile);
    RefreshCheckMarks();
}

// ---- User lights ----

void LightingController::PushUserLights() {
    view_.ShowUserLights(lights_, selected_);
}

std::optional<UserLightListItem> LightingController::SelectedUserLight() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(lights_.size())) {
        return std::nullopt;
    }
    return lights_[static_cast<size_t>(selected_)];
}

void LightingController::AppendUserLight(int lightId, const std::wstring& name) {
    lights_.push_back(UserLightListItem{lightId, name, std::string(kUserLightIcon), false});
    RefreshCheckMarks();
}

void LightingController::LoadUserLights() {
    lights_.clear();
    selected_ = -1;
    std::vector<UserLight> stored;
    db_.LoadUserLights(stored);
    for (const UserLight& light : stored) {
        lights_.push_back(
            UserLightListItem{light.light_id, light.name, std::string(kUserLightIcon), false});
    }
    if (lights_.empty()) {
        const std::wstring name = NumberedLightName(text_, 1);
        const int id = db_.AddUserLight(name);
        if (id > 0) {
            lights_.push_back(UserLightListItem{id, name, std::string(kUserLightIcon), false});
            selected_ = 0;
        }
    }
    RefreshCheckMarks();
}

bool LightingController::AddUserLight() {
    if (RefuseReadOnlyEdit()) {
        return false;
    }
    const std::wstring name = NumberedLightName(text_, static_cast<int>(lights_.size()) + 1);
    const int id = db_.AddUserLight(name);
    if (id <= 0) {
        return false;
    }
    lights_.push_back(UserLightListItem{id, name, std::string(kUserLightIcon), false});
    selected_ = static_cast<int>(lights_.size()) - 1;
    ShowSelectedUserLight();
    RefreshCheckMarks();
    return true;
}

bool LightingController::DeleteUserLight(int index) {
    if (RefuseReadOnlyEdit()) {
        return false;
    }
    if (index < 0 || index >= static_cast<int>(lights_.size())) {
        return false;
    }
    if (lights_.size() == 1) {
        view_.ShowMessage(kKeepOneLightTextId);
        return false;
    }
    db_.DeleteUserLight(lights_[static_cast<size_t>(index)].lightId);
    lights_.erase(lights_.begin() + index);
    selected_ = index - 1;
    PushUserLights();
    ShowSelectedUserLight();
    return true;
}

bool LightingController::RenameUserLight(int index, const std::wstring& name) {
    if (RefuseReadOnlyEdit()) {
        return false;
    }
    if (index < 0 || index >= static_cast<int>(lights_.size()) || name.empty()) {
        PushUserLights();  // the list shows the stored name again
        return false;
    }
    auto& entry = lights_[static_cast<size_t>(index)];
    db_.RenameUserLight(entry.lightId, name);
    entry.name = name;
    PushUserLights();
    return true;
}

void LightingController::SelectUserLight(int index) {
    selected_ = (index >= 0 && index < static_cast<int>(lights_.size())) ? index : -1;
    PushUserLights();
    ShowSelectedUserLight();
}

void LightingController::ShowSelectedUserLight() {
    view_.ClearKeyColours();
    if (const auto light = SelectedUserLight()) {
        std::vector<KeyColour> colours;
        db_.LoadKeyColours(light->lightId, colours);
        for (const KeyColour& c : colours) {
            view_.SetKeyColour(c.key_code, static_cast<uint32_t>(c.key_rgb));
        }
    }
    view_.RedrawKeyboard();
}

bool LightingController::ColourSelectedKeys(uint32_t colour) {
    if (RefuseReadOnlyEdit()) {
        return false;
    }
    const auto light = SelectedUserLight();
    if (!light) {
        return false;
    }
    view_.ColourSelectedKeys(colour);
    view_.RedrawKeyboard();
    std::vector<KeyColour> rows;
    for (const KeyColourState& key : view_.KeyColours()) {
        KeyColour row{};
        row.profile = 1;  // user lights are shared by all profiles
        row.light = light->lightId;
        row.key_code = key.keyCode;
        row.key_rgb = static_cast<int>(key.colour);
        rows.push_back(row);
    }
    db_.SaveKeyColours(rows);
    session_.currentEffect = CustomLayoutEffect(session_.model);
    uploads_.UploadUserLight(DefaultUploadFamily(session_.model), session_.profile,
                             session_.currentSlot, light->lightId);
    return true;
}

bool LightingController::SaveToSlot(int slot) {
    if (RefuseReadOnlyEdit()) {
        return false;
    }
    if (!IsValidProfile(slot)) {
        return false;
    }
    session_.currentSlot = slot;
    const auto light = SelectedUserLight();
    if (!light) {
        return false;
    }
    db_.SetConfigInt(slot, kUserLightKey, light->lightId);
    uploads_.UploadUserLight(DefaultUploadFamily(session_.model), session_.profile, slot,
                             light->lightId);
    RefreshCheckMarks();
    return true;
}

void LightingController::OnLanguageChanged() {
    ShowEffectList();
    view_.SelectEffect(session_.currentEffect);
    PushUserLights();
}

void LightingController::RefreshCheckMarks() {
    std::set<int> saved;
    for (int slot = 1; slot <= 5; ++slot) {
        std::string value;
        if (db_.GetConfig(slot, kUserLightKey, value)) {
            const int id = ParseLenientInt(value);
            if (id > 0) {
                saved.insert(id);
            }
        }
    }
    for (auto& entry : lights_) {
        entry.checked = saved.count(entry.lightId) > 0;
    }
    PushUserLights();
}

}  // namespace vekora

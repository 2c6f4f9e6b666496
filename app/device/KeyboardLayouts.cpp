#include "device/KeyboardLayouts.h"

#include <array>

#include "device/LayoutData.h"

namespace vekora {
namespace {

const std::array<KeyboardLayout, 6>& Layouts() {
    static const std::array<KeyboardLayout, 6> kLayouts = {{
        {LayoutId::K61, "61-key", {225, 175, 885, 410}, layouts::Keys61()},
        {LayoutId::Cnc61, "CNC 61-key", {225, 190, 866, 431}, layouts::KeysCnc61()},
        {LayoutId::K61SingleLight,
         "61-key single colour",
         {225, 175, 885, 411},
         layouts::Keys61SingleLight()},
        {LayoutId::K68, "68-key", {225, 175, 868, 404}, layouts::Keys68()},
        {LayoutId::K87, "87-key", {200, 175, 900, 441}, layouts::Keys87()},
        {LayoutId::K98, "98-key", {200, 175, 900, 430}, layouts::Keys98()},
    }};
    return kLayouts;
}

std::optional<LayoutId> LayoutIdOf(DeviceModel m) {
    switch (m) {
        case DeviceModel::K61:
            return LayoutId::K61;
        case DeviceModel::K61Cnc:
            return LayoutId::Cnc61;
        case DeviceModel::K61SingleLight:
        case DeviceModel::K61SE:
            return LayoutId::K61SingleLight;
        case DeviceModel::K68:
            return LayoutId::K68;
        case DeviceModel::K87SingleLight:
        case DeviceModel::K87Rgb:
            return LayoutId::K87;
        case DeviceModel::K98Rgb:
            return LayoutId::K98;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::span<const KeyboardLayout> AllKeyboardLayouts() {
    return Layouts();
}

const KeyboardLayout* LayoutOf(DeviceModel m) {
    const std::optional<LayoutId> id = LayoutIdOf(m);
    if (!id)
        return nullptr;
    for (const KeyboardLayout& layout : Layouts()) {
        if (layout.id == *id)
            return &layout;
    }
    return nullptr;
}

bool RunLayoutRoutine(DeviceModel m, KeyboardLayoutSink& sink) {
    const KeyboardLayout* layout = LayoutOf(m);
    if (!layout)
        return false;
    sink.PlaceView(layout->viewRect);
    sink.ResetOffset();
    for (const LayoutKey& key : layout->keys)
        sink.AddKey(key.label, key.label, key.code, key.rect);
    return true;
}

}  // namespace vekora

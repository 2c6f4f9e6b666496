#include "TerminalView.h"

#include <algorithm>

#include "device/KeyboardLayouts.h"
#include "features/text/LocalText.h"
#include "store/Utf8.h"

namespace vekora::ctl {

void TerminalView::SetModel(DeviceModel model) {
    keys_.clear();
    labels_.clear();
    colours_.clear();
    selected_.clear();
    if (const KeyboardLayout* layout = LayoutOf(model)) {
        for (const LayoutKey& key : layout->keys) {
            keys_.push_back(key.code);
        }
    }
}

void TerminalView::ShowMessage(int textId) {
    shownIds_.insert(textId);
    const std::string text = WideToUtf8(GetLocalText(textId));
    messages_.push_back(text);
    if (!quiet_) {
        std::fprintf(out_, "%s\n", text.c_str());
        std::fflush(out_);
    }
}

void TerminalView::ShowMessageBox(const std::wstring& text, const std::wstring& caption) {
    const std::string line =
        caption.empty() ? WideToUtf8(text) : WideToUtf8(caption) + ": " + WideToUtf8(text);
    messages_.push_back(line);
    if (!quiet_) {
        std::fprintf(out_, "%s\n", line.c_str());
        std::fflush(out_);
    }
}

void TerminalView::SetKeyLabel(int keyCode, const std::wstring& label) {
    if (label.empty()) {
        labels_.erase(keyCode);
    } else {
        labels_[keyCode] = label;
    }
}

void TerminalView::ClearKeyLabels() {
    labels_.clear();
}

void TerminalView::ClearKeyColours() {
    colours_.clear();
}

void TerminalView::SetKeyColour(int keyCode, uint32_t colour) {
    if (HasKey(keyCode)) {
        colours_[keyCode] = colour;
    }
}

void TerminalView::ColourSelectedKeys(uint32_t colour) {
    for (int code : selected_) {
        SetKeyColour(code, colour);
    }
}

std::vector<KeyColourState> TerminalView::KeyColours() const {
    std::vector<KeyColourState> out;
    for (int code : keys_) {
        const auto it = colours_.find(code);
        out.push_back(KeyColourState{code, it == colours_.end() ? 0u : it->second});
    }
    return out;
}

bool TerminalView::HasKey(int keyCode) const {
    return std::find(keys_.begin(), keys_.end(), keyCode) != keys_.end();
}

void TerminalView::ShowEffectList(const std::vector<EffectListItem>& items) {
    effects_ = items;
}

void TerminalView::SelectEffect(std::optional<int> effectId) {
    selectedEffect_ = effectId;
}

void TerminalView::ShowUserLights(const std::vector<UserLightListItem>& items, int) {
    userLights_ = items;
}

}  // namespace vekora::ctl

// RecordingView: an AppView for the device tests that records the notifications the device
// handling gives (messages, message boxes, USB indicator, device-list entry) in order and
// keeps a plain model of the keyboard view for the rest.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/AppView.h"

namespace vekora::testing {

class RecordingView : public AppView {
public:
    void ShowMessage(int textId) override { messages.push_back(textId); }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        boxes.push_back({text, caption});
    }
    void ShowUsbConnected(bool connected) override { usb.push_back(connected); }
    void MarkDeviceListEntry(int entry) override { entries.push_back(entry); }

    void SetKeyLabel(int keyCode, const std::wstring& label) override { labels[keyCode] = label; }
    void ClearKeyLabels() override { labels.clear(); }
    void ClearKeyColours() override {
        for (auto& [key, colour] : colours) {
            colour = 0;
        }
    }
    void SetKeyColour(int keyCode, uint32_t colour) override { colours[keyCode] = colour; }
    void ColourSelectedKeys(uint32_t) override {}
    std::vector<KeyColourState> KeyColours() const override {
        std::vector<KeyColourState> out;
        for (const auto& [key, colour] : colours) {
            out.push_back({key, colour});
        }
        return out;
    }
    void RedrawKeyboard() override {}
    void ShowEffectList(const std::vector<EffectListItem>& items) override { effects = items; }
    void SelectEffect(std::optional<int> effectId) override { selectedEffect = effectId; }
    void ShowUserLights(const std::vector<UserLightListItem>& items, int) override {
        userLights = items;
    }

    struct Box {
        std::wstring text;
        std::wstring caption;
    };
    std::vector<int> messages;
    std::vector<Box> boxes;
    std::vector<bool> usb;
    std::vector<int> entries;
    std::map<int, std::wstring> labels;
    std::map<int, uint32_t> colours;
    std::vector<EffectListItem> effects;
    std::optional<int> selectedEffect;
    std::vector<UserLightListItem> userLights;
};

}  // namespace vekora::testing

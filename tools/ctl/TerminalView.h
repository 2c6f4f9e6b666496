// TerminalView: the application core's view for a terminal. It keeps what a window would
// show (key labels, key colours, the effect and user-light lists) so that commands can print
// it, and prints the system's messages as the window would show them: on stdout as they
// come, or gathered for the --json result.
#pragma once

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/AppView.h"
#include "device/DeviceModel.h"

namespace vekora::ctl {

class TerminalView : public AppView {
public:
    // `out` receives the messages unless `quiet` (the --json mode gathers them instead).
    TerminalView(std::FILE* out, bool quiet) : out_(out), quiet_(quiet) {}

    // Lays the keyboard view out for the model: its keys, unlit and unlabelled.
    void SetModel(DeviceModel model);

    // ---- AppView ----
    void ShowMessage(int textId) override;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override;
    // The connection shows in `status`; the window's indicator and device list have no
    // terminal counterpart.
    void ShowUsbConnected(bool) override {}
    void MarkDeviceListEntry(int) override {}
    void SetKeyLabel(int keyCode, const std::wstring& label) override;
    void ClearKeyLabels() override;
    void ClearKeyColours() override;
    void SetKeyColour(int keyCode, uint32_t colour) override;
    void ColourSelectedKeys(uint32_t colour) override;
    std::vector<KeyColourState> KeyColours() const override;
    void RedrawKeyboard() override {}
    void ShowEffectList(const std::vector<EffectListItem>& items) override;
    void SelectEffect(std::optional<int> effectId) override;
    void ShowUserLights(const std::vector<UserLightListItem>& items, int selectedIndex) override;

    // The profile whose title the flows showed last.
    void ShowProfileTitle(int profile) { shownProfile_ = profile; }

    // ---- What the commands read back ----
    int ShownProfile() const { return shownProfile_; }
    // The texts shown, in order, as UTF-8 in the current language.
    const std::vector<std::string>& Messages() const { return messages_; }
    bool Shown(int textId) const { return shownIds_.count(textId) > 0; }
    // The key codes the view shows, in view order.
    const std::vector<int>& Keys() const { return keys_; }
    bool HasKey(int keyCode) const;
    const std::map<int, std::wstring>& Labels() const { return labels_; }
    // Key items a colour goes to with ColourSelectedKeys.
    void SelectKeys(std::set<int> keyCodes) { selected_ = std::move(keyCodes); }
    const std::vector<EffectListItem>& Effects() const { return effects_; }
    std::optional<int> SelectedEffect() const { return selectedEffect_; }
    const std::vector<UserLightListItem>& UserLights() const { return userLights_; }

private:
    std::FILE* out_;
    bool quiet_;
    std::vector<std::string> messages_;
    std::set<int> shownIds_;
    std::vector<int> keys_;
    std::map<int, std::wstring> labels_;
    std::map<int, uint32_t> colours_;
    std::set<int> selected_;
    std::vector<EffectListItem> effects_;
    std::optional<int> selectedEffect_;
    std::vector<UserLightListItem> userLights_;
    int shownProfile_ = 0;
};

}  // namespace vekora::ctl

// TerminalSyncView: the synchronisation flows' view (SyncView) over the terminal view. Only
// Context.cpp, which builds the flows, needs it.
#pragma once

#include "TerminalView.h"
#include "core/SyncView.h"

namespace vekora::ctl {

class TerminalSyncView : public SyncView {
public:
    explicit TerminalSyncView(TerminalView& view) : view_(view) {}

    void ShowMessage(int textId) override { view_.ShowMessage(textId); }
    void ShowProfile(int profile) override { view_.ShowProfileTitle(profile); }
    void ShowLightMode(int lightMode) override { view_.SelectEffect(lightMode); }
    void ShowGameMode(GameModeSwitches) override {}
    void ShowKeyColours(const std::vector<KeyLight>& colours) override {
        for (const KeyLight& k : colours) {
            view_.SetKeyColour(k.keyCode, k.colour);
        }
    }
    // The keyboard's own profile is read whenever asked for (`status`).
    bool WindowShown() const override { return true; }
    std::vector<int> ViewKeys() const override { return view_.Keys(); }
    std::vector<KeyLight> ViewColours() const override {
        std::vector<KeyLight> out;
        for (const KeyColourState& k : view_.KeyColours()) {
            out.push_back(KeyLight{k.keyCode, k.colour});
        }
        return out;
    }

private:
    TerminalView& view_;
};

}  // namespace vekora::ctl

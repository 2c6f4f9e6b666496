// RecordingView: an AppView for tests that records every notification in order.
#pragma once

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

    struct Box {
        std::wstring text;
        std::wstring caption;
    };
    std::vector<int> messages;
    std::vector<Box> boxes;
    std::vector<bool> usb;
    std::vector<int> entries;
};

}  // namespace vekora::testing

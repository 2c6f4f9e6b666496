// AppView: what the application core needs from whatever shows it (the main window or the
// command-line tool). The core never draws; it tells the view what changed.
//
// Implementations: the main window (app/ui), vekora-ctl's terminal view (tools/ctl) and the
// recording view of the tests. Add an operation here when a flow needs the view to do
// something new; keep each one a plain notification without toolkit types.
#pragma once

#include <string>

namespace vekora {

class AppView {
public:
    virtual ~AppView() = default;

    // Shows the localised text `textId` to the user as a status message
    // ("Device connected!", "Set Successful!", ...).
    virtual void ShowMessage(int textId) = 0;

    // Shows a plain message box with the given text and caption (used where the program shows
    // an untranslated text, such as a failed library load).
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption) = 0;

    // Shows whether a keyboard is connected on the USB status button ("sysbtn_usb.png" when
    // connected, "sysbtn_usb_none.png" when not).
    virtual void ShowUsbConnected(bool connected) = 0;

    // Marks entry 0..2 of the device list as the current one.
    virtual void MarkDeviceListEntry(int entry) = 0;
};

}  // namespace vekora

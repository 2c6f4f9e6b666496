// KeyCapture: the state of the key capture dialog ("Please enter the keyboard keys"). While
// capturing, each named keyboard event replaces either the captured modifier (the Windows
// keys and the left/right Shift, Ctrl and Alt keys) or the captured main key; the display
// shows "Modifier + Key", and confirming turns the capture into a key assignment.
#pragma once

#include <string>

#include "features/macros/RawInputEvent.h"
#include "store/Records.h"

namespace vekora {

class KeyCapture {
public:
    // The display starts editing: clears what was captured and starts capturing.
    void Start();
    // The display stops editing.
    void Stop();
    bool IsCapturing() const { return capturing_; }

    // Takes a keyboard event (as ReadKeyboardEvent gives it) while capturing; mouse events,
    // nameless events and events while not capturing are ignored.
    void OnInput(const RawInputEvent& event);

    // "Cancel": forgets both keys.
    void Clear();

    // The display text: "%s + %s" with both names, else the one captured, else empty.
    std::wstring DisplayText() const;

    // "OK": the assignment of the captured keys; the default assignment when nothing was
    // captured.
    KeyAssignment Assignment() const;

    int modifierVirtualKey() const { return modifierKey_; }
    int mainVirtualKey() const { return mainKey_; }

private:
    bool capturing_ = false;
    int modifierKey_ = 0;
    std::wstring modifierName_;
    int mainKey_ = 0;
    std::wstring mainName_;
};

// The virtual keys the capture treats as modifiers: 91, 92 and 160..165.
bool IsCaptureModifier(int virtualKey);

}  // namespace vekora

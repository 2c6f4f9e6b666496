// The tooltip: a small borderless popup of our own, owned by the host window, showing one
// text near the pointer.
#pragma once

#include "platform/Types.h"

namespace VKUI {

class TooltipWnd {
public:
    explicit TooltipWnd(HWND owner);
    ~TooltipWnd();
    TooltipWnd(const TooltipWnd&) = delete;
    TooltipWnd& operator=(const TooltipWnd&) = delete;

    // Shows text below-right of the screen point (kept on the screen).
    void Show(const CString& text, CPoint screen);
    void Hide();
    bool IsShown() const;
    HWND GetHwnd() const { return hwnd_; }
    CString GetText() const { return text_; }

private:
    static LRESULT Proc(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    void Paint();
    HWND owner_;
    HWND hwnd_ = nullptr;
    CString text_;
};

}  // namespace VKUI

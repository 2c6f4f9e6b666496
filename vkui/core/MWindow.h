// A thin owner of one real window with a virtual message procedure.
#pragma once

#include "platform/Types.h"

namespace VKUI {

class MWindow {
public:
    MWindow();
    virtual ~MWindow();
    MWindow(const MWindow&) = delete;
    MWindow& operator=(const MWindow&) = delete;

    virtual const wchar_t* GetWindowClassName() const { return L"MWindow"; }
    virtual const wchar_t* GetSuperClassName() const { return nullptr; }
    virtual int ShowWindow(int cmd);
    virtual long OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    virtual int PreTranslateMessage(MSG* msg);
    virtual int OnInitDialog() { return 1; }
    virtual void OnDestroyMessage(HWND) {}

    // Title "VEDuzidu", style 0x80B, rect (0, 0, 800, 600). Every form returns the existing
    // handle when the window already exists; null when it cannot be created.
    HWND Create(HWND parent);
    HWND Create(HWND parent, CRect rect);
    HWND Create(HWND parent, const wchar_t* title, unsigned long style, unsigned long exStyle,
                CRect rect);
    HWND Create(HWND parent, const wchar_t* title, unsigned long style, unsigned long exStyle,
                CRect rect, void* menu);
    bool RegisterWindowClass();
    bool RegisterSuperClass();

    // Runs a nested loop until the window is gone; the code passed with WM_CLOSE (1 OK,
    // 2 Cancel/Close, 6 Yes, 7 No, 0 otherwise); (unsigned)-1 without a window.
    unsigned ShowModal(int cmd = SW_SHOW);
    void CenterWindow(MWindow* alternate = nullptr);
    void BringToTop();
    void SetIcon(unsigned) {}

    HWND GetSafeHwnd() const { return hwnd_; }
    HWND GetParentHwnd() const { return parent_; }
    unsigned long GetStyle() const;
    unsigned long GetExStyle() const;
    int ModifyStyle(unsigned long remove, unsigned long add, unsigned swpFlags = 0);
    int ModifyExStyle(unsigned long remove, unsigned long add, unsigned swpFlags = 0);
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    int SetWindowTextW(const wchar_t* text);
    CString GetWindowTextW() const;
    int GetWindowTextLengthW() const;
    int EnableWindow(int enable);
    int IsWindowEnabled() const;
    int IsWindowVisible() const;
    int IsIconic() const;
    int InvalidateRect(const CRect* rect, int erase);
    HWND SetCapture();
    int ReleaseCapture();
    HWND SetFocus();
    int SetTimer(WPARAM id, unsigned ms, void* proc = nullptr);
    int KillTimer(WPARAM id);
    CPoint ClientToScreen(CPoint p) const;
    CRect ClientToScreen(CRect r) const;
    CPoint ScreenToClient(CPoint p) const;
    CRect ScreenToClient(CRect r) const;
    int SetWindowPos(HWND after, int x, int y, int cx, int cy, unsigned flags);
    int MoveWindow(int x, int y, int width, int height, int repaint = 1);
    int MoveWindow(CRect rect, int repaint = 1);
    int DestroyWindow();
    long SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);
    int PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);

    static LRESULT WndProc(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);

protected:
    // Destroys the window without calling back into this object: derived destructors call it
    // while their paint manager still exists.
    void DestroyOwnWindow();

    HWND parent_ = nullptr;
    HWND hwnd_ = nullptr;
    long spare_ = 0;
};

}  // namespace VKUI

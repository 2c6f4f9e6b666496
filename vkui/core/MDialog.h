// The borderless, self-painted top-level window every application dialog derives from. It
// owns the paint manager of its control tree. Applications override InitUI (create
// controls), UISize (lay them out) and OnMessage (control notifications), then Create,
// CenterWindow and ShowModal.
//
// Order during Create: WM_CREATE (OnCreate), the first WM_SIZE (UISize, before any control
// exists), then OnInitDialog (InitUI). UISize must therefore cope with missing controls.
#pragma once

#include "core/MObject.h"
#include "core/MWindow.h"
#include "core/PaintManager.h"

namespace VKUI {

class MControl;

// Result codes of ShowModal.
enum : unsigned { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class MDialog : public MWindow, public MObject {
public:
    MDialog();
    ~MDialog() override;

    const wchar_t* GetClassNameW() const override { return L"MDialog"; }
    const wchar_t* GetWindowClassName() const override { return L"MDialog"; }
    long OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    int PreTranslateMessage(MSG* msg) override;
    int OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    virtual CPoint GetAirBladderPoint(MControl* control, unsigned type);
    virtual void OnMinimize();
    virtual void OnMaximize();
    virtual void InitUI(CRect client);
    virtual void UISize(CRect client);
    virtual long OnMessage(unsigned id, unsigned code, unsigned wParam, long lParam);
    virtual long OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    virtual int OnCreate(void* createStruct);
    virtual int OnSize(unsigned type, int cx, int cy);
    virtual int OnMouseMove(unsigned, CPoint) { return 0; }
    virtual int OnMouseLeave() { return 0; }
    virtual int OnMouseHover(unsigned, CPoint) { return 0; }
    virtual int OnMouseWheel(unsigned, int, CPoint) { return 0; }
    virtual int OnLButtonDown(unsigned, CPoint) { return 0; }
    virtual int OnLButtonUp(unsigned, CPoint) { return 0; }
    virtual int OnLButtonDblClk(unsigned, CPoint) { return 0; }
    virtual int OnRButtonDown(unsigned, CPoint) { return 0; }
    virtual int OnRButtonUp(unsigned, CPoint) { return 0; }
    virtual int OnRButtonDblClk(unsigned, CPoint) { return 0; }
    virtual int OnKeyDown(unsigned, unsigned, unsigned) { return 0; }
    virtual int OnNcHitTest(CPoint) { return 0; }
    virtual int OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
    virtual int OnNcCalcSize(int, void*) { return 0; }
    virtual int OnNcActivate(int) { return 0; }
    virtual int OnWindowPosChanging(void*) { return 1; }
    virtual int OnWindowPosChanged(void*) { return 1; }
    virtual int OnPaint() { return 0; }
    virtual void OnTimer(WPARAM) {}
    virtual int OnNcPaint() { return 0; }
    virtual int OnClose() { return 1; }
    virtual int OnDestroy() { return 0; }
    virtual int PostNcDestroy() { return 0; }

    // MObject side: notifications go to OnMessage, repaint requests to the manager.
    long OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam) override;
    long OnControlUpdate(CRect rect, int refresh, MControl* control) override;

    // Forwarded to the manager.
    PaintManager& GetPaintManager() { return manager_; }
    bool LoadBKImage(const wchar_t* path) { return manager_.LoadBKImage(path); }
    bool LoadBKImage(unsigned resId, const wchar_t* type) {
        return manager_.LoadBKImage(resId, type);
    }
    void SetBackMode(int mode, int border = 4) { manager_.SetBackMode(mode, border); }
    void SetBackColor(COLORREF fill, COLORREF border) { manager_.SetBackColor(fill, border); }
    void SetScrollResID(unsigned v, unsigned h) { manager_.SetScrollResID(v, h); }
    void SetLayeredWindow(int layered) { manager_.SetLayeredWindow(layered); }
    void EnableWndDrag(int on) { manager_.EnableWndDrag(on); }
    void SetTooltip(const CString& text, CRect rect) { manager_.SetTooltip(text, rect); }
    void ClearTooltip() { manager_.ClearTooltip(); }
    void SetProgress(int value, const CString& text, CRect rect) {
        manager_.SetProgress(value, text, rect);
    }
    unsigned SetMTimer(unsigned ms) { return manager_.SetMTimer(ms); }
    void KillMTimer(unsigned id) { manager_.KillMTimer(id); }
    void SetFocusControl(MControl* c) { manager_.SetFocusControl(c); }
    MControl* GetControl(unsigned id) { return manager_.GetControl(id); }
    std::vector<MControl*> GetControls() const { return manager_.GetControls(); }
    MControl* CreateControl(const wchar_t* className, unsigned id, CRect rect, const wchar_t* title,
                            int p1, int p2) {
        return manager_.CreateControl(1, this, className, id, rect, title, p1, p2);
    }
    MControl* CreateArea(const wchar_t* className, unsigned id, CRect rect, const wchar_t* title,
                         int p1, int p2) {
        return manager_.CreateControl(0, this, className, id, rect, title, p1, p2);
    }

    void DoOK() { PostMessageW(WM_USERCLOSE, IDOK, 0); }
    void DoCancel() { PostMessageW(WM_USERCLOSE, IDCANCEL, 0); }
    void DoClose() { PostMessageW(WM_USERCLOSE, IDCANCEL, 0); }
    void DoYes() { PostMessageW(WM_USERCLOSE, IDYES, 0); }
    void DoNo() { PostMessageW(WM_USERCLOSE, IDNO, 0); }
    // An empty rect means a 200-pixel box centred at the bottom of the client.
    void SetMessage(const CString& text, CRect rect, int level);
    void SetupBackTranslucent();
    void SetupRegion(int size);
    void SetRoundSize(int size) { round_ = size; }
    void SetMessageOffset(int offset) { messageOffset_ = offset; }
    CRect GetClientRectCached() const { return client_; }

protected:
    PaintManager manager_;
    CRect client_;
    int round_ = 0;
    COLORREF colourKey_ = 0xFFFFFF;
    int alpha_ = 255;
    int messageOffset_ = 0;
};

}  // namespace VKUI

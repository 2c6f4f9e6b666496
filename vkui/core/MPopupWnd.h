// A borderless popup that closes itself when it loses activation: the base shape of
// drop-down lists and menus. It owns the paint manager of its controls.
#pragma once

#include "core/MObject.h"
#include "core/MWindow.h"
#include "core/PaintManager.h"

namespace VKUI {

class MControl;

class MPopupWnd : public MWindow, public MObject {
public:
    MPopupWnd();
    ~MPopupWnd() override;

    const wchar_t* GetClassNameW() const override { return L"MPopupWnd"; }
    const wchar_t* GetWindowClassName() const override { return L"MPopupWnd"; }
    long OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    int PreTranslateMessage(MSG* msg) override { return manager_.PreTranslateMessage(msg); }
    int OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    virtual MObject* GetParent() { return parentObject_; }
    virtual void InitUI(CRect) {}
    virtual void UISize(CRect) {}
    virtual long OnMessage(unsigned, unsigned, unsigned, long) { return 0; }
    virtual long OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    virtual void CloseWindow();
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
    virtual int OnNcActivate(int active);
    virtual int OnWindowPosChanging(void*) { return 1; }
    virtual int OnWindowPosChanged(void*);
    virtual int OnPaint() { return 0; }
    virtual void OnTimer(WPARAM) {}
    virtual int OnNcPaint() { return 0; }
    virtual int OnClose() { return 1; }
    virtual int PostNcDestroy() { return 0; }
    virtual int OnDestroy() { return 0; }

    long OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam) override {
        return OnMessage(id, code, wParam, lParam);
    }
    long OnControlUpdate(CRect rect, int refresh, MControl* control) override {
        return manager_.OnControlUpdate(rect, refresh, control);
    }

    void SetParent(MObject* parent) { parentObject_ = parent; }
    PaintManager& GetPaintManager() { return manager_; }
    bool LoadBKImage(const wchar_t* path) { return manager_.LoadBKImage(path); }
    void SetBackMode(int mode, int border = 4) { manager_.SetBackMode(mode, border); }
    void SetScrollResID(unsigned v, unsigned h) { manager_.SetScrollResID(v, h); }
    void SetLayeredWindow(int layered) { manager_.SetLayeredWindow(layered); }
    MControl* CreateArea(const wchar_t* className, unsigned id, CRect rect, const wchar_t* title,
                         int p1, int p2) {
        return manager_.CreateControl(0, this, className, id, rect, title, p1, p2);
    }
    MControl* CreateControl(const wchar_t* className, unsigned id, CRect rect, const wchar_t* title,
                            int p1, int p2) {
        return manager_.CreateControl(1, this, className, id, rect, title, p1, p2);
    }
    MControl* GetControl(unsigned id) { return manager_.GetControl(id); }
    // Calls the parent object's OnMessage(0, code, wParam, lParam); 0 without a parent.
    long SendMessageToParent(unsigned code, unsigned wParam, long lParam);

protected:
    PaintManager manager_;
    MObject* parentObject_ = nullptr;
    COLORREF colourKey_ = 0xF1F1F1;
    int alpha_ = 255;
};

}  // namespace VKUI

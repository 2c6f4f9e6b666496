// The windowless control: a rectangle in client coordinates of the hosting window, a parent
// that receives its notifications and repaint requests, and an ordered list of children
// (interactive, in z-order) plus a list of decorative areas drawn beneath it.
//
// Routing rules (all points are client coordinates of the hosting window):
//  - OnMousePointChange lets a scrolling container translate the point for its children;
//    children with id 1 or 2 (a container's scroll bars) always get the untranslated point.
//  - The active child is the child that last took the mouse; a pressed control keeps it.
//  - Hidden controls and controls with mouse response 0 answer 0 to every mouse and key event.
//  - Painting goes through a per-control cache; SetUpdate(0, ...) forces a re-render.
// The child and area lists each have their own lock: the animation timer walks the tree from
// its own thread.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "core/DC.h"
#include "core/Image.h"
#include "core/MObject.h"
#include "platform/Types.h"

namespace VKUI {

class PaintManager;
enum class CursorShape;

class MControl : public MObject {
public:
    MControl(MObject* parent, unsigned id, CRect rect, int visible = 1, int enabled = 1,
             int mouseResponse = 1);
    ~MControl() override;
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    const wchar_t* GetClassNameW() const override { return L"DRControl"; }
    // A control hosting children passes their notifications to its own OnMessage, and their
    // repaint requests on to its parent (containers that scroll override this).
    long OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam) override;
    long OnControlUpdate(CRect rect, int refresh, MControl* control) override;

    // ---- Virtual operations (declaration order is the interface's slot order) -----------
    virtual void InitControl(PaintManager* manager);
    virtual int PtInRect(CPoint pt);
    virtual void DrawControl(HDC& hdc, CRect clip) = 0;
    virtual int DrawSubControls(HDC& hdc, CRect clip);
    virtual int IsDraw(CPoint pt);
    virtual void SetUpdate(int valid, unsigned long backColor);
    virtual int SetControlFocus(int focus);
    virtual void InitUI(CRect rect);
    virtual int OnMousePointChange(CPoint& pt);
    virtual int OnCheckMouseResponse(unsigned flags, CPoint pt);
    virtual long OnWindowMessage(unsigned msg, unsigned wParam, long lParam);
    virtual long OnMessage(unsigned id, unsigned code, unsigned wParam, long lParam);
    virtual void SetControlRect(CRect rect);
    virtual void SetControlVisible(int visible);
    virtual void SetControlWndVisible(int visible);
    virtual void SetControlEnabled(int enabled);
    virtual int OnControlTimer();
    // The picture dragged from this control; the paint manager takes ownership of it.
    virtual HBITMAP GetControlDropBitmap();
    virtual int OnControlMouseMove(unsigned flags, CPoint pt);
    virtual int OnControlSetCursor(unsigned flags, CPoint pt);
    virtual int OnControlLButtonDown(unsigned flags, CPoint pt);
    virtual int OnControlLButtonUp(unsigned flags, CPoint pt);
    virtual int OnControlLButtonDblClk(unsigned flags, CPoint pt);
    // direction 1 = forward (down), anything else backward.
    virtual int OnControlScroll(int bar, unsigned direction, CPoint pt);
    virtual int OnControlRButtonDown(unsigned flags, CPoint pt);
    virtual int OnControlRButtonUp(unsigned flags, CPoint pt);
    virtual int OnControlRButtonDblClk(unsigned flags, CPoint pt);
    virtual int OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers);
    virtual void OnPositionChange();
    virtual void InvalidateRect(const CRect* rect, int erase);

    // ---- Event entry points (called by the parent or the paint manager) -----------------
    int OnMouseMove(unsigned flags, CPoint pt);
    int OnLButtonDown(unsigned flags, CPoint pt);
    int OnRButtonDown(unsigned flags, CPoint pt);
    int OnLButtonUp(unsigned flags, CPoint pt);
    int OnRButtonUp(unsigned flags, CPoint pt);
    int OnLButtonDblClk(unsigned flags, CPoint pt);
    int OnRButtonDblClk(unsigned flags, CPoint pt);
    int OnScroll(int bar, unsigned direction, CPoint pt);
    int OnKeyDown(unsigned vk, unsigned repeat, unsigned modifiers);
    int OnKeyUp(unsigned, unsigned, unsigned) { return 0; }
    int OnTimer();
    void Draw(HDC& hdc, CRect clip);

    // ---- Tree ----------------------------------------------------------------------------
    MObject* GetParantObject() const { return parent_; }
    void SetParent(MObject* parent) { parent_ = parent; }
    PaintManager* GetManager() const { return manager_; }
    // Stores the manager and calls InitControl(manager).
    void SetManager(PaintManager* manager);
    unsigned GetControlID() const { return id_; }
    // Takes ownership. The caller sets the manager first (factories do).
    void AddControl(MControl* child);
    void AddArea(MControl* area);
    std::vector<MControl*> GetControls() const;
    std::vector<MControl*> GetAreas() const;
    // Depth first through the children (each subtree before the next sibling), then the areas.
    MControl* GetControl(unsigned id);
    int RemoveControl(MControl* control);
    void RemoveAllControl();
    MControl* GetActiveControl() const { return active_; }
    // Only the manager's top level takes part in Tab traversal.
    MControl* GetFocusControl() { return nullptr; }
    MControl* GetNextFocusableControl() { return nullptr; }
    MControl* GetPrevFocusableControl() { return nullptr; }
    bool IsFocusControl() const;
    void OnFocus(int focus) { SetControlFocus(focus); }

    // ---- State ---------------------------------------------------------------------------
    CRect GetRect() const { return rect_; }
    void SetRect(CRect rect);
    void SetRect(int x, int y, int width, int height) {
        SetRect(CRect(x, y, x + width, y + height));
    }
    int IsVisible() const { return visible_; }
    void SetVisible(int visible);
    void SetVisible(int visible, int repaint);
    int IsEnabled() const { return enabled_; }
    void SetEnabled(int enabled);
    int IsParentVisible() const;
    int IsDragDrop() const { return dragSource_; }
    void SetDragDrop(int on) { dragSource_ = on; }
    int GetRresponse() const { return mouseResponse_; }
    void SetRresponse(int on) { mouseResponse_ = on; }
    int IsTabStop() const { return tabStop_; }
    void SetTabStop(int on) { tabStop_ = on; }
    int GetDblClk() const { return dblClkAware_; }
    void SetDblClk(int on) { dblClkAware_ = on; }
    int IsPressed() const { return pressed_; }
    int IsKeyDown() const { return keyDown_; }
    int IsFocused() const { return focused_; }
    void SetFocused(int on) { focused_ = on; }
    void SetHotKey(unsigned vk, unsigned modifiers) { hotKeyVk_ = vk, hotKeyMod_ = modifiers; }
    void GetHotKey(unsigned& vk, unsigned& modifiers) const {
        vk = hotKeyVk_, modifiers = hotKeyMod_;
    }
    int GetUpdate() const { return cacheValid_; }
    int IsAnimate() const { return animate_; }
    int IsRunTimer() const { return runTimer_; }
    void SetRunTimer(int on) { runTimer_ = on; }
    int UseImageECM() const { return imageEcm_; }
    void SetImageECM(int on) { imageEcm_ = on; }
    int GetMouseOutside() const { return mouseOutside_; }
    void SetMouseOutside(int on) { mouseOutside_ = on; }
    int GetDblClkNotify() const { return dblClkNotify_; }
    void SetDblClkNotify(int on) { dblClkNotify_ = on; }
    int GetKeyNotify() const { return keyNotify_; }
    void SetKeyNotify(int on) { keyNotify_ = on; }

    // ---- Repaint and notifications --------------------------------------------------------
    void UpdateControl(int refresh = 1, int force = 0);
    void UpdateControl(CRect rect, int force, int refresh);
    void UpdateAControl(int animate, int force = 0);
    long SendMessageW(unsigned code, unsigned wParam, long lParam);

    // ---- Tooltip and cursor ----------------------------------------------------------------
    CString GetTooltip() const { return tooltip_; }
    void SetTooltip(const wchar_t* text) { tooltip_ = text ? text : L""; }
    void SetTooltip(const CString& text, CRect rect);
    void ClearTooltip();
    void SetTooltipCtrlID(unsigned) {}
    unsigned GetTooltipCtrlID() const { return 0; }
    // "arrow", "wait", "cross", "sizewe", "sizens", "hand", "help"; other names change
    // nothing. Always 0.
    int SetCursorEx(const wchar_t* name);
    bool HasCursor() const { return hasCursor_; }

    // Registers with the manager's animation timer.
    void AddMTimer();
    // Takes this control and its whole subtree off the animation timer. Called before a
    // control is deleted, so that the timer thread never ticks a half-destroyed object.
    void DetachFromAnimation();

protected:
    // Paint cache: (re)creates the cache surface when the size changed and marks it valid.
    // Returns the cache DC (client-addressed at the control's rect).
    HDC UpdateMemDC(HDC& hdc, int width, int height);
    HDC GetMemDC() const { return cache_.get(); }
    // Copies what lies under the control's rect in hdc into the cache.
    void CopyBackgroundToCache(HDC& hdc);
    // Copies the cache to hdc at the control's rect (clipped to clip).
    void BlitCache(HDC& hdc, CRect clip);
    // Renders into the cache when invalid and blits it: the standard DrawControl body.
    void DrawThroughCache(HDC& hdc, CRect clip);
    // Subclasses that use DrawThroughCache render here (hdc is the cache).
    virtual void RenderControl(HDC&, CRect) {}
    HDC UpdateAnimateDC(HDC& hdc, int width, int height);
    HDC GetAnimateDC() const { return animation_.get(); }

    MObject* parent_;
    PaintManager* manager_ = nullptr;
    unsigned id_;
    CRect rect_;
    int visible_;
    int enabled_;
    int dragSource_ = 0;
    int mouseResponse_;
    int tabStop_ = 0;
    int dblClkAware_ = 0;
    int pressed_ = 0;
    int keyDown_ = 0;
    int focused_ = 0;
    unsigned hotKeyVk_ = 0;
    unsigned hotKeyMod_ = 0;
    int cacheValid_ = 0;
    int animate_ = 0;
    int runTimer_ = 0;
    int imageEcm_ = 0;
    int mouseOutside_ = 0;
    std::vector<MControl*> areas_;
    mutable std::recursive_mutex areasLock_;
    std::vector<MControl*> children_;
    mutable std::recursive_mutex childrenLock_;
    MControl* active_ = nullptr;
    std::unique_ptr<DC> cache_;
    std::unique_ptr<DC> animation_;
    CString tooltip_;
    CursorShape cursor_{};
    bool hasCursor_ = false;
    int dblClkNotify_ = 0;
    int keyNotify_ = 0;

private:
    // Children whose id is 1 or 2 get the untranslated point.
    static CPoint ChildPoint(MControl* child, CPoint raw, CPoint translated);
    void SendKeyNotify(unsigned vk, unsigned modifiers);
    int ButtonDown(unsigned flags, CPoint pt, bool left);
    int ButtonUp(unsigned flags, CPoint pt, bool left);
    void ReleaseCaches();
};

}  // namespace VKUI

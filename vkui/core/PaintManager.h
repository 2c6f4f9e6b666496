// The bridge between one real window and its control tree.
//
// Routing rules, in one place:
//  - Mouse moves go to the hover control while it still contains the point; otherwise every
//    top-level control sees the move and the last one containing the point becomes the hover
//    control. While the left button is held the pressed control keeps the hover.
//  - A left press goes to the hover control (which becomes the focus control and captures the
//    mouse); a press nobody covers moves the window when window drag is on.
//  - Wheel notches (delta / 120, towards the user = forward) go to the hover control first,
//    then to each top-level control in order.
//  - Keys go to the hover control, then to each top-level control in order. Tab and Shift+Tab
//    move the focus among visible, enabled tab-stop top-level controls, wrapping.
//  - Repaint requests mark the requesting control and every later visible control that
//    overlaps it for re-rendering and invalidate their union; one paint draws the background,
//    the areas, the controls, the caret and the overlays through the window's back buffer.
// Control timers get window-timer ids from 17 upwards, wrapping through 0..239; ids 66, 88,
// 99 and 6553 belong to the overlays and the caret. The 16 ms animation timer ticks the
// controls registered with AddMTimer on its own thread.
// System drag and drop does not exist on Linux: the drag-source flag and the drag bitmap are
// kept (GetDropBitmap works), but pressing a drag source starts no system drag.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "core/CMTimer.h"
#include "core/DC.h"
#include "core/Image.h"
#include "core/ImgResInfo.h"
#include "core/MObject.h"
#include "platform/Types.h"

namespace VKUI {

class MControl;
class MWindow;
class TooltipWnd;
struct FontFamily;

struct MINMAXINFO {
    CPoint ptReserved;
    CPoint ptMaxSize;
    CPoint ptMaxPosition;
    CPoint ptMinTrackSize;
    CPoint ptMaxTrackSize;
};

class PaintManager : public CMTimer {
public:
    PaintManager();
    ~PaintManager() override;

    // ---- Set-up ----------------------------------------------------------------------------
    void Init(HWND hwnd, MWindow* window);
    bool IsInitialized() const { return initialized_; }
    MWindow* GetMDialog() const { return window_; }
    HWND GetPaintWnd() const { return hwnd_; }
    HWND GetToolTipWnd() const { return hwnd_; }
    void SetLayeredWindow(int layered) { layered_ = layered; }
    int IsLayered() const { return layered_; }
    void EnableWndDrag(int on) { wndDrag_ = on; }
    int IsWndDrag() const { return wndDrag_; }
    void SetCaptionRect(CRect r) { caption_ = r; }
    CRect GetCaptionRect() const { return caption_; }
    void SetWindowMixSize(int w, int h) { minSize_ = {w, h}; }
    CSize GetWindowMinSize() const { return minSize_; }
    void SetWindowMaxSize(int w, int h) { maxSize_ = {w, h}; }
    // Returns the minimum size (kept as the toolkit always answered it).
    CSize GetWindowManSize() const { return minSize_; }

    // ---- Background ------------------------------------------------------------------------
    void SetBackColor(COLORREF fill, COLORREF border) { backFill_ = fill, backBorder_ = border; }
    COLORREF GetBackColor() const { return backFill_; }
    bool LoadBKImage(const wchar_t* path);
    bool LoadBKImage(unsigned resId, const wchar_t* type);
    void SetBackMode(int mode, int border = 4) { backMode_ = mode, backBorder9_ = border; }
    int GetBackMode() const { return backMode_; }
    COLORREF GetDefaultEnabledColor() const { return disabledText_; }
    void SetDefaultEnabledColor(COLORREF c) { disabledText_ = c; }

    // ---- Controls --------------------------------------------------------------------------
    // Factory by class name; where: 0 area list, 1 control list, other: no list.
    MControl* CreateControl(int where, MObject* parent, const wchar_t* className, unsigned id,
                            CRect rect, const wchar_t* title, int p1, int p2);
    MControl* CreateArea(MObject* parent, const wchar_t* className, unsigned id, CRect rect,
                         const wchar_t* title, int p1, int p2) {
        return CreateControl(0, parent, className, id, rect, title, p1, p2);
    }
    MControl* CreateControl(MObject* parent, const wchar_t* className, unsigned id, CRect rect,
                            const wchar_t* title, int p1, int p2) {
        return CreateControl(1, parent, className, id, rect, title, p1, p2);
    }
    // Takes ownership of a control made with new (its manager is set here).
    void AddControl(MControl* control);
    void AddArea(MControl* area);
    std::vector<MControl*> GetControls() const;
    std::vector<MControl*> GetAreas() const;
    MControl* GetControl(unsigned id);
    int RemoveControl(MControl* control);
    void ClearAreaControls();
    void ClearControls();
    void ClearAllControls();
    MControl* GetHoverControl() const { return hover_; }
    MControl* GetFocusControl() const { return focus_; }
    void SetFocusControl(MControl* control);
    // Stores the focus control without notifying anyone (the control tree has done it).
    void AssignFocusControl(MControl* control) { focus_ = control; }
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();
    unsigned GetTooltipCtrlID() const { return tooltipOwner_; }
    void SetTooltipCtrlID(unsigned id) { tooltipOwner_ = id; }
    // A control being destroyed: drop every reference to it (hover, focus, timers, lists).
    void ForgetControl(MControl* control);

    // ---- Window services -------------------------------------------------------------------
    void Invalidate();
    void InvalidateRect(const CRect* rect, int erase);
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    void GetClientSize(int& width, int& height) const;
    void SetCapture();
    void ReleaseCapture();
    int IsCaptured() const { return captured_; }
    long SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);
    long PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);

    // ---- Timers ----------------------------------------------------------------------------
    int SetTimer(MControl* control, unsigned key, unsigned elapseMs);
    int KillTimer(MControl* control, unsigned key);
    int KillTimer(MControl* control);
    void ClearTimers();
    // The window-timer id a control's timer got (0 when none); for tests.
    unsigned GetTimerID(MControl* control, unsigned key) const;
    unsigned SetMTimer(unsigned periodMs);
    void KillMTimer(unsigned id);
    void KillMTimer();
    unsigned GetMTimerID() const { return animationTimer_; }
    void AddMTimer(MControl* control);
    void DeleteDRTimer(MControl* control);
    void OnMTimer(unsigned id) override;

    // ---- Tooltip, caret, overlays ----------------------------------------------------------
    void SetTooltip(const CString& text, CRect rect);
    void ClearTooltip();
    CString GetTooltipText() const { return tooltipText_; }
    bool IsTooltipShown() const;
    void CreateCaret(HBITMAP bitmap, int width, int height);
    void SetCaretPos(MControl* owner, int x, int y);
    void ShowCaret(int show);
    void DrawCaret(HDC& hdc, CRect clip);
    MControl* GetCurrentCaretObject() const { return caretOwner_; }
    void SetMessage(const CString& text, CRect rect, int level);
    void SetProgress(int value, const CString& text, CRect rect);
    CString GetMessageText() const { return messageText_; }
    int GetMessageAlpha() const { return messageAlpha_; }
    int GetShownProgress() const { return shownProgress_; }

    // ---- Drag source (no system drag on Linux) -----------------------------------------------
    int IsDragArmed() const { return dragArmed_; }
    HBITMAP GetDragBitmap() const { return dragBitmap_.get(); }
    // Renders control into an image and returns a copy of rect (client coordinates).
    std::unique_ptr<Image> GetDropBitmap(MControl* control, CRect rect, ARGB colour);
    std::unique_ptr<Image> GenerateBitmap(MControl* control, CRect rect, ARGB colour);

    // ---- Resources -------------------------------------------------------------------------
    ImgResInfo* AddImgResInfo(const wchar_t* path, int frames);
    ImgResInfo* AddImgResInfo(unsigned resId, const wchar_t* type, int frames, int fromApplication);
    void ClearImgResInfo();
    std::size_t ImageCacheSize() const;
    const FontFamily* AddTempFont(const CString& face, const CString& path);
    const FontFamily* AddTempFont(const CString& face, unsigned resId);
    const FontFamily* FindTempFont(const CString& face) const;
    void ClearTempFont();
    bool AddGDITempFont(unsigned resId);
    void SetScrollResID(unsigned vertical, unsigned horizontal) {
        scrollV_ = vertical, scrollH_ = horizontal;
    }
    unsigned GetScrollVID() const { return scrollV_; }
    unsigned GetScrollHID() const { return scrollH_; }
    CString GetDefaultFontName() const { return fontName_; }

    // ---- Message entry points --------------------------------------------------------------
    long OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    int PreTranslateMessage(MSG* msg);
    void OnDestroyMessage(HWND hwnd);
    void DestroyData();
    long OnControlUpdate(CRect rect, int refresh, MControl* control);
    long OnPaint();
    long OnTimer(WPARAM id);
    long OnMouseMove(unsigned flags, CPoint pt);
    long OnMouseLeave();
    long OnMouseWheel(unsigned flags, int delta, CPoint screenPt);
    long OnLButtonDown(unsigned flags, CPoint pt);
    long OnLButtonUp(unsigned flags, CPoint pt);
    long OnLButtonDblClk(unsigned flags, CPoint pt);
    long OnRButtonDown(unsigned flags, CPoint pt);
    long OnRButtonUp(unsigned flags, CPoint pt);
    long OnRButtonDblClk(unsigned flags, CPoint pt);
    long OnKeyDown(unsigned vk, LPARAM lParam);
    long OnKeyUp(unsigned, LPARAM) { return 0; }
    long OnNcActivate(int active);
    long OnGetMinMaxInfo(MINMAXINFO* info);
    int IsActive() const { return active_; }
    // Alt -> 18, else Shift -> 16, else 0; OR 17 when Ctrl is down.
    static unsigned ModifierCode();

    // Repaint counter (number of OnPaint runs that drew something).
    std::uint64_t PaintCount() const { return paints_; }

private:
    void InvalidateForLayered(const CRect& rect);
    void PaintBackground(HDC dc, CRect client);
    void PaintOverlay(HDC dc);
    void KillWindowTimer(WPARAM id);
    void StartWindowTimer(WPARAM id, unsigned ms);
    MControl* TopLevelOf(MControl* control) const;

    // Window.
    MWindow* window_ = nullptr;
    bool initialized_ = false;
    HWND hwnd_ = nullptr;
    int layered_ = 0;
    int wndDrag_ = 1;
    CRect caption_;
    CSize minSize_;
    CSize maxSize_;
    // Background.
    COLORREF backFill_ = 0xFFFFFF;
    COLORREF backBorder_ = 0xFFFFFF;
    std::unique_ptr<Image> backImage_;
    int backMode_ = 0;
    int backBorder9_ = 4;
    COLORREF disabledText_ = 0x808080;
    // Controls.
    std::vector<MControl*> areas_;
    mutable std::recursive_mutex areasLock_;
    std::vector<MControl*> controls_;
    mutable std::recursive_mutex controlsLock_;
    MControl* hover_ = nullptr;
    MControl* focus_ = nullptr;
    unsigned tooltipOwner_ = 0;
    // Mouse.
    int tracking_ = 0;
    int active_ = 0;
    int leftPressed_ = 0;
    int leftDblClk_ = 0;
    int rightPressed_ = 0;
    int rightDblClk_ = 0;
    int captured_ = 0;
    int dragArmed_ = 0;
    CPoint lastDragPoint_;
    std::unique_ptr<Image> dragBitmap_;
    // Timers.
    struct TimerRecord {
        HWND hwnd;
        unsigned key;
        unsigned id;
        bool killed;
        MControl* control;
    };
    std::vector<TimerRecord> timers_;
    mutable std::recursive_mutex timersLock_;
    unsigned lastTimerId_ = 4096;
    unsigned animationTimer_ = 0;
    std::vector<MControl*> animated_;
    mutable std::recursive_mutex animatedLock_;
    // Caret.
    CRect caret_;
    bool caretBlinkVisible_ = false;
    bool caretShown_ = false;
    MControl* caretOwner_ = nullptr;
    // Overlays.
    CString messageText_;
    int messageLevel_ = 0;
    int messageAlpha_ = 0;
    int shownProgress_ = 0;
    int targetProgress_ = 0;
    CRect overlayRect_;
    std::unique_ptr<TooltipWnd> tooltip_;
    CString tooltipText_;
    // Resources.
    std::map<CString, ImgResInfo> imagesByPath_;
    std::map<unsigned, ImgResInfo> imagesByAppRes_;
    std::map<unsigned, ImgResInfo> imagesByOwnRes_;
    mutable std::mutex imagesLock_;
    std::map<CString, std::unique_ptr<FontFamily>> fonts_;
    std::vector<CString> gdiFonts_;
    CString fontName_;
    unsigned scrollV_ = 0;
    unsigned scrollH_ = 0;
    std::uint64_t paints_ = 0;
};

}  // namespace VKUI

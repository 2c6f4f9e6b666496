// Painting, repaint requests, timers, the caret and the message/progress overlays.
#include <cairo.h>

#include <algorithm>

#include "core/MControl.h"
#include "core/MControlFont.h"
#include "core/MRender.h"
#include "core/Manager.h"
#include "core/PaintManager.h"
#include "platform/Platform.h"

namespace VKUI {

namespace {
constexpr WPARAM kCaretTimer = 6553;
constexpr WPARAM kMessageHoldTimer = 66;
constexpr WPARAM kFadeTimer = 88;
constexpr WPARAM kProgressTimer = 99;
}  // namespace

MControl* PaintManager::TopLevelOf(MControl* control) const {
    MControl* c = control;
    while (c) {
        auto* parent = dynamic_cast<MControl*>(c->GetParantObject());
        if (!parent)
            break;
        c = parent;
    }
    return c;
}

long PaintManager::OnControlUpdate(CRect rect, int refresh, MControl* control) {
    if (!control)
        return 0;
    if (refresh)
        control->SetUpdate(0, backFill_);
    if (!initialized_)
        return 0;
    CRect region = rect;
    // A nested control is ordered by its top-level ancestor.
    MControl* anchor = TopLevelOf(control);
    bool passed = false;
    auto walk = [&](const std::vector<MControl*>& list) {
        for (MControl* c : list) {
            if (passed && c->IsVisible() && c->GetRect().Intersects(rect)) {
                c->SetUpdate(0, backFill_);
                region = CRect::Union(region, c->GetRect());
            }
            if (c == anchor)
                passed = true;
        }
    };
    {
        std::lock_guard lock(areasLock_);
        walk(areas_);
    }
    {
        std::lock_guard lock(controlsLock_);
        walk(controls_);
    }
    InvalidateRect(&region, 1);
    return 0;
}

void PaintManager::PaintBackground(HDC dc, CRect client) {
    if (backImage_) {
        if (backMode_ == 1)
            MRender::DrawImageFrame(dc, backImage_.get(), client, 0, 0, backImage_->Width(),
                                    backImage_->Height(), backBorder9_);
        else
            MRender::DrawImage(dc, backImage_.get(),
                               CRect(0, 0, backImage_->Width(), backImage_->Height()), 0, 0,
                               backImage_->Width(), backImage_->Height());
        return;
    }
    MRender::DrawColor(dc, client, ColorRefToArgb(backBorder_, 254));
    CRect inner = client;
    inner.DeflateRect(1, 1);
    // Replace, not blend: the inner fill is the window's own colour.
    DCSave save(dc);
    cairo_set_operator(dc->Cairo(), CAIRO_OPERATOR_SOURCE);
    MRender::DrawColor(dc, inner, ColorRefToArgb(backFill_, 254));
}

long PaintManager::OnPaint() {
    Platform& p = Platform::Get();
    if (!hwnd_ || p.IsIconic(hwnd_) || p.GetUpdateRect(hwnd_).IsRectEmpty()) {
        if (hwnd_)
            p.DefWindowProcW(hwnd_, WM_PAINT, 0, 0);
        return 0;
    }
    CRect update;
    BackBuffer* buffer = p.BeginPaint(hwnd_, update);
    if (!buffer)
        return 0;
    CRect client(0, 0, buffer->Width(), buffer->Height());
    if (layered_)
        update = client;
    update = CRect::Intersect(update, client);
    DC dc(buffer->Surface(), 0, 0);
    HDC hdc = &dc;
    cairo_t* cr = dc.Cairo();
    cairo_rectangle(cr, update.left, update.top, update.Width(), update.Height());
    cairo_clip(cr);
    if (layered_) {
        DCSave save(hdc);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
    }
    PaintBackground(hdc, client);
    CRect clip = layered_ ? client : update;
    {
        std::lock_guard lock(areasLock_);
        for (MControl* a : areas_)
            a->Draw(hdc, clip);
    }
    {
        std::lock_guard lock(controlsLock_);
        for (MControl* c : controls_)
            c->Draw(hdc, clip);
    }
    DrawCaret(hdc, clip);
    if (layered_) {
        // Pixels left with alpha 0 but a colour were drawn without alpha: make them opaque.
        buffer->Flush();
        for (int y = update.top; y < update.bottom; ++y) {
            std::uint32_t* row = buffer->Row(y);
            for (int x = update.left; x < update.right; ++x)
                if ((row[x] >> 24) == 0 && (row[x] & 0xFFFFFF) != 0)
                    row[x] |= 0xFF000000u;
        }
        buffer->MarkDirty();
    }
    PaintOverlay(hdc);
    if (layered_)
        p.SetExStyle(hwnd_, p.GetExStyle(hwnd_) | WS_EX_LAYERED);
    p.EndPaint(hwnd_, update);
    ++paints_;
    return 1;
}

void PaintManager::PaintOverlay(HDC dc) {
    if (messageAlpha_ <= 10 || messageText_.empty())
        return;
    unsigned a = static_cast<unsigned>(std::clamp(messageAlpha_, 0, 255));
    CRect r = overlayRect_;
    MRender::DrawColor(dc, r, (a << 24) | 0xE6E6E6);
    CRect inner = r;
    inner.DeflateRect(2, 2);
    {
        DCSave save(dc);
        cairo_set_operator(dc->Cairo(), CAIRO_OPERATOR_SOURCE);
        MRender::DrawColor(dc, inner, (a << 24) | 0xFEFEFE);
    }
    FontSpec font{fontName_, 12, FontStyleRegular};
    ARGB textColour = (a << 24) | 0x050505;
    if (targetProgress_ == 0 && shownProgress_ == 0) {
        CRect box(r.left + 5, r.top + 5, r.left + 5 + 190, r.top + 5 + 50);
        MRender::DrawTextW(dc, box, messageText_, textColour, font,
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    CRect box(r.left + 5, r.top + 5, r.left + 5 + r.Width() - 10, r.top + 5 + 30);
    MRender::DrawTextW(dc, box, messageText_, textColour, font,
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    {
        DCSave save(dc);
        MRender::SetSource(dc, 0xC8C8C8C8);
        cairo_set_line_width(dc->Cairo(), 1);
        cairo_move_to(dc->Cairo(), r.left + 10, r.bottom - 15 + 0.5);
        cairo_line_to(dc->Cairo(), r.right - 20, r.bottom - 15 + 0.5);
        cairo_stroke(dc->Cairo());
    }
    int width = shownProgress_ * (r.Width() - 20) / 100;
    MRender::DrawColor(dc, CRect(r.left + 10, r.bottom - 16, r.left + 10 + width, r.bottom - 13),
                       0xFEFFE100);
}

// ---- Timers ----------------------------------------------------------------------------------

void PaintManager::StartWindowTimer(WPARAM id, unsigned ms) {
    Platform::Get().SetTimer(hwnd_, id, ms);
}
void PaintManager::KillWindowTimer(WPARAM id) {
    Platform::Get().KillTimer(hwnd_, id);
}

int PaintManager::SetTimer(MControl* control, unsigned key, unsigned elapseMs) {
    if (!control || !hwnd_)
        return 0;
    std::lock_guard lock(timersLock_);
    for (auto& t : timers_) {
        if (t.hwnd == hwnd_ && t.control == control && t.key == key) {
            if (!t.killed)
                return 0;
            if (!Platform::Get().SetTimer(hwnd_, t.id, elapseMs))
                return 0;
            t.killed = false;
            return 1;
        }
    }
    unsigned id = (lastTimerId_ + 1) % 240;
    if (!Platform::Get().SetTimer(hwnd_, id, elapseMs))
        return 0;
    lastTimerId_ = id;
    timers_.push_back({hwnd_, key, id, false, control});
    return 1;
}

int PaintManager::KillTimer(MControl* control, unsigned key) {
    std::lock_guard lock(timersLock_);
    for (auto& t : timers_) {
        if (t.control == control && t.key == key && !t.killed) {
            Platform::Get().KillTimer(t.hwnd, t.id);
            t.killed = true;
            return 1;
        }
    }
    return 0;
}

int PaintManager::KillTimer(MControl* control) {
    std::lock_guard lock(timersLock_);
    int n = 0;
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->control == control) {
            // Another record may share the id after wrapping; stop it only if none does.
            unsigned id = it->id;
            it = timers_.erase(it);
            bool shared = std::any_of(timers_.begin(), timers_.end(), [&](const TimerRecord& t) {
                return t.id == id && !t.killed;
            });
            if (!shared)
                Platform::Get().KillTimer(hwnd_, id);
            ++n;
        } else {
            ++it;
        }
    }
    return n > 0;
}

void PaintManager::ClearTimers() {
    std::lock_guard lock(timersLock_);
    for (auto& t : timers_)
        if (!t.killed)
            Platform::Get().KillTimer(t.hwnd, t.id);
    timers_.clear();
}

unsigned PaintManager::GetTimerID(MControl* control, unsigned key) const {
    std::lock_guard lock(timersLock_);
    for (const auto& t : timers_)
        if (t.control == control && t.key == key)
            return t.id;
    return 0;
}

long PaintManager::OnTimer(WPARAM id) {
    switch (id) {
        case kCaretTimer:
            InvalidateRect(&caret_, 1);
            caretBlinkVisible_ = !caretBlinkVisible_;
            return 0;
        case kMessageHoldTimer:
            KillWindowTimer(kMessageHoldTimer);
            StartWindowTimer(kFadeTimer, 50);
            return 0;
        case kFadeTimer:
            messageAlpha_ -= 10;
            if (messageAlpha_ < 20) {
                messageAlpha_ = 0;
                shownProgress_ = 0;
                KillWindowTimer(kFadeTimer);
            }
            InvalidateRect(&overlayRect_, 1);
            return 0;
        case kProgressTimer:
            shownProgress_ += 2;
            if (shownProgress_ >= targetProgress_) {
                shownProgress_ = std::min(shownProgress_, std::max(targetProgress_, 0));
                KillWindowTimer(kProgressTimer);
            }
            InvalidateRect(&overlayRect_, 1);
            if (shownProgress_ >= 100)
                StartWindowTimer(kFadeTimer, 50);
            return 0;
        default:
            break;
    }
    std::vector<MControl*> due;
    {
        std::lock_guard lock(timersLock_);
        for (const auto& t : timers_)
            if (t.hwnd == hwnd_ && t.id == id && !t.killed)
                due.push_back(t.control);
    }
    for (MControl* c : due) {
        // A tick may remove controls; tick only those still registered.
        bool live;
        {
            std::lock_guard lock(timersLock_);
            live = std::any_of(timers_.begin(), timers_.end(),
                               [&](const TimerRecord& t) { return t.control == c && !t.killed; });
        }
        if (live)
            c->OnTimer();
    }
    return 0;
}

unsigned PaintManager::SetMTimer(unsigned periodMs) {
    if (animationTimer_)
        KillMTimer(animationTimer_);
    animationTimer_ = CMTimer::SetTimer(periodMs, L"", 0);
    return animationTimer_;
}

void PaintManager::KillMTimer(unsigned id) {
    CMTimer::KillTimer(id);
    if (id == animationTimer_)
        animationTimer_ = 0;
}

void PaintManager::KillMTimer() {
    CMTimer::KillTimer();
    animationTimer_ = 0;
}

void PaintManager::AddMTimer(MControl* control) {
    if (!control)
        return;
    std::lock_guard lock(animatedLock_);
    if (std::find(animated_.begin(), animated_.end(), control) == animated_.end())
        animated_.push_back(control);
}

void PaintManager::DeleteDRTimer(MControl* control) {
    std::lock_guard lock(animatedLock_);
    std::erase(animated_, control);
}

void PaintManager::OnMTimer(unsigned id) {
    if (id != animationTimer_ || id == 0)
        return;
    std::lock_guard lock(animatedLock_);
    for (MControl* c : animated_)
        if (c->IsRunTimer() && c->IsVisible() && c->IsParentVisible())
            c->OnTimer();
}

// ---- Caret -------------------------------------------------------------------------------------

void PaintManager::CreateCaret(HBITMAP, int width, int height) {
    caret_.right = caret_.left + width;
    caret_.bottom = caret_.top + height;
}

void PaintManager::SetCaretPos(MControl* owner, int x, int y) {
    CRect old = caret_;
    caretOwner_ = owner;
    caret_ = CRect(x, y, x + old.Width(), y + old.Height());
    InvalidateRect(&old, 1);
    InvalidateRect(&caret_, 1);
}

void PaintManager::ShowCaret(int show) {
    caretShown_ = show != 0;
    if (show) {
        caretBlinkVisible_ = true;
        StartWindowTimer(kCaretTimer, Platform::Get().GetCaretBlinkTime());
    } else {
        KillWindowTimer(kCaretTimer);
        InvalidateRect(&caret_, 1);
    }
}

void PaintManager::DrawCaret(HDC& hdc, CRect clip) {
    Platform& p = Platform::Get();
    if (!caretOwner_ || !caretOwner_->IsFocused() || p.GetFocus() != hwnd_) {
        if (p.HasTimer(hwnd_, kCaretTimer))
            KillWindowTimer(kCaretTimer);
        caretBlinkVisible_ = false;
        return;
    }
    if (!caretBlinkVisible_ || !caretShown_)
        return;
    CRect r = CRect::Intersect(caret_, clip);
    ARGB colour = 0xFE373737;
    if (auto* f = dynamic_cast<MControlFont*>(caretOwner_))
        colour = (f->GetTextColor() & 0xFFFFFF) | 0xFE000000u;
    MRender::DrawColor(hdc, r, colour);
}

// ---- Overlays ----------------------------------------------------------------------------------

void PaintManager::SetMessage(const CString& text, CRect rect, int level) {
    KillWindowTimer(kMessageHoldTimer);
    KillWindowTimer(kFadeTimer);
    messageAlpha_ = 255;
    messageText_ = text;
    messageLevel_ = level;
    overlayRect_ = rect;
    shownProgress_ = 0;
    targetProgress_ = 0;
    InvalidateRect(&overlayRect_, 1);
    StartWindowTimer(kMessageHoldTimer, 3000);
}

void PaintManager::SetProgress(int value, const CString& text, CRect rect) {
    if (value == targetProgress_)
        return;
    if (value < 5)
        KillWindowTimer(kFadeTimer);
    messageAlpha_ = 255;
    messageText_ = text;
    targetProgress_ = value;
    if (rect.IsRectEmpty()) {
        CRect c = GetClientRect();
        rect = CRect(0, c.bottom - 60, c.Width(), c.bottom - 2);
    }
    overlayRect_ = rect;
    if (targetProgress_ - shownProgress_ < 6) {
        shownProgress_ = targetProgress_;
        InvalidateRect(&overlayRect_, 1);
        if (shownProgress_ > 99)
            StartWindowTimer(kFadeTimer, 50);
    } else {
        StartWindowTimer(kProgressTimer, 10);
    }
}

}  // namespace VKUI

// The in-memory backend: windows are Cairo image surfaces, time is virtual, and tests inject
// input, advance the clock, read pixels and save PNGs. No X server is involved.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace VKUI {

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;
    const char* Name() const override { return "headless"; }
    CRect GetWorkArea() const override { return workArea_; }
    void SetWorkArea(const CRect& r) { workArea_ = r; }
    void Wake() override {}
    void BeginMoveDrag(HWND hwnd) override;
    std::int64_t NowMs() const override { return now_; }

    // ---- Test API ------------------------------------------------------------------------
    // Advances the virtual clock; due timers fire at the next pump.
    void AdvanceTime(std::int64_t ms) { now_ += ms; }
    // Dispatches every pending message (input, timers due now, paints) without blocking.
    int Pump();
    // Mouse input in client coordinates of hwnd (translated to screen and hit-tested).
    void MouseMove(HWND hwnd, CPoint client);
    void MouseDown(HWND hwnd, CPoint client, int button = 1);
    void MouseUp(HWND hwnd, CPoint client, int button = 1);
    void Click(HWND hwnd, CPoint client, int button = 1);
    void Wheel(HWND hwnd, CPoint client, int delta);
    void KeyDown(unsigned vk, char32_t ch = 0) { InputKey(vk, true, ch); }
    void KeyUp(unsigned vk) { InputKey(vk, false, 0); }
    // What the window shows: unpremultiplied 0xAARRGGBB at a client point (0 outside).
    std::uint32_t Pixel(HWND hwnd, int x, int y) const;
    bool SavePng(HWND hwnd, const std::string& path) const;
    // Number of move drags started by presses on the caption.
    int MoveDragCount(HWND hwnd) const;
    // Called by GetMessageW when nothing is pending and no timer exists; return false to end
    // the loop (as if WM_QUIT arrived). Without a hook such a loop ends at once.
    void SetIdleHook(std::function<bool()> hook) { idle_ = std::move(hook); }

protected:
    bool NativeCreate(HWND, Window&) override { return true; }
    void NativeDestroy(HWND hwnd, Window&) override;
    void NativeShow(HWND, Window&, bool) override {}
    void NativeMove(HWND, Window&) override {}
    void NativePresent(HWND hwnd, Window& w, const CRect& rect) override;
    void NativeWait(int timeoutMs) override;
    bool NativeIdle() override { return idle_ && idle_(); }

private:
    std::map<HWND, std::unique_ptr<BackBuffer>> fronts_;
    std::map<HWND, int> moveDrags_;
    std::int64_t now_ = 1000000;
    CRect workArea_{0, 0, 1920, 1080};
    std::function<bool()> idle_;
};

}  // namespace VKUI

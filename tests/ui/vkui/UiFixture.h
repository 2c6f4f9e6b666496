// Shared pieces of the headless toolkit tests: a fresh headless backend per test, a probe
// control that records what reaches it, and a dialog that hosts probes.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/MControlFont.h"
#include "core/MDialog.h"
#include "core/MRender.h"
#include "core/Manager.h"
#include "platform/headless/HeadlessPlatform.h"

namespace VKUI::test {

// Fills its rect with one colour through the paint cache and records every event.
class Probe : public MControlFont {
public:
    Probe(MObject* parent, unsigned id, CRect rect, ARGB colour = 0xFE00FF00)
        : MControlFont(parent, id, rect), colour_(colour) {}
    void DrawControl(HDC& hdc, CRect clip) override { DrawThroughCache(hdc, clip); }
    void RenderControl(HDC& hdc, CRect) override { MRender::DrawColor(hdc, rect_, colour_); }
    int OnControlLButtonDown(unsigned, CPoint) override { return Log("down"), 1; }
    int OnControlLButtonUp(unsigned, CPoint) override { return Log("up"), 1; }
    int OnControlLButtonDblClk(unsigned, CPoint) override { return Log("dbl"), 1; }
    int OnControlMouseMove(unsigned, CPoint) override { return Log("move"), 1; }
    int OnControlScroll(int, unsigned direction, CPoint) override {
        scrolls.push_back(direction);
        return acceptScroll;
    }
    int OnControlKeyDown(unsigned vk, unsigned, unsigned modifiers) override {
        keys.push_back(vk);
        lastModifiers = modifiers;
        return acceptKeys;
    }
    int OnControlTimer() override { return ++ticks, 0; }
    int SetControlFocus(int focus) override {
        focused_ = focus;
        return MControl::SetControlFocus(focus);
    }
    void Log(const std::string& e) { events.push_back(e); }
    int Count(const std::string& e) const {
        int n = 0;
        for (const auto& x : events)
            n += x == e;
        return n;
    }

    std::vector<std::string> events;
    std::vector<unsigned> scrolls;
    std::vector<unsigned> keys;
    unsigned lastModifiers = 0;
    int acceptScroll = 1;
    int acceptKeys = 0;
    int ticks = 0;
    ARGB colour_;
};

// True when the RGB channels of two colours differ by at most 2 (alpha 254 drawing rounds).
inline bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > 2 || d < -2)
            return false;
    }
    return true;
}

class TestDialog : public MDialog {
public:
    long OnMessage(unsigned id, unsigned code, unsigned wParam, long) override {
        notifications.push_back({id, code, wParam});
        return 0;
    }
    HWND CreateAt(int width = 400, int height = 300) {
        return Create(nullptr, L"test", 0x96000000, 0, CRect(100, 100, 100 + width, 100 + height));
    }
    Probe* AddProbe(unsigned id, CRect rect, ARGB colour = 0xFE00FF00) {
        auto* p = new Probe(this, id, rect, colour);
        manager_.AddControl(p);
        return p;
    }
    struct Note {
        unsigned id, code, wParam;
    };
    std::vector<Note> notifications;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto backend = std::make_unique<HeadlessPlatform>();
        platform = backend.get();
        Platform::Install(std::move(backend));
        skinDir = ::testing::TempDir() + "vkui_skin_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::string cmd = "mkdir -p '" + skinDir + "'";
        ASSERT_EQ(0, std::system(cmd.c_str()));
        Manager::SetSkinFolder(skinDir);
    }
    void TearDown() override {
        Platform::Install(nullptr);
        Manager::SetSkinFolder("");
    }
    // Writes a PNG of w x h into the skin folder: the fill colour, with `border` pixels of
    // the border colour around it (colours ARGB).
    void WritePng(const std::string& name, int w, int h, ARGB fill, ARGB borderColour = 0,
                  int border = 0);

    HeadlessPlatform* platform = nullptr;
    std::string skinDir;
};

}  // namespace VKUI::test

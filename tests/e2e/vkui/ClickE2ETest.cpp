// A real X11 dialog receives a click injected with xdotool: the click reaches the control
// under the pointer (not its neighbour), the control repaints, and the screen shows it. A
// screenshot of the screen is kept as a test artifact.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "XPixels.h"
#include "core/MControlFont.h"
#include "core/MDialog.h"
#include "core/MPopupWnd.h"
#include "core/MRender.h"
#include "platform/Platform.h"

namespace VKUI {
namespace {

// Ids of the controls that took the focus, in order.
std::vector<unsigned> g_focusLog;

class Swatch : public MControlFont {
public:
    int SetControlFocus(int focus) override {
        if (focus)
            g_focusLog.push_back(id_);
        return MControlFont::SetControlFocus(focus);
    }
    Swatch(MObject* parent, unsigned id, CRect rect, ARGB colour)
        : MControlFont(parent, id, rect), colour_(colour) {}
    void DrawControl(HDC& hdc, CRect clip) override { DrawThroughCache(hdc, clip); }
    void RenderControl(HDC& hdc, CRect) override { MRender::DrawColor(hdc, rect_, colour_); }
    int OnControlLButtonDown(unsigned, CPoint) override {
        SendMessageW(1, 0, 0);
        return 1;
    }
    int OnControlLButtonUp(unsigned, CPoint pt) override {
        if (rect_.PtInRect(pt)) {
            colour_ = 0xFF00C000;  // clicked: green
            UpdateControl(1, 0);
            SendMessageW(2, 0, 0);
        }
        return 1;
    }
    ARGB colour_;
};

class ClickDialog : public MDialog {
public:
    void InitUI(CRect) override {
        SetBackColor(RGB(240, 240, 240), RGB(60, 60, 60));
        manager_.AddControl(new Swatch(this, 7, CRect(20, 20, 120, 80), 0xFF2050E0));
        manager_.AddControl(new Swatch(this, 8, CRect(140, 20, 240, 80), 0xFFE02020));
    }
    long OnMessage(unsigned id, unsigned code, unsigned, long) override {
        if (code == 1)
            presses[id]++;
        if (code == 2)
            clicks[id]++;
        return 0;
    }
    int presses[16] = {};
    int clicks[16] = {};
};

// Dispatches messages until pred() holds or the time runs out.
template <typename Pred>
bool PumpUntil(Pred pred, int ms) {
    Platform& p = Platform::Get();
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        MSG msg;
        while (p.PeekMessageW(msg))
            p.DispatchMessageW(msg);
        if (pred())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return pred();
}

std::uint32_t PngPixel(const std::string& path, int x, int y) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return 0;
    }
    cairo_surface_flush(s);
    auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    std::uint32_t px = reinterpret_cast<std::uint32_t*>(row)[x] & 0xFFFFFF;
    cairo_surface_destroy(s);
    return px;
}

TEST(VkuiX11, InjectedClickReachesTheRightControlAndRepaints) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run through run_with_xvfb.sh";
    Platform& p = Platform::Get();
    ASSERT_STREQ(p.Name(), "x11");

    ClickDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"VKUI e2e", 0x96000000, 0, CRect(200, 150, 500, 270)));
    dlg.ShowWindow(SW_SHOW);
    HWND h = dlg.GetSafeHwnd();
    ASSERT_TRUE(PumpUntil([&] { return p.PaintCount(h) > 0; }, 3000)) << "first paint";
    std::uint64_t paintsBefore = p.PaintCount(h);

    CPoint target = dlg.ClientToScreen(CPoint(70, 50));  // centre of control 7
    std::string cmd = "xdotool mousemove " + std::to_string(target.x) + " " +
                      std::to_string(target.y) + " sleep 0.1 click 1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    ASSERT_TRUE(PumpUntil([&] { return dlg.clicks[7] > 0; }, 5000)) << "click never arrived";
    EXPECT_EQ(dlg.presses[7], 1);
    EXPECT_EQ(dlg.clicks[7], 1);
    EXPECT_EQ(dlg.presses[8], 0) << "the neighbour must not see the click";
    ASSERT_TRUE(PumpUntil([&] { return p.PaintCount(h) > paintsBefore; }, 3000)) << "no repaint";

    const char* dir = std::getenv("VKUI_ARTIFACT_DIR");
    std::string shot = std::string(dir && *dir ? dir : ".") + "/vkui_e2e_click.png";
    std::string grab = "import -display \"$DISPLAY\" -window root '" + shot + "'";
    ASSERT_EQ(std::system(grab.c_str()), 0) << grab;
    // The screen shows the clicked control green and its neighbour still red.
    EXPECT_EQ(PngPixel(shot, target.x, target.y), 0x00C000u);
    CPoint other = dlg.ClientToScreen(CPoint(190, 50));
    EXPECT_EQ(PngPixel(shot, other.x, other.y), 0xE02020u);
    std::printf("screenshot: %s\n", shot.c_str());
}

// A modal X11 dialog: keys typed with xdotool move the focus with Tab, and a click on the
// OK control ends ShowModal with result 1.
class ModalDialog : public ClickDialog {
public:
    void InitUI(CRect client) override {
        ClickDialog::InitUI(client);
        for (MControl* c : manager_.GetControls())
            c->SetTabStop(1);
    }
    long OnMessage(unsigned id, unsigned code, unsigned w, long l) override {
        ClickDialog::OnMessage(id, code, w, l);
        if (id == 7 && code == 2) {
            focusAtClick =
                manager_.GetFocusControl() ? manager_.GetFocusControl()->GetControlID() : 0;
            DoOK();
        }
        return 0;
    }
    void OnTimer(WPARAM id) override {
        if (id == 1 && !typed) {  // the dialog is up: let the "user" act
            typed = true;
            KillTimer(1);
            focusBeforeKeys =
                manager_.GetFocusControl() ? manager_.GetFocusControl()->GetControlID() : 0;
            CPoint ok = ClientToScreen(CPoint(70, 50));
            std::string cmd = "(xdotool key Tab key Tab sleep 0.2 mousemove " +
                              std::to_string(ok.x) + " " + std::to_string(ok.y) +
                              " sleep 0.1 click 1) &";
            std::system(cmd.c_str());
        }
    }
    bool typed = false;
    unsigned focusBeforeKeys = 99;
    unsigned focusAtClick = 99;
};

TEST(VkuiX11, ModalLoopTakesTabKeysAndEndsWithTheClickedResult) {
    ModalDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"VKUI modal", 0x96000000, 0, CRect(300, 300, 600, 420)));
    dlg.SetTimer(1, 300);
    auto start = std::chrono::steady_clock::now();
    g_focusLog.clear();
    unsigned result = dlg.ShowModal();
    EXPECT_EQ(result, 1u);
    EXPECT_EQ(dlg.focusBeforeKeys, 0u);
    // Two Tabs: the first tab stop (7), then the next (8); the click then focuses 7 again.
    EXPECT_EQ(g_focusLog, (std::vector<unsigned>{7, 8, 7}));
    EXPECT_EQ(dlg.focusAtClick, 7u);
    EXPECT_EQ(dlg.presses[8], 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(VkuiX11, LayeredDialogKeepsPerPixelAlphaInItsWindow) {
    Platform& p = Platform::Get();
    ClickDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"VKUI layered", 0x96000000, 0, CRect(50, 500, 250, 600)));
    dlg.SetLayeredWindow(1);
    dlg.ShowWindow(SW_SHOW);
    HWND h = dlg.GetSafeHwnd();
    ASSERT_TRUE(PumpUntil([&] { return p.PaintCount(h) > 0; }, 3000));
    int depth = 0;
    unsigned long background = 0, control = 0;
    ASSERT_TRUE(ReadWindowPixel(p.NativeHandle(h), 150, 90, background, depth));  // fill, alpha 254
    ASSERT_TRUE(ReadWindowPixel(p.NativeHandle(h), 70, 50, control, depth));  // control 7, opaque
    if (depth == 32) {
        EXPECT_EQ(background >> 24, 0xFEu) << "the window keeps the painted alpha";
        EXPECT_EQ(control >> 24, 0xFFu);
    }
    EXPECT_EQ(control & 0xFFFFFF, 0x2050E0u);
    std::printf("window depth: %d\n", depth);
}

TEST(VkuiX11, RoundedDialogShapesItsWindow) {
    Platform& p = Platform::Get();
    ClickDialog dlg;
    dlg.SetRoundSize(40);
    ASSERT_TRUE(dlg.Create(nullptr, L"VKUI round", 0x96000000, 0, CRect(700, 400, 900, 500)));
    dlg.ShowWindow(SW_SHOW);
    HWND h = dlg.GetSafeHwnd();
    ASSERT_TRUE(PumpUntil([&] { return p.PaintCount(h) > 0; }, 3000));
    const char* dir = std::getenv("VKUI_ARTIFACT_DIR");
    std::string shot = std::string(dir && *dir ? dir : ".") + "/vkui_e2e_round.png";
    ASSERT_EQ(std::system(("import -display \"$DISPLAY\" -window root '" + shot + "'").c_str()), 0);
    EXPECT_EQ(PngPixel(shot, 701, 401), 0u) << "the corner shows the screen behind";
    // Fill 0xF0F0F0 at alpha 254; the screen shows its premultiplied value.
    std::uint32_t inside = PngPixel(shot, 800, 480);
    EXPECT_GE(inside & 0xFF, 0xEEu) << std::hex << inside;
    EXPECT_EQ(inside >> 8 & 0xFF, inside & 0xFF);
}

TEST(VkuiX11, PopupClosesWhenTheUserClicksAnotherWindow) {
    Platform& p = Platform::Get();
    ClickDialog owner;
    ASSERT_TRUE(owner.Create(nullptr, L"VKUI owner", 0x96000000, 0, CRect(100, 550, 400, 700)));
    owner.ShowWindow(SW_SHOW);
    MPopupWnd popup;
    ASSERT_TRUE(popup.Create(owner.GetSafeHwnd(), L"", 0x96000000, 0, CRect(120, 570, 220, 620)));
    ASSERT_TRUE(PumpUntil([&] { return p.PaintCount(popup.GetSafeHwnd()) > 0; }, 3000));
    ASSERT_EQ(p.GetActiveWindow(), popup.GetSafeHwnd());
    ASSERT_EQ(std::system("xdotool mousemove 350 680 sleep 0.1 click 1"), 0);
    EXPECT_TRUE(PumpUntil([&] { return popup.GetSafeHwnd() == nullptr; }, 5000))
        << "popup still open";
    EXPECT_EQ(p.GetActiveWindow(), owner.GetSafeHwnd());
}

class WheelSwatch : public Swatch {
public:
    using Swatch::Swatch;
    int OnControlScroll(int, unsigned direction, CPoint) override {
        directions.push_back(direction);
        return 1;
    }
    std::vector<unsigned> directions;
};

TEST(VkuiX11, WheelNotchesArriveAsDirections) {
    ClickDialog dlg;
    ASSERT_TRUE(dlg.Create(nullptr, L"VKUI wheel", 0x96000000, 0, CRect(600, 100, 800, 200)));
    auto* w = new WheelSwatch(&dlg, 9, CRect(0, 0, 200, 100), 0xFF808080);
    dlg.GetPaintManager().AddControl(w);
    dlg.ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Platform::Get().PaintCount(dlg.GetSafeHwnd()) > 0; }, 3000));
    // Button 5 is a notch towards the user (forward, 1); button 4 away from the user (0).
    ASSERT_EQ(std::system("xdotool mousemove 700 150 sleep 0.1 click 5 click 5 click 4"), 0);
    EXPECT_TRUE(PumpUntil([&] { return w->directions.size() >= 3; }, 5000));
    EXPECT_EQ(w->directions, (std::vector<unsigned>{1, 1, 0}));
}

}  // namespace
}  // namespace VKUI

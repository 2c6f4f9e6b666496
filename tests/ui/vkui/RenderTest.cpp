// Rendering and resources: the image cache, placement, nine-grids, fades, whole-window pixels.
#include <cairo.h>

#include "UiFixture.h"
#include "core/CArea.h"
#include "core/TextUtil.h"

namespace VKUI::test {
namespace {

TEST_F(UiTest, ImageCacheKeepsTheFirstFrameCount) {
    WritePng("strip.png", 40, 10, 0xFFFF0000);
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    PaintManager& pm = dlg.GetPaintManager();
    ImgResInfo* first = pm.AddImgResInfo(L"strip.png", 4);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->frameWidth, 10);
    EXPECT_EQ(first->frameHeight, 10);
    EXPECT_EQ(first->frameCount, 4);
    ImgResInfo* again = pm.AddImgResInfo(L"strip.png", 2);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->frameCount, 4);
    EXPECT_EQ(again->frameWidth, 10);
    EXPECT_EQ(pm.ImageCacheSize(), 1u);
    EXPECT_EQ(pm.AddImgResInfo(L"missing.png", 4), nullptr);

    Probe* p = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    EXPECT_EQ(p->SetImage(L"missing.png", 4), 0);
    EXPECT_EQ(p->GetImage(), nullptr);
    EXPECT_EQ(p->SetImage(L"strip.png", 8), 1);
    EXPECT_EQ(p->GetImageCount(), 4);
    EXPECT_EQ(p->GetImageSize(), CSize(10, 10));
    Probe unmanaged(nullptr, 4, CRect());
    EXPECT_EQ(unmanaged.SetImage(L"strip.png", 4), 0) << "no manager";
}

TEST_F(UiTest, SkinNamesWithEitherSlashFindTheSameFile) {
    ASSERT_EQ(0, std::system(("mkdir -p '" + skinDir + "icon'").c_str()));
    WritePng("icon/glyph.png", 8, 8, 0xFF00FF00);
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    for (const wchar_t* name : {L"icon/glyph.png", L"\\icon\\glyph.png", L"icon//glyph.png"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(name)));
        EXPECT_NE(dlg.GetPaintManager().AddImgResInfo(name, 1), nullptr);
    }
}

struct OriginCase {
    const char* name;
    unsigned h, v;
    CPoint expected;
};

class OriginTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(OriginTest, PlacesItem) {
    EXPECT_EQ(MRender::GetOriginPoint(100, 50, 20, 10, GetParam().h, GetParam().v),
              GetParam().expected);
    EXPECT_EQ(MRender::GetOriginPoint(CRect(7, 7, 107, 57), 20, 10, GetParam().h, GetParam().v),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Alignments, OriginTest,
                         ::testing::Values(OriginCase{"LeftTop", 0, 0, {0, 0}},
                                           OriginCase{"CentreCentre", 1, 4, {40, 20}},
                                           OriginCase{"RightBottom", 2, 8, {80, 40}},
                                           OriginCase{"UnknownValuesAtZero", 3, 5, {0, 0}},
                                           OriginCase{"BottomOnly", 0, 8, {0, 40}}),
                         [](const ::testing::TestParamInfo<OriginCase>& i) {
                             return std::string(i.param.name);
                         });

std::uint32_t PixelAt(HDC dc, int x, int y) {
    cairo_surface_flush(dc->Target());
    auto* data = cairo_image_surface_get_data(dc->Target());
    int stride = cairo_image_surface_get_stride(dc->Target());
    return reinterpret_cast<std::uint32_t*>(data + (y - dc->OriginY()) * stride)[x - dc->OriginX()];
}

TEST_F(UiTest, NineGridIntoRectSmallerThanTheBordersDrawsOverlappingCorners) {
    WritePng("frame.png", 30, 30, 0xFF0000FF, 0xFFFF0000, 6);
    auto img = Image::FromFile(skinDir + "frame.png");
    ASSERT_TRUE(img);
    auto dc = DC::CreateImage(20, 20, 0, 0);
    MRender::DrawImageFrame(dc.get(), img.get(), CRect(2, 2, 8, 8), 0, 0, 30, 30, 6);
    EXPECT_EQ(PixelAt(dc.get(), 3, 3), 0xFFFF0000u) << "corner colour";
    EXPECT_EQ(PixelAt(dc.get(), 10, 10), 0u) << "nothing outside the rect";
    MRender::DrawImageFrame(dc.get(), img.get(), CRect(0, 0, 20, 20), 0, 0, 30, 30, 6);
    EXPECT_EQ(PixelAt(dc.get(), 10, 10), 0xFF0000FFu) << "stretched centre";
    EXPECT_EQ(PixelAt(dc.get(), 10, 1), 0xFFFF0000u) << "stretched edge";
}

TEST(RenderMath, TransitionAlphaRunsLinearlyBetweenTheEnds) {
    EXPECT_EQ(MRender::TransitionAlpha(0, 10, 0, 0), 255);
    EXPECT_EQ(MRender::TransitionAlpha(9, 10, 0, 0), 255);
    // a < b: from s = 255 down towards e = (100 - 80) * 255 / 100 = 51.
    EXPECT_EQ(MRender::TransitionAlpha(0, 10, 0, 80), 255);
    EXPECT_EQ(MRender::TransitionAlpha(5, 10, 0, 80), 255 - 5 * 204 / 10);
    // a >= b: rising from e.
    EXPECT_EQ(MRender::TransitionAlpha(0, 10, 80, 0), 51);
}

TEST(RenderMath, CheckAlphaColorKeepsBlackVisible) {
    ARGB black = 0xFE000000;
    MRender::CheckAlphaColor(black);
    EXPECT_EQ(black, 0xFE000001u);
    ARGB red = 0xFEFF0000;
    MRender::CheckAlphaColor(red);
    EXPECT_EQ(red, 0xFEFF0000u);
}

TEST_F(UiTest, ChineseTextRendersGlyphs) {
    auto dc = DC::CreateImage(200, 40, 0, 0);
    CSize size = MRender::GetTextBounds({L"SourceHanSansCN Regular", 20, 0}, L"模式 A");
    EXPECT_GT(size.cx, 30);
    MRender::DrawTextW(dc.get(), CRect(0, 0, 200, 40), L"模式 A", 0xFF000000,
                       {L"SourceHanSansCN Regular", 20, 0}, DT_LEFT | DT_VCENTER);
    int inked = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            inked += (PixelAt(dc.get(), x, y) >> 24) > 128;
    EXPECT_GT(inked, 20) << "the two Chinese characters left ink";
}

// Rounds each channel to the nearest multiple of 4 (alpha 254 premultiplies with an error of
// at most one step).
std::uint32_t Rounded(std::uint32_t argb) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned c = (argb >> shift) & 0xFF;
        unsigned r = std::min(255u, (c + 2) / 4 * 4);
        if (c >= 254)
            r = 255;
        out |= r << shift;
    }
    return out;
}

struct PixelCase {
    const char* name;
    int layered;
};

class DialogPixelTest : public UiTest, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(DialogPixelTest, BackgroundFrameAndAreasRenderTheirColours) {
    // Frame image: 8-pixel dark border around a light centre, drawn as a nine-grid (mode 1).
    WritePng("dlg_bk.png", 40, 40, 0xFFF0F0F0, 0xFF202020, 8);
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt(300, 200));
    dlg.SetLayeredWindow(GetParam().layered);
    ASSERT_TRUE(dlg.LoadBKImage(L"dlg_bk.png"));
    dlg.SetBackMode(1, 8);
    auto* flat =
        static_cast<CArea*>(dlg.CreateArea(L"CArea", 10, CRect(50, 50, 100, 100), L"", 1, 1));
    ASSERT_NE(flat, nullptr);
    flat->SetTransparent(1, 0, RGB(0, 128, 0));
    auto* framed =
        static_cast<CArea*>(dlg.CreateArea(L"CArea", 11, CRect(150, 50, 250, 150), L"", 1, 1));
    framed->SetTransparent(1, 0, RGB(0, 0, 255));
    framed->SetFrame(1, 0xFEFF0000);
    dlg.AddProbe(12, CRect(60, 120, 80, 140), 0xFE804020);
    dlg.ShowWindow(SW_SHOW);
    platform->Pump();
    HWND h = dlg.GetSafeHwnd();

    // Colours drawn at alpha 254 come back within a step of rounding.
    auto rgb = [&](int x, int y) { return Rounded(platform->Pixel(h, x, y)); };
    EXPECT_EQ(rgb(2, 2), 0x202020u) << "frame corner";
    EXPECT_EQ(rgb(150, 3), 0x202020u) << "stretched top edge";
    EXPECT_EQ(rgb(20, 180), 0xF0F0F0u) << "stretched centre";
    EXPECT_EQ(rgb(75, 75), 0x008000u) << "flat area";
    EXPECT_EQ(rgb(200, 100), 0x0000FFu) << "framed area inside";
    EXPECT_EQ(rgb(150, 100), 0xFF0000u) << "framed area frame";
    EXPECT_EQ(rgb(70, 130), 0x804020u) << "control";
    EXPECT_GE(platform->Pixel(h, 75, 75) >> 24, 254u);
    std::string artifact = ::testing::TempDir() + "vkui_pixels_" + GetParam().name + ".png";
    EXPECT_TRUE(platform->SavePng(h, artifact));

    // A repaint of one control leaves the others alone and shows the new colour.
    flat->SetTransparent(1, 0, RGB(255, 255, 0));
    platform->Pump();
    EXPECT_EQ(rgb(75, 75), 0xFFFF00u);
    EXPECT_EQ(rgb(70, 130), 0x804020u);
}

INSTANTIATE_TEST_SUITE_P(Modes, DialogPixelTest,
                         ::testing::Values(PixelCase{"Plain", 0}, PixelCase{"Layered", 1}),
                         [](const ::testing::TestParamInfo<PixelCase>& i) {
                             return std::string(i.param.name);
                         });

TEST_F(UiTest, PlainBackgroundUsesBorderAndFillColours) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt(100, 100));
    dlg.SetBackColor(RGB(10, 20, 30), RGB(200, 0, 0));
    dlg.ShowWindow(SW_SHOW);
    platform->Pump();
    EXPECT_EQ(Rounded(platform->Pixel(dlg.GetSafeHwnd(), 0, 50)), 0xC80000u);
    EXPECT_EQ(Rounded(platform->Pixel(dlg.GetSafeHwnd(), 50, 50)), 0x0C1420u);
}

}  // namespace
}  // namespace VKUI::test

namespace VKUI::test {
namespace {

std::uint32_t At(HDC dc, int x, int y) {
    cairo_surface_flush(dc->Target());
    auto* data = cairo_image_surface_get_data(dc->Target());
    int stride = cairo_image_surface_get_stride(dc->Target());
    return reinterpret_cast<std::uint32_t*>(data + (y - dc->OriginY()) * stride)[x - dc->OriginX()];
}

TEST(Render, FillsGradientsAndRoundedRectangles) {
    auto dc = DC::CreateImage(100, 100, 0, 0);
    MRender::DrawColor(dc.get(), CRect(0, 0, 100, 100), 0x00FF0000);
    EXPECT_EQ(At(dc.get(), 5, 5), 0u) << "alpha 0 draws nothing";
    MRender::FillSolidRect(dc.get(), 0, 0, 10, 10, RGB(255, 0, 0));
    EXPECT_EQ(At(dc.get(), 5, 5), 0xFFFF0000u) << "COLORREF red";
    MRender::DrawGradient(dc.get(), CRect(0, 20, 100, 40), 0xFF000000, 0xFFFFFFFF, false);
    EXPECT_LT(At(dc.get(), 1, 30) & 0xFF, 0x10u);
    EXPECT_GT(At(dc.get(), 98, 30) & 0xFF, 0xF0u);
    MRender::DrawRoundRectange(dc.get(), 0, 50, 100, 50, 20, 0xFF0000FF, 1, true);
    EXPECT_EQ(At(dc.get(), 0, 50), 0u) << "rounded corner left clear";
    EXPECT_EQ(At(dc.get(), 50, 75), 0xFF0000FFu);
}

struct AlignCase {
    const char* name;
    unsigned format;
    bool inkLeft, inkRight;
};

class TextAlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignTest, InkLandsWhereTheFormatSays) {
    auto dc = DC::CreateImage(300, 40, 0, 0);
    MRender::DrawTextW(dc.get(), CRect(0, 0, 300, 40), L"WWW", 0xFF000000, {L"Sans", 16, 0},
                       GetParam().format | DT_VCENTER | DT_SINGLELINE);
    auto inked = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 0; y < 40; ++y)
                if ((At(dc.get(), x, y) >> 24) > 128)
                    return true;
        return false;
    };
    EXPECT_EQ(inked(0, 60), GetParam().inkLeft);
    EXPECT_EQ(inked(240, 300), GetParam().inkRight);
}

INSTANTIATE_TEST_SUITE_P(Formats, TextAlignTest,
                         ::testing::Values(AlignCase{"Left", DT_LEFT, true, false},
                                           AlignCase{"Centre", DT_CENTER, false, false},
                                           AlignCase{"Right", DT_RIGHT, false, true}),
                         [](const ::testing::TestParamInfo<AlignCase>& i) {
                             return std::string(i.param.name);
                         });

TEST(Render, WrappedTextIsTallerThanOneLine) {
    FontSpec font{L"Sans", 14, 0};
    CSize one = MRender::GetTextBounds(font, L"one two three four five six");
    CSize wrapped = MRender::GetTextBounds(font, DT_WORDBREAK, 60, L"one two three four five six");
    EXPECT_LE(wrapped.cx, 60);
    EXPECT_GE(wrapped.cy, one.cy * 2);
    EXPECT_EQ(MRender::GetTextBounds(font, L"").cx, 0);
}

TEST(Render, SavedBitmapReadsBack) {
    auto img = MRender::CreateARGB32Bitmap(4, 3);
    DC dc(img->Surface(), 0, 0);
    MRender::DrawColor(&dc, CRect(0, 0, 4, 3), 0xFF123456);
    std::string path = ::testing::TempDir() + "vkui_saved.png";
    ASSERT_TRUE(MRender::SaveBitmapToFile(img.get(), path));
    auto back = MRender::LoadImageFromFile(FromUtf8(path));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Width(), 4);
    EXPECT_EQ(back->Height(), 3);
    EXPECT_EQ(MRender::LoadImageFromFile(L"/nonexistent/x.png"), nullptr);
    EXPECT_FALSE(MRender::SaveBitmapToFile(nullptr, path));
}

TEST_F(UiTest, FadingAreaBlendsMoreAtOneEnd) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt(200, 200));
    dlg.SetBackColor(RGB(255, 255, 255), RGB(255, 255, 255));
    auto* fade = static_cast<CArea*>(dlg.CreateArea(L"CArea", 5, CRect(0, 0, 200, 100), L"", 1, 1));
    fade->SetTransparent(1, 0, 80, RGB(0, 0, 0));
    dlg.ShowWindow(SW_SHOW);
    platform->Pump();
    unsigned top = platform->Pixel(dlg.GetSafeHwnd(), 100, 1) & 0xFF;
    unsigned bottom = platform->Pixel(dlg.GetSafeHwnd(), 100, 98) & 0xFF;
    EXPECT_LT(top, 0x10u) << "opaque black at the start";
    EXPECT_GT(bottom, 0xA0u) << "mostly background at the end";
}

}  // namespace
}  // namespace VKUI::test

#include <fontconfig/fontconfig.h>

#include <fstream>
#include <iterator>

#include "core/FontRegistry.h"
#include "core/Resources.h"

namespace VKUI::test {
namespace {

TEST_F(UiTest, NumberedResourcesComeFromMemoryOrTheSkinResFolder) {
    WritePng("strip4.png", 20, 5, 0xFF00FF00);
    std::ifstream f(skinDir + "strip4.png", std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(f)),
                                     std::istreambuf_iterator<char>());
    RegisterResource(0, 9102, L"PNG", bytes);
    ASSERT_EQ(0, std::system(("mkdir -p '" + skinDir + "res/vkui'").c_str()));
    WritePng("res/vkui/9101.png", 40, 5, 0xFFFF0000);

    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    EXPECT_EQ(p->SetImage(9102, L"PNG", 4), 1);
    EXPECT_EQ(p->GetImageSize(), CSize(5, 5));
    EXPECT_EQ(p->SetImage(9101, L"png", 4), 1);
    EXPECT_EQ(p->GetImageSize(), CSize(10, 5));
    EXPECT_EQ(p->SetImage(9999, L"PNG", 4), 0);
    EXPECT_EQ(dlg.GetPaintManager().GetScrollVID(), 102u);
    EXPECT_EQ(dlg.GetPaintManager().GetScrollHID(), 101u);
}

TEST_F(UiTest, PrivateFontRegistersUnderItsFace) {
    // Any font file fontconfig knows will do; prefer one with Chinese glyphs.
    std::string file;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=zh-cn"));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pat, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    ASSERT_FALSE(file.empty()) << "fontconfig knows no font file";
    TestDialog dlg;
    ASSERT_TRUE(dlg.CreateAt());
    PaintManager& pm = dlg.GetPaintManager();
    EXPECT_EQ(pm.AddTempFont(L"Private Face", FromUtf8("/nonexistent/font.otf")), nullptr);
    const FontFamily* fam = pm.AddTempFont(L"Private Face", FromUtf8(file));
    ASSERT_NE(fam, nullptr);
    EXPECT_FALSE(fam->family.empty());
    EXPECT_EQ(pm.FindTempFont(L"Private Face"), fam);
    EXPECT_EQ(ResolveFontFamily(L"Private Face"), fam->family);
    Probe* p = dlg.AddProbe(3, CRect(0, 0, 10, 10));
    ASSERT_NE(p->GetFontFamily(L"Private Face"), nullptr);
    EXPECT_EQ(p->GetFontFamily(L"Unknown Face"), nullptr);
    pm.ClearTempFont();
    EXPECT_EQ(pm.FindTempFont(L"Private Face"), nullptr);
    EXPECT_EQ(ResolveFontFamily(L"Private Face"), "Private Face");
}

}  // namespace
}  // namespace VKUI::test

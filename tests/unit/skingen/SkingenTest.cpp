// skingen: the manifest reader and the pictures it draws.
#include <cairo.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "SkinManifest.h"
#include "SkinPainter.h"

namespace skingen {
namespace {

struct BadLine {
    const char* name;
    const char* text;
};

class ManifestRejects : public ::testing::TestWithParam<BadLine> {};

TEST_P(ManifestRejects, MalformedLine) {
    std::vector<std::string> errors;
    auto entries =
        ParseManifest(std::string("ok.png 10 10 1 panel\n") + GetParam().text + "\n", errors);
    EXPECT_EQ(entries.size(), 1u);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("line 2"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Lines, ManifestRejects,
                         ::testing::Values(BadLine{"MissingStyle", "a.png 10 10 1"},
                                           BadLine{"ZeroWidth", "a.png 0 10 1 panel"},
                                           BadLine{"FramesDoNotDivide", "a.png 10 10 3 button"},
                                           BadLine{"TrailingField", "a.png 10 10 1 panel extra"},
                                           BadLine{"EscapesFolder", "../a.png 10 10 1 panel"},
                                           BadLine{"Absolute", "/etc/a.png 10 10 1 panel"}),
                         [](const ::testing::TestParamInfo<BadLine>& i) {
                             return std::string(i.param.name);
                         });

TEST(Manifest, ShippedManifestIsValidAndUnique) {
    std::ifstream f(SKINGEN_MANIFEST);
    ASSERT_TRUE(f);
    std::stringstream text;
    text << f.rdbuf();
    std::vector<std::string> errors;
    auto entries = ParseManifest(text.str(), errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_GT(entries.size(), 100u);
    std::set<std::string> names;
    for (const auto& e : entries)
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
    // Pictures with documented frame counts.
    auto find = [&](const std::string& n) {
        for (const auto& e : entries)
            if (e.name == n)
                return e;
        return SkinEntry{};
    };
    EXPECT_EQ(find("img_check_macro.png").frames, 8);
    EXPECT_EQ(find("img_btn_dev_up.png").frames, 4);
    EXPECT_EQ(find("icon/icon_userlight_del.png").frames, 2);
    EXPECT_EQ(find("img_scroll_v.png").frames, 1);
}

std::uint32_t Pixel(cairo_surface_t* s, int x, int y) {
    auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<std::uint32_t*>(row)[x];
}

TEST(Painter, StateStripHasOneDistinctFramePerState) {
    std::string path = ::testing::TempDir() + "skingen_button.png";
    SkinEntry e{"img_button.png", 400, 30, 4, "button", 1};
    ASSERT_EQ(PaintEntry(e, path), PaintResult::Written);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 400);
    EXPECT_EQ(cairo_image_surface_get_height(s), 30);
    std::set<std::uint32_t> centres;
    for (int i = 0; i < 4; ++i)
        centres.insert(Pixel(s, i * 100 + 50, 15));
    EXPECT_EQ(centres.size(), 4u) << "normal, hover, pressed and disabled differ";
    cairo_surface_destroy(s);
}

TEST(Painter, PendingAndUnknownStylesWriteNothing) {
    std::string path = ::testing::TempDir() + "skingen_pending.png";
    std::remove(path.c_str());
    EXPECT_EQ(PaintEntry({"x.png", 10, 10, 1, "pending", 1}, path), PaintResult::Pending);
    EXPECT_EQ(PaintEntry({"x.png", 10, 10, 1, "sparkles", 1}, path), PaintResult::UnknownStyle);
    std::ifstream f(path);
    EXPECT_FALSE(f.good());
}

}  // namespace
}  // namespace skingen

namespace skingen {
namespace {

TEST(Painter, IconFileHoldsOnePngImage) {
    std::string path = ::testing::TempDir() + "skingen_icon.ico";
    ASSERT_EQ(PaintEntry({"app.ico", 48, 48, 1, "logo", 1}, path), PaintResult::Written);
    std::ifstream f(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 22u + 8u);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 48);
    EXPECT_EQ(bytes.substr(22, 4), "\x89PNG");
    unsigned size = static_cast<unsigned char>(bytes[14]) | static_cast<unsigned char>(bytes[15])
                                                                << 8;
    EXPECT_EQ(size + 22, bytes.size());
}

}  // namespace
}  // namespace skingen

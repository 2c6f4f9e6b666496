#include "SkinPainter.h"

#include <cairo.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>

#include "core/DC.h"
#include "core/MRender.h"

using namespace VKUI;

namespace skingen {

namespace {

constexpr ARGB kAccent = 0xFF2F80ED;
constexpr ARGB kText = 0xFF373737;

struct StateColours {
    ARGB fill, border;
};
// normal, hover, pressed, disabled; checked states reuse them with the accent.
constexpr StateColours kButton[4] = {{0xFFF1F3F6, 0xFFC9CED6},
                                     {0xFFE7EEF9, 0xFF2F80ED},
                                     {0xFFD3DEEF, 0xFF1F66C9},
                                     {0xFFF6F6F6, 0xFFE0E0E0}};

ARGB Alpha(ARGB c, unsigned a) {
    return (c & 0xFFFFFF) | (a << 24);
}

void Rounded(HDC dc, CRect r, int radius, ARGB fill, ARGB border) {
    if (fill >> 24)
        MRender::DrawRoundRectange(dc, r.left, r.top, r.Width(), r.Height(), radius, fill, 1, true);
    if (border >> 24)
        MRender::DrawRoundRectange(dc, r.left, r.top, r.Width(), r.Height(), radius, border, 1);
}

// A short glyph for a picture from its name: the word after the last underscore.
std::wstring GlyphFor(const std::string& name) {
    static const std::map<std::string, std::wstring> kGlyphs = {{"close", L"\u2715"},
                                                                {"min", L"\u2013"},
                                                                {"doc", L"?"},
                                                                {"en", L"EN"},
                                                                {"ch", L"\u4e2d"},
                                                                {"none", L"\u2022"},
                                                                {"usb", L"\u21c4"},
                                                                {"home", L"\u2302"},
                                                                {"facebook", L"f"},
                                                                {"bbs", L"\u2709"},
                                                                {"menu", L"\u2261"},
                                                                {"up", L"\u25b2"},
                                                                {"down", L"\u25bc"},
                                                                {"del", L"\u2715"},
                                                                {"edit", L"\u270e"},
                                                                {"export", L"\u2191"},
                                                                {"import", L"\u2193"},
                                                                {"warn", L"!"},
                                                                {"rec", L"\u25cf"},
                                                                {"stoprec", L"\u25a0"},
                                                                {"save", L"\u2713"},
                                                                {"addmacro", L"+"},
                                                                {"addlight", L"+"},
                                                                {"resetall", L"\u21ba"},
                                                                {"resetcurrent", L"\u21b6"},
                                                                {"profile", L"P"},
                                                                {"userlight", L"\u2600"},
                                                                {"savelight", L"\u2713"},
                                                                {"audio", L"\u266a"},
                                                                {"back", L"\u25d0"},
                                                                {"visualizer", L"\u2237"}};
    std::string base = name.substr(name.rfind('/') + 1);
    base = base.substr(0, base.rfind('.'));
    std::string word = base.substr(base.rfind('_') + 1);
    auto it = kGlyphs.find(word);
    if (it != kGlyphs.end())
        return it->second;
    return std::wstring(1, static_cast<wchar_t>(std::toupper(
                               static_cast<unsigned char>(word.empty() ? 'x' : word[0]))));
}

void Glyph(HDC dc, CRect r, const std::wstring& g, ARGB colour) {
    int size = std::max(8, std::min(r.Width(), r.Height()) * 3 / 5);
    MRender::DrawTextW(dc, r, g, colour, {L"Sans", size, FontStyleBold},
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintFrame(HDC dc, const SkinEntry& e, int i, CRect r) {
    const std::string& s = e.style;
    StateColours st = kButton[i % 4];
    if (s == "button") {
        CRect b = r;
        b.DeflateRect(0, 0);
        Rounded(dc, b, 5, st.fill, st.border);
    } else if (s == "imagebutton") {
        if (i % 4 == 1)
            Rounded(dc, r, 4, 0x202F80ED, 0);
        if (i % 4 == 2)
            Rounded(dc, r, 4, 0x402F80ED, 0);
        ARGB c = i % 4 == 3 ? 0xFFB0B0B0 : i % 4 == 0 ? 0xFF59616B : kAccent;
        Glyph(dc, r, GlyphFor(e.name), c);
    } else if (s == "check") {
        bool checked = i >= 4;
        int box = std::min(14, r.Height() - 2);
        CRect b(r.left + 1, r.top + (r.Height() - box) / 2, r.left + 1 + box,
                r.top + (r.Height() - box) / 2 + box);
        if (checked) {
            Rounded(dc, b, 3, i % 4 == 3 ? 0xFF9DBBE8 : i % 4 == 2 ? 0xFF1F66C9 : kAccent, 0);
            Glyph(dc, b, L"\u2713", 0xFFFFFFFF);
        } else {
            Rounded(dc, b, 3, 0xFFFFFFFF, st.border);
        }
    } else if (s == "switch") {
        bool on = e.name.find("_on") != std::string::npos;
        Rounded(dc, r, r.Height() / 2, on ? kAccent : 0xFFC4C9D0, 0);
        int d = r.Height() - 4;
        int x = on ? r.right - 2 - d : r.left + 2;
        MRender::DrawRoundRectange(dc, x, r.top + 2, d, d, d / 2, 0xFFFFFFFF, 1, true);
    } else if (s == "edit") {
        Rounded(dc, r, 3, i % 4 == 3 ? 0xFFF4F4F4 : 0xFFFFFFFF, st.border);
    } else if (s == "combo") {
        Rounded(dc, r, 3, i % 4 == 3 ? 0xFFF4F4F4 : 0xFFFFFFFF, st.border);
        CRect arrow(r.right - 26, r.top, r.right, r.bottom);
        Glyph(dc, arrow, L"\u25be", i % 4 == 3 ? 0xFFB0B0B0 : 0xFF59616B);
    } else if (s == "scroll") {
        ARGB c[4] = {0xFFC4C9D0, 0xFFA9B0BA, 0xFF8C95A1, 0xFFE1E4E8};
        int radius = std::min(r.Width(), r.Height()) / 2;
        Rounded(dc, r, radius, c[i % 4], 0);
    } else if (s.rfind("swatch:", 0) == 0) {
        ARGB colour = 0xFF000000 | static_cast<ARGB>(std::strtoul(s.c_str() + 7, nullptr, 16));
        CRect b = r;
        b.DeflateRect(3, 3);
        Rounded(dc, b, 4, i % 4 == 3 ? Alpha(colour, 0x60) : colour, 0xFF9AA4B2);
        if (i % 4 == 1 || i % 4 == 2) {
            CRect ring = r;
            ring.DeflateRect(1, 1);
            Rounded(dc, ring, 5, 0, i % 4 == 2 ? 0xFF1F66C9 : kAccent);
        }
    }
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// An icon file with one PNG-compressed image: 6-byte header, one 16-byte directory entry.
bool WriteIco(HDC dc, int width, int height, const std::string& path) {
    std::string png;
    if (cairo_surface_write_to_png_stream(dc->Target(), AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
        return false;
    auto le16 = [](std::string& s, unsigned v) { s += char(v & 0xFF), s += char((v >> 8) & 0xFF); };
    auto le32 = [&](std::string& s, unsigned v) { le16(s, v & 0xFFFF), le16(s, v >> 16); };
    std::string out;
    le16(out, 0);  // reserved
    le16(out, 1);  // type: icon
    le16(out, 1);  // one image
    out += char(width >= 256 ? 0 : width);
    out += char(height >= 256 ? 0 : height);
    out += char(0);  // no palette
    out += char(0);
    le16(out, 1);   // colour planes
    le16(out, 32);  // bits per pixel
    le32(out, static_cast<unsigned>(png.size()));
    le32(out, 6 + 16);  // image offset
    out += png;
    std::ofstream f(path, std::ios::binary);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

}  // namespace

PaintResult PaintEntry(const SkinEntry& e, const std::string& path) {
    if (e.style == "pending")
        return PaintResult::Pending;
    auto dcOwner = DC::CreateImage(e.width, e.height, 0, 0);
    HDC dc = dcOwner.get();
    CRect all(0, 0, e.width, e.height);
    const std::string& s = e.style;
    int fw = e.width / e.frames;
    if (s == "background") {
        MRender::DrawGradient(dc, all, 0xFEF9FAFC, 0xFEECEFF3, true);
        Rounded(dc, all, 8, 0, 0xFEC3C9D1);
    } else if (s == "panel") {
        Rounded(dc, all, 0, 0xFEF3F5F8, 0xFEDDE1E6);
    } else if (s == "msgbox") {
        Rounded(dc, all, 10, 0xFEFFFFFF, 0xFEC3C9D1);
    } else if (s == "msgbox-dark") {
        Rounded(dc, all, 10, 0xF0303842, 0xFE20262E);
    } else if (s == "menu") {
        Rounded(dc, all, 6, 0xFEFFFFFF, 0xFED5D9DF);
    } else if (s == "rowhover") {
        MRender::DrawColor(dc, all, 0xFE2F80ED);
    } else if (s == "tip") {
        Rounded(dc, all, 6, 0xFEFFFDF2, 0xFED8CFA8);
    } else if (s == "line") {
        MRender::DrawColor(dc, all, 0xFED8DCE2);
    } else if (s == "slider") {
        int mid = e.height / 2;
        Rounded(dc, CRect(0, mid - 2, e.width, mid + 2), 2, 0xFEC4C9D0, 0);
    } else if (s == "thumb") {
        MRender::DrawRoundRectange(dc, 0, 0, e.width, e.height, e.width / 2, 0xFFFFFFFF, 1, true);
        MRender::DrawRoundRectange(dc, 1, 1, e.width - 2, e.height - 2, e.width / 2, kAccent, 2);
    } else if (s == "arrow") {
        cairo_t* cr = dc->Cairo();
        bool right = e.name.find("right") != std::string::npos,
             top = e.name.find("top") != std::string::npos;
        if (top) {
            cairo_move_to(cr, 0, e.height), cairo_line_to(cr, e.width / 2.0, 0),
                cairo_line_to(cr, e.width, e.height);
        } else if (right) {
            cairo_move_to(cr, 0, 0), cairo_line_to(cr, e.width, e.height / 2.0),
                cairo_line_to(cr, 0, e.height);
        } else {
            cairo_move_to(cr, e.width, 0), cairo_line_to(cr, 0, e.height / 2.0),
                cairo_line_to(cr, e.width, e.height);
        }
        cairo_close_path(cr);
        MRender::SetSource(dc, e.name.find("tip") != std::string::npos ? 0xFEFFFDF2 : 0xFF8C95A1);
        cairo_fill(cr);
    } else if (s == "icon") {
        Rounded(dc, all, std::min(e.width, e.height) / 4, 0x1E2F80ED, 0);
        Glyph(dc, all, GlyphFor(e.name), kAccent);
    } else if (s == "logo") {
        Rounded(dc, all, std::min(e.width, e.height) / 5, kAccent, 0);
        Glyph(dc, all, L"V", 0xFFFFFFFF);
    } else if (s == "button" || s == "imagebutton" || s == "check" || s == "switch" ||
               s == "edit" || s == "combo" || s == "scroll" || s.rfind("swatch:", 0) == 0) {
        for (int i = 0; i < e.frames; ++i)
            PaintFrame(dc, e, i, CRect(i * fw, 0, (i + 1) * fw, e.height));
    } else {
        return PaintResult::UnknownStyle;
    }
    (void)kText;
    bool ico = path.size() > 4 && path.compare(path.size() - 4, 4, ".ico") == 0;
    if (!ico)
        return MRender::SaveDCToFile(dc, path) ? PaintResult::Written : PaintResult::WriteFailed;
    return WriteIco(dc, e.width, e.height, path) ? PaintResult::Written : PaintResult::WriteFailed;
}

}  // namespace skingen

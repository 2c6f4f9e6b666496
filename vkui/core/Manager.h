// Process-wide toolkit state and the application's message loop.
#pragma once

#include <set>
#include <string>

#include "platform/Types.h"

namespace VKUI {

class Manager {
public:
    static void SetInstance(void* instance) { m_hInstance = instance; }
    static void* GetInstance() { return m_hInstance; }

    // Default text face and size of new controls.
    static void SetFont(const CString& face, int size);
    // The configured face (the system is always treated as current, so never "Arial").
    static CString GetFontName();
    static int GetFontWidth() { return m_fontwidth; }
    static ARGB GetSelectColor() { return m_select_color; }

    // "theme1/" and the skin folder: <folder of the executable>/skins/theme1/ (with a trailing
    // slash), unless VKUI_SKIN_DIR or SetSkinFolder says otherwise.
    static CString GetTheme() { return L"theme1/"; }
    static std::string GetSkinFolder();
    static void SetSkinFolder(const std::string& folder);
    static std::string GetExecutableFolder();
    // The file of a skin picture name: names use either slash, doubled or leading, as in
    // "icon\\x.png" or "device//kb.png"; all mean a path below the skin folder.
    static std::string SkinPath(const CString& name);

    // Runs until WM_QUIT; messages retrieved while Alt and F4 are both held are dropped.
    static int MessageLoop();
    // 1 exactly when Alt and F4 are both held down.
    static int PreTranslateMessage(MSG* msg);
    // Cairo and Pango need no start-up; kept so callers keep their shape.
    static void InitGdiplus() {}
    static void UnInitGdiplus() {}

    static void AddWnd(HWND hwnd);
    static void DeleteWnd(HWND hwnd);
    static bool IsLiveWnd(HWND hwnd);
    static std::size_t LiveWndCount();

    static void* m_hInstance;
    static CString m_fontname;
    static int m_fontwidth;
    static ARGB m_select_color;
    static bool m_win10system;
    static unsigned m_uControlID;
};

}  // namespace VKUI

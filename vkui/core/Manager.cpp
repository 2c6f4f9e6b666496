#include "core/Manager.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <mutex>

#include "core/TextUtil.h"
#include "platform/Platform.h"

namespace VKUI {

void* Manager::m_hInstance = nullptr;
CString Manager::m_fontname = L"SourceHanSansCN Regular";
int Manager::m_fontwidth = 15;
ARGB Manager::m_select_color = 0xFECA5100;
bool Manager::m_win10system = true;
unsigned Manager::m_uControlID = 0;

namespace {
std::mutex g_lock;
std::set<HWND>& LiveWindows() {
    static std::set<HWND> s;
    return s;
}
std::string& SkinOverride() {
    static std::string s;
    return s;
}
}  // namespace

void Manager::SetFont(const CString& face, int size) {
    m_fontname = face;
    if (size > 0)
        m_fontwidth = size;
}

CString Manager::GetFontName() {
    return m_win10system ? m_fontname : CString(L"Arial");
}

std::string Manager::GetExecutableFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string Manager::GetSkinFolder() {
    {
        std::lock_guard lock(g_lock);
        if (!SkinOverride().empty())
            return SkinOverride();
    }
    if (const char* env = std::getenv("VKUI_SKIN_DIR"); env && *env) {
        std::string s = env;
        if (s.back() != '/')
            s += '/';
        return s;
    }
    return GetExecutableFolder() + "skins/theme1/";
}

std::string Manager::SkinPath(const CString& name) {
    std::string in = ToUtf8(name), rel;
    for (char c : in) {
        if (c == '\\')
            c = '/';
        if (c == '/' && (rel.empty() || rel.back() == '/'))
            continue;
        rel += c;
    }
    return GetSkinFolder() + rel;
}

void Manager::SetSkinFolder(const std::string& folder) {
    std::lock_guard lock(g_lock);
    SkinOverride() = folder;
    if (!folder.empty() && folder.back() != '/')
        SkinOverride() += '/';
}

int Manager::PreTranslateMessage(MSG*) {
    Platform& p = Platform::Get();
    return (p.GetAsyncKeyState(VK_MENU) & 0x8000) && (p.GetAsyncKeyState(VK_F4) & 0x8000) ? 1 : 0;
}

int Manager::MessageLoop() {
    Platform& p = Platform::Get();
    MSG msg;
    while (p.GetMessageW(msg)) {
        if (PreTranslateMessage(&msg)) {
            // A dropped paint must still validate its window, or it comes back at once and
            // the loop spins for as long as the keys are held.
            if (msg.message == WM_PAINT)
                p.DefWindowProcW(msg.hwnd, WM_PAINT, 0, 0);
            continue;
        }
        p.DispatchMessageW(msg);
    }
    return static_cast<int>(msg.wParam);
}

void Manager::AddWnd(HWND hwnd) {
    std::lock_guard lock(g_lock);
    LiveWindows().insert(hwnd);
}

void Manager::DeleteWnd(HWND hwnd) {
    std::lock_guard lock(g_lock);
    LiveWindows().erase(hwnd);
}

bool Manager::IsLiveWnd(HWND hwnd) {
    std::lock_guard lock(g_lock);
    return LiveWindows().count(hwnd) != 0;
}

std::size_t Manager::LiveWndCount() {
    std::lock_guard lock(g_lock);
    return LiveWindows().size();
}

}  // namespace VKUI

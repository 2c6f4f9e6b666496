#include "core/Resources.h"

#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <tuple>

#include "core/Manager.h"
#include "core/TextUtil.h"

namespace VKUI {

namespace {
using Key = std::tuple<int, unsigned, std::wstring>;
std::mutex g_lock;
std::map<Key, std::vector<unsigned char>>& Blobs() {
    static std::map<Key, std::vector<unsigned char>> m;
    return m;
}
std::wstring Lower(std::wstring s) {
    for (auto& c : s)
        if (c >= L'A' && c <= L'Z')
            c = c - L'A' + L'a';
    return s;
}
}  // namespace

void RegisterResource(int module, unsigned id, const std::wstring& type,
                      std::vector<unsigned char> bytes) {
    std::lock_guard lock(g_lock);
    Blobs()[{module, id, Lower(type)}] = std::move(bytes);
}

std::string ResourceFilePath(int module, unsigned id, const std::wstring& type) {
    return Manager::GetSkinFolder() + "res/" + (module ? "app/" : "vkui/") + std::to_string(id) +
           "." + ToUtf8(Lower(type));
}

bool FindResource(int module, unsigned id, const std::wstring& type,
                  std::vector<unsigned char>& out) {
    {
        std::lock_guard lock(g_lock);
        auto it = Blobs().find({module, id, Lower(type)});
        if (it != Blobs().end()) {
            out = it->second;
            return true;
        }
    }
    std::ifstream f(ResourceFilePath(module, id, type), std::ios::binary);
    if (!f)
        return false;
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !out.empty();
}

}  // namespace VKUI

#include "features/text/LocalText.h"

#include <algorithm>
#include <atomic>

#include "features/text/LocalTextTable.h"

namespace vekora {
namespace {

// Read by every thread that builds a text; written by the language button on the UI thread.
std::atomic<int> g_language{kLanguageEnglish};

}  // namespace

std::wstring GetLocalText(int id, int languageId) {
    const auto table = LocalTextTable();
    const auto it = std::lower_bound(table.begin(), table.end(), id,
                                     [](const LocalTextEntry& e, int key) { return e.id < key; });
    if (it == table.end() || it->id != id)
        return {};
    return languageId == kLanguageChinese ? it->chinese : it->english;
}

std::wstring GetLocalText(int id) {
    return GetLocalText(id, CurrentLanguage());
}

void SetCurrentLanguage(int languageId) {
    g_language.store(languageId, std::memory_order_relaxed);
}

int CurrentLanguage() {
    return g_language.load(std::memory_order_relaxed);
}

}  // namespace vekora

// Every text the windows, menus, lists and message boxes show is a numbered string, looked up
// in the current language each time it is shown (nothing is cached by callers).
//
// The current language is a process-wide Windows language id: 2052 selects Simplified
// Chinese, every other value English. It is fixed at start-up (StartupLanguage() of
// store/Settings.h) and changed by the language button.
#pragma once

#include <string>

#include "store/LanguageIds.h"

namespace vekora {

// The text of `id` in the current language; empty for an id without an entry.
std::wstring GetLocalText(int id);
// The text of `id` in the given language.
std::wstring GetLocalText(int id, int languageId);

// Any id is kept as it is (a stored 1041 shows English but stays 1041).
void SetCurrentLanguage(int languageId);
int CurrentLanguage();

}  // namespace vekora

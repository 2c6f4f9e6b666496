// UTF-8 <-> wide-string conversion (wide strings are UTF-32 on Linux).
#pragma once

#include <string>

namespace VKUI {

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

}  // namespace VKUI

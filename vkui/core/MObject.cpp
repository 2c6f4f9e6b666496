#include "core/MObject.h"

#include <cwchar>

namespace VKUI {

int MObject::IsClass(const wchar_t* name) {
    const wchar_t* own = GetClassNameW();
    return own && name && std::wcscmp(own, name) == 0 ? 1 : 0;
}

long MObject::OnBaseMessage(unsigned, unsigned, unsigned, long) {
    return 0;
}
long MObject::OnControlUpdate(CRect, int, MControl*) {
    return 0;
}

}  // namespace VKUI

// The root of the toolkit's object model: the two sinks through which a control talks to its
// parent (notifications up, repaint requests up).
#pragma once

#include "platform/Types.h"

namespace VKUI {

class MControl;

class MObject {
public:
    virtual ~MObject() = default;
    // 1 when GetClassNameW() equals name exactly (case-sensitive), else 0.
    virtual int IsClass(const wchar_t* name);
    virtual const wchar_t* GetClassNameW() const { return nullptr; }
    virtual const wchar_t* GetObjectClass() { return nullptr; }
    virtual const wchar_t* BaseObjectClassName() { return nullptr; }
    // Notification sink: a child calls its parent's OnBaseMessage with its own control id.
    virtual long OnBaseMessage(unsigned id, unsigned code, unsigned wParam, long lParam);
    // Invalidation sink: a child asks its parent to repaint rect (client coordinates).
    virtual long OnControlUpdate(CRect rect, int refresh, MControl* control);
};

}  // namespace VKUI

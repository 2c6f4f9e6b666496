// Creating controls by class name. Every class name the toolkit knows is listed with whether
// a panel may create it; concrete controls register their constructor when they are built
// into the library. Unknown names, and known names whose class is not registered, give null.
#pragma once

#include "platform/Types.h"

namespace VKUI {

class MControl;
class MObject;

// Arguments as the factory receives them; each creator passes the ones its class takes.
struct ControlArgs {
    MObject* parent;
    unsigned id;
    CRect rect;
    const wchar_t* title;
    int p1;  // visible
    int p2;  // enabled
    bool inPanel;
};

using ControlCreator = MControl* (*)(const ControlArgs& args);

class ControlFactory {
public:
    // False for a name that is not in the toolkit's list.
    static bool Register(const wchar_t* className, ControlCreator creator);
    // Null for an empty, unknown or unregistered name, or (inPanel) a name panels cannot make.
    static MControl* Create(const wchar_t* className, const ControlArgs& args);
    static bool IsKnown(const wchar_t* className);
    static bool IsPanelAllowed(const wchar_t* className);
};

// Registers at load time: `static ControlRegistrar reg(L"MButton", &CreateMButton);`
struct ControlRegistrar {
    ControlRegistrar(const wchar_t* className, ControlCreator creator) {
        ControlFactory::Register(className, creator);
    }
};

}  // namespace VKUI

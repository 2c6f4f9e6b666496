#include "core/ControlFactory.h"

#include <map>
#include <mutex>
#include <string>

#include "core/CArea.h"

namespace VKUI {

namespace {

struct Entry {
    bool panelAllowed;
    ControlCreator creator = nullptr;
};

std::map<std::wstring, Entry>& Table() {
    static std::map<std::wstring, Entry> table = [] {
        std::map<std::wstring, Entry> t;
        const wchar_t* panel[] = {
            L"CArea",          L"MText",         L"MPicture",      L"CPhotoFrame",
            L"CSliderPicture", L"CGifPicture",   L"MProgress",     L"MSlider",
            L"MLevelCtrl",     L"MButton",       L"CImageButton",  L"CTextButton",
            L"CCheckButton",   L"CRadioButton",  L"CSelectButton", L"CColorButton",
            L"MSpinButton",    L"CSpinButton",   L"CSwitchButton", L"CIconButton",
            L"CTimerButton",   L"CHelpButton",   L"MEdit",         L"MRichEdit",
            L"MEditEx",        L"MComboBox",     L"MTabCtrl",      L"MTabLayout",
            L"MListBox",       L"MPalette",      L"CColorPalette", L"MPaletteBar",
            L"CColorSelect",   L"CirclePalette", L"MenuItem",      L"CRecordList",
            L"MComboBoxEdit",  L"FuncButton",    L"PicturePalette"};
        const wchar_t* windowOnly[] = {
            L"LightModeButton",    L"MPaletteBar2",    L"CComboBoxList", L"CDeviceCtrl",
            L"TextCheckButton",    L"CTextArea",       L"CGDIText",      L"GDIButton",
            L"CGDITextButton",     L"CGDICheckButton", L"DPIControl",    L"VKListBox",
            L"VekoraKeyboardCtrl", L"MoveShowText",    L"VekoraDevList", L"SingleImageButton",
            L"LightListBox",       L"NewButton",       L"ElectricValue", L"UserLightListBox",
            L"ResetButton",        L"MusicListBox",    L"DeviceColor"};
        for (const wchar_t* n : panel)
            t[n] = {true};
        for (const wchar_t* n : windowOnly)
            t[n] = {false};
        return t;
    }();
    return table;
}

std::mutex& Lock() {
    static std::mutex m;
    return m;
}

MControl* CreateCArea(const ControlArgs& a) {
    return new CArea(a.parent, a.id, a.rect, a.p1, 1);
}
const ControlRegistrar kArea(L"CArea", &CreateCArea);

}  // namespace

bool ControlFactory::Register(const wchar_t* className, ControlCreator creator) {
    if (!className)
        return false;
    std::lock_guard lock(Lock());
    auto it = Table().find(className);
    if (it == Table().end())
        return false;
    it->second.creator = creator;
    return true;
}

MControl* ControlFactory::Create(const wchar_t* className, const ControlArgs& args) {
    if (!className || !*className)
        return nullptr;
    ControlCreator creator;
    {
        std::lock_guard lock(Lock());
        auto it = Table().find(className);
        if (it == Table().end() || !it->second.creator)
            return nullptr;
        if (args.inPanel && !it->second.panelAllowed)
            return nullptr;
        creator = it->second.creator;
    }
    return creator(args);
}

bool ControlFactory::IsKnown(const wchar_t* className) {
    std::lock_guard lock(Lock());
    return className && Table().count(className) != 0;
}

bool ControlFactory::IsPanelAllowed(const wchar_t* className) {
    std::lock_guard lock(Lock());
    auto it = className ? Table().find(className) : Table().end();
    return it != Table().end() && it->second.panelAllowed;
}

}  // namespace VKUI

#include "features/macros/MacroEventText.h"

namespace vekora {
namespace {

std::wstring Step(int position, const wchar_t* label, const std::wstring& detail) {
    return std::to_wstring(position) + L"  " + label + L" (" + detail + L")";
}

}  // namespace

std::wstring MacroStepText(int position, int type, int value, const std::wstring& name) {
    switch (static_cast<MacroEventType>(type)) {
        case MacroEventType::Delay:
            return Step(position, L"Delay", std::to_wstring(value));
        case MacroEventType::KeyDown:
            return Step(position, L"Keyboard Down", name);
        case MacroEventType::KeyUp:
            return Step(position, L"Keyboard Up", name);
        case MacroEventType::MouseDown:
            return Step(position, L"Mouse Down", name);
        case MacroEventType::MouseUp:
            return Step(position, L"Mouse Up", name);
    }
    return {};
}

RecordItemKind MacroStepKind(int type) {
    switch (static_cast<MacroEventType>(type)) {
        case MacroEventType::KeyDown:
        case MacroEventType::MouseDown:
            return RecordItemKind::Press;
        case MacroEventType::KeyUp:
        case MacroEventType::MouseUp:
            return RecordItemKind::Release;
        default:
            return RecordItemKind::Delay;
    }
}

}  // namespace vekora

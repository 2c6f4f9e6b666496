#include "features/keys/KeyFunctionType.h"

namespace vekora {

std::string_view KeyFunctionTypeName(int macroType) {
    switch (static_cast<KeyFunctionType>(macroType)) {
        case KeyFunctionType::Default:
            return "Default";
        case KeyFunctionType::SystemCommand:
            return "SystemCommand";
        case KeyFunctionType::MultimediaCommand:
            return "MultimediaCommand";
        case KeyFunctionType::Macro:
            return "Macro";
        case KeyFunctionType::MouseButton:
            return "MouseButton";
        case KeyFunctionType::KeyCombination:
            return "KeyCombination";
        case KeyFunctionType::SingleKey:
            return "SingleKey";
        case KeyFunctionType::Disabled:
            return "Disabled";
    }
    return {};
}

bool IsKeyFunctionType(int macroType) {
    return !KeyFunctionTypeName(macroType).empty();
}

}  // namespace vekora

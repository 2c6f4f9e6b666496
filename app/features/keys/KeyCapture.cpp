#include "features/keys/KeyCapture.h"

#include "features/keys/KeyAssignments.h"
#include "features/keys/VirtualKeyNames.h"

namespace vekora {

bool IsCaptureModifier(int virtualKey) {
    return virtualKey == vk::kLeftWin || virtualKey == vk::kRightWin ||
           (virtualKey >= vk::kLeftShift && virtualKey <= vk::kRightMenu);
}

void KeyCapture::Start() {
    Clear();
    capturing_ = true;
}

void KeyCapture::Stop() {
    capturing_ = false;
}

void KeyCapture::Clear() {
    modifierKey_ = 0;
    modifierName_.clear();
    mainKey_ = 0;
    mainName_.clear();
}

void KeyCapture::OnInput(const RawInputEvent& event) {
    if (!capturing_ || event.kind != RawInputKind::Keyboard || event.name.empty()) {
        return;
    }
    if (IsCaptureModifier(event.code)) {
        modifierKey_ = event.code;
        modifierName_ = event.name;
    } else {
        mainKey_ = event.code;
        mainName_ = event.name;
    }
}

std::wstring KeyCapture::DisplayText() const {
    if (!modifierName_.empty() && !mainName_.empty()) {
        return modifierName_ + L" + " + mainName_;
    }
    return modifierName_.empty() ? mainName_ : modifierName_;
}

KeyAssignment KeyCapture::Assignment() const {
    if (modifierKey_ == 0 && mainKey_ == 0) {
        return MakeDefaultAssignment();
    }
    return MakeKeyAssignment(mainKey_, modifierKey_);
}

}  // namespace vekora

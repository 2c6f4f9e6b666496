// The X11 backend. Only the factory is visible: Xlib headers stay inside the backend.
#pragma once

#include <memory>

namespace VKUI {

class Platform;

// Null when no display can be opened.
std::unique_ptr<Platform> CreateX11Platform();

}  // namespace VKUI

#pragma once
// The desktop backend on SDL2: one full-screen window that shows the canvas, either scaled
// to fit with black bars or at 1:1 centred on black ("window").
#include <memory>

#include "platform/Platform.h"

namespace platform {

// Null when SDL's video cannot start (no display).
std::unique_ptr<Backend> CreateDesktopBackend(std::wstring& error);

}  // namespace platform

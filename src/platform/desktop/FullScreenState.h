#pragma once
// Full screen asked of the window manager without waiting for its answer. SDL's own request
// waits up to 0.1 s for the window manager to act (all of it where none runs), so the
// program's window is made the screen's size itself and only tells the window manager.
struct SDL_Window;

namespace platform {

// Adds or removes the window's full-screen state: on a window not yet shown by setting it
// (the window manager then shows it full screen from the start), on a shown one by asking
// the window manager. False where the window is not on an X display (nothing was asked).
bool TellFullScreenState(SDL_Window* window, bool on);

}  // namespace platform

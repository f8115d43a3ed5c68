// The window's X display connection, for the frame's sleep to watch (kept apart from the
// backend because the X headers' names clash with the program's own).
#pragma once

struct SDL_Window;

namespace platform {

struct XConnection {
    void* display = nullptr;  // the X library's display, or null when the window is not on X
    int fd = -1;              // its socket
};

XConnection XConnectionOf(SDL_Window* window);

// When the X server goes away (it ended, or the connection broke), the program ends at once
// with a message instead of waiting on a connection that will never answer.
void EndWhenDisplayIsLost();

// Events the X library has read from the socket already but SDL has not taken yet.
bool XEventsQueued(const XConnection& connection);

}  // namespace platform

#include "platform/desktop/XConnection.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <unistd.h>

namespace platform {

XConnection XConnectionOf(SDL_Window* window) {
    XConnection c;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display) {
        c.display = info.info.x11.display;
        c.fd = ConnectionNumber(info.info.x11.display);
    }
#else
    (void)window;
#endif
    return c;
}

void EndWhenDisplayIsLost() {
#if defined(SDL_VIDEO_DRIVER_X11)
    // The X library's own handler calls exit(), whose clean-up closes the window and then
    // waits for the dead server's answer for ever.
    XSetIOErrorHandler([](Display*) -> int {
        static const char message[] = "kestrova: the connection to the display was lost\n";
        if (::write(2, message, sizeof message - 1) < 0) {
        }
        ::_exit(1);
    });
#endif
}

bool XEventsQueued(const XConnection& connection) {
#if defined(SDL_VIDEO_DRIVER_X11)
    // The queue's length is a field of the display: reading it asks nothing of the server.
    return connection.display && QLength(static_cast<Display*>(connection.display)) > 0;
#else
    (void)connection;
    return false;
#endif
}

}  // namespace platform

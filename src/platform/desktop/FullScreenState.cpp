#include "platform/desktop/FullScreenState.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

#include <vector>

namespace platform {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// A window manager that follows the desktop's conventions names its check window on the root.
bool WindowManagerRuns(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                          &format, &count, &after, &data) == Success &&
                       data && count == 1;
    if (data) XFree(data);
    return found;
}

}  // namespace
#endif

bool TellFullScreenState(SDL_Window* window, bool on) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (!window) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    Display* display = info.info.x11.display;
    const ::Window w = info.info.x11.window;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) == 0 || !WindowManagerRuns(display)) {
        // Not yet shown, the window's own list of states is read when it is; where no window
        // manager runs, nobody would answer a request, and the list stays true this way.
        std::vector<Atom> states;
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, w, state, 0, 64, False, XA_ATOM, &type, &format, &count, &after, &data) ==
                Success &&
            data) {
            if (type == XA_ATOM && format == 32) {
                const Atom* atoms = reinterpret_cast<const Atom*>(data);
                for (unsigned long i = 0; i < count; ++i)
                    if (atoms[i] != fullScreen) states.push_back(atoms[i]);
            }
            XFree(data);
        }
        if (on) states.push_back(fullScreen);
        XChangeProperty(display, w, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
    } else {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = state;
        e.xclient.format = 32;
        e.xclient.data.l[0] = on ? 1 : 0;  // add, remove
        e.xclient.data.l[1] = static_cast<long>(fullScreen);
        e.xclient.data.l[3] = 1;  // asked by a normal program
        XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    }
    XFlush(display);
    return true;
#else
    (void)window;
    (void)on;
    return false;
#endif
}

}  // namespace platform

// The display helpers the desktop backend asks on X have nothing to do on Windows: the window
// is not on an X display (so the frame's sleep watches no connection), and full screen is
// asked of SDL once the window shows. The frame's sleep uses a fine timer instead.

#include "platform/desktop/FullScreenState.h"
#include "platform/desktop/XConnection.h"
#include "platform/windows/Services.h"

// Windows' headers come last: they define names (VK_RETURN, ...) the program's own headers use.
#include <windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace platform {

XConnection XConnectionOf(SDL_Window*) { return {}; }
void EndWhenDisplayIsLost() {}
bool XEventsQueued(const XConnection&) { return false; }
bool TellFullScreenState(SDL_Window*, bool) { return false; }

void SleepPrecisely(int64_t micros) {
    if (micros <= 0) return;
    // A high-resolution timer where Windows has one (Windows 10 1803 on); elsewhere the
    // system tick is made 1 ms for the run, as multimedia programs do.
    static HANDLE timer = [] {
        HANDLE t = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
        if (!t) {
            ::timeBeginPeriod(1);
            t = ::CreateWaitableTimerW(nullptr, TRUE, nullptr);
        }
        return t;
    }();
    LARGE_INTEGER due;
    due.QuadPart = -micros * 10;  // relative, in 100 ns steps
    if (timer && ::SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
        ::WaitForSingleObject(timer, INFINITE);
        return;
    }
    ::Sleep(static_cast<DWORD>((micros + 999) / 1000));
}

}  // namespace platform

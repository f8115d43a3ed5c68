#pragma once
// Taking the screen. The monitor's mode is left alone: "changing" the display means the
// window covers the whole screen with the canvas scaled to fit; staying windowed means
// the canvas at 1:1 centred on a black backdrop.
#include <string>

class DisplayMode {
public:
    // Opens the display full screen; false when it did not open, or opened but not full
    // screen (it then stays open as it is).
    bool OpenFullScreen();
    // Opens the display in the window-on-backdrop form; nothing to do when it is open.
    bool OpenWindowed();
    // Closes the display; nothing to do when it was never opened.
    void Restore();

    std::wstring title;
    std::wstring iconPath;

private:
    bool open_ = false;
};

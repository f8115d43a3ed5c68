#pragma once
// Taking the screen. The monitor's mode is left alone: "changing" the display means the
// window covers the whole screen with the canvas scaled to fit; staying windowed means
// the canvas at 1:1 centred on a black backdrop.
#include <string>

class DisplayMode {
public:
    // Opens the display full screen; 1 on success, 0 on failure.
    int Change(int width, int height, int bitsPerPixel, int noTopFrequency);
    // Opens the display in the window-on-backdrop form.
    int OpenWindowed();
    // Leaves full screen; nothing to do when the display was never changed.
    void Restore();
    bool Changed() const { return changed_; }

    std::wstring title;
    std::wstring iconPath;

private:
    bool changed_ = false;
    bool open_ = false;
};

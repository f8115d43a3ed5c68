// What the window shows: the canvas scaled into its place on the window's pixels, with
// black around it. Only the part of the window whose canvas pixels changed since the last
// showing is drawn again, so a blinking button costs its own few pixels, not the screen.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The window's pixels: 32 bits each, the top byte unused (as X windows of depth 24 are).
struct WindowPixels {
    uint32_t* pixels = nullptr;
    int width = 0, height = 0;
    int strideBytes = 0;
};

class WindowPicture {
public:
    // Puts the canvas (kCanvasWidth x kCanvasHeight, stride kCanvasWidth) into place on the
    // window, scaled smoothly when place differs from the canvas size. Returns the window
    // area that was drawn (empty when nothing changed), for the window to send on.
    PixelRect Show(const uint32_t* canvas, const WindowPixels& window, const PixelRect& place);
    // The next showing draws the whole window (after a resize, or when it was uncovered).
    void Forget() { valid_ = false; }

private:
    std::vector<uint32_t> shown_;  // the canvas as last shown
    PixelRect place_;
    int windowWidth_ = 0, windowHeight_ = 0;
    bool valid_ = false;
};

}  // namespace platform

// The window shows only what changed since its last showing: whatever was redrawn in part
// must be, pixel for pixel, what a whole drawing of the same frame gives, at any scale.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Platform.h"
#include "platform/desktop/WindowPicture.h"

namespace {

using platform::kCanvasHeight;
using platform::kCanvasWidth;
using platform::PixelRect;
using platform::WindowPicture;
using platform::WindowPixels;

std::vector<uint32_t> Frame(int seed) {
    std::vector<uint32_t> f(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x)
            f[static_cast<size_t>(y) * kCanvasWidth + x] = 0xFF000000u |
                                                           static_cast<uint32_t>((x * 3 + seed) & 0xFF) << 16 |
                                                           ((y * 5) & 0xFF) << 8 | ((x ^ y) & 0xFF);
    return f;
}

// A button-sized square changed, as a blinking start button changes it.
void Blink(std::vector<uint32_t>& f, int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) f[static_cast<size_t>(y) * kCanvasWidth + x] ^= 0x00FFFFFFu;
}

struct Window {
    int w, h;
    std::vector<uint32_t> pixels;
    Window(int width, int height) : w(width), h(height), pixels(static_cast<size_t>(width) * height, 0x12345678u) {}
    WindowPixels View() { return WindowPixels{pixels.data(), w, h, w * 4}; }
};

TEST(WindowPicture, PartlyRedrawnEqualsWhollyDrawnAtEveryScale) {
    struct Case {
        int windowW, windowH;
        PixelRect place;
    };
    for (const Case c : {
             Case{800, 600, {0, 0, 800, 600}},       // one to one
             Case{1280, 1024, {0, 32, 1280, 960}},   // full screen 5:4
             Case{1366, 768, {171, 0, 1024, 768}},   // wide screen
             Case{500, 377, {1, 1, 498, 374}},       // a small desktop window
             Case{1000, 1000, {100, 200, 800, 600}}  // windowed on a backdrop
         }) {
        SCOPED_TRACE(testing::Message() << c.windowW << "x" << c.windowH);
        std::vector<uint32_t> frame = Frame(0);
        Window partly(c.windowW, c.windowH);
        WindowPicture picture;
        const PixelRect first = picture.Show(frame.data(), partly.View(), c.place);
        EXPECT_EQ(first, (PixelRect{0, 0, c.windowW, c.windowH})) << "the first showing draws the bars too";
        EXPECT_TRUE(picture.Show(frame.data(), partly.View(), c.place).Empty()) << "an unchanged frame is not sent";

        Blink(frame, 20, 500, 130, 60);
        const PixelRect area = picture.Show(frame.data(), partly.View(), c.place);
        EXPECT_FALSE(area.Empty());
        EXPECT_LT(static_cast<double>(area.w) * area.h, 0.1 * c.windowW * c.windowH) << "only the change is drawn";
        Blink(frame, 790, 0, 10, 3);  // at the canvas's edges
        Blink(frame, 0, 597, 1, 3);
        EXPECT_FALSE(picture.Show(frame.data(), partly.View(), c.place).Empty());

        Window wholly(c.windowW, c.windowH);
        WindowPicture fresh;
        fresh.Show(frame.data(), wholly.View(), c.place);
        EXPECT_EQ(partly.pixels, wholly.pixels);
        EXPECT_EQ(wholly.pixels[0] & 0xFFFFFF, c.place.x > 0 || c.place.y > 0 ? 0u : wholly.pixels[0] & 0xFFFFFF)
            << "the bars are black";
    }
}

TEST(WindowPicture, NewPlaceOrForgettingDrawsTheWholeWindow) {
    std::vector<uint32_t> frame = Frame(1);
    Window w(1280, 1024);
    WindowPicture picture;
    picture.Show(frame.data(), w.View(), {0, 32, 1280, 960});
    picture.Forget();
    EXPECT_EQ(picture.Show(frame.data(), w.View(), {0, 32, 1280, 960}), (PixelRect{0, 0, 1280, 1024}));
    EXPECT_EQ(picture.Show(frame.data(), w.View(), {0, 0, 1280, 960}), (PixelRect{0, 0, 1280, 1024}));
    Window smaller(800, 600);
    EXPECT_EQ(picture.Show(frame.data(), smaller.View(), {0, 0, 800, 600}), (PixelRect{0, 0, 800, 600}));
}

}  // namespace

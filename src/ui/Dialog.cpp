#include "ui/Dialog.h"

#include <algorithm>
#include <vector>

#include "graphics/Graphics.h"

namespace ui {

namespace {
constexpr uint32_t kPollMs = 15;
}  // namespace

void DrawOnPixels(uint32_t* pixels, int strideBytes, const std::function<void(Graphics&)>& draw) {
    using platform::kCanvasHeight;
    using platform::kCanvasWidth;
    Bitmap canvas(kCanvasWidth, kCanvasHeight);
    const auto rows = [&](const uint8_t* from, int fromStride, uint8_t* to, int toStride) {
        for (int row = 0; row < kCanvasHeight; ++row)
            std::copy_n(from + static_cast<size_t>(row) * fromStride, kCanvasWidth * 4,
                        to + static_cast<size_t>(row) * toStride);
    };
    rows(reinterpret_cast<const uint8_t*>(pixels), strideBytes, reinterpret_cast<uint8_t*>(canvas.Pixels()),
         canvas.StrideBytes());
    {
        Graphics g(&canvas, DrawMode::Direct);
        draw(g);
    }
    rows(reinterpret_cast<const uint8_t*>(canvas.Pixels()), canvas.StrideBytes(), reinterpret_cast<uint8_t*>(pixels),
         strideBytes);
}

void DrawButton(Graphics& g, const Box& b, const std::wstring& label, uint32_t colour, float size, bool wrap) {
    const auto f = [](int v) { return static_cast<float>(v); };
    g.FillRectangle(SolidBrush(colour), RectF{f(b.x), f(b.y), f(b.w), f(b.h)});
    const Font font(L"Arial", size, FontStyleBold);
    const float width = wrap ? f(b.w - 8) : 0;
    const RectF measured = g.MeasureString(label, font, RectF{0, 0, width, 0}, StringFormat{});
    const RectF place{f(b.CentreX()) - measured.width / 2, f(b.CentreY()) - measured.height / 2, width, 0};
    g.DrawString(label, font, place, StringFormat{}, SolidBrush(kWhite));
}

void DrawDialogPanel(Graphics& g, const std::wstring& title, const std::wstring& folder) {
    g.Clear(kBackdrop);
    g.FillRectangle(SolidBrush(kPanel), RectF{100, 40, 600, 520});
    g.DrawString(title, Font(L"Arial", 22, FontStyleBold), RectF{120, 55, 560, 0}, StringFormat{}, SolidBrush(kInk));
    g.DrawString(folder, Font(L"Arial", 14), RectF{120, 95, 560, 0}, StringFormat{}, SolidBrush(kFaint));
    DrawRule(g, 127.5f);
}

void DrawRule(Graphics& g, float y) { g.DrawLine(Pen(kRule, 1), 120, y, 680, y); }

DialogResult RunDialog(platform::Backend& os, const std::function<void(uint32_t*, int)>& draw,
                       const std::function<DialogResult(const platform::InputEvent&)>& handle, uint32_t blinkMs) {
    std::vector<uint32_t> pixels(static_cast<size_t>(platform::kCanvasWidth) * platform::kCanvasHeight);
    const int stride = platform::kCanvasWidth * 4;
    bool dirty = true;
    uint32_t shownAt = os.TimeGetTime();
    for (;;) {
        if (blinkMs && os.TimeGetTime() - shownAt >= blinkMs) dirty = true;
        if (dirty) {
            draw(pixels.data(), stride);
            os.Present(pixels.data(), stride);
            dirty = false;
            shownAt = os.TimeGetTime();
        }
        platform::InputEvent e;
        while (os.PollEvent(e)) {
            const DialogResult r = handle(e);
            if (r != DialogResult::Open) return r;
            dirty = true;
        }
        os.Sleep(kPollMs);
    }
}

}  // namespace ui

#pragma once
// The rasterizer behind the drawing API: one canvas draws into a block of premultiplied
// ARGB32 pixels. Images, shapes and text are drawn the same way whether a frame is drawn
// at once or replayed from its recorded commands, so both give the same pixels.
#include <cstdint>
#include <memory>
#include <string>

namespace platform::gfx {

// A source image: premultiplied ARGB32 pixels owned by the caller. Opaque images are
// copied rather than blended, which is what makes full-screen backgrounds cheap.
struct ImageRef {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int strideBytes = 0;
    bool opaque = false;
};

// A font by family name ("Arial"), size in pixels and style bits (1 bold, 2 italic,
// 4 underline, 8 strikeout).
struct FontSpec {
    std::wstring family = L"Arial";
    float sizePx = 24;
    int style = 0;
    bool operator==(const FontSpec&) const = default;
};

// A 2D affine transform: x' = xx * x + xy * y + x0, y' = yx * x + yy * y + y0.
struct Affine {
    double xx = 1, yx = 0, xy = 0, yy = 1, x0 = 0, y0 = 0;
    bool operator==(const Affine&) const = default;
    bool IsIdentity() const { return *this == Affine{}; }
};

struct TextSize {
    float width = 0;
    float height = 0;
};

// Size of text laid out with font in a box of layoutWidth x layoutHeight (0 means no
// limit). The width includes the small padding the text gets on either side.
TextSize MeasureText(const std::wstring& text, const FontSpec& font, float layoutWidth);

// Drops cached text layouts (they are kept between frames because labels rarely change).
void ClearTextCache();
// Starts setting up text (font configuration, the first font) on a thread of its own; the
// first measurement or drawing of text waits for it. Called once, first thing at start-up,
// before any text is measured.
void WarmUpFonts();

class Canvas final {
public:
    Canvas(uint32_t* pixels, int width, int height, int strideBytes);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Replaces every pixel with the colour (no blending, no transform).
    void Clear(uint32_t argb);
    // World transform for the following drawing; a singular or non-finite transform is ignored.
    void SetTransform(const Affine& transform);
    // Draws image scaled into the rectangle. Unscaled images at whole-pixel positions are
    // copied pixel for pixel; others are filtered bilinearly.
    void DrawImage(const ImageRef& image, float x, float y, float width, float height);
    void StrokeRect(uint32_t argb, float penWidth, float x, float y, float width, float height);
    void StrokeEllipse(uint32_t argb, float penWidth, float x, float y, float width, float height);
    void FillRect(uint32_t argb, float x, float y, float width, float height);
    void Line(uint32_t argb, float penWidth, float x1, float y1, float x2, float y2);
    // Draws text at the top left of the layout box (wrapped at its width when it has one).
    void Text(const std::wstring& text, const FontSpec& font, uint32_t argb, float x, float y, float width,
              float height);
    // Makes every drawn pixel visible in the pixel block.
    void Flush();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform::gfx

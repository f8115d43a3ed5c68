#pragma once
// The drawing surface: bitmaps and the graphics that draw into them. A Graphics either
// targets a bitmap (the back buffer, or a bitmap being drawn into) or the window, where
// drawing the finished back buffer presents it.
#include <cstdint>
#include <vector>

class Bitmap {
public:
    Bitmap(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Premultiplied ARGB32 pixels, row after row.
    uint32_t* Pixels() { return pixels_.data(); }
    const uint32_t* Pixels() const { return pixels_.data(); }
    int StrideBytes() const { return width_ * 4; }
    uint32_t PixelAt(int x, int y) const;

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

class Graphics {
public:
    explicit Graphics(Bitmap* target) : target_(target) {}
    // A graphics on the main window: drawing a bitmap presents it.
    static Graphics ForWindow() { return Graphics(nullptr); }

    bool IsWindow() const { return target_ == nullptr; }
    Bitmap* Target() const { return target_; }

    void Clear(uint32_t argb);
    // Draws image into the rectangle; on the window graphics this presents the image.
    void DrawImage(const Bitmap& image, int x, int y, int width, int height);

private:
    Bitmap* target_;
};

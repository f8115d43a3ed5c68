#include "graphics/Graphics.h"

#include <algorithm>

#include "platform/Platform.h"

Bitmap::Bitmap(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u) {}

uint32_t Bitmap::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void Graphics::Clear(uint32_t argb) {
    if (!target_) return;
    std::fill(target_->Pixels(), target_->Pixels() + static_cast<size_t>(target_->Width()) * target_->Height(), argb);
}

void Graphics::DrawImage(const Bitmap& image, int x, int y, int width, int height) {
    if (IsWindow()) {
        if (image.Width() == platform::kCanvasWidth && image.Height() == platform::kCanvasHeight)
            platform::Os().Present(image.Pixels(), image.StrideBytes());
        return;
    }
    // Plain 1:1 copy; the full drawing API replaces this.
    for (int row = 0; row < std::min(height, image.Height()); ++row) {
        int ty = y + row;
        if (ty < 0 || ty >= target_->Height()) continue;
        for (int col = 0; col < std::min(width, image.Width()); ++col) {
            int tx = x + col;
            if (tx < 0 || tx >= target_->Width()) continue;
            target_->Pixels()[ty * target_->Width() + tx] = image.Pixels()[row * image.Width() + col];
        }
    }
}

#include "platform/desktop/WindowPicture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Platform.h"

namespace platform {
namespace {

// The canvas rows and columns in which a and b differ: empty when they are the same.
PixelRect Changed(const uint32_t* a, const uint32_t* b) {
    const size_t rowBytes = kCanvasWidth * 4;
    int top = 0, bottom = kCanvasHeight;
    while (top < bottom && std::memcmp(a + top * kCanvasWidth, b + top * kCanvasWidth, rowBytes) == 0) ++top;
    if (top == bottom) return {};
    while (std::memcmp(a + (bottom - 1) * kCanvasWidth, b + (bottom - 1) * kCanvasWidth, rowBytes) == 0) --bottom;
    int left = kCanvasWidth, right = 0;
    for (int y = top; y < bottom; ++y) {
        const uint32_t* ra = a + y * kCanvasWidth;
        const uint32_t* rb = b + y * kCanvasWidth;
        int l = 0;
        while (l < left && ra[l] == rb[l]) ++l;
        left = std::min(left, l);
        int r = kCanvasWidth;
        while (r > right && ra[r - 1] == rb[r - 1]) --r;
        right = std::max(right, r);
    }
    return {left, top, right - left, bottom - top};
}

}  // namespace

PixelRect WindowPicture::Show(const uint32_t* canvas, const WindowPixels& window, const PixelRect& place) {
    if (!canvas || !window.pixels || window.width <= 0 || window.height <= 0 || place.Empty()) return {};
    const size_t count = static_cast<size_t>(kCanvasWidth) * kCanvasHeight;
    const bool whole = !valid_ || !(place == place_) || window.width != windowWidth_ || window.height != windowHeight_;
    PixelRect area{0, 0, window.width, window.height};
    PixelRect c{0, 0, kCanvasWidth, kCanvasHeight};
    if (!whole) {
        c = Changed(canvas, shown_.data());
        if (c.Empty()) return {};
        // A window pixel blends the canvas pixels around its spot: a margin of a canvas pixel
        // each way, more where the window is smaller than the canvas.
        const double sx = static_cast<double>(place.w) / kCanvasWidth,
                     sy = static_cast<double>(place.h) / kCanvasHeight;
        const int mx = 1 + static_cast<int>(std::ceil(1 / sx)), my = 1 + static_cast<int>(std::ceil(1 / sy));
        const int x0 = place.x + static_cast<int>(std::floor((c.x - mx) * sx));
        const int y0 = place.y + static_cast<int>(std::floor((c.y - my) * sy));
        const int x1 = place.x + static_cast<int>(std::ceil((c.x + c.w + mx) * sx));
        const int y1 = place.y + static_cast<int>(std::ceil((c.y + c.h + my) * sy));
        const int l = std::max({x0, place.x, 0}), t = std::max({y0, place.y, 0});
        const int r = std::min({x1, place.x + place.w, window.width}),
                  b = std::min({y1, place.y + place.h, window.height});
        area = {l, t, r - l, b - t};
        if (area.Empty()) return {};
    }
    cairo_surface_t* target =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(window.pixels), CAIRO_FORMAT_RGB24,
                                            window.width, window.height, window.strideBytes);
    cairo_surface_t* source =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(canvas)),
                                            CAIRO_FORMAT_RGB24, kCanvasWidth, kCanvasHeight, kCanvasWidth * 4);
    cairo_t* cr = cairo_create(target);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, area.x, area.y, area.w, area.h);
    cairo_clip(cr);
    if (whole) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
        cairo_rectangle(cr, place.x, place.y, place.w, place.h);
        cairo_clip(cr);
    }
    cairo_translate(cr, place.x, place.y);
    cairo_scale(cr, static_cast<double>(place.w) / kCanvasWidth, static_cast<double>(place.h) / kCanvasHeight);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    const bool oneToOne = place.w == kCanvasWidth && place.h == kCanvasHeight;
    cairo_pattern_set_filter(pattern, oneToOne ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);  // the canvas's edge pixels reach its border
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(source);
    cairo_surface_flush(target);
    cairo_surface_destroy(target);

    if (whole)
        shown_.assign(canvas, canvas + count);
    else
        std::memcpy(shown_.data() + static_cast<size_t>(c.y) * kCanvasWidth,
                    canvas + static_cast<size_t>(c.y) * kCanvasWidth, static_cast<size_t>(c.h) * kCanvasWidth * 4);
    place_ = place;
    windowWidth_ = window.width;
    windowHeight_ = window.height;
    valid_ = true;
    return area;
}

}  // namespace platform

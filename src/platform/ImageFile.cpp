#include "platform/ImageFile.h"

#include <cairo.h>

#include "platform/Files.h"

namespace platform {

bool SavePixelsAsPng(const uint32_t* pixels, int width, int height, int strideBytes, const std::wstring& path) {
    if (!pixels || width <= 0 || height <= 0) return false;
    cairo_surface_t* s = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pixels)), CAIRO_FORMAT_ARGB32, width, height,
        strideBytes);
    const bool ok = cairo_surface_write_to_png(s, NativePath(path).c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace platform

#pragma once
#include <cstdint>
#include <string>

namespace platform {

// Writes premultiplied ARGB32 pixels as a PNG file; false on failure.
bool SavePixelsAsPng(const uint32_t* pixels, int width, int height, int strideBytes, const std::wstring& path);

}  // namespace platform

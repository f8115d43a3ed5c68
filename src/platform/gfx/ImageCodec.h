#pragma once
// Image files: PNG and GIF decoded to premultiplied ARGB32 pixels; BMP and PNG written.
// Decoding treats every file as untrusted: bad, truncated or oversized data is refused.
#include <cstdint>
#include <string>
#include <vector>

namespace platform::gfx {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // premultiplied ARGB32, width * height, row after row
};

// Images larger than this on a side (or in all) are refused rather than allocated.
constexpr int kMaxImageSide = 8192;
constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;

// Decodes a PNG, or the first frame of a GIF (with its transparent colour), chosen by the
// file's signature. False, with out empty, on anything else.
bool DecodeImage(const std::string& bytes, DecodedImage& out);
bool DecodeImageFile(const std::wstring& path, DecodedImage& out);
// Decodes and shrinks to width x height (each pixel the average of the pixels it covers), so
// only the small picture is kept. A picture not larger than that keeps its own size.
bool DecodeImageScaled(const std::string& bytes, int width, int height, DecodedImage& out);

// Encoders produce the whole file in memory; callers write it atomically.
bool EncodePng(const uint32_t* pixels, int width, int height, int strideBytes, std::string& out);
// 24 bits per pixel when every pixel is opaque, else 32 bits with straight alpha.
bool EncodeBmp(const uint32_t* pixels, int width, int height, int strideBytes, std::string& out);

}  // namespace platform::gfx

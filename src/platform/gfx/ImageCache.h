#pragma once
// Decoded pictures kept for the run: a picture that several sprites or screens load is
// decoded once. An entry is known by the file's path and its identity on disk (inode, size,
// modification time), so a changed or replaced file is decoded again. The cache holds at
// most kImageCacheBytes of pixels and drops the pictures used longest ago first.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx/ImageCodec.h"

namespace platform::gfx {

constexpr size_t kImageCacheBytes = size_t{32} << 20;

// The picture at path decoded into out (a copy of the kept pixels), with whether every pixel
// is opaque; false, with out empty, when the file is missing or does not decode.
bool LoadImageCached(const std::wstring& path, DecodedImage& out, bool& opaque);
void ClearImageCache();

struct ImageCacheCounts {
    int decodes = 0;   // files decoded so far
    int hits = 0;      // loads served from the cache
    size_t bytes = 0;  // pixels kept now
};
ImageCacheCounts ImageCacheStats();

}  // namespace platform::gfx

#pragma once
// Decoded pictures kept for the run: a picture that several sprites or screens load is
// decoded once. An entry is known by the file's path and its identity on disk (inode, size,
// modification time), so a changed or replaced file is decoded again. The cache holds at
// most kImageCacheBytes of pixels and drops the pictures used longest ago first.
//
// Pictures a coming screen will need can be decoded ahead on a thread of the cache's own
// (a warm-up) while the program goes on; a load of the picture the warm-up decodes at that
// moment waits for it instead of decoding it twice.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/ImageCodec.h"

namespace platform::gfx {

constexpr size_t kImageCacheBytes = size_t{32} << 20;
// What one warm-up decodes at most, so that it never pushes much of what is in use out.
constexpr size_t kWarmUpBytes = kImageCacheBytes / 3;

// The picture at path decoded into out (a copy of the kept pixels), with whether every pixel
// is opaque; false, with out empty, when the file is missing or does not decode.
bool LoadImageCached(const std::wstring& path, DecodedImage& out, bool& opaque);
void ClearImageCache();

// Starts decoding the pictures at paths into the cache, in this order, on the cache's own
// thread; pictures already kept are passed over, and the warm-up ends once it has decoded
// budget bytes of pixels. A warm-up still running is stopped first (after its picture under
// way). Relative paths are taken from the working folder of the moment of the call.
void WarmUpImages(std::vector<std::wstring> paths, size_t budget = kWarmUpBytes);
// Asks the warm-up to end after the picture under way, without waiting for it.
void StopImageWarmUp();
// Stops the warm-up and waits for its thread to end.
void FinishImageWarmUp();

struct ImageCacheCounts {
    int decodes = 0;   // files decoded so far, by loads and warm-ups
    int warmed = 0;    // of these, decoded by a warm-up
    int hits = 0;      // loads served from the cache
    size_t bytes = 0;  // pixels kept now
};
ImageCacheCounts ImageCacheStats();

}  // namespace platform::gfx

#include "platform/ImageFile.h"

#include "platform/Files.h"
#include "platform/gfx/ImageCodec.h"

namespace platform {

bool SavePixelsAsPng(const uint32_t* pixels, int width, int height, int strideBytes, const std::wstring& path) {
    std::string bytes;
    return gfx::EncodePng(pixels, width, height, strideBytes, bytes) && WriteFileAtomic(path, bytes);
}

}  // namespace platform

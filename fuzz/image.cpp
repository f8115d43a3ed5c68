// Image files are outside data: any bytes must decode or be refused without harm.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx/ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::gfx::DecodedImage image;
    if (platform::gfx::DecodeImage(std::string(reinterpret_cast<const char*>(data), size), image)) {
        // A decoded image always holds exactly its pixels.
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
            __builtin_trap();
    }
    // Shrunk while decoding (trainee pictures): exactly the output size, or refused.
    platform::gfx::DecodedImage small;
    if (platform::gfx::DecodeImageScaled(std::string(reinterpret_cast<const char*>(data), size), 50, 50, small)) {
        if (small.pixels.size() != static_cast<size_t>(small.width) * static_cast<size_t>(small.height) ||
            small.width > 50 || small.height > 50)
            __builtin_trap();
    }
    return 0;
}

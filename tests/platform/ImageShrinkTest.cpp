// A trainee's picture shrunk while it is decoded gives the same pixels as the whole picture
// decoded and then shrunk, for every kind of PNG a trainer may place.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/gfx/ImageCodec.h"
#include "support/TempFolder.h"

namespace {

using platform::gfx::DecodedImage;

TEST(ImageShrink, RowByRowEqualsWholeThenShrunk) {
    TempFolder dir;
    struct Case {
        int w, h, outW, outH;
        bool alpha;
    };
    for (const Case c : {Case{640, 480, 50, 50, false}, Case{333, 97, 50, 50, true}, Case{51, 50, 50, 50, true},
                         Case{4000, 60, 50, 50, false}}) {
        Bitmap b(c.w, c.h);
        uint32_t* px = b.Pixels();
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const uint32_t a = c.alpha ? static_cast<uint32_t>((x * 7 + y * 3) % 256) : 255u;
                const uint32_t r = (x * 255 / c.w) * a / 255, g = (y * 255 / c.h) * a / 255,
                               bl = ((x ^ y) & 0xFF) * a / 255;
                px[static_cast<size_t>(y) * static_cast<size_t>(c.w) + static_cast<size_t>(x)] =
                    a << 24 | r << 16 | g << 8 | bl;
            }
        const std::wstring file = dir.File("p.png");
        ASSERT_TRUE(b.SavePng(file));
        std::string bytes;
        ASSERT_TRUE(platform::ReadWholeFile(file, bytes));
        DecodedImage whole, shrunk;
        ASSERT_TRUE(platform::gfx::DecodeImage(bytes, whole));
        ASSERT_TRUE(platform::gfx::DecodeImageScaled(bytes, c.outW, c.outH, shrunk));
        ASSERT_EQ(shrunk.width, c.outW);
        ASSERT_EQ(shrunk.height, c.outH);
        for (int oy = 0; oy < c.outH; ++oy)
            for (int ox = 0; ox < c.outW; ++ox) {
                const int y0 = oy * c.h / c.outH, y1 = std::max(y0 + 1, (oy + 1) * c.h / c.outH);
                const int x0 = ox * c.w / c.outW, x1 = std::max(x0 + 1, (ox + 1) * c.w / c.outW);
                const uint32_t got = shrunk.pixels[static_cast<size_t>(oy * c.outW + ox)];
                for (int ch = 0; ch < 4; ++ch) {
                    uint64_t sum = 0;
                    for (int y = y0; y < y1; ++y)
                        for (int x = x0; x < x1; ++x)
                            sum += (whole.pixels[static_cast<size_t>(y * c.w + x)] >> (8 * ch)) & 0xFF;
                    const int n = (y1 - y0) * (x1 - x0);
                    const int want = static_cast<int>((sum + static_cast<uint64_t>(n) / 2) / static_cast<uint64_t>(n));
                    ASSERT_LE(std::abs(want - static_cast<int>((got >> (8 * ch)) & 0xFF)), 1)
                        << c.w << "x" << c.h << " at " << ox << "," << oy << " channel " << ch;
                }
            }
    }
    // Damaged data is refused, not half-drawn.
    Bitmap b(300, 300);
    ASSERT_TRUE(b.SavePng(dir.File("t.png")));
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.File("t.png"), bytes));
    DecodedImage out;
    EXPECT_FALSE(platform::gfx::DecodeImageScaled(bytes.substr(0, bytes.size() / 2), 50, 50, out));
    EXPECT_TRUE(out.pixels.empty());
}

}  // namespace

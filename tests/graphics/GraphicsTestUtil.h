#pragma once
// Helpers for drawing tests: a headless backend for the sprite clocks, a scratch folder,
// small generated images and a hand-built GIF writer.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/FrameTimer.h"
#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Utf.h"
#include "platform/headless/HeadlessBackend.h"

namespace gfxtest {

// Installs a headless backend (virtual clock at 0) for the life of the fixture.
class HeadlessFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        os = backend.get();
        platform::InstallBackend(std::move(backend));
        FrameTimer::ResetShared();
        const char* base = std::getenv("KESTROVA_TEST_TMP");
        std::string root = base && *base ? base : "/tmp";
        std::filesystem::create_directories(root);
        std::string pattern = root + "/gfx-XXXXXX";
        if (::mkdtemp(pattern.data())) folder = pattern;
        ASSERT_FALSE(folder.empty());
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
        platform::InstallBackend(nullptr);
    }
    // A path in the scratch folder, in the program's wide form.
    std::wstring Path(const std::string& name) const { return platform::WideFromUtf8(folder + "/" + name); }

    platform::HeadlessBackend* os = nullptr;
    std::string folder;
};

inline std::unique_ptr<Bitmap> SolidBitmap(int w, int h, uint32_t argb) {
    auto b = std::make_unique<Bitmap>(w, h);
    uint32_t* p = b->Pixels();
    for (int i = 0; i < w * h; ++i) p[i] = argb;
    return b;
}

// Writes a PNG of w x h in one colour; returns its path.
inline std::wstring WriteSolidPng(const std::wstring& path, int w, int h, uint32_t argb) {
    auto b = SolidBitmap(w, h, argb);
    EXPECT_TRUE(b->SavePng(path));
    return path;
}

// A minimal GIF: global palette of 4 colours, optional transparent index, one image placed
// at (left, top) on a screen of sw x sh. The image data is coded with a clear code before
// every pixel, which keeps the code width fixed at 3 bits.
struct GifSpec {
    int screenW = 0, screenH = 0;
    int left = 0, top = 0, w = 0, h = 0;
    int transparent = -1;
    bool interlaced = false;
    std::vector<uint8_t> indices;  // w * h, in the order stored in the file
    uint32_t palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
};

inline std::string BuildGif(const GifSpec& g) {
    std::string s = "GIF89a";
    auto le16 = [&](int v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    le16(g.screenW);
    le16(g.screenH);
    s.push_back(static_cast<char>(0x80 | 0x01));  // global table of 2^(1+1) = 4 colours
    s.push_back(0);
    s.push_back(0);
    for (uint32_t c : g.palette) {
        s.push_back(static_cast<char>((c >> 16) & 0xFF));
        s.push_back(static_cast<char>((c >> 8) & 0xFF));
        s.push_back(static_cast<char>(c & 0xFF));
    }
    if (g.transparent >= 0) {
        const char gce[] = {'\x21', '\xF9', 4, 1, 0, 0, static_cast<char>(g.transparent), 0};
        s.append(gce, sizeof gce);
    }
    s.push_back(',');
    le16(g.left);
    le16(g.top);
    le16(g.w);
    le16(g.h);
    s.push_back(static_cast<char>(g.interlaced ? 0x40 : 0));
    s.push_back(2);  // minimum code size
    std::string data;
    uint32_t acc = 0;
    int bits = 0;
    auto put = [&](uint32_t code) {
        acc |= code << bits;
        bits += 3;
        while (bits >= 8) {
            data.push_back(static_cast<char>(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (uint8_t i : g.indices) {
        put(4);  // clear
        put(i);
    }
    put(5);  // end of information
    if (bits > 0) data.push_back(static_cast<char>(acc & 0xFF));
    for (size_t pos = 0; pos < data.size(); pos += 255) {
        const size_t n = std::min<size_t>(255, data.size() - pos);
        s.push_back(static_cast<char>(n));
        s.append(data, pos, n);
    }
    s.push_back(0);
    s.push_back(';');
    return s;
}

}  // namespace gfxtest

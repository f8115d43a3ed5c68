// The caches behind loading: pictures decoded once per run unless the file changes (also
// when they are decoded ahead), and folders read once while a screen sets itself up.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/TempFolder.h"
#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/FolderListing.h"
#include "platform/gfx/ImageCache.h"

namespace {

// A picture of one colour, saved (atomically) as a PNG.
void SavePicture(const std::wstring& path, int w, int h, uint32_t argb) {
    Bitmap b(w, h);
    uint32_t* p = b.Pixels();
    std::fill(p, p + static_cast<size_t>(w) * h, argb);
    ASSERT_TRUE(b.SavePng(path));
}

int Decodes() { return platform::gfx::ImageCacheStats().decodes; }
int Warmed() { return platform::gfx::ImageCacheStats().warmed; }

// Pictures of their own sizes and colours, some with see-through pixels.
std::vector<std::wstring> SavePictures(const TempFolder& dir, int count) {
    std::vector<std::wstring> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(dir.File("p" + std::to_string(i) + ".png"));
        SavePicture(paths.back(), 20 + i, 10 + i % 7, i % 3 ? 0xFF000000u | (0x10101u * i) : 0x80402010u);
    }
    return paths;
}

}  // namespace

TEST(ImageCacheTest, PicturesDecodedAheadAreTheSameAndAChangedFileIsDecodedAgain) {
    TempFolder dir;
    platform::gfx::ClearImageCache();
    const std::vector<std::wstring> paths = SavePictures(dir, 6);
    const int decodes = Decodes(), warmed = Warmed();
    platform::gfx::WarmUpImages(paths);
    for (int i = 0; i < 5000 && Warmed() < warmed + 6; ++i) usleep(1000);
    ASSERT_EQ(Warmed(), warmed + 6);
    for (const std::wstring& path : paths) {
        platform::gfx::DecodedImage direct;
        ASSERT_TRUE(platform::gfx::DecodeImageFile(path, direct));
        auto loaded = Bitmap::FromFile(path);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->Width(), direct.width);
        EXPECT_TRUE(std::equal(direct.pixels.begin(), direct.pixels.end(), loaded->Pixels()));
        EXPECT_EQ(loaded->IsOpaque(), (direct.pixels[0] >> 24) == 0xFF);
    }
    EXPECT_EQ(Decodes(), decodes + 6);  // every load was served by the warm-up

    // Replaced after it was decoded ahead: the load decodes the new file; a later warm-up
    // passes over what is kept.
    SavePicture(paths[0], 9, 9, 0xFF00FF00u);
    EXPECT_EQ(Bitmap::FromFile(paths[0])->PixelAt(4, 4), 0xFF00FF00u);
    EXPECT_EQ(Decodes(), decodes + 7);
    platform::gfx::WarmUpImages(paths);
    platform::gfx::FinishImageWarmUp();
    EXPECT_EQ(Warmed(), warmed + 6);
    platform::gfx::ClearImageCache();
}

TEST(ImageCacheTest, LoadsBesideAWarmUpDecodeEachPictureOnce) {
    TempFolder dir;
    platform::gfx::ClearImageCache();
    const std::vector<std::wstring> paths = SavePictures(dir, 40);
    const int decodes = Decodes();
    platform::gfx::WarmUpImages(paths);
    // Loaded from the other end, so the loads meet the warm-up on the way.
    for (size_t i = paths.size(); i-- > 0;) {
        auto b = Bitmap::FromFile(paths[i]);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->Width(), 20 + static_cast<int>(i));
    }
    platform::gfx::FinishImageWarmUp();
    EXPECT_EQ(Decodes(), decodes + 40);
    platform::gfx::ClearImageCache();
}

TEST(ImageCacheTest, APictureIsDecodedOnceUntilItsFileChanges) {
    TempFolder dir;
    platform::gfx::ClearImageCache();
    const std::wstring path = dir.File("a.png");
    SavePicture(path, 20, 10, 0xFF102030u);

    const int before = Decodes();
    auto first = Bitmap::FromFile(path);
    auto second = Bitmap::FromFile(path);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Decodes(), before + 1);
    EXPECT_EQ(second->PixelAt(5, 5), 0xFF102030u);
    EXPECT_TRUE(second->IsOpaque());
    // Each load is a picture of its own: drawing into one leaves the other and the cache alone.
    first->Pixels()[0] = 0;
    EXPECT_EQ(Bitmap::FromFile(path)->PixelAt(0, 0), 0xFF102030u);

    // Replaced as the program saves (a new file renamed over it): decoded again.
    SavePicture(path, 20, 10, 0x80402010u);
    auto replaced = Bitmap::FromFile(path);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->PixelAt(5, 5), 0x80402010u);
    EXPECT_FALSE(replaced->IsOpaque());

    // Written over in place with other content: decoded again as well.
    SavePicture(dir.File("b.png"), 30, 30, 0xFF00FF00u);
    std::ofstream(dir.Native("a.png"), std::ios::binary | std::ios::trunc) << dir.Get("b.png");
    auto overwritten = Bitmap::FromFile(path);
    ASSERT_TRUE(overwritten);
    EXPECT_EQ(overwritten->Width(), 30);
    EXPECT_EQ(overwritten->PixelAt(1, 1), 0xFF00FF00u);

    // A file that went away or no longer decodes is not served from the cache.
    std::ofstream(dir.Native("a.png"), std::ios::trunc) << "not a picture";
    EXPECT_EQ(Bitmap::FromFile(path), nullptr);
    std::filesystem::remove(dir.Native("b.png"));
    EXPECT_EQ(Bitmap::FromFile(dir.File("b.png")), nullptr);
}

TEST(ImageCacheTest, KeepsNoMoreThanItsBound) {
    TempFolder dir;
    platform::gfx::ClearImageCache();
    const int side = 1000;  // 4 MB of pixels each
    const size_t each = size_t{side} * side * 4;
    const int count = static_cast<int>(platform::gfx::kImageCacheBytes / each) + 3;
    for (int i = 0; i < count; ++i) {
        const std::wstring path = dir.File("big" + std::to_string(i) + ".png");
        SavePicture(path, side, side, 0xFF000000u | static_cast<uint32_t>(i));
        ASSERT_TRUE(Bitmap::FromFile(path));
        EXPECT_LE(platform::gfx::ImageCacheStats().bytes, platform::gfx::kImageCacheBytes);
    }
    // The last one is kept, the first was dropped for it.
    int before = Decodes();
    Bitmap::FromFile(dir.File("big" + std::to_string(count - 1) + ".png"));
    EXPECT_EQ(Decodes(), before);
    Bitmap::FromFile(dir.File("big0.png"));
    EXPECT_EQ(Decodes(), before + 1);
    platform::gfx::ClearImageCache();
}

TEST(FolderListingTest, AFolderIsReadOnceWhileAScreenSetsUpAndWritesAreSeen) {
    TempFolder dir;
    dir.Put("sfx/a1.wav", "x");
    dir.Put("sfx/a2.wav", "x");
    const std::wstring pattern = dir.File("sfx/a*.wav");
    int reads = platform::FolderReads();
    platform::FindFiles(pattern);
    platform::FindFiles(pattern);
    EXPECT_EQ(platform::FolderReads(), reads + 2);  // no scope: every listing reads the folder

    {
        platform::FolderListingScope screen;
        reads = platform::FolderReads();
        EXPECT_EQ(platform::FindFiles(pattern).size(), 2u);
        EXPECT_TRUE(platform::FileExists(dir.File("sfx/a1.wav")));
        for (int i = 0; i < 10; ++i) platform::FindFiles(dir.File("sfx/a" + std::to_string(i % 3) + ".wav"));
        EXPECT_EQ(platform::FolderReads(), reads + 1);
        // What the program writes meanwhile is listed.
        dir.Put("sfx/a3.wav", "x");
        const auto found = platform::FindFiles(pattern);
        ASSERT_EQ(found.size(), 3u);
        EXPECT_EQ(found[2].name, L"a3.wav");
        platform::DeleteFileAt(dir.File("sfx/a1.wav"));
        EXPECT_EQ(platform::FindFiles(pattern).size(), 2u);
    }
    // After the set-up, files added from outside are seen at once.
    std::ofstream(dir.Native("sfx/a9.wav")) << "x";
    EXPECT_EQ(platform::FindFiles(pattern).size(), 3u);
}

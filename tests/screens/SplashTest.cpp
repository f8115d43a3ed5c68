// The splash on the real frame and the shipped assets.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Harness.h"
#include "graphics/Graphics.h"
#include "platform/Sound.h"
#include "platform/Utf.h"
#include "screens/Splash.h"
#include "support/ScratchFolder.h"

namespace {
const std::wstring kAssets = platform::WideFromUtf8(testpaths::AssetDir());

CSplash* SplashOf(HeadlessHarness& h) { return dynamic_cast<CSplash*>(h.Screen()); }
}  // namespace

TEST(Splash, HandsOverToTheLoginAfterEightSeconds) {
    HeadlessHarness h(L"kestrova window", kAssets);
    ASSERT_NE(SplashOf(h), nullptr);
    // The intro sound was opened and played at start-up.
    const auto& log = h.Os().Sound().Log();
    EXPECT_NE(std::find(log.begin(), log.end(), L"play sfx\\intro\\splash.wav"), log.end());
    EXPECT_TRUE(h.Os().Sound().IsOpen(L"sfx\\intro\\splash.wav"));
    h.RunFor(7900);
    ASSERT_NE(SplashOf(h), nullptr);
    EXPECT_EQ(SplashOf(h)->Phase(), 2);
    h.RunFor(300);
    EXPECT_EQ(h.ScreenId(), kLogin);
    // The splash's sounds went with it.
    EXPECT_FALSE(h.Os().Sound().IsOpen(L"sfx\\intro\\splash.wav"));
}

TEST(Splash, ShowsLogoAndNotice) {
    HeadlessHarness h(L"kestrova window", kAssets);
    CSplash* s = SplashOf(h);
    ASSERT_NE(s, nullptr);
    EXPECT_GT(s->Logo().width, 0);
    EXPECT_EQ(s->Logo().x, static_cast<float>(400 - static_cast<int>(s->Logo().width) / 2));
    EXPECT_EQ(s->Logo().y, 35);
    // The notice rests on the bottom edge, centred.
    const auto& box = s->Notice().textBox;
    EXPECT_GT(box.width, 100);
    EXPECT_FLOAT_EQ(box.y + box.height, 600);
    EXPECT_NEAR(box.x + box.width / 2, 400, 1);
    h.RunPasses(2);
    // The background covers the canvas: no pixel is left transparent.
    const Bitmap& canvas = h.Frame().BackBuffer();
    EXPECT_EQ(canvas.PixelAt(5, 5) >> 24, 0xFFu);
    EXPECT_EQ(canvas.PixelAt(795, 300) >> 24, 0xFFu);
    if (const char* out = std::getenv("KESTROVA_SHOTS"))
        h.SaveCanvas(platform::WideFromUtf8(std::string(out) + "/splash.png"));
}

TEST(Splash, EscapeAsksAndLeadsToTheLogin) {
    HeadlessHarness h(L"kestrova window", kAssets);
    h.Key(platform::VK_ESCAPE);  // answered No: the splash goes on
    ASSERT_EQ(h.Os().Questions().size(), 1u);
    EXPECT_EQ(h.ScreenId(), -1);
    h.Os().QueueAnswer(true);
    h.Key(platform::VK_ESCAPE);
    EXPECT_EQ(h.Os().Questions().size(), 2u);
    EXPECT_EQ(h.ScreenId(), kLogin);
}

TEST(Splash, MissingLogoStillHandsOver) {
    namespace fs = std::filesystem;
    const ScratchFolder scratch("splash");
    const fs::path& root = scratch.Path();
    fs::create_directories(root / "gfx" / "splash");
    fs::create_directories(root / "data" / "lang");
    std::ofstream(root / "data" / "lang.txt") << "english\n";
    {
        std::ofstream lang(root / "data" / "lang" / "english.txt");
        for (int i = 0; i < 80; ++i) lang << "t" << i << "\n";
        lang << "nosuchlogo.png\n";
    }
    {
        HeadlessHarness h(L"kestrova window", platform::WideFromUtf8(root.string()));
        ASSERT_NE(SplashOf(h), nullptr);
        EXPECT_EQ(SplashOf(h)->Logo().width, 0);
        h.RunFor(8200);
        EXPECT_EQ(h.ScreenId(), kLogin);
    }
}

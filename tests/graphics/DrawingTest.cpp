// The drawing surface: pixels of small scenes, recorded versus direct drawing, skipping
// unchanged frames, image files in and out.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/GraphicsTestUtil.h"
#include "graphics/Sprite.h"
#include "platform/gfx/ImageCodec.h"

namespace {

using gfxtest::HeadlessFixture;

uint8_t Red(uint32_t p) { return (p >> 16) & 0xFF; }
uint8_t Green(uint32_t p) { return (p >> 8) & 0xFF; }
uint8_t Blue(uint32_t p) { return p & 0xFF; }

// A scene with one of each kind of drawing, as the screens use them.
class Scene {
public:
    explicit Scene(const std::wstring& folder) {
        auto red = gfxtest::SolidBitmap(10, 10, 0xFFFF0000);
        red->SavePng(folder + L"/red.png");
        gfxtest::SolidBitmap(2, 2, 0xFF00FF00)->SavePng(folder + L"/green.png");
        gfxtest::SolidBitmap(20, 10, 0xFFFFFFFF)->SavePng(folder + L"/white.png");
        // Half-transparent blue (premultiplied).
        gfxtest::SolidBitmap(16, 16, 0x80000080)->SavePng(folder + L"/glass.png");
        paths = folder;
    }
    void Load(Graphics* g) {
        cached.LoadImage(paths + L"/red.png", g, 1, 0);
        cached.SetPosition(5.7f, 5);  // cached frames land on truncated positions
        scaled.LoadImage(paths + L"/green.png", g, 0, 0);
        scaled.SetPosition(30, 5);
        scaled.SetSize(20, 20);
        rotated.LoadImage(paths + L"/white.png", g, 0, 0);
        rotated.SetPosition(80, 10);
        rotated.SetSpin(1);
        rotated.SetAngle(90);
        glass.LoadImage(paths + L"/glass.png", g, 0, 0);
        glass.SetPosition(3, 50);
        outlined.LoadImage(paths + L"/green.png", g, 0, 0);
        outlined.SetPosition(120, 10);
        outlined.SetSize(30, 30);
        outlined.SetOutlineColor(0xFFFFFF00);
        outlined.SetOutlineWidth(2);
        label.LoadImage(paths + L"/green.png", g, 0, 0);
        label.visible = 0;
        label.SetTextPosition(60, 60);
        label.SetLabel(L"Hello", 20);
    }
    void Draw(Graphics* g) {
        g->Clear(0xFF0000FF);
        cached.Draw();
        scaled.Draw();
        rotated.Draw();
        glass.Draw();
        outlined.Draw();
        outlined.DrawOutline(0);
        label.DrawTextBox();
        label.DrawText();
        g->DrawLine(Pen(0xFFFF00FF, 1), 0, 99, 199, 99);
        g->DrawEllipse(Pen(0xFF00FFFF, 3), RectF{160, 60, 30, 20});
    }

    std::wstring paths;
    CSprite cached, scaled, rotated, glass, outlined, label;
};

class DrawingTest : public HeadlessFixture {};

TEST_F(DrawingTest, SmallSceneHasTheExpectedPixels) {
    Bitmap canvas(200, 100);
    Graphics g(&canvas);
    Scene scene(Path(""));
    scene.Load(&g);
    scene.Draw(&g);

    EXPECT_EQ(0xFF0000FFu, canvas.PixelAt(2, 2));  // cleared
    EXPECT_EQ(0xFFFF0000u, canvas.PixelAt(5, 5));  // cached blit at (5, 5), truncated
    EXPECT_EQ(0xFFFF0000u, canvas.PixelAt(14, 14));
    EXPECT_EQ(0xFF0000FFu, canvas.PixelAt(15, 15));
    EXPECT_EQ(0xFF00FF00u, canvas.PixelAt(40, 15));  // 2 x 2 scaled to 20 x 20
    EXPECT_EQ(0xFF00FF00u, canvas.PixelAt(30, 5));
    EXPECT_EQ(0xFF00FF00u, canvas.PixelAt(49, 24));
    // 20 x 10 turned a quarter about its centre (90, 15): now 10 wide and 20 high.
    EXPECT_EQ(0xFFFFFFFFu, canvas.PixelAt(90, 7));
    EXPECT_EQ(0xFFFFFFFFu, canvas.PixelAt(87, 23));
    EXPECT_EQ(0xFF0000FFu, canvas.PixelAt(82, 15));
    EXPECT_EQ(0xFF0000FFu, canvas.PixelAt(98, 15));
    // Half-transparent blue over blue stays blue; the alpha was blended, not copied.
    EXPECT_EQ(0xFF, canvas.PixelAt(10, 55) >> 24);
    EXPECT_NEAR(0xFF / 2 + 0x80, Blue(canvas.PixelAt(10, 55)), 2);
    // A 2-pixel outline on the sprite's edge: 119 and 120 yellow, inside green.
    EXPECT_EQ(0xFFFFFF00u, canvas.PixelAt(119, 20));
    EXPECT_EQ(0xFFFFFF00u, canvas.PixelAt(120, 20));
    EXPECT_EQ(0xFF00FF00u, canvas.PixelAt(125, 25));
    // A one-pixel line is crisp.
    EXPECT_EQ(0xFFFF00FFu, canvas.PixelAt(100, 99));
    // The label: a light yellow box with a black frame, dark text inside.
    const RectF box = scene.label.textBox;
    EXPECT_EQ(0xFF000000u, canvas.PixelAt(60, 70));
    EXPECT_EQ(0xFFFFFFE1u, canvas.PixelAt(static_cast<int>(box.x + box.width - 3), 62));
    int dark = 0;
    for (int y = 61; y < static_cast<int>(box.y + box.height) - 1; ++y)
        for (int x = 61; x < static_cast<int>(box.x + box.width) - 1; ++x)
            if (Red(canvas.PixelAt(x, y)) < 0x60 && Blue(canvas.PixelAt(x, y)) < 0x60) ++dark;
    EXPECT_GT(dark, 40);
    // The ellipse outline: left end on its box, centre untouched.
    EXPECT_GT(Green(canvas.PixelAt(160, 70)), 0x80);
    EXPECT_EQ(0xFF0000FFu, canvas.PixelAt(175, 70));
}

TEST_F(DrawingTest, RecordedDrawingGivesExactlyTheDirectPixels) {
    Bitmap recorded(200, 100), direct(200, 100);
    Graphics rg(&recorded, DrawMode::Recorded), dg(&direct, DrawMode::Direct);
    ASSERT_TRUE(rg.IsRecording());
    ASSERT_FALSE(dg.IsRecording());
    Scene a(Path("")), b(Path(""));
    a.Load(&rg);
    b.Load(&dg);
    for (int frame = 0; frame < 3; ++frame) {
        a.Draw(&rg);
        b.Draw(&dg);
        // Tilt and move things between frames; both scenes alike.
        for (Scene* s : {&a, &b}) {
            s->rotated.spinAngle += 33.3f;
            s->scaled.x += 0.37f;
            s->glass.y -= 1.5f;
        }
        rg.EndFrame();
        ASSERT_EQ(0, std::memcmp(recorded.Pixels(), direct.Pixels(), 200 * 100 * 4)) << "frame " << frame;
    }
    // A frame that does not clear draws over the last one in both ways.
    a.glass.Draw();
    b.glass.Draw();
    EXPECT_EQ(0, std::memcmp(recorded.Pixels(), direct.Pixels(), 200 * 100 * 4));
}

TEST_F(DrawingTest, UnchangedFramesAreNeitherRasterizedNorPresented) {
    Bitmap back(800, 600);
    Graphics g(&back);
    Graphics window = Graphics::ForWindow();
    CSprite sprite;
    ASSERT_EQ(1, sprite.LoadImage(gfxtest::WriteSolidPng(Path("s.png"), 8, 8, 0xFFFF0000), &g, 0, 0));
    auto frame = [&] {
        g.Clear(0xFF000000);
        sprite.Draw();
        window.DrawImage(back, 0, 0, 800, 600);
    };
    frame();
    EXPECT_EQ(1, os->PresentCount());
    frame();
    frame();
    EXPECT_EQ(1, os->PresentCount());
    EXPECT_EQ(2, g.SkippedFrames());

    sprite.SetPosition(10, 0);  // a moved sprite is a new frame
    frame();
    EXPECT_EQ(2, os->PresentCount());
    EXPECT_EQ(0xFFFF0000u, back.PixelAt(12, 2));
    EXPECT_EQ(0xFF000000u, back.PixelAt(2, 2));

    // Drawing into the sprite's bitmap changes its version: the same list shows the change.
    sprite.GetFrameGraphics()->Clear(0xFF00FF00);
    frame();
    EXPECT_EQ(3, os->PresentCount());
    EXPECT_EQ(0xFF00FF00u, back.PixelAt(12, 2));

    // Reading the pixels in the middle of a frame gets them, and the frame still presents.
    g.Clear(0xFF123456);
    EXPECT_EQ(0xFF123456u, back.PixelAt(400, 300));
    sprite.Draw();
    window.DrawImage(back, 0, 0, 800, 600);
    EXPECT_EQ(4, os->PresentCount());
    EXPECT_EQ(0xFF00FF00u, back.PixelAt(12, 2));

    // Writing into the pixels from outside also counts as a change.
    frame();
    frame();
    const int before = os->PresentCount();
    back.Pixels()[0] = 0xFFFFFFFF;
    frame();
    EXPECT_EQ(before + 1, os->PresentCount());
    EXPECT_EQ(0xFF000000u, back.PixelAt(0, 0));
}

TEST_F(DrawingTest, FramesThatDoNotCoverTheCanvasAreAlwaysDrawn) {
    // Without a clear, a half-transparent sprite darkens the canvas further every frame,
    // exactly as drawing directly does.
    Bitmap back(800, 600);
    Graphics g(&back);
    Graphics window = Graphics::ForWindow();
    auto glass = gfxtest::SolidBitmap(4, 4, 0x80000000);
    g.Clear(0xFFFFFFFF);
    window.DrawImage(back, 0, 0, 800, 600);
    std::vector<uint8_t> reds;
    for (int i = 0; i < 3; ++i) {
        g.DrawImage(*glass, 0, 0, 4, 4);
        window.DrawImage(back, 0, 0, 800, 600);
        reds.push_back(Red(back.PixelAt(1, 1)));
    }
    EXPECT_EQ(4, os->PresentCount());
    EXPECT_GT(reds[0], reds[1]);
    EXPECT_GT(reds[1], reds[2]);

    // A full-canvas opaque background (a cached bitmap) counts as covering.
    auto background = gfxtest::SolidBitmap(800, 600, 0xFF336699);
    CachedBitmap cachedBackground(*background);
    for (int i = 0; i < 3; ++i) {
        g.DrawCachedBitmap(cachedBackground, 0, 0);
        g.DrawImage(*glass, 0, 0, 4, 4);
        window.DrawImage(back, 0, 0, 800, 600);
    }
    EXPECT_EQ(5, os->PresentCount());
}

TEST_F(DrawingTest, BitmapsDestroyedBeforeThePresentAreStillDrawn) {
    Bitmap back(800, 600);
    Graphics g(&back);
    g.Clear(0xFF000000);
    {
        auto temporary = gfxtest::SolidBitmap(10, 10, 0xFFFFFFFF);
        g.DrawImage(*temporary, 100, 100, 10, 10);
    }
    Graphics::ForWindow().DrawImage(back, 0, 0, 800, 600);
    EXPECT_EQ(0xFFFFFFFFu, back.PixelAt(105, 105));
    // A graphics whose bitmap is gone draws nothing and does not fail.
    auto gone = std::make_unique<Bitmap>(10, 10);
    Graphics orphan(gone.get());
    gone.reset();
    orphan.Clear(0xFFFFFFFF);
    orphan.Flush();
    EXPECT_EQ(nullptr, orphan.Target());
}

TEST_F(DrawingTest, PngAndBmpFilesRoundTrip) {
    Bitmap b(3, 2);
    Graphics g(&b);
    g.Clear(0xFF102030);
    g.FillRectangle(SolidBrush(0xFFFFFFFF), RectF{1, 0, 1, 2});
    ASSERT_TRUE(b.SavePng(Path("out.png")));
    auto back = Bitmap::FromFile(Path("out.png"));
    ASSERT_NE(nullptr, back);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(b.PixelAt(x, y), back->PixelAt(x, y));

    ASSERT_TRUE(b.SaveBmp(Path("out.bmp")));
    std::string bmp;
    ASSERT_TRUE(platform::ReadWholeFile(Path("out.bmp"), bmp));
    ASSERT_EQ(54u + 2 * 12, bmp.size());  // 24 bits, rows padded to 12 bytes
    EXPECT_EQ("BM", bmp.substr(0, 2));
    EXPECT_EQ(24, bmp[28]);
    // Bottom-up rows, blue green red: the first row in the file is the canvas's last.
    EXPECT_EQ(0x30, static_cast<uint8_t>(bmp[54]));
    EXPECT_EQ(0x20, static_cast<uint8_t>(bmp[55]));
    EXPECT_EQ(0x10, static_cast<uint8_t>(bmp[56]));
    EXPECT_EQ(0xFF, static_cast<uint8_t>(bmp[57]));

    // With transparency: 32 bits with straight alpha.
    Bitmap t(1, 1);
    t.Pixels()[0] = 0x80400000;  // half-transparent red, premultiplied
    ASSERT_TRUE(t.SaveBmp(Path("alpha.bmp")));
    ASSERT_TRUE(platform::ReadWholeFile(Path("alpha.bmp"), bmp));
    EXPECT_EQ(32, bmp[28]);
    EXPECT_EQ(0x80, static_cast<uint8_t>(bmp[56]));
    EXPECT_EQ(0x80, static_cast<uint8_t>(bmp[57]));

    EXPECT_FALSE(b.SavePng(Path("no/such/folder/x.png")));
}

TEST_F(DrawingTest, GifFirstFrameWithTransparencyOffsetAndInterlace) {
    gfxtest::GifSpec spec;
    spec.screenW = 3;
    spec.screenH = 2;
    spec.left = 1;
    spec.w = 2;
    spec.h = 2;
    spec.transparent = 1;
    spec.indices = {0, 1, 2, 3};
    std::string bytes = gfxtest::BuildGif(spec);
    platform::gfx::DecodedImage img;
    ASSERT_TRUE(platform::gfx::DecodeImage(bytes, img));
    ASSERT_EQ(3, img.width);
    ASSERT_EQ(2, img.height);
    EXPECT_EQ((std::vector<uint32_t>{0, 0xFFFF0000, 0, 0, 0xFF0000FF, 0xFFFFFFFF}), img.pixels);

    // Interlaced rows are stored 0, 4, 2, 1, 3.
    gfxtest::GifSpec il;
    il.screenW = 1;
    il.screenH = 5;
    il.w = 1;
    il.h = 5;
    il.interlaced = true;
    il.indices = {0, 2, 1, 3, 3};
    ASSERT_TRUE(platform::gfx::DecodeImage(gfxtest::BuildGif(il), img));
    EXPECT_EQ((std::vector<uint32_t>{0xFFFF0000, 0xFFFFFFFF, 0xFF00FF00, 0xFFFFFFFF, 0xFF0000FF}), img.pixels);

    // Through a sprite, from a file.
    ASSERT_TRUE(platform::WriteFileAtomic(Path("a.gif"), bytes));
    Bitmap canvas(10, 10);
    Graphics g(&canvas);
    CSprite s;
    ASSERT_EQ(1, s.LoadImage(Path("a.gif"), &g, 0, 0));
    EXPECT_EQ(3, s.width);
}

TEST_F(DrawingTest, BadImageDataIsRefused) {
    platform::gfx::DecodedImage img;
    EXPECT_FALSE(platform::gfx::DecodeImage("", img));
    EXPECT_FALSE(platform::gfx::DecodeImage("not an image at all", img));

    // A PNG cut short, and one whose header claims an enormous size.
    gfxtest::SolidBitmap(4, 4, 0xFF00FF00)->SavePng(Path("ok.png"));
    std::string png;
    ASSERT_TRUE(platform::ReadWholeFile(Path("ok.png"), png));
    EXPECT_TRUE(platform::gfx::DecodeImage(png, img));
    EXPECT_FALSE(platform::gfx::DecodeImage(png.substr(0, png.size() / 2), img));
    EXPECT_TRUE(img.pixels.empty());
    std::string huge = png;
    huge[16] = 0x7F;  // width 0x7F000004
    EXPECT_FALSE(platform::gfx::DecodeImage(huge, img));

    // A GIF with an image larger than its limits, and one that stops after its header.
    gfxtest::GifSpec spec;
    spec.screenW = 0xFFFF;
    spec.screenH = 0xFFFF;
    spec.w = 1;
    spec.h = 1;
    spec.indices = {0};
    EXPECT_FALSE(platform::gfx::DecodeImage(gfxtest::BuildGif(spec), img));
    spec.screenW = spec.screenH = 1;
    const std::string gif = gfxtest::BuildGif(spec);
    EXPECT_TRUE(platform::gfx::DecodeImage(gif, img));
    EXPECT_FALSE(platform::gfx::DecodeImage(gif.substr(0, 13), img));
    // Truncated image data keeps the rows decoded so far; it never reads past the end.
    for (size_t n = 13; n < gif.size(); ++n) platform::gfx::DecodeImage(gif.substr(0, n), img);
}

TEST_F(DrawingTest, SpinningSpriteDrawsOnItsFirstDraw) {
    Bitmap canvas(40, 40);
    Graphics g(&canvas);
    CSprite s;
    ASSERT_EQ(1, s.LoadImage(gfxtest::WriteSolidPng(Path("w.png"), 10, 10, 0xFFFFFFFF), &g, 0, 0));
    s.SetPosition(15, 15);
    s.SetSpin(45);
    g.Clear(0xFF000000);
    s.Draw();
    EXPECT_EQ(0xFFFFFFFFu, canvas.PixelAt(20, 20));
    // The transform is reset afterwards: a plain draw lands where it says.
    s.SetSpin(0);
    s.SetPosition(0, 0);
    g.Clear(0xFF000000);
    s.Draw();
    EXPECT_EQ(0xFFFFFFFFu, canvas.PixelAt(1, 1));
    EXPECT_EQ(0xFF000000u, canvas.PixelAt(12, 12));
}

}  // namespace

TEST_F(DrawingTest, FramesThatRepeatOnlyPartOfTheLastOneAreDrawnWhole) {
    Bitmap back(800, 600);
    Graphics g(&back);
    Graphics window = Graphics::ForWindow();
    auto red = gfxtest::SolidBitmap(10, 10, 0xFFFF0000);
    auto blue = gfxtest::SolidBitmap(10, 10, 0xFF0000FF);
    auto frame = [&](bool withRed, bool withBlue) {
        g.Clear(0xFFFFFFFF);
        if (withRed) g.DrawImage(*red, 10, 10, 10, 10);
        if (withBlue) g.DrawImage(*blue, 30, 10, 10, 10);
        window.DrawImage(back, 0, 0, 800, 600);
    };
    frame(true, false);
    frame(true, true);  // the same start, one more command
    EXPECT_EQ(2, os->PresentCount());
    EXPECT_EQ(back.PixelAt(35, 15), 0xFF0000FFu);
    frame(true, false);  // the start of the last frame only
    EXPECT_EQ(3, os->PresentCount());
    EXPECT_EQ(back.PixelAt(35, 15), 0xFFFFFFFFu);
    frame(false, false);  // differs after the first command
    EXPECT_EQ(4, os->PresentCount());
    EXPECT_EQ(back.PixelAt(15, 15), 0xFFFFFFFFu);
    frame(false, false);
    EXPECT_EQ(4, os->PresentCount());

    // Pixels read in the middle of a repeating frame show what it has drawn so far.
    frame(true, false);
    g.Clear(0xFF00FF00);
    g.DrawImage(*red, 10, 10, 10, 10);
    g.Clear(0xFFFFFFFF);
    EXPECT_EQ(back.PixelAt(15, 15), 0xFFFFFFFFu);
    g.DrawImage(*red, 10, 10, 10, 10);
    window.DrawImage(back, 0, 0, 800, 600);
    EXPECT_EQ(back.PixelAt(15, 15), 0xFFFF0000u);
    EXPECT_EQ(6, os->PresentCount());
}

// Sprites: loading, animation modes, motion, hit test and the text label.
#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include "graphics/GraphicsTestUtil.h"

namespace {

using gfxtest::HeadlessFixture;

class SpriteTest : public HeadlessFixture {
protected:
    void SetUp() override {
        HeadlessFixture::SetUp();
        canvas = std::make_unique<Bitmap>(200, 100);
        graphics = std::make_unique<Graphics>(canvas.get());
    }
    void TearDown() override {
        graphics.reset();
        canvas.reset();
        HeadlessFixture::TearDown();
    }
    // A sprite with n frames of the given durations, loaded from small PNG files.
    void LoadFrames(CSprite& s, const std::vector<int>& durations) {
        for (size_t i = 0; i < durations.size(); ++i) {
            const std::wstring p = gfxtest::WriteSolidPng(Path("f" + std::to_string(i) + ".png"), 4, 4, 0xFF112233);
            ASSERT_EQ(1, s.LoadImage(p, graphics.get(), 0, durations[i]));
        }
    }
    // The sprite clock sums float seconds, so steps keep a margin over the frame durations.
    void Step(CSprite& s, uint32_t ms) {
        os->AdvanceTime(ms);
        s.Update();
    }

    std::unique_ptr<Bitmap> canvas;
    std::unique_ptr<Graphics> graphics;
};

TEST_F(SpriteTest, LoadingFailuresAndSizes) {
    CSprite s;
    // Without graphics nothing happens at all.
    const std::wstring good = gfxtest::WriteSolidPng(Path("good.png"), 7, 5, 0xFF00FF00);
    EXPECT_EQ(0, s.LoadImage(good, nullptr, 0, 0));
    EXPECT_EQ(nullptr, s.TargetGraphics());
    EXPECT_EQ(0, s.FrameCount());

    EXPECT_EQ(1, s.LoadImage(good, graphics.get(), 0, 0));
    EXPECT_EQ(7, s.width);
    EXPECT_EQ(5, s.naturalHeight);
    EXPECT_EQ(good, s.firstFile);

    // A missing file: 0, no frame added, both sizes read as 0.
    EXPECT_EQ(0, s.LoadImage(Path("missing.png"), graphics.get(), 0, 0));
    EXPECT_EQ(1, s.FrameCount());
    EXPECT_EQ(0, s.width);
    EXPECT_EQ(0, s.height);
    EXPECT_EQ(0, s.naturalWidth);

    // Paths beyond 258 characters are refused and change nothing.
    s.width = 3;
    EXPECT_EQ(0, s.LoadImage(std::wstring(259, L'a'), graphics.get(), 0, 0));
    EXPECT_EQ(0, s.LoadImage(std::wstring(259, L'a').c_str(), graphics.get(), 0, 0));
    EXPECT_EQ(3, s.width);

    // Cached frames count when there are no bitmap frames.
    CSprite c;
    EXPECT_EQ(1, c.LoadImage(good, graphics.get(), 1, 0));
    EXPECT_EQ(1, c.CachedFrameCount());
    EXPECT_EQ(0, c.BitmapFrameCount());
    EXPECT_EQ(1, c.FrameCount());
    EXPECT_EQ(nullptr, c.GetFrameGraphics());  // a cached frame cannot be drawn into
}

TEST_F(SpriteTest, LoadSequenceUsesNameOrderAndSkipsFolders) {
    // Widths tell the frames apart: name1 is 1 wide, name10 is 10 wide, name2 is 2 wide.
    gfxtest::WriteSolidPng(Path("name1.png"), 1, 1, 0xFFFFFFFF);
    gfxtest::WriteSolidPng(Path("name10.png"), 10, 1, 0xFFFFFFFF);
    gfxtest::WriteSolidPng(Path("name2.png"), 2, 1, 0xFFFFFFFF);
    std::filesystem::create_directory(folder + "/name3.png");
    CSprite s;
    EXPECT_EQ(1, s.LoadSequence(Path("name*.png"), graphics.get(), 0, 50));
    ASSERT_EQ(3, s.FrameCount());
    std::vector<int> widths;
    for (int i = 0; i < 3; ++i) {
        s.SetFrame(i);
        widths.push_back(s.GetFrameGraphics()->Target()->Width());
    }
    EXPECT_EQ((std::vector<int>{1, 10, 2}), widths);
    EXPECT_EQ((std::vector<int>{50, 50, 50}), s.FrameDurations());

    CSprite none;
    EXPECT_EQ(1, none.LoadSequence(Path("nothing*.png"), graphics.get(), 0, 50));
    EXPECT_EQ(0, none.FrameCount());
    EXPECT_EQ(1, none.IsLastFrame());
}

TEST_F(SpriteTest, ZeroThenLongFrameWithoutLoopStopsOnLastFrame) {
    CSprite s;
    LoadFrames(s, {0, 800});
    s.Play(0, 0, 0, 0, 1);
    Step(s, 1);
    EXPECT_EQ(1, s.GetFrame());
    Step(s, 799);
    EXPECT_EQ(1, s.GetFrame());
    EXPECT_EQ(0, s.IsAnimationStopped());
    Step(s, 5);
    EXPECT_EQ(1, s.IsAnimationStopped());
    EXPECT_EQ(1, s.GetFrame());
    EXPECT_EQ(1, s.visible);
}

TEST_F(SpriteTest, PingPongHoldsEachEndFrameOneUpdateLonger) {
    CSprite s;
    LoadFrames(s, {10, 10, 10});
    s.Play(1, 0, 1, 0, 1);
    std::vector<int> seen{s.GetFrame()};
    for (int i = 0; i < 9; ++i) {
        Step(s, 15);
        seen.push_back(s.GetFrame());
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 2, 1, 0, 0, 1, 2, 2}), seen);
    EXPECT_EQ(0, s.IsAnimationStopped());
}

TEST_F(SpriteTest, EndOfAnimationRewindsHidesAndLoops) {
    {  // rewind at end
        CSprite s;
        LoadFrames(s, {10, 10});
        s.Play(0, 0, 0, 1, 1);
        Step(s, 15);
        Step(s, 15);
        EXPECT_EQ(1, s.IsAnimationStopped());
        EXPECT_EQ(0, s.GetFrame());
    }
    {  // hide at end without loop
        CSprite s;
        LoadFrames(s, {10, 10});
        s.Play(0, 1, 0, 0, 1);
        Step(s, 15);
        EXPECT_EQ(1, s.visible);
        Step(s, 15);
        EXPECT_EQ(0, s.visible);
        EXPECT_EQ(1, s.GetFrame());
    }
    {  // hide at end also when looping; the loop restarts at frame 0
        CSprite s;
        LoadFrames(s, {10, 10});
        s.Play(1, 1, 0, 0, 1);
        Step(s, 15);
        Step(s, 15);
        EXPECT_EQ(0, s.visible);
        EXPECT_EQ(0, s.GetFrame());
        EXPECT_EQ(0, s.IsAnimationStopped());
    }
    {  // running backwards past frame 0 (an unsigned -1) ends the animation too
        CSprite s;
        LoadFrames(s, {10, 10});
        s.SetFrame(1);
        s.Play(0, 0, 0, 0, -1);
        Step(s, 15);
        EXPECT_EQ(0, s.GetFrame());
        Step(s, 15);
        EXPECT_EQ(1, s.IsAnimationStopped());
        EXPECT_EQ(0, s.GetFrame());
    }
    {  // StopAnimation freezes the frame
        CSprite s;
        LoadFrames(s, {10, 10, 10});
        s.Play(1, 0, 0, 0, 1);
        Step(s, 15);
        s.StopAnimation();
        Step(s, 50);
        EXPECT_EQ(1, s.GetFrame());
    }
}

TEST_F(SpriteTest, FrameQueries) {
    CSprite s;
    LoadFrames(s, {10, 20, 30});
    s.GoToLastFrame();
    EXPECT_EQ(2, s.GetFrame());
    EXPECT_EQ(1, s.IsLastFrame());
    s.NextFrame();
    EXPECT_EQ(0, s.GetFrame());
    EXPECT_EQ(0, s.IsLastFrame());
    s.SetFrameDuration(1, 99);
    s.SetFrameDuration(3, 5);
    s.SetFrameDuration(-1, 5);
    EXPECT_EQ((std::vector<int>{10, 99, 30}), s.FrameDurations());
    s.FreeImages();
    EXPECT_EQ(0, s.FrameCount());
    EXPECT_EQ(1, s.IsAnimationStopped());
    EXPECT_TRUE(s.FrameDurations().empty());
}

TEST_F(SpriteTest, SpinWrapsToZeroAboveAndTo360Below) {
    CSprite s;
    s.SetAngle(359);
    s.SetSpin(2);
    Step(s, 1000);
    EXPECT_FLOAT_EQ(0, s.spinAngle);
    CSprite t;
    t.SetAngle(0);
    t.SetSpin(-1);
    Step(t, 1000);
    EXPECT_FLOAT_EQ(360, t.spinAngle);
}

TEST_F(SpriteTest, MotionCoversTheWholeGapUnlessResumed) {
    CSprite s;
    s.SetVelocity(10, -5);
    Step(s, 2000);
    EXPECT_NEAR(20, s.x, 1e-3);
    EXPECT_NEAR(-10, s.y, 1e-3);

    CSprite f;
    f.SetVelocity(10, 0);
    f.FreezeMotion();
    Step(f, 2000);
    EXPECT_EQ(0, f.x);
    f.ResumeMotion();
    Step(f, 100);
    EXPECT_NEAR(1, f.x, 1e-3);  // the frozen two seconds do not count

    CSprite g;
    g.SetSize(10, 10);
    g.growth = -8;
    Step(g, 2000);
    EXPECT_EQ(0, g.width);
}

TEST_F(SpriteTest, OrbitPlacesTheCentreOnTheCircle) {
    CSprite s;
    s.SetSize(20, 10);
    s.StartOrbit(100, 50, 90, 30, 90);
    EXPECT_NEAR(100 - 10, s.x, 1e-3);
    EXPECT_NEAR(50 - 5 + 30, s.y, 1e-3);
    Step(s, 1000);  // a quarter turn more: 180 degrees
    EXPECT_NEAR(100 - 10 - 30, s.x, 1e-3);
    EXPECT_NEAR(50 - 5, s.y, 1e-3);
    // A start angle of 0 keeps the current orbit angle.
    s.StartOrbit(0, 0, 0, 10, 0);
    EXPECT_NEAR(180, s.orbitAngle, 1e-3);
}

TEST_F(SpriteTest, HitTestIsInclusiveOnBothEnds) {
    CSprite s;
    s.SetPosition(10, 20);
    s.SetSize(30, 40);
    EXPECT_EQ(1, s.HitTest(10, 20));
    EXPECT_EQ(1, s.HitTest(40, 60));  // exactly x + width, y + height
    EXPECT_EQ(0, s.HitTest(41, 60));
    EXPECT_EQ(0, s.HitTest(9, 30));
    s.SetPosition(10.5f, 20);
    EXPECT_EQ(1, s.HitTest(40, 30));
    EXPECT_EQ(0, s.HitTest(41, 30));  // x + width + 0.5 is the next pixel: a miss
    s.visible = 0;
    EXPECT_EQ(1, s.UpdateHover(20, 30));  // visibility is not considered
    EXPECT_EQ(1, s.hovered);

    s.SetPosition(10, 20);
    s.SetHitBox(5, 5, 10, 10);
    EXPECT_EQ(1, s.HitTest(25, 35));
    EXPECT_EQ(0, s.HitTest(26, 35));
    EXPECT_EQ(0, s.HitTest(12, 22));
}

TEST(SpriteText, ClassicNumberFormatting) {
    EXPECT_EQ("3.", ClassicGcvt(3, 4));
    EXPECT_EQ("12.25", ClassicGcvt(12.25, 4));
    EXPECT_EQ("100.", ClassicGcvt(100, 4));
    EXPECT_EQ("0.", ClassicGcvt(0, 4));
    EXPECT_EQ("2.5", ClassicGcvt(2.5, 4));
    EXPECT_EQ("99.88", ClassicGcvt(99.876, 4));
    EXPECT_EQ("-0.5", ClassicGcvt(-0.5, 4));
    EXPECT_EQ("1.235e+04", ClassicGcvt(12346, 4));
}

TEST_F(SpriteTest, LabelMeasuringAndPlacement) {
    CSprite s;
    s.SetFloat(3, 4);
    EXPECT_EQ(L"3.0", s.GetText());
    s.SetFloat(12.25, 4);
    EXPECT_EQ(L"12.25", s.GetText());
    s.SetFloat(100, 4);
    EXPECT_EQ(L"100.0", s.GetText());
    s.SetNumber(-42);
    EXPECT_EQ(L"-42", s.GetText());
    // Without target graphics the label is stored but not measured, and not drawn.
    EXPECT_EQ(0, s.textBox.width);
    EXPECT_EQ(0, s.textBox.height);
    ASSERT_NE(nullptr, s.TextFont());
    EXPECT_EQ(24, s.TextFont()->sizePx);
    EXPECT_EQ(0xFFFFFFFFu, s.TextBrush()->color);
    EXPECT_EQ(0xFF000000u, s.BoxBrush()->color);

    CSprite c;
    c.textBox.width = 301;
    c.CentreTextIn(800);
    EXPECT_FLOAT_EQ(249.5f, c.textBox.x);

    // With graphics: measured, box position truncated to whole pixels.
    CSprite l;
    ASSERT_EQ(1, l.LoadImage(gfxtest::WriteSolidPng(Path("l.png"), 40, 20, 0xFF000000), graphics.get(), 0, 0));
    l.SetTextPosition(10.7f, 5.2f);
    l.SetLabel(L"Hello", 20);
    EXPECT_EQ(20, l.TextFont()->sizePx);
    EXPECT_EQ(0xFF000000u, l.TextBrush()->color);
    EXPECT_EQ(0xFFFFFFE1u, l.BoxBrush()->color);
    EXPECT_EQ(10, l.textBox.x);
    EXPECT_EQ(5, l.textBox.y);
    // "Hello" in a 20-pixel Arial-metric font is about 45 pixels plus padding, 23 high.
    EXPECT_GT(l.textBox.width, 45);
    EXPECT_LT(l.textBox.width, 65);
    EXPECT_GT(l.textBox.height, 20);
    EXPECT_LT(l.textBox.height, 27);
    const float w20 = l.textBox.width;
    l.SetFont(40, FontStyleBold);
    l.SetText(L"Hello");
    EXPECT_GT(l.textBox.width, 2 * w20 - 4);

    l.SetPosition(100, 50);
    l.SetSize(40, 20);
    l.CentreTextOnSprite();
    EXPECT_FLOAT_EQ(120 - l.textBox.width / 2, l.textBox.x);
    EXPECT_FLOAT_EQ(60 - l.textBox.height / 2, l.textBox.y);
    l.SetTextOffset(3, 4);
    EXPECT_EQ(103, l.textBox.x);
    EXPECT_EQ(54, l.textBox.y);
}

TEST_F(SpriteTest, OutlinePenDefaultsAndChanges) {
    CSprite s;
    s.SetOutlineWidth(6);
    s.SetOutlineColor(0xFFFF0000u);
    ASSERT_NE(nullptr, s.OutlinePen());
    EXPECT_EQ(6, s.OutlinePen()->width);
    EXPECT_EQ(0xFFFF0000u, s.OutlinePen()->color);

    CSprite w;
    ASSERT_EQ(1, w.LoadImage(gfxtest::WriteSolidPng(Path("o.png"), 10, 10, 0xFF000000), graphics.get(), 0, 0));
    w.DrawOutline(0);
    ASSERT_NE(nullptr, w.OutlinePen());
    EXPECT_EQ(0xFFFFFFFFu, w.OutlinePen()->color);
    EXPECT_EQ(4, w.OutlinePen()->width);
}

}  // namespace

namespace {

TEST(SpriteClock, SpriteBuiltBeforeThePlatformStartsItsClockAtFirstUse) {
    platform::InstallBackend(nullptr);
    CSprite s;  // a screen built only to be inspected has no platform yet
    s.SetVelocity(10, 0);
    auto backend = std::make_unique<platform::HeadlessBackend>();
    platform::HeadlessBackend* os = backend.get();
    os->SetTime(5000);
    platform::InstallBackend(std::move(backend));
    s.Update();  // starts the clock: no time has passed for this sprite yet
    EXPECT_EQ(0, s.x);
    os->AdvanceTime(1000);
    s.Update();
    EXPECT_NEAR(10, s.x, 1e-3);
    platform::InstallBackend(nullptr);
}

}  // namespace

// The frame and the screen contract, run on the headless backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Harness.h"
#include "screens/ScreenFactory.h"

namespace {

// A screen that writes down every call the frame makes on it.
class RecordingScreen final : public CPlainScreen {
public:
    explicit RecordingScreen(std::vector<std::string>* log) : log_(log) {}
    ~RecordingScreen() override { log_->push_back("destroyed"); }
    int Init(Graphics* b, Graphics* w, Bitmap* bb, Profile* p) override {
        log_->push_back("init");
        return CGameBase::Init(b, w, bb, p);
    }
    int Update() override {
        CGameBase::Update();
        log_->push_back("update");
        return nextScreen;
    }
    int Draw() override {
        log_->push_back("draw");
        return 1;
    }
    int OnMouseDown(unsigned wParam, long lParam) override {
        log_->push_back("down " + std::to_string(wParam) + " " + std::to_string(MouseParamX(lParam)) + "," +
                        std::to_string(MouseParamY(lParam)));
        return 1;
    }
    int OnMouseUp(unsigned, long) override {
        log_->push_back("up");
        return 1;
    }
    int OnMouseMove(unsigned, long) override {
        log_->push_back("move");
        return 1;
    }
    void OnKey(int key) override {
        log_->push_back("key " + std::to_string(key));
        ActOnKey(key);
    }
    void Ask(int id) { nextScreen = id; }

private:
    std::vector<std::string>* log_;
};

struct Fixture {
    std::vector<std::string> log;  // outlives the frame, whose screen writes to it when destroyed
    HeadlessHarness h{L"kestrova window"};
    RecordingScreen* screen = nullptr;

    Fixture() {
        auto s = std::make_unique<RecordingScreen>(&log);
        screen = s.get();
        h.Frame().Adopt(std::move(s), kMenu);
        log.clear();
    }
    int Count(const std::string& what) const {
        int n = 0;
        for (const auto& l : log) n += l == what;
        return n;
    }
};

}  // namespace

TEST(Frame, HeldKeyActsOnceUntilReleased) {
    Fixture f;
    platform::InputEvent down;
    down.type = platform::EventType::KeyDown;
    down.key = 32;
    for (int i = 0; i < 5; ++i) f.h.Os().QueueEvent(down);  // keyboard auto-repeat
    f.h.Drain();
    EXPECT_EQ(f.Count("key 32"), 1);
    platform::InputEvent up = down;
    up.type = platform::EventType::KeyUp;
    f.h.Os().QueueEvent(up);
    f.h.Os().QueueEvent(down);
    f.h.Drain();
    EXPECT_EQ(f.Count("key 32"), 2);
}

TEST(Frame, MouseButtonsAndDoubleClicks) {
    Fixture f;
    f.h.Click(120, 340, platform::MouseButton::Right);
    f.h.Click(-5, 7);  // signed halves survive the packing
    ASSERT_GE(f.Count("up"), 2);
    std::vector<std::string> downs;
    for (const auto& l : f.log)
        if (l.rfind("down", 0) == 0) downs.push_back(l);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], "down 2 120,340");  // the right button reaches the same handler
    EXPECT_EQ(downs[1], "down 1 -5,7");

    // A double click is two presses and two releases, one event per pass.
    f.log.clear();
    f.h.Os().QueueClick(10, 10);
    f.h.Os().QueueClick(10, 10);
    f.h.Drain();
    EXPECT_EQ(f.Count("down 1 10,10"), 2);
    EXPECT_EQ(f.Count("up"), 2);
}

TEST(Frame, OneEventPerPassBetweenUpdates) {
    Fixture f;
    for (int i = 0; i < 4; ++i) {
        platform::InputEvent e;
        e.type = platform::EventType::MouseMove;
        f.h.Os().QueueEvent(e);
    }
    f.h.RunPasses(4);
    std::vector<std::string> expect;
    for (int i = 0; i < 4; ++i) {
        expect.push_back("move");
        expect.push_back("update");
        expect.push_back("draw");
    }
    EXPECT_EQ(f.log, expect);
}

TEST(Frame, SwitchDestroysOldScreenAndSkipsFirstDraw) {
    Fixture f;
    f.screen->Ask(kCans);
    f.h.Pass();
    // The old screen updated, was asked away, and is gone; the new one is not drawn yet.
    EXPECT_EQ(f.log, (std::vector<std::string>{"update", "destroyed"}));
    EXPECT_EQ(f.h.ScreenId(), kCans);
    ASSERT_NE(f.h.Screen(), nullptr);  // the exercise itself, now that it is built
    // The switch showed the wait cursor and ended on the arrow.
    const auto& cursors = f.h.Os().CursorLog();
    ASSERT_GE(cursors.size(), 2u);
    EXPECT_EQ(cursors[cursors.size() - 2], platform::CursorShape::Wait);
    EXPECT_EQ(cursors.back(), platform::CursorShape::Arrow);
}

TEST(Frame, UnknownScreenEndsTheLoopInOrder) {
    for (int id : {20, -1, 22, 99}) {  // 21 is the overview
        Fixture f;
        f.screen->Ask(id);
        EXPECT_FALSE(f.h.Pass());
        EXPECT_FALSE(f.h.Frame().Running());
        EXPECT_EQ(f.h.Screen(), nullptr);
        EXPECT_EQ(f.log.back(), "destroyed");
        f.h.Frame().Shutdown();
        EXPECT_FALSE(f.h.Os().DisplayOpen());  // the display was handed back
    }
}

TEST(Frame, QuitEventEndsTheLoop) {
    Fixture f;
    platform::InputEvent q;
    q.type = platform::EventType::Quit;
    f.h.Os().QueueEvent(q);
    EXPECT_FALSE(f.h.Pass());
    EXPECT_TRUE(f.log.empty());  // left at once, without an update
}

TEST(Frame, StayingScreenIsDrawnEveryPass) {
    Fixture f;
    f.h.RunPasses(50);
    EXPECT_EQ(f.Count("update"), 50);
    EXPECT_EQ(f.Count("draw"), 50);
}

TEST(Frame, PacingSleepsTheRestOfTheFrame) {
    {
        HeadlessHarness slow(L"kestrova window setfps20");
        EXPECT_EQ(slow.Frame().Options().frameTime, 50);
        const uint32_t before = slow.Os().TimeGetTime();
        slow.RunPasses(10);
        // Headless work takes no virtual time, so each pass sleeps the whole frame time.
        EXPECT_EQ(slow.Os().TimeGetTime() - before, 500u);
    }
    HeadlessHarness fast(L"kestrova window fullfps");
    fast.RunPasses(10);
    EXPECT_EQ(fast.Os().SleptMs(), 0u);
}

TEST(Frame, StartsOnTheSplashDrawnBeforeTheWindowOpens) {
    {
        HeadlessHarness h(L"kestrova");
        EXPECT_EQ(h.ScreenId(), -1);
        EXPECT_TRUE(h.Os().DisplayOpen());
        EXPECT_FALSE(h.Os().Options().windowed);
        EXPECT_EQ(h.Os().Options().title, L"Kestrova");
        EXPECT_GE(h.Os().PresentCount(), 1);  // the splash's one early drawing
    }
    HeadlessHarness w(L"kestrova window");
    EXPECT_TRUE(w.Os().Options().windowed);
}

TEST(Frame, FactoryKnowsEveryScreenAndNothingElse) {
    HeadlessHarness h;  // screens read the clock when they are built
    for (int id = 0; id <= 18; ++id) EXPECT_NE(CreateScreen(id), nullptr) << id;
    EXPECT_EQ(CreateScreen(19), nullptr);
    EXPECT_EQ(CreateScreen(20), nullptr);
    EXPECT_EQ(CreateScreen(-1), nullptr);
}

TEST(Frame, MouseParamsKeepSignedHalves) {
    for (auto [x, y] : {std::pair{0, 0}, {799, 599}, {-1, -32768}, {32767, -2}}) {
        long lp = MakeMouseParam(x, y);
        EXPECT_EQ(MouseParamX(lp), x);
        EXPECT_EQ(MouseParamY(lp), y);
    }
}

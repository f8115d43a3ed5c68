// The Yes/No question on the canvas, raised by Escape in Cans and answered through the
// frame's real input: the mouse, the keys, two switches and one switch stepping by itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "exercises/CansFixture.h"
#include "platform/ImageFile.h"
#include "ui/QuestionBox.h"

namespace {

using platform::InputEvent;
using ui::QuestionBox;

class QuestionTest : public CansFixture {
protected:
    // Cans waiting for the start; Escape (pressed, and released unless held) raises the
    // question, then script answers it.
    void Ask(const std::function<void()>& script, bool escapeHeld = false) {
        Start();
        harness->RunPasses(2);
        if (escapeHeld)
            KeyEvent(platform::EventType::KeyDown, platform::VK_ESCAPE);
        else
            Os().QueueKey(platform::VK_ESCAPE);
        script();
        harness->Drain();
    }
    void KeyEvent(platform::EventType type, int key) {
        InputEvent e;
        e.type = type;
        e.key = key;
        Os().QueueEvent(e);
    }
    uint32_t QuestionPixel(int x, int y) { return Os().QuestionFrame()[static_cast<size_t>(y) * 800 + x]; }
};

TEST_F(QuestionTest, AnsweredWithTheMouseTheKeysAndTheSwitches) {
    using namespace platform;
    const QuestionBox::Box yes = QuestionBox::YesBox(), no = QuestionBox::NoBox(), text = {400, 250, 1, 1};
    const struct {
        const char* how;
        const QuestionBox::Box* press;  // a press there first, when set
        int scanSeconds;                // one contact: a wait of waitMs, then the keys
        uint32_t waitMs;
        std::vector<int> keys;
        bool yes;
    } cases[] = {
        {"a press on Yes", &yes, 0, 0, {}, true},
        {"a press on No", &no, 0, 0, {}, false},
        {"a press on the text, Enter", &text, 0, 0, {VK_RETURN}, false},
        {"Enter on the default", nullptr, 0, 0, {VK_RETURN}, false},
        {"Space, Enter", nullptr, 0, 0, {VK_SPACE, VK_RETURN}, true},
        {"Left, Enter", nullptr, 0, 0, {VK_LEFT, VK_RETURN}, true},
        {"Tab, Tab, Enter", nullptr, 0, 0, {VK_TAB, VK_TAB, VK_RETURN}, false},
        {"Left, Escape", nullptr, 0, 0, {VK_LEFT, VK_ESCAPE}, false},
        {"one switch, one step", nullptr, 2, 2100, {VK_RETURN}, true},
        {"one switch, two steps", nullptr, 2, 4100, {VK_RETURN}, false},
        {"one switch, before its first step", nullptr, 2, 1900, {VK_RETURN}, false},
    };
    for (const auto& c : cases) {
        P().options.o7 = c.scanSeconds ? 1 : 0;
        P().options.o19 = c.scanSeconds;
        Ask([&] {
            if (c.press) Os().QueueClick(c.press->CentreX(), c.press->CentreY());
            if (c.waitMs) Os().QueueWait(c.waitMs);
            for (int k : c.keys) Os().QueueKey(k);
        });
        ASSERT_EQ(Os().Questions().size(), 1u) << c.how;
        EXPECT_NE(Os().Questions()[0].find(P().options.GetText(87)), std::wstring::npos);
        harness->RunPasses(2);
        EXPECT_EQ(harness->ScreenId(), c.yes ? kMenu : kCans) << c.how;
        if (!c.yes) {
            EXPECT_EQ(Cans().Phase(), WaitStart) << c.how;
        }
        harness.reset();  // each case on a fresh frame
        SetUp();
    }
}

// While the question is up the screen gets nothing, and what arrived meanwhile is not
// replayed to it: neither the held Escape's repeats nor the Enter that answered.
TEST_F(QuestionTest, TheScreenBelowGetsNoInputAndNothingIsReplayed) {
    const uint32_t before = Os().TimeGetTime();
    Ask(
        [&] {
            for (int i = 0; i < 3; ++i) KeyEvent(platform::EventType::KeyDown, platform::VK_ESCAPE);  // held
            const CSprite& start = Cans().StartButton();
            Os().QueueClick(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
            Os().QueueWait(3000);
            KeyEvent(platform::EventType::KeyDown, platform::VK_RETURN);  // answers No
            KeyEvent(platform::EventType::KeyDown, platform::VK_RETURN);  // repeats while held
            KeyEvent(platform::EventType::KeyDown, platform::VK_ESCAPE);
            KeyEvent(platform::EventType::KeyUp, platform::VK_RETURN);
            KeyEvent(platform::EventType::KeyUp, platform::VK_ESCAPE);
        },
        true);
    harness->RunPasses(2);
    EXPECT_EQ(Os().Questions().size(), 1u);
    EXPECT_EQ(Cans().Phase(), WaitStart);           // the start button was not pressed
    EXPECT_GE(Os().TimeGetTime() - before, 3000u);  // the clock went on meanwhile
    // The screen saw Escape released: the next Escape asks again, and Yes leaves.
    Os().QueueKey(platform::VK_ESCAPE);
    Os().QueueKey(platform::VK_LEFT);
    Os().QueueKey(platform::VK_RETURN);
    harness->Drain();
    harness->RunPasses(2);
    EXPECT_EQ(Os().Questions().size(), 2u);
    EXPECT_EQ(harness->ScreenId(), kMenu);
}

TEST_F(QuestionTest, AQuitRequestAnswersNoAndEndsTheProgram) {
    Ask([&] { Os().QueueEvent(InputEvent{}); });
    EXPECT_FALSE(harness->Frame().Running());
    EXPECT_EQ(Os().Questions().size(), 1u);
}

// The question over Cans: the screen dimmed, the title, the question, No highlighted;
// afterwards the screen's own frame is shown again.
TEST_F(QuestionTest, IsDrawnOverTheScreenAndTakenAwayAfterwards) {
    Ask([&] { Os().QueueKey(platform::VK_RETURN); });
    const std::vector<uint32_t>& shown = Os().QuestionFrame();
    ASSERT_EQ(shown.size(), 800u * 600u);
    const std::vector<uint32_t>& screen = Os().LastFrame();
    ASSERT_EQ(screen.size(), 800u * 600u);
    const auto brightness = [](uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF); };
    EXPECT_LT(brightness(QuestionPixel(50, 50)), brightness(screen[50 * 800 + 50]));
    const QuestionBox::Box yes = QuestionBox::YesBox(), no = QuestionBox::NoBox();
    EXPECT_EQ(QuestionPixel(no.x + 4, no.y + 4), 0xFF1E3A6Eu);  // No: the highlighted button
    EXPECT_EQ(QuestionPixel(yes.x + 4, yes.y + 4), 0xFF4069B0u);
    EXPECT_EQ(QuestionPixel(no.x - 6, no.CentreY()), 0xFFFFD200u);  // its ring
    EXPECT_NE(QuestionPixel(yes.x - 6, yes.CentreY()), 0xFFFFD200u);
    // Both words and the text are drawn (white letters on the buttons, ink on the panel).
    int white = 0, ink = 0;
    for (int y = yes.y; y < yes.y + yes.h; ++y)
        for (int x = yes.x; x < yes.x + yes.w; ++x) white += QuestionPixel(x, y) == 0xFFFFFFFFu;
    for (int y = 215; y < 330; ++y)
        for (int x = 140; x < 660; ++x) ink += brightness(QuestionPixel(x, y)) < 200;
    EXPECT_GT(white, 100);
    EXPECT_GT(ink, 200);
    if (const char* out = std::getenv("KESTROVA_SHOTS"))
        platform::SavePixelsAsPng(shown.data(), 800, 600, 800 * 4, platform::WideFromUtf8(out) + L"/question.png");
    // The screen's frame again: no trace of the panel.
    const Bitmap& back = harness->Frame().BackBuffer();
    EXPECT_EQ(screen[static_cast<size_t>(no.y + 4) * 800 + no.x + 4], back.PixelAt(no.x + 4, no.y + 4));
}

}  // namespace

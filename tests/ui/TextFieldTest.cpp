// Text fields over the canvas: editing, focus and which keys reach the screen.
#include <gtest/gtest.h>

#include "app/Harness.h"
#include "ui/TextField.h"

namespace {

class KeyCounter final : public CPlainScreen {
public:
    int Update() override { return nextScreen; }
    int Draw() override { return 1; }
    int OnKeyDown(int key, int, long) override {
        keys.push_back(key);
        return 1;
    }
    int OnMouseDown(unsigned, long lParam) override {
        clicks.push_back({MouseParamX(lParam), MouseParamY(lParam)});
        return 1;
    }
    std::vector<int> keys;
    std::vector<std::pair<int, int>> clicks;
};

}  // namespace

TEST(TextField, EditingKeys) {
    HeadlessHarness h;
    ui::TextField f(100, 100, 125, 25);
    auto* screen = new KeyCounter;
    h.Frame().Adopt(std::unique_ptr<CGameBase>(screen), kLogin);
    h.Click(110, 110);
    ASSERT_TRUE(f.Focused());
    EXPECT_TRUE(h.Os().TextInputOn());
    h.Os().QueueTyping(L"Åsa Öberg");
    h.Drain();
    EXPECT_EQ(f.Text(), L"Åsa Öberg");
    h.Key(platform::VK_HOME);
    h.Key(platform::VK_DELETE);
    h.Key(platform::VK_END);
    h.Key(platform::VK_BACK);
    h.Key(platform::VK_LEFT);
    h.Os().QueueTyping(L"x");
    h.Drain();
    EXPECT_EQ(f.Text(), L"sa Öbexr");
    // Paste keeps one line: control characters are dropped.
    h.Os().SetClipboard(L"12\n3");
    platform::InputEvent v;
    v.type = platform::EventType::KeyDown;
    v.key = 'V';
    v.control = true;
    h.Os().QueueEvent(v);
    h.Drain();
    EXPECT_EQ(f.Text(), L"sa Öbex123r");
    // Ctrl+A selects all: typing replaces it, Backspace removes it, Left ends it at its start.
    platform::InputEvent a = v;
    a.key = 'A';
    h.Os().QueueEvent(a);
    h.Drain();
    EXPECT_TRUE(f.HasSelection());
    h.Os().QueueTyping(L"Kim");
    h.Drain();
    EXPECT_EQ(f.Text(), L"Kim");
    EXPECT_FALSE(f.HasSelection());
    f.SelectAll();
    h.Key(platform::VK_LEFT);
    EXPECT_EQ(f.Caret(), 0u);
    EXPECT_FALSE(f.HasSelection());
    f.SelectAll();
    h.Key(platform::VK_BACK);
    EXPECT_EQ(f.Text(), L"");
    // None of these reached the screen; Enter does, and Escape takes the focus away first.
    EXPECT_TRUE(screen->keys.empty());
    h.Key(platform::VK_RETURN);
    h.Key(platform::VK_ESCAPE);
    EXPECT_FALSE(f.Focused());
    h.Key(platform::VK_ESCAPE);
    EXPECT_EQ(screen->keys, (std::vector<int>{platform::VK_RETURN, platform::VK_ESCAPE}));
}

TEST(TextField, FocusFollowsClicksAndTab) {
    HeadlessHarness h;
    ui::TextField name(100, 100, 125, 25), password(300, 100, 125, 25);
    auto* screen = new KeyCounter;
    h.Frame().Adopt(std::unique_ptr<CGameBase>(screen), kNewProfile);
    // No field has the keys at first: Space reaches the screen; Tab enters the first field.
    EXPECT_FALSE(name.Focused() || password.Focused());
    EXPECT_FALSE(h.Os().TextInputOn());
    h.Key(platform::VK_SPACE);
    EXPECT_EQ(screen->keys, (std::vector<int>{platform::VK_SPACE}));
    h.Key(platform::VK_TAB);
    EXPECT_TRUE(name.Focused());
    h.Click(310, 110);  // into the second field: the screen never sees it
    EXPECT_TRUE(password.Focused());
    EXPECT_TRUE(screen->clicks.empty());
    h.Os().QueueTyping(L"pw");
    h.Key(platform::VK_TAB);
    h.Os().QueueTyping(L"Ann");
    h.Drain();
    EXPECT_EQ(password.Text(), L"pw");
    EXPECT_EQ(name.Text(), L"Ann");
    // A click elsewhere goes to the screen and leaves no field focused: keys reach the screen.
    h.Click(600, 500);
    EXPECT_EQ(screen->clicks.size(), 1u);
    EXPECT_FALSE(name.Focused());
    EXPECT_FALSE(password.Focused());
    EXPECT_FALSE(h.Os().TextInputOn());
    h.Key(platform::VK_SPACE);
    EXPECT_EQ(screen->keys, (std::vector<int>{platform::VK_SPACE, platform::VK_SPACE}));
}

TEST(TextField, FieldsAreDrawnOverTheCanvas) {
    std::vector<uint32_t> canvas(800 * 600, 0xFF4069B0);
    {
        ui::TextField f(100, 100, 125, 25);
        f.SetText(L"Kim");
        ui::DrawTextFields(canvas.data(), 800 * 4, 0);
    }
    EXPECT_EQ(canvas[110 * 800 + 220], 0xFFFFFFFFu);  // the white box, clear of the text
    bool dark = false;
    for (int y = 102; y < 123; ++y)
        for (int x = 104; x < 130; ++x) dark |= (canvas[y * 800 + x] & 0xFF) < 0x40;
    EXPECT_TRUE(dark);                              // the text
    EXPECT_EQ(canvas[50 * 800 + 50], 0xFF4069B0u);  // nothing outside the field
    EXPECT_TRUE(ui::LiveTextFields().empty());
}

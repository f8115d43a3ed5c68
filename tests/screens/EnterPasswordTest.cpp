// The password screen on the real frame: only the exact password opens the menu.
#include <gtest/gtest.h>

#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/RoadFixture.h"

namespace {

class EnterPasswordTest : public RoadTest {
protected:
    // Anna (password "Tiger7") logs in and stands before the password.
    void SetUp() override {
        RoadTest::SetUp();
        AddTrainee(L"Anna", [](Profile& p) { p.password = L"Tiger7"; });
        Go(kLogin);
        ClickOn(As<CLogin>().TextButton(0));
        ASSERT_EQ(H().ScreenId(), kEnterPassword);
    }
    CEnterPassword& Screen() { return As<CEnterPassword>(); }
    void PressOk() { ClickOn(Screen().OkButton()); }
    void ClickIntoField() { H().Click(Screen().Field()->X() + 5, Screen().Field()->Y() + 5); }
};

TEST_F(EnterPasswordTest, OnlyTheExactPasswordOpensTheMenu) {
    ASSERT_NE(Screen().Field(), nullptr);
    ClickIntoField();
    Type(L"tiger7");  // wrong case
    PressOk();
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    EXPECT_EQ(Screen().Field()->Text(), L"tiger7");  // the text stays to be corrected
    EXPECT_TRUE(Os().Errors().empty());
    Screen().Field()->SetText(L"Tiger77");  // longer, beginning with the password
    PressOk();
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    Screen().Field()->SetText(L"Tiger");  // shorter
    PressOk();
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    Screen().Field()->SetText(L"");  // empty: nothing happens
    PressOk();
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    Screen().Field()->SetText(L"Tiger7");
    PressOk();
    EXPECT_EQ(H().ScreenId(), kMenu);
}

TEST_F(EnterPasswordTest, TypedAccentsAndSpacesCompareExactly) {
    H().Frame().SwitchTo(kLogin);
    P().password = L"blå bär";
    ASSERT_TRUE(P().Save(true, false, false));
    ClickOn(As<CLogin>().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    H().Key(platform::VK_TAB);
    Type(L"blå bär");
    PressOk();
    EXPECT_EQ(H().ScreenId(), kMenu);
}

TEST_F(EnterPasswordTest, EscapeAndCancelReturnToTheLoginWithoutTouchingTheFiles) {
    const std::string before = root.Read("Anna.pro");
    H().Key(platform::VK_TAB);
    Type(L"Tiger7");
    H().Key(platform::VK_ESCAPE);  // the first gives the keys back, the second leaves
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(root.Read("Anna.pro"), before);
    ClickOn(As<CLogin>().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    ClickOn(Screen().CancelButton());
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(root.Read("Anna.pro"), before);
    EXPECT_EQ(root.FileCount(), 3u);
}

// A switch user steps with Space from the start, and a refusal by the scanned OK leaves
// the keys with the scan; a typist enters the field with Tab and types a space there.
TEST_F(EnterPasswordTest, SpaceStepsTheScanUntilTheFieldIsEntered) {
    EXPECT_FALSE(Screen().Field()->Focused());
    Screen().Field()->SetText(L"nope");
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);  // the scanned OK: refused
    EXPECT_TRUE(Screen().RefusalShown());
    EXPECT_FALSE(Screen().Field()->Focused());
    H().Key(platform::VK_SPACE);
    EXPECT_FALSE(Screen().RefusalShown());
    EXPECT_EQ(Screen().AnswerScan().Current(), 0);  // cancel
    EXPECT_EQ(Screen().Field()->Text(), L"nope");
    H().Key(platform::VK_TAB);
    Screen().Field()->SetText(L"");
    Type(L"Tiger 7");
    EXPECT_EQ(Screen().Field()->Text(), L"Tiger 7");
    H().Key(platform::VK_HOME);
    for (int i = 0; i < 5; ++i) H().Key(platform::VK_RIGHT);
    H().Key(platform::VK_DELETE);
    H().Key(platform::VK_ESCAPE);  // the keys back to the scan
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);  // the scanned OK
    EXPECT_EQ(H().ScreenId(), kMenu);
}

// A refused password keeps the keys in the field with the text selected, and the refusal
// shows under the field until the next key; Enter in the field acts as OK.
TEST_F(EnterPasswordTest, ARefusedPasswordIsSaidAndTheFieldKeepsTheKeys) {
    H().Key(platform::VK_TAB);
    Type(L"tiger7");
    EXPECT_FALSE(Screen().RefusalShown());
    H().Key(platform::VK_RETURN);  // Enter in the field: refused
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    EXPECT_TRUE(Screen().RefusalShown());
    EXPECT_EQ(Screen().Refusal().GetText(), P().options.GetText(79));
    EXPECT_TRUE(Screen().Field()->Focused());
    EXPECT_TRUE(Screen().Field()->HasSelection());
    Type(L"x");  // the next key replaces the selected text and ends the refusal
    EXPECT_EQ(Screen().Field()->Text(), L"x");
    EXPECT_FALSE(Screen().RefusalShown());
    PressOk();  // with the mouse: the press took the focus, the refusal gives it back
    EXPECT_TRUE(Screen().RefusalShown());
    EXPECT_TRUE(Screen().Field()->Focused());
    const CSprite& r = Screen().Refusal();
    EXPECT_GE(r.textBox.y, Screen().Field()->Y() + Screen().Field()->Height());
    EXPECT_LE(r.textBox.x + r.textBox.width, 800);
    H().RunPasses(2);
    Shot("password-refused.png");
    Type(L"Tiger7");
    EXPECT_EQ(Screen().Field()->Text(), L"Tiger7");
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kMenu);
}

TEST_F(EnterPasswordTest, ShowsPictureCaptionAndLabels) {
    const CSprite& pic = Screen().Picture();
    EXPECT_EQ(pic.x, 400 - static_cast<int>(pic.width) / 2);
    EXPECT_EQ(Screen().Caption().GetText(), P().options.GetText(60));
    EXPECT_EQ(Screen().CancelButton().GetText(), P().options.GetText(72));
    EXPECT_EQ(Screen().Field()->X(), static_cast<int>(pic.x) + 70);
    ClickIntoField();
    Type(L"Tiger");
    const CSprite& ok = Screen().OkButton();
    MoveTo(static_cast<int>(ok.CentreX()), static_cast<int>(ok.CentreY()));
    EXPECT_EQ(ok.hovered, 1);
    H().RunPasses(2);
    Shot("password.png");
}

}  // namespace

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
};

TEST_F(EnterPasswordTest, OnlyTheExactPasswordOpensTheMenu) {
    ASSERT_NE(Screen().Field(), nullptr);
    EXPECT_TRUE(Screen().Field()->Focused());
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
    Type(L"blå bär");
    PressOk();
    EXPECT_EQ(H().ScreenId(), kMenu);
}

TEST_F(EnterPasswordTest, EscapeAndCancelReturnToTheLoginWithoutTouchingTheFiles) {
    const std::string before = root.Read("Anna.pro");
    Type(L"Tiger7");
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

TEST_F(EnterPasswordTest, EnterPressesTheScannedButtonNotTheField) {
    Type(L"Tiger7");
    H().Key(platform::VK_RETURN);  // no button scanned yet: nothing
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    ClickOn(Screen().Picture(), 5, 5);  // focus away from the field, so Space steps the scan
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_SPACE);
    EXPECT_EQ(Screen().AnswerScan().Current(), 1);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kMenu);
}

TEST_F(EnterPasswordTest, ShowsPictureCaptionAndLabels) {
    const CSprite& pic = Screen().Picture();
    EXPECT_EQ(pic.x, 400 - static_cast<int>(pic.width) / 2);
    EXPECT_EQ(Screen().Caption().GetText(), P().options.GetText(60));
    EXPECT_EQ(Screen().CancelButton().GetText(), P().options.GetText(72));
    EXPECT_EQ(Screen().Field()->X(), static_cast<int>(pic.x) + 70);
    Type(L"Tiger");
    const CSprite& ok = Screen().OkButton();
    MoveTo(static_cast<int>(ok.CentreX()), static_cast<int>(ok.CentreY()));
    EXPECT_EQ(ok.hovered, 1);
    H().RunPasses(2);
    Shot("password.png");
}

}  // namespace

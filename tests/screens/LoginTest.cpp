// The login on the real frame: pages of trainees, the selection, the start of a day with
// and without a password, the other buttons, export and switch access.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <cstdio>

#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/RoadFixture.h"

namespace {

class LoginTest : public RoadTest {
protected:
    CLogin& Login() { return As<CLogin>(); }
    void AddTrainees(int n) {
        for (int i = 0; i < n; ++i) {
            wchar_t name[16];
            std::swprintf(name, 16, L"Trainee %02d", i);
            AddTrainee(name);
        }
    }
    // The entries drawn on the current page, in order.
    std::vector<std::wstring> Shown() {
        std::vector<std::wstring> names;
        for (int i = 0; i < Login().EntryCount(); ++i)
            if (Login().Entry(i).x < 800) names.push_back(Login().EntryName(i));
        return names;
    }
};

TEST_F(LoginTest, TwelveTraineesMakePagesOfFiveFiveAndTwo) {
    AddTrainees(12);
    Go(kLogin);
    ASSERT_EQ(Login().EntryCount(), 12);
    EXPECT_EQ(Shown().size(), 5u);
    EXPECT_EQ(Shown().front(), L"Trainee 00");
    // Previous does nothing on the first page.
    ClickOn(Login().PreviousPage());
    EXPECT_EQ(Login().Page(), 0);
    ClickOn(Login().NextPage());
    EXPECT_EQ(Login().Page(), 1);
    EXPECT_EQ(Shown().size(), 5u);
    EXPECT_EQ(Shown().front(), L"Trainee 05");
    ClickOn(Login().NextPage());
    EXPECT_EQ(Login().Page(), 2);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown().back(), L"Trainee 11");
    // Next does nothing on the last page.
    ClickOn(Login().NextPage());
    EXPECT_EQ(Login().Page(), 2);
    ClickOn(Login().PreviousPage());
    EXPECT_EQ(Login().Page(), 1);
    // Rows lie 10 pixels apart under the first at the window's corner + 35.
    const CSprite& first = Login().Entry(5);
    EXPECT_EQ(first.x, Login().Window().x + 35);
    EXPECT_EQ(first.y, Login().Window().y + 35);
    EXPECT_EQ(Login().Entry(6).y, first.y + first.height + 10);
}

TEST_F(LoginTest, TurningAPageSelectsItsFirstTraineeAndAClickSelectsAnother) {
    AddTrainees(7);
    Go(kLogin);
    EXPECT_EQ(P().name, L"Trainee 00");
    EXPECT_EQ(Login().Marker().y, Login().Entry(0).y - 2);
    ClickOn(Login().Entry(3), 150, 25);  // on the name, right of the picture
    EXPECT_EQ(P().name, L"Trainee 03");
    EXPECT_EQ(Login().Marker().y, Login().Entry(3).y - 2);
    EXPECT_EQ(Login().Marker().x, Login().Window().x + 20);
    ClickOn(Login().NextPage());
    EXPECT_EQ(P().name, L"Trainee 05");
    EXPECT_EQ(Login().Marker().y, Login().Entry(5).y - 2);
    ClickOn(Login().PreviousPage());
    EXPECT_EQ(P().name, L"Trainee 00");
}

TEST_F(LoginTest, NoTraineesParksTheMarker) {
    Go(kLogin);
    EXPECT_EQ(Login().EntryCount(), 0);
    EXPECT_EQ(Login().Marker().x, 20);
    EXPECT_EQ(Login().Marker().y, 610);
    // Starting anyway logs in the record as it is and reaches the menu.
    ClickOn(Login().TextButton(0));
    EXPECT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(root.FileCount(), 0u);
}

TEST_F(LoginTest, WithoutPasswordTheDayStartsAndTheMenuOpens) {
    AddTrainee(L"Anna", [](Profile& p) {
        p.coins = 17;
        p.dayProgress = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // day 1 finished on an earlier date
        p.lastDate = L"01/01/20";
        p.options.o19 = 4;
    });
    AddTrainee(L"Bert");
    Go(kLogin);
    P().options.o19 = 1;  // left from someone else: the login resets and loads
    ClickOn(Login().TextButton(0));
    EXPECT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(P().name, L"Anna");
    EXPECT_EQ(P().coins, 17);
    EXPECT_EQ(P().options.o19, 4);
    EXPECT_EQ(P().dayProgress[0], 2);  // a new date: the next day
    EXPECT_EQ(P().lastDate, Profile::TodayText());
    EXPECT_EQ(P().dayDates[2], Profile::TodayText());
}

TEST_F(LoginTest, WithPasswordThePasswordScreenComesFirst) {
    AddTrainee(L"Anna", [](Profile& p) { p.password = L"Secret"; });
    Go(kLogin);
    ClickOn(Login().TextButton(0));
    EXPECT_EQ(H().ScreenId(), kEnterPassword);
    EXPECT_EQ(P().dayProgress[0], 1);  // the day was started before the password
    EXPECT_EQ(As<CEnterPassword>().Destination(), kMenu);
}

TEST_F(LoginTest, TheGuideTraineeStartsWithoutSoundsAndFromTheFirstPrompts) {
    const std::wstring guide = P().options.GetText(50);
    AddTrainee(guide);
    Go(kLogin);
    P().speechCounters[kMenu] = 4;
    ClickOn(Login().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(P().options.o0, 0);
    EXPECT_EQ(P().options.o1, 0);
    EXPECT_EQ(P().speechCounters[kMenu], 1);  // cleared, then the menu's guide began with variant a
}

TEST_F(LoginTest, NumberTestLoadsTheTraineeWithoutStartingADay) {
    AddTrainee(L"Anna", [](Profile& p) {
        p.options.o21 = 1;
        p.password = L"pw";
    });
    Go(kLogin);
    ClickOn(Login().TextButton(2));
    EXPECT_EQ(H().ScreenId(), kNumberTest);
    EXPECT_EQ(P().options.o21, 1);
    EXPECT_EQ(P().dayProgress[0], 0);
    EXPECT_EQ(P().lastDate, L"-");
}

TEST_F(LoginTest, StatisticsAndSettingsStartTheDayAndAskThePasswordFirst) {
    AddTrainee(L"Anna");
    AddTrainee(L"Bert", [](Profile& p) { p.password = L"b"; });
    Go(kLogin);
    ClickOn(Login().TextButton(3));
    EXPECT_EQ(H().ScreenId(), kStats);
    EXPECT_EQ(P().dayProgress[0], 1);
    Go(kLogin);
    ClickOn(Login().TextButton(4));
    EXPECT_EQ(H().ScreenId(), kSettings);
    // Bert's settings only after his password.
    Go(kLogin);
    ClickOn(Login().Entry(1), 150, 25);
    ClickOn(Login().TextButton(4));
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    EXPECT_EQ(As<CEnterPassword>().Destination(), kSettings);
    H().Key(platform::VK_TAB);
    Type(L"b");
    ClickOn(As<CEnterPassword>().OkButton());
    EXPECT_EQ(H().ScreenId(), kSettings);
    // The next password screen leads to the menu again.
    Go(kLogin);
    ClickOn(Login().Entry(1), 150, 25);
    ClickOn(Login().TextButton(0));
    EXPECT_EQ(As<CEnterPassword>().Destination(), kMenu);
}

TEST_F(LoginTest, NewTraineeButtonOpensTheNewProfileScreen) {
    Go(kLogin);
    ClickOn(Login().TextButton(1));
    EXPECT_EQ(H().ScreenId(), kNewProfile);
}

TEST_F(LoginTest, EscapeAndTheEndButtonCloseTheProgram) {
    Go(kLogin);
    H().Key(platform::VK_ESCAPE);
    EXPECT_FALSE(H().Frame().Running());
}

TEST_F(LoginTest, EndButtonClosesTheProgram) {
    Go(kLogin);
    ClickOn(Login().EndButton());
    EXPECT_FALSE(H().Frame().Running());
}

TEST_F(LoginTest, ExportCopiesEveryTraineeIntoTheChosenFolder) {
    AddTrainee(L"Anna");
    AddTrainee(L"Bert");
    { std::ofstream(root.Profiles() / "Anna.png", std::ios::binary) << "not really a picture"; }
    RoadRoot target;
    Go(kLogin);
    // Cancelled: nothing is copied and nothing is said.
    ClickOn(Login().ExportButton());
    ASSERT_EQ(Os().FolderRequests().size(), 1u);
    EXPECT_EQ(Os().FolderRequests()[0], P().options.GetText(94));
    EXPECT_EQ(target.FileCount(), 0u);
    EXPECT_EQ(Login().StatusText(), L"");
    // Chosen: three files each and Anna's picture.
    Os().QueueFolder(platform::WideFromUtf8(target.Profiles().string()));
    ClickOn(Login().ExportButton());
    EXPECT_EQ(target.FileCount(), 7u);
    EXPECT_TRUE(target.Has("Anna.png"));
    EXPECT_EQ(target.Read("Bert.pro"), root.Read("Bert.pro"));
    const std::wstring targetFolder = platform::WideFromUtf8(target.Profiles().string());
    EXPECT_EQ(Login().StatusText(), L"The trainees were saved in " + targetFolder);
    EXPECT_EQ(H().ScreenId(), kLogin);
    // The line hides no hover label.
    const RectF line = Login().StatusLine().textBox;
    for (const CSprite* b : {&Login().EndButton(), &Login().ExportButton(), &Login().TextButton(0)}) {
        const RectF& label = b->textBox;
        EXPECT_TRUE(label.y + label.height <= line.y || line.y + line.height <= label.y ||
                    label.x + label.width <= line.x || line.x + line.width <= label.x)
            << platform::Utf8FromWide(b->text);
    }
    EXPECT_LE(line.y + line.height, 600);
    // A folder that cannot take the files is reported.
    const std::wstring missing = platform::WideFromUtf8((target.Profiles() / "missing").string());
    Os().QueueFolder(missing);
    ClickOn(Login().ExportButton());
    EXPECT_EQ(Login().StatusText(), L"Not every trainee could be saved in " + missing);
    // The next press clears the line.
    ClickOn(Login().PreviousPage());
    EXPECT_EQ(Login().StatusText(), L"");
}

TEST_F(LoginTest, AMissingOrBrokenPictureFallsBackToTheDefault) {
    AddTrainee(L"Anna");
    AddTrainee(L"Bert");
    std::filesystem::copy_file(std::filesystem::path(testpaths::SourceDir()) / "assets/gfx/login/saveas.png",
                               root.Profiles() / "Bert.png");
    { std::ofstream(root.Profiles() / "Anna.png", std::ios::binary) << "\x89PNG broken"; }
    Go(kLogin);
    EXPECT_EQ(Login().Entry(0).firstFile, L"gfx\\login\\default.png");
    EXPECT_EQ(Login().Entry(1).firstFile, root.ProfileFolder() + L"Bert.png");
    EXPECT_EQ(Login().Entry(1).width, 50);  // a picture of its own fills the row's picture place
}

TEST_F(LoginTest, HoverShowsTheLabelAndTheHand) {
    Go(kLogin);
    const CSprite& b = Login().TextButton(1);
    MoveTo(static_cast<int>(b.CentreX()), static_cast<int>(b.CentreY()));
    EXPECT_EQ(b.hovered, 1);
    EXPECT_EQ(b.GetText(), P().options.GetText(53));
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    MoveTo(5, 5);
    EXPECT_EQ(b.hovered, 0);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
}

TEST_F(LoginTest, HoverLabelsAreCentredOnTheirButtonsInsideTheCanvas) {
    Go(kLogin);
    for (int i = 0; i < CLogin::kTextButtons; ++i) {
        const CSprite& b = Login().TextButton(i);
        const auto& box = b.textBox;
        EXPECT_GE(box.x, 0) << i;
        EXPECT_LE(box.x + box.width, 800) << i;
        EXPECT_NEAR(box.y + box.height / 2, b.CentreY(), 1) << i;
        // Centred, unless the canvas edge moved it in.
        if (box.x > 0 && box.x + box.width < 800) {
            EXPECT_NEAR(box.x + box.width / 2, b.CentreX(), 1) << i;
        }
    }
}

TEST_F(LoginTest, SwitchesStepOverTheShownTraineesThenTheButtons) {
    AddTrainees(7);
    Go(kLogin);
    ASSERT_EQ(Login().AnswerScan().Count(), 5 + 10);  // the page's five trainees, then the buttons
    for (int i = 0; i < 4; ++i) H().Key(platform::VK_SPACE);
    EXPECT_EQ(Login().AnswerScan().Current(), 3);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(P().name, L"Trainee 03");
    EXPECT_EQ(Login().Marker().y, Login().Entry(3).y - 2);

    // To the next-page button: the second page lists its two trainees, and the scan stays
    // on the button.
    for (int i = 0; i < 1 + 5 + 2; ++i) H().Key(platform::VK_SPACE);
    ASSERT_EQ(Login().AnswerScan().Entry(Login().AnswerScan().Current()), &Login().NextPage());
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(Login().Page(), 1);
    EXPECT_EQ(Login().AnswerScan().Count(), 2 + 10);
    EXPECT_EQ(Login().AnswerScan().Entry(Login().AnswerScan().Current()), &Login().NextPage());
    EXPECT_EQ(Login().AnswerScan().Entry(1), &Login().Entry(6));
    // Round (end, export, overview) to the first trainee of the page and to the new-trainee button.
    for (int i = 0; i < 4; ++i) H().Key(platform::VK_SPACE);
    EXPECT_EQ(Login().AnswerScan().Current(), 0);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(P().name, L"Trainee 05");
    for (int i = 0; i < 3; ++i) H().Key(platform::VK_SPACE);
    int x = 0, y = 0;
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, static_cast<int>(Login().TextButton(1).CentreX()));
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kNewProfile);
}

TEST_F(LoginTest, TheLastTraineesOneSwitchSteppingStaysWithThem) {
    AddTrainee(L"Anna", [](Profile& p) {
        p.options.o7 = 1;
        p.options.o19 = 2;
    });
    for (int screen : {kLogin, kNewProfile}) {
        P().options.o7 = 1;  // a one-switch trainee just left the day
        P().options.o19 = 2;
        Go(screen);
        int x0 = 0, y0 = 0, x = 0, y = 0;
        Os().GetCursorPos(x0, y0);
        H().RunFor(6500);
        Os().GetCursorPos(x, y);
        EXPECT_EQ(H().Screen()->AnswerScan().Current(), -1) << screen;
        EXPECT_EQ(x, x0) << screen;
        EXPECT_EQ(y, y0) << screen;
        // The switch keys still step.
        H().Key(platform::VK_SPACE);
        EXPECT_EQ(H().Screen()->AnswerScan().Current(), 0) << screen;
    }
}

TEST_F(LoginTest, AOneSwitchTraineeLogsInWithEnterAlone) {
    AddTrainees(2);
    AddTrainee(L"Trainee 02", [](Profile& p) {
        p.options.o7 = 1;
        p.options.o19 = 2;
    });
    Go(kLogin);
    const auto scan = [&]() -> const ScanList& { return Login().AnswerScan(); };  // of the screen shown
    // The first Enter starts the stepping at the default time, from the first trainee.
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(scan().Current(), 0);
    EXPECT_EQ(scan().Interval(), 3000);
    const auto enterOn = [&](const CSprite& target) {
        for (int ms = 0; ms < 60000 && scan().Entry(scan().Current()) != &target; ms += 50) H().RunFor(50);
        ASSERT_EQ(scan().Entry(scan().Current()), &target);
        H().Key(platform::VK_RETURN);
    };
    enterOn(Login().Entry(2));
    EXPECT_EQ(P().name, L"Trainee 02");
    enterOn(Login().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(H().Screen()->AnswerScan().Interval(), 2000);  // from here on, the trainee's own

    // Back at the login, the mouse takes the pointer back from a stepping a switch started.
    Go(kLogin);
    H().Key(platform::VK_RETURN);
    const CSprite& first = Login().Entry(0);
    MoveTo(static_cast<int>(first.CentreX()), static_cast<int>(first.CentreY()));  // the stepping's own move
    EXPECT_EQ(scan().Interval(), 3000);
    MoveTo(20, 20);
    EXPECT_EQ(scan().Interval(), 0);
    EXPECT_EQ(scan().Current(), -1);
    int x0 = 0, y0 = 0, x = 0, y = 0;
    Os().GetCursorPos(x0, y0);
    H().RunFor(7000);
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, x0);
    EXPECT_EQ(y, y0);
}

TEST_F(LoginTest, TheScannedEntryGetsAThickHighlight) {
    AddTrainees(2);
    P().options.o8 = 1;  // the last trainee's extra frame does not widen the login's
    Go(kLogin);
    const CSprite& entry = Login().Entry(0);
    const auto bandAt = [&](float inset) {
        H().RunPasses(2);
        return H().Frame().BackBuffer().PixelAt(static_cast<int>(entry.x - inset),
                                                static_cast<int>(entry.y + entry.hitBox.height / 2));
    };
    EXPECT_NE(bandAt(6), CGameBase::kScanColour);
    H().Key(platform::VK_SPACE);
    ASSERT_EQ(Login().AnswerScan().Entry(Login().AnswerScan().Current()), &entry);
    EXPECT_EQ(bandAt(6), CGameBase::kScanColour);
    EXPECT_EQ(bandAt(4), CGameBase::kScanColour);  // six pixels wide
    EXPECT_EQ(bandAt(8), CGameBase::kScanColour);
    EXPECT_NE(bandAt(12), CGameBase::kScanColour);
    Shot("login-scanned.png");
    // A hover label lies over the band, not under it.
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_SPACE);  // past the second trainee to the first button
    const CSprite& start = Login().TextButton(0);
    ASSERT_EQ(Login().AnswerScan().Entry(Login().AnswerScan().Current()), &start);
    MoveTo(static_cast<int>(start.CentreX()), static_cast<int>(start.CentreY()));
    H().RunPasses(2);
    const float bandX = start.x - 6;
    if (start.textBox.x < bandX && bandX < start.textBox.x + start.textBox.width) {
        EXPECT_NE(H().Frame().BackBuffer().PixelAt(static_cast<int>(bandX),
                                                   static_cast<int>(start.textBox.y + start.textBox.height / 2)),
                  CGameBase::kScanColour);
    }
}

TEST_F(LoginTest, ScreenShowsSeveralTraineesWithoutMissingTexts) {
    for (const wchar_t* n : {L"Anna", L"Bert", L"Cecilia", L"David", L"Eva", L"Fredrik"}) AddTrainee(n);
    Go(kLogin);
    for (int i = 0; i < CLogin::kTextButtons; ++i)
        EXPECT_EQ(Login().TextButton(i).GetText().find(L"MISSING"), std::wstring::npos);
    EXPECT_EQ(Login().EndButton().GetText().find(L"MISSING"), std::wstring::npos);
    EXPECT_EQ(Login().ExportButton().GetText().find(L"MISSING"), std::wstring::npos);
    const CSprite& b = Login().TextButton(0);
    MoveTo(static_cast<int>(b.CentreX()), static_cast<int>(b.CentreY()));
    H().RunPasses(2);
    // The window picture lies on the canvas, the rest is black.
    const Bitmap& canvas = H().Frame().BackBuffer();
    EXPECT_EQ(canvas.PixelAt(400, 300) >> 24, 0xFFu);
    Shot("login.png");
}

}  // namespace

// The settings screen on the real frame: the buttons and their captions, each option's
// button and overlay, the scan time, the one-switch question, reset, the credits page,
// switch access, and the saved options on every way out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "screens/MainSettingsMenu.h"
#include "screens/RoadFixture.h"

namespace {

using S = CMainSettingsMenu;

class SettingsTest : public RoadTest {
protected:
    void SetUp() override {
        RoadTest::SetUp();
        P().name = L"Anna";
        P().folder = root.ProfileFolder();
    }
    S& Settings() { return As<S>(); }
    void Press(int k) { ClickOn(Settings().ButtonSprite(k)); }
    void Hover(int k) {
        const CSprite& b = Settings().ButtonSprite(k);
        MoveTo(static_cast<int>(b.CentreX()), static_cast<int>(b.CentreY()));
    }
    // The trainee's options as the ".opt" file holds them.
    ProfileOptions Saved() {
        Profile saved;
        saved.folder = root.ProfileFolder();
        saved.name = L"Anna";
        saved.options.o1 = 7;  // not a value the screen writes: shows whether the file was read
        saved.Load(false, true, false);
        return saved.options;
    }
    uint32_t Pixel(float x, float y) {
        return H().Frame().BackBuffer().PixelAt(static_cast<int>(x), static_cast<int>(y));
    }
};

TEST_F(SettingsTest, ButtonsStandInTwoRowsWithCentredCaptions) {
    Go(kSettings);
    // The senior layout takes the first free place of the second row; the others keep theirs.
    const float xs[S::kButtons] = {10,  90, 170, 250, 330, 410, 490, 570, 650,
                                   730, 10, 90,  170, 490, 570, 650, 730, 250};
    for (int k = 0; k < S::kButtons; ++k) {
        const CSprite& b = Settings().ButtonSprite(k);
        EXPECT_EQ(b.x, xs[k]) << k;
        EXPECT_EQ(b.y, k < 10 ? 10 : 90) << k;
        EXPECT_GT(b.width, 0) << k;
        EXPECT_EQ(b.text, P().options.GetText(k == S::kSenior ? 143u : static_cast<uint32_t>(k + 1))) << k;
        EXPECT_FLOAT_EQ(b.textBox.x, 400 - b.textBox.width / 2) << k;
        EXPECT_EQ(b.textBox.y, S::kCaptionTop) << k;
        EXPECT_EQ(b.text.find(L"MISSING"), std::wstring::npos) << k;
    }
    EXPECT_EQ(Settings().AnswerScan().Count(), S::kButtons);

    // A highlighted button: white outline, its caption on the light-yellow box.
    Hover(S::kSound);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    EXPECT_TRUE(Settings().ButtonSprite(S::kSound).hovered);
    H().RunPasses(2);
    const CSprite& sound = Settings().ButtonSprite(S::kSound);
    EXPECT_EQ(Pixel(sound.x + sound.width / 2, sound.y + 1), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(sound.textBox.x + 2, sound.textBox.y + 2), 0xFFFFFFE1u);
    MoveTo(400, 400);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
    EXPECT_FALSE(Settings().ButtonSprite(S::kSound).hovered);
}

TEST_F(SettingsTest, EachOptionButtonSwitchesItsOptionAndItsOverlay) {
    struct Case {
        int button;
        int32_t ProfileOptions::*option;
        int32_t startValue;
        int32_t afterClick;
    };
    const Case cases[] = {
        {S::kMusic, &ProfileOptions::o1, 1, 0},       {S::kSound, &ProfileOptions::o0, 1, 0},
        {S::kExtraFrame, &ProfileOptions::o8, 0, 1},  {S::kReward, &ProfileOptions::o5, 1, 0},
        {S::kShowCorrect, &ProfileOptions::o6, 0, 1}, {S::kUseStop, &ProfileOptions::o2, 1, 0},
        {S::kVisual, &ProfileOptions::o21, 0, 1},     {S::kRabbit, &ProfileOptions::o4, 1, 0},
        {S::kSenior, &ProfileOptions::o3, 0, 1},      {S::kSenior, &ProfileOptions::o3, 1, 0},
        {S::kMusic, &ProfileOptions::o1, 5, 0},  // anything not 0 counts as on
    };
    Go(kSettings);
    for (const Case& c : cases) {
        P().options.*c.option = c.startValue;
        H().RunPasses(2);
        const CSprite& b = Settings().ButtonSprite(c.button);
        const bool wasOff = Settings().OverlayOn(c.button);
        const uint32_t before = Pixel(b.CentreX(), b.CentreY());
        Press(c.button);
        EXPECT_EQ(P().options.*c.option, c.afterClick) << c.button;
        EXPECT_EQ(Settings().OverlayOn(c.button), c.afterClick == 0) << c.button;
        EXPECT_NE(wasOff, Settings().OverlayOn(c.button)) << c.button;
        H().RunPasses(2);
        EXPECT_NE(Pixel(b.CentreX(), b.CentreY()), before) << "overlay drawn or taken away on " << c.button;
    }
    // Buttons that lead elsewhere or act once have no overlay.
    for (int k : {S::kBack, S::kStatistics, S::kScanTime, S::kReset, S::kAbout, S::kDiplomas, S::kChooseGames})
        EXPECT_FALSE(Settings().OverlayOn(k)) << k;
}

TEST_F(SettingsTest, TheHoveredOrScannedOptionIsExplainedUnderItsCaption) {
    Go(kSettings);
    H().RunPasses(2);
    EXPECT_EQ(Settings().Explained(), -1);
    for (int k = 0; k < S::kButtons; ++k) {
        Hover(k);
        H().RunPasses(2);
        ASSERT_EQ(Settings().Explained(), k);
        const CSprite& line = Settings().Explanation();
        const CSprite& b = Settings().ButtonSprite(k);
        EXPECT_EQ(line.GetText(), P().options.GetText(145u + static_cast<uint32_t>(k))) << k;
        EXPECT_EQ(line.GetText().find(L"MISSING"), std::wstring::npos) << k;
        EXPECT_FALSE(line.GetText().empty()) << k;
        // Below the caption, inside the canvas, on its light box.
        EXPECT_GT(line.textBox.y, b.textBox.y + b.textBox.height) << k;
        EXPECT_GE(line.textBox.x, 0) << k;
        EXPECT_LE(line.textBox.x + line.textBox.width, 800) << k;
        EXPECT_EQ(Pixel(line.textBox.x + 2, line.textBox.y + 2), 0xFFFFFFE1u) << k;
    }
    // The switch's option is explained while the pointer rests on none.
    MoveTo(400, 500);
    H().Key(platform::VK_SPACE);
    H().Key(platform::VK_SPACE);
    H().RunPasses(2);
    EXPECT_EQ(Settings().Explained(), S::kStatistics);
    Shot("settings-explained.png");
}

TEST_F(SettingsTest, ScanTimeCyclesOneToFiveAndTheButtonShowsIt) {
    Go(kSettings);
    H().RunPasses(2);
    EXPECT_EQ(Settings().ScanTimeText(), L"3");
    for (int expected : {4, 5, 1, 2, 3}) {
        Press(S::kScanTime);
        EXPECT_EQ(P().options.o19, expected);
        H().RunPasses(2);
        EXPECT_EQ(Settings().ScanTimeText(), std::to_wstring(expected));
    }
    // The caption stays the button's own text for the highlight.
    EXPECT_EQ(Settings().ButtonSprite(S::kScanTime).text, P().options.GetText(7));
    // A damaged value from the file starts the cycle again.
    for (int32_t damaged : {0, -4, 5, 90}) {
        P().options.o19 = damaged;
        Press(S::kScanTime);
        EXPECT_EQ(P().options.o19, 1) << damaged;
    }
}

TEST_F(SettingsTest, OneSwitchAsksAndTwoSwitchesDoesNot) {
    Go(kSettings);
    Press(S::kOneSwitch);  // answered No
    ASSERT_EQ(Os().Questions().size(), 1u);
    EXPECT_EQ(Os().Questions()[0], P().options.GetText(0) + L": " + P().options.GetText(6) + L"?");
    EXPECT_EQ(P().options.o7, 0);
    EXPECT_TRUE(Settings().OverlayOn(S::kOneSwitch));
    EXPECT_FALSE(Settings().OverlayOn(S::kTwoSwitches));

    Os().QueueAnswer(true);
    Press(S::kOneSwitch);
    EXPECT_EQ(P().options.o7, 1);
    EXPECT_FALSE(Settings().OverlayOn(S::kOneSwitch));
    EXPECT_TRUE(Settings().OverlayOn(S::kTwoSwitches));
    // This screen's own stepping was fixed when it was built.
    EXPECT_EQ(Settings().AnswerScan().Interval(), 0);
    Press(S::kTwoSwitches);
    EXPECT_EQ(Os().Questions().size(), 2u);
    EXPECT_EQ(P().options.o7, 0);
}

TEST_F(SettingsTest, WithOneSwitchTheHighlightStepsByItselfFromTheFirstButton) {
    P().options.o7 = 1;
    P().options.o19 = 2;
    Go(kSettings);
    EXPECT_EQ(Settings().AnswerScan().Current(), -1);
    H().RunFor(1900);
    EXPECT_EQ(Settings().AnswerScan().Current(), -1);
    H().RunFor(300);
    EXPECT_EQ(Settings().AnswerScan().Current(), 0);
    int x = 0, y = 0;
    Os().GetCursorPos(x, y);
    EXPECT_EQ(x, static_cast<int>(Settings().ButtonSprite(S::kBack).CentreX()));
    H().RunFor(2000);
    EXPECT_EQ(Settings().AnswerScan().Current(), 1);
    // Enter presses the button the highlight is on: the statistics.
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(H().ScreenId(), kStats);
}

TEST_F(SettingsTest, TwoSwitchesStepWithSpaceAndPressWithEnter) {
    Go(kSettings);
    H().RunFor(10000);
    EXPECT_EQ(Settings().AnswerScan().Current(), -1);  // no stepping by itself
    for (int k = 0; k <= S::kSound; ++k) H().Key(platform::VK_SPACE);
    EXPECT_EQ(Settings().AnswerScan().Current(), S::kSound);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(P().options.o0, 0);
    for (int k = S::kSound + 1; k <= S::kButtons; ++k) H().Key(platform::VK_SPACE);
    EXPECT_EQ(Settings().AnswerScan().Current(), 0);  // wrapped after the last button
}

TEST_F(SettingsTest, ResetRestoresEveryOptionAndKeepsTheLanguage) {
    Go(kSettings);
    ProfileOptions& o = P().options;
    const std::wstring language = o.GetLanguage(), title = o.GetText(0);
    o.o0 = o.o1 = o.o2 = o.o4 = o.o5 = 0;
    o.o3 = o.o6 = o.o7 = o.o8 = o.o21 = 1;
    for (int g = 0; g < 10; ++g) o.SetExerciseOn(g, 0);
    o.o19 = 5;
    o.o20 = 1.5f;
    Press(S::kReset);
    const ProfileOptions defaults;
    EXPECT_EQ(o.o0, 1);
    EXPECT_EQ(o.o1, 1);
    EXPECT_EQ(o.o2, 1);
    EXPECT_EQ(o.o3, 0);
    EXPECT_EQ(o.o4, 1);
    EXPECT_EQ(o.o5, 1);
    EXPECT_EQ(o.o6, 0);
    EXPECT_EQ(o.o7, 0);
    EXPECT_EQ(o.o8, 0);
    for (int g = 0; g < 10; ++g) EXPECT_EQ(o.ExerciseOn(g), 1) << g;
    EXPECT_EQ(o.o19, 3);
    EXPECT_FLOAT_EQ(o.o20, 0.2f);
    EXPECT_EQ(o.o21, 0);
    EXPECT_EQ(o.GetLanguage(), language);
    EXPECT_EQ(o.GetText(0), title);
}

// Every way out keeps the changes in the saved file.
class SettingsExitTest : public SettingsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SettingsExitTest, LeavesTheChangesInTheSavedFile) {
    Go(kSettings);
    Press(S::kMusic);
    Press(S::kScanTime);
    const int way = GetParam();
    int expected = kMenu;
    switch (way) {
        case -1: H().Key(platform::VK_ESCAPE); break;
        case S::kBack: Press(S::kBack); break;
        case S::kStatistics: expected = kStats; break;
        case S::kDiplomas: expected = kDiplomaPrinter; break;
        case S::kChooseGames: expected = kSelectGame; break;
        default: FAIL();
    }
    if (way >= S::kStatistics) Press(way);
    ASSERT_EQ(H().ScreenId(), expected);
    const ProfileOptions saved = Saved();
    EXPECT_EQ(saved.o1, 0);
    EXPECT_EQ(saved.o19, 4);
}

INSTANTIATE_TEST_SUITE_P(Exits, SettingsExitTest,
                         ::testing::Values(-1, S::kBack, S::kStatistics, S::kDiplomas, S::kChooseGames));

TEST_F(SettingsTest, TheCreditsPageShowsTheProgramsVersionUntilBackOrAKey) {
    Go(kSettings);
    Press(S::kAbout);
    ASSERT_TRUE(Settings().CreditsShown());
    const CSprite& credits = Settings().CreditsSprite();
    EXPECT_EQ(credits.FrameCount(), 1);
    EXPECT_EQ(credits.width, 800);
    EXPECT_EQ(credits.text, std::wstring(L"Version ") + KESTROVA_WVERSION);
    EXPECT_FLOAT_EQ(credits.textBox.x, 800 - credits.textBox.width - 5);
    EXPECT_FLOAT_EQ(credits.textBox.y, 600 - credits.textBox.height - 5);
    Hover(S::kBack);
    H().RunPasses(2);
    Shot("settings-credits.png");
    EXPECT_NE(credits.firstFile.find(L"\\english\\"), std::wstring::npos);
    // Only the back button counts on the page; it leaves the page, not the screen.
    Press(S::kMusic);
    Press(S::kStatistics);
    EXPECT_EQ(P().options.o1, 1);
    EXPECT_EQ(H().ScreenId(), kSettings);
    Press(S::kBack);
    EXPECT_FALSE(Settings().CreditsShown());
    EXPECT_EQ(Settings().CreditsSprite().FrameCount(), 0);  // released
    EXPECT_EQ(H().ScreenId(), kSettings);
    Press(S::kAbout);
    EXPECT_EQ(Settings().CreditsSprite().FrameCount(), 1);
    H().Key('A');
    EXPECT_FALSE(Settings().CreditsShown());
    EXPECT_EQ(H().ScreenId(), kSettings);
}

TEST_F(SettingsTest, ClicksSoundAndTheGuideSpeaks) {
    P().name = P().options.GetText(50);
    Go(kSettings);
    EXPECT_EQ(P().speechCounters[kSettings], 1);
    Press(S::kReward);
    const auto& log = Os().Sound().Log();
    EXPECT_NE(std::find(log.begin(), log.end(), L"play sfx\\click\\click0.wav"), log.end());
    H().RunPasses(2);
    Shot("settings.png");
}

// A language without pictures of numbers and colours: its text 14 is "-".
class SettingsWithoutVisualTest : public SettingsTest {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(platform::Utf8FromWide(root.Assets())) / "data";
        const fs::path shipped = fs::path(testpaths::AssetDir()) / "data" / "lang";
        fs::remove_all(data / "lang");
        fs::create_directory(data / "lang");
        for (const char* name : {"english.txt", "swedish.txt"}) {
            std::ifstream in(shipped / name, std::ios::binary);
            std::string all(std::istreambuf_iterator<char>(in), {}), out;
            size_t start = 0;
            for (int line = 0; start <= all.size(); ++line) {
                size_t end = all.find("\r\n", start);
                if (end == std::string::npos) end = all.size();
                out += line == 14 ? std::string("-") : all.substr(start, end - start);
                if (end < all.size()) out += "\r\n";
                start = end + 2;
            }
            std::ofstream(data / "lang" / name, std::ios::binary) << out;
        }
        SettingsTest::SetUp();
    }
};

TEST_F(SettingsWithoutVisualTest, HidesTheVisualButtonItsOverlayAndItsClicks) {
    ASSERT_EQ(P().options.GetText(14), L"-");
    Go(kSettings);
    EXPECT_FALSE(Settings().Shown(S::kVisual));
    EXPECT_FALSE(Settings().OverlayOn(S::kVisual));
    EXPECT_EQ(Settings().AnswerScan().Count(), S::kButtons);  // it keeps its place in the list
    H().RunPasses(2);
    const CSprite& v = Settings().ButtonSprite(S::kVisual);
    const uint32_t bare = Pixel(v.CentreX(), v.CentreY());
    Hover(S::kVisual);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Arrow);
    Press(S::kVisual);
    EXPECT_EQ(P().options.o21, 0);
    H().RunPasses(2);
    EXPECT_EQ(Pixel(v.CentreX(), v.CentreY()), bare);
    // Neither option value draws anything there.
    P().options.o21 = 1;
    H().RunPasses(2);
    EXPECT_EQ(Pixel(v.CentreX(), v.CentreY()), bare);
}

}  // namespace

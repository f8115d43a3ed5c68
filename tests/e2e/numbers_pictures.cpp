// Pictures of the exercises with spoken numbers, drawn by the real frame: waiting for the
// start, mid-presentation (the visual cue on the number said), the trainee's turn with the
// extra marker on an item, a wrong answer with the show-correct marker; Ghost house's walk in
// and its horrors revealed; the number test's result. What the pictures must show is checked
// in the state and the pixels; with KESTROVA_SHOT_DIR set they are also kept as PNG files.
#include "TestPaths.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/Harness.h"
#include "exercises/GhostHouse.h"
#include "exercises/NumberSpanTest.h"
#include "exercises/Treasure.h"
#include "graphics/Graphics.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

class NumbersPictures : public ::testing::Test {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = harness->Frame().ActiveProfile();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"1";
        p.roundsPerDay = 8;
        p.coins = 23;
        p.span[kTreasure] = 5;  // span 4
        p.span[kGhostHouse] = 5;
        p.options.o5 = 0;
        p.options.o6 = 1;   // show correct
        p.options.o8 = 1;   // extra marker
        p.options.o21 = 1;  // visual cue
    }
    CGameBase& S() { return *harness->Screen(); }
    void Shot(const std::string& name) {
        const char* dir = std::getenv("KESTROVA_SHOT_DIR");
        if (dir && *dir) {
            EXPECT_TRUE(harness->SaveCanvas(platform::WideFromUtf8(std::string(dir) + "/" + name)));
        }
    }
    uint32_t Pixel(float x, float y) {
        return harness->Frame().BackBuffer().PixelAt(static_cast<int>(x), static_cast<int>(y));
    }
    void RunUntil(int phase) {
        for (int i = 0; i < 20000 && S().Phase() != phase; ++i) harness->Pass();
        ASSERT_EQ(S().Phase(), phase);
    }
    void ClickCentre(const CSprite& s) {
        harness->RunFor(410);
        harness->Click(static_cast<int>(s.CentreX()), static_cast<int>(s.CentreY()));
    }
    // WaitStart, the second number said, the turn with the pointer on the first item, a wrong
    // item: the phases every one of the three shows.
    void Phases(const std::string& name) {
        RunUntil(WaitStart);
        harness->RunFor(600);
        Shot(name + "_waitstart.png");
        ClickCentre(S().StartButton());
        ASSERT_EQ(S().Phase(), Starting);
        for (int i = 0; i < 20000 && S().StepIndex() < 2; ++i) harness->Pass();
        harness->RunFor(100);
        ASSERT_EQ(S().Phase(), Presenting);
        Shot(name + "_presenting.png");
        RunUntil(Answering);
        harness->RunFor(500);
        const CSprite* first = S().AnswerItem(S().Sequence()[0]);
        ASSERT_NE(first, nullptr);
        harness->Os().SetCursorPos(static_cast<int>(first->CentreX()), static_cast<int>(first->CentreY()));
        harness->RunFor(100);
        Shot(name + "_answering.png");
    }
    void Wrong(const std::string& name, const CSprite& wrong) {
        ClickCentre(wrong);
        ASSERT_EQ(S().Phase(), ::Wrong);
        harness->RunFor(300);
        Shot(name + "_wrong.png");
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

TEST_F(NumbersPictures, Treasure) {
    ASSERT_TRUE(harness->Frame().SwitchTo(kTreasure));
    auto& t = *static_cast<CTreasure*>(harness->Screen());
    Phases("treasure");
    EXPECT_TRUE(t.ChestOpen());
    const int expected = t.Sequence()[0];
    Wrong("treasure", t.Coin(expected == 1 ? 2 : 1));
    EXPECT_FLOAT_EQ(t.ShowCorrectMarker().CentreX(), t.Coin(expected).CentreX());
    harness->RunFor(2500);
    EXPECT_FALSE(t.ChestOpen());
}

TEST_F(NumbersPictures, GhostHouse) {
    ASSERT_TRUE(harness->Frame().SwitchTo(kGhostHouse));
    auto& g = *static_cast<CGhostHouse*>(harness->Screen());
    harness->RunFor(1800);
    ASSERT_EQ(g.Phase(), CGhostHouse::kEntering);
    Shot("ghosthouse_entrance.png");
    Phases("ghosthouse");
    Wrong("ghosthouse", g.Button(0));
    // The next round solved: the horrors come out where the buttons hung.
    RunUntil(WaitStart);
    ClickCentre(g.StartButton());
    RunUntil(Answering);
    const std::vector<int> seq = g.Sequence();
    const uint32_t before = Pixel(g.Horror(g.WindowOf(seq[0])).CentreX(), g.Horror(g.WindowOf(seq[0])).CentreY());
    for (int item : seq) ClickCentre(g.Button(item));
    RunUntil(Correct);
    harness->RunFor(200);
    EXPECT_NE(Pixel(g.Horror(g.WindowOf(seq[0])).CentreX(), g.Horror(g.WindowOf(seq[0])).CentreY()), before);
    Shot("ghosthouse_reveal.png");
}

TEST_F(NumbersPictures, NumberTest) {
    ASSERT_TRUE(harness->Frame().SwitchTo(kNumberTest));
    auto& n = *static_cast<CNumberTest*>(harness->Screen());
    Phases("numbertest");
    Wrong("numbertest", n.Digit(n.Sequence()[0] % 9 + 1));
    // Straight on to the result: every trial left to time out, so each one fails.
    while (!n.Score().finished) {
        RunUntil(WaitStart);
        ClickCentre(n.StartButton());
        RunUntil(Answering);
        harness->RunFor(40100);
    }
    RunUntil(Leaving);
    harness->RunFor(200);
    EXPECT_EQ(n.ResultText(), L"Your level is 1.");
    EXPECT_FALSE(n.VisualFrame().visible);  // it would cover the result
    Shot("numbertest_result.png");
}

}  // namespace

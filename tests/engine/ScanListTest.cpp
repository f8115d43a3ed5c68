// Switch access: stepping, automatic stepping, removing and pressing.
#include "engine/ScanList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/GameBase.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

// A screen that records the presses it receives.
class PressRecorder final : public CPlainScreen {
public:
    int Draw() override { return 1; }
    int OnMouseDown(unsigned, long lParam) override {
        presses.push_back({MouseParamX(lParam), MouseParamY(lParam)});
        return 1;
    }
    std::vector<CursorPoint> presses;
};

// Sprites read the clock when they are built, so the backend comes first.
struct HeadlessInstalled {
    HeadlessInstalled() {
        auto b = std::make_unique<platform::HeadlessBackend>();
        os = b.get();
        platform::InstallBackend(std::move(b));
    }
    ~HeadlessInstalled() { platform::InstallBackend(nullptr); }
    platform::HeadlessBackend* os = nullptr;
};

class ScanListTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            sprites[i].SetPosition(100.0f * static_cast<float>(i), 50);
            sprites[i].SetSize(40, 20);
            list.Add(&sprites[i]);
        }
        list.SetPress([this](int x, int y) { screen.OnMouseDown(1, MakeMouseParam(x, y)); });
    }
    int PointerX() {
        int x = 0, y = 0;
        os->GetCursorPos(x, y);
        return x;
    }

    HeadlessInstalled installed;
    platform::HeadlessBackend* os = installed.os;
    CSprite sprites[3];
    PressRecorder screen;
    ScanList list;
};

TEST_F(ScanListTest, StepsWrapAndMoveThePointer) {
    EXPECT_EQ(list.Current(), -1);
    list.Step();
    EXPECT_EQ(list.Current(), 0);
    EXPECT_EQ(PointerX(), 20);
    list.Step();
    list.Step();
    EXPECT_EQ(PointerX(), 220);
    list.Step();
    EXPECT_EQ(list.Current(), 0);
    int x = 0, y = 0;
    os->GetCursorPos(x, y);
    EXPECT_EQ(y, 60);

    list.Select(2, false);
    EXPECT_EQ(list.Current(), 2);
    EXPECT_EQ(PointerX(), 20);  // no move asked
    list.Select(5, true);
    EXPECT_EQ(list.Current(), 2);
}

TEST_F(ScanListTest, PressClicksTheCurrentEntrysCentre) {
    list.Press();  // no current entry: nothing
    EXPECT_TRUE(screen.presses.empty());
    list.Step();
    list.Step();
    list.Press();
    ASSERT_EQ(screen.presses.size(), 1u);
    EXPECT_EQ(screen.presses[0].x, 120);
    EXPECT_EQ(screen.presses[0].y, 60);
}

TEST_F(ScanListTest, RemovingStartsAgainAtTheFirstEntryLeft) {
    list.Step();
    list.Step();
    list.RemoveCurrent();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Current(), -1);
    list.Press();  // right after a pick: nothing to press
    EXPECT_TRUE(screen.presses.empty());
    list.RemoveCurrent();  // nothing current: nothing removed
    EXPECT_EQ(list.Count(), 2);
    list.Step();
    EXPECT_EQ(list.Entry(0), &sprites[0]);
    EXPECT_EQ(PointerX(), 20);

    // Removing a given entry works wherever the scan rests.
    list.Step();  // on sprites[2]
    list.RemoveEntry(&sprites[0]);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Current(), -1);
    EXPECT_EQ(list.Entry(0), &sprites[2]);
    list.RemoveEntry(&sprites[0]);
    EXPECT_EQ(list.Count(), 1);

    list.Clear();
    list.Step();  // an empty list has nothing to step to
    EXPECT_EQ(list.Current(), -1);
}

TEST_F(ScanListTest, OneContactStepsEveryScanTime) {
    list.SetScanTime(3);
    list.Tick();
    EXPECT_EQ(list.Current(), -1);
    std::vector<int> visits;
    for (int t = 0; t < 10000; t += 10) {
        os->AdvanceTime(10);
        const int before = list.Current();
        list.Tick();
        if (list.Current() != before) visits.push_back(list.Current());
        if (t == 2990) {
            EXPECT_EQ(list.Current(), -1);  // the clock is at 3000: not past yet
        }
        if (t == 3000) {
            EXPECT_EQ(list.Current(), 0);
        }
    }
    EXPECT_EQ(visits, (std::vector<int>{0, 1, 2}));  // at 3, 6 and 9 s
    os->AdvanceTime(3000);
    list.Tick();
    EXPECT_EQ(list.Current(), 0);  // wraps from the last to the first
}

TEST_F(ScanListTest, ManualStepsDoNotMoveTheAutomaticOne) {
    list.SetScanTime(2);
    os->AdvanceTime(1000);
    list.Step();
    list.Tick();
    EXPECT_EQ(list.Current(), 0);
    os->AdvanceTime(1001);
    list.Tick();
    EXPECT_EQ(list.Current(), 1);
}

TEST_F(ScanListTest, TwoContactsNeverMoveByThemselves) {
    list.SetScanTime(0);
    for (int t = 0; t < 20; ++t) {
        os->AdvanceTime(1000);
        list.Tick();
    }
    EXPECT_EQ(list.Current(), -1);
}

TEST_F(ScanListTest, AScanTimeOutsideOneToFiveStepsEveryThreeSeconds) {
    for (int seconds : {-2, 6, 3000000}) {
        list.SetScanTime(seconds);
        EXPECT_EQ(list.Interval(), 3000) << seconds;
    }
    list.SetScanTime(5);
    EXPECT_EQ(list.Interval(), 5000);
}

}  // namespace

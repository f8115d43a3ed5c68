#pragma once
// A whole session of any exercise on the real frame (headless, shipped assets), played as a
// trainee would: with the mouse on the items where they stand, or with two switches (Space
// steps the scan, Enter selects). Exercises' session tests choose per round what to answer
// and then check the coins, statistics cells and files on disk.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/TestPaths.h"
#include "app/Harness.h"
#include "exercises/ExerciseFixture.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

enum class Input { Mouse, Switches };

inline std::string InputName(const ::testing::TestParamInfo<Input>& info) {
    return info.param == Input::Mouse ? std::string("Mouse") : std::string("SpaceAndEnter");
}

template <class Exercise, int kScreen>
class ExerciseSession : public ::testing::TestWithParam<Input> {
protected:
    // The trainee's record before the exercise starts; tests may change it in their own SetUp
    // before calling Begin.
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = P();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"1";
        p.roundsPerDay = 8;
        p.coins = 7;
        p.options.o7 = 0;  // two contacts
    }
    void Begin() { ASSERT_TRUE(harness->Frame().SwitchTo(kScreen)); }

    Profile& P() { return harness->Frame().ActiveProfile(); }
    Exercise& E() { return *static_cast<Exercise*>(harness->Screen()); }
    bool OnExercise() const { return harness->ScreenId() == kScreen; }

    bool RunUntil(ExercisePhase phase, uint32_t limitMs = 120000) {
        const uint32_t start = harness->Os().TimeGetTime();
        while (OnExercise() && E().Phase() != phase) {
            if (harness->Os().TimeGetTime() - start > limitMs || !harness->Pass()) return false;
        }
        return OnExercise();
    }
    // Lets the press gate open again.
    void Settle() { harness->RunFor(410); }

    void StartTrial() {
        ASSERT_TRUE(RunUntil(WaitStart));
        Settle();
        if (GetParam() == Input::Mouse) {
            const CSprite& s = E().StartButton();
            harness->Click(static_cast<int>(s.x) + 20, static_cast<int>(s.y) + 20);
        } else {
            harness->Key(13);
        }
        ASSERT_NE(E().Phase(), WaitStart);
        ASSERT_TRUE(RunUntil(Answering));
    }

    // Chooses the item the sequence names: a click on it where it stands now, or Space until
    // the scan rests on it and then Enter.
    // With the mouse, a press meant for one item avoids a point where the item `avoid` (the
    // one due, when a wrong answer is meant) stands now: moving items may overlap.
    void Pick(int item, const CSprite* avoid = nullptr) {
        Settle();
        const CSprite* target = E().AnswerItem(item);
        ASSERT_NE(target, nullptr) << "item " << item;
        if (GetParam() == Input::Mouse) {
            int x = 0, y = 0;
            HitCentre(*target, x, y);
            const float left = target->x + (target->hitBoxSet ? target->hitBox.x : 0);
            const float top = target->y + (target->hitBoxSet ? target->hitBox.y : 0);
            const float w = target->hitBoxSet ? target->hitBox.width : target->width;
            const float h = target->hitBoxSet ? target->hitBox.height : target->height;
            for (int k = 0; avoid && avoid->HitTest(x, y) && k < 49; ++k) {
                x = static_cast<int>(left + w * static_cast<float>(1 + k % 7) / 8);
                y = static_cast<int>(top + h * static_cast<float>(1 + k / 7) / 8);
            }
            harness->Click(x, y);
            return;
        }
        const ScanList& scan = E().AnswerScan();
        for (int i = 0; i < 40 && scan.Entry(scan.Current()) != target; ++i) harness->Key(32);
        ASSERT_EQ(scan.Entry(scan.Current()), target) << "item " << item << " is not in the switch list";
        harness->Key(13);
    }

    // The trial's answer: the whole sequence, `right` items then `wrong`, or nothing at all.
    void Solve() {
        const std::vector<int> seq = E().Sequence();
        for (int item : seq) Pick(item);
        EXPECT_EQ(E().Phase(), Correct);
    }
    void FailAfter(unsigned right, int wrong) {
        const std::vector<int> seq = E().Sequence();
        for (unsigned i = 0; i < right; ++i) Pick(seq[i]);
        Pick(wrong, E().AnswerItem(seq[right]));
        EXPECT_EQ(E().Phase(), Wrong);
    }
    void TimeOut() {
        harness->RunFor(40100);
        EXPECT_EQ(E().Phase(), Wrong);
    }
    // Runs the payout and the way out; true when the frame reached the menu.
    bool FinishSession() {
        const uint32_t start = harness->Os().TimeGetTime();
        while (OnExercise() && harness->Os().TimeGetTime() - start < 60000) harness->Pass();
        return harness->ScreenId() == kMenu;
    }
    // The trainee's files as they are on disk now.
    void LoadFromDisk(Profile& disk) {
        disk.folder = folder.Folder();
        disk.name = L"Tester";
        disk.Load(true, false, true);
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

#pragma once
// Any exercise on the real frame, headless, with the shipped assets as the working folder and
// the trainee's files in a fresh folder. Time moves only when the test says so: Run advances
// the virtual clock in small steps and calls the screen's Update (and Draw when asked).
// Items are pressed where a trainee would: the centre of the item's hit area, as it stands now.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/TestPaths.h"
#include "app/Harness.h"
#include "platform/Sound.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

// The centre of a sprite's hit area (its image when it has none), in canvas pixels.
inline void HitCentre(const CSprite& s, int& x, int& y) {
    if (s.hitBoxSet) {
        x = static_cast<int>(s.x + s.hitBox.x + s.hitBox.width / 2);
        y = static_cast<int>(s.y + s.hitBox.y + s.hitBox.height / 2);
    } else {
        x = static_cast<int>(s.x + s.width / 2);
        y = static_cast<int>(s.y + s.height / 2);
    }
}

template <class Exercise, int kScreen>
class ExerciseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(commandLine, platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = harness->Frame().ActiveProfile();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"1";
        p.roundsPerDay = 8;
        p.options.o0 = 1;
        p.options.o2 = 1;
        p.options.o5 = 0;  // no reward unless a test asks for it
        p.options.o6 = 1;
        p.options.o7 = 0;
    }
    void TearDown() override { harness.reset(); }

    Profile& P() { return harness->Frame().ActiveProfile(); }
    platform::HeadlessBackend& Os() { return harness->Os(); }

    // Builds the exercise and puts it on the frame (its Init runs).
    Exercise& Start() {
        auto screen = std::make_unique<Exercise>();
        Exercise* e = screen.get();
        harness->Frame().Adopt(std::move(screen), kScreen);
        return *e;
    }
    // Leaves for the menu: the exercise is destroyed and writes back.
    void Leave() { harness->Frame().SwitchTo(kMenu); }
    Exercise& Ex() { return *static_cast<Exercise*>(harness->Screen()); }
    bool OnExercise() const { return harness->ScreenId() == kScreen; }

    // Moves the clock by ms in steps, with an Update per step; stops early when the screen
    // asks to leave. Returns the last Update's result.
    int Run(uint32_t ms, uint32_t step = 10, bool draw = false) {
        int result = kStayOnScreen;
        for (uint32_t t = 0; t < ms; t += step) {
            Os().AdvanceTime(step);
            result = Ex().Update();
            if (result != kStayOnScreen) break;
            if (draw) Ex().Draw();
        }
        return result;
    }
    // Runs until the phase is reached (at most limitMs).
    bool RunUntil(ExercisePhase phase, uint32_t limitMs = 120000) {
        for (uint32_t t = 0; t < limitMs; t += 10) {
            if (Ex().Phase() == phase) return true;
            Os().AdvanceTime(10);
            if (Ex().Update() != kStayOnScreen) return Ex().Phase() == phase;
        }
        return Ex().Phase() == phase;
    }

    void Press(int x, int y) {
        Os().AdvanceTime(401);  // past the press gate
        Ex().OnMouseDown(1, MakeMouseParam(x, y));
    }
    void PressSprite(const CSprite& s) {
        int x = 0, y = 0;
        HitCentre(s, x, y);
        Press(x, y);
    }
    // A press on the item the sequence names, where it stands now.
    void PressItem(int item) {
        const CSprite* s = Ex().AnswerItem(item);
        ASSERT_NE(s, nullptr) << "item " << item;
        PressSprite(*s);
    }
    void Key(int key) {
        Ex().OnKeyDown(key, 0, 0);
        Ex().OnKeyUp(key, 0, 0);
    }
    void PressStart() {
        const CSprite& s = Ex().StartButton();
        Press(static_cast<int>(s.x) + 5, static_cast<int>(s.y) + 5);
    }
    // Starts the trial and runs to the trainee's turn.
    void StartAndPresent() {
        PressStart();
        ASSERT_TRUE(RunUntil(Answering));
    }
    // Answers the whole sequence right.
    void AnswerRight() {
        const std::vector<int> seq = Ex().Sequence();
        for (int item : seq) PressItem(item);
    }

    // How many times a sound whose path holds part was played.
    size_t Played(const std::wstring& part) {
        const auto& log = Os().Sound().Log();
        return static_cast<size_t>(std::count_if(log.begin(), log.end(), [&](const std::wstring& e) {
            return e.rfind(L"play ", 0) == 0 && e.find(part) != std::wstring::npos;
        }));
    }

    std::wstring commandLine = L"kestrova window";
    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

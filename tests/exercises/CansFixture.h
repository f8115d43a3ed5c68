#pragma once
// Cans on the real frame, headless, with the shipped assets as the working folder and the
// trainee's files in a fresh folder. Time moves only when the test says so: Run advances
// the virtual clock in small steps and calls the screen's Update (and Draw when asked).
#include "TestPaths.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "exercises/Cans.h"
#include "platform/Sound.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

class CansFixture : public ::testing::Test {
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

    // Builds Cans and puts it on the frame (its Init runs).
    CCans& Start() {
        auto screen = std::make_unique<CCans>();
        CCans* c = screen.get();
        harness->Frame().Adopt(std::move(screen), kCans);
        return *c;
    }
    // Leaves Cans for the (placeholder) menu: the exercise is destroyed and writes back.
    void Leave() { harness->Frame().SwitchTo(kMenu); }
    CCans& Cans() { return *static_cast<CCans*>(harness->Screen()); }
    bool OnCans() const { return harness->ScreenId() == kCans; }

    // Moves the clock by ms in steps, with an Update per step; stops early when the screen
    // asks to leave. Returns the last Update's result.
    int Run(uint32_t ms, uint32_t step = 10, bool draw = false) {
        int result = kStayOnScreen;
        for (uint32_t t = 0; t < ms; t += step) {
            Os().AdvanceTime(step);
            result = Cans().Update();
            if (result != kStayOnScreen) break;
            if (draw) Cans().Draw();
        }
        return result;
    }
    // Runs until the phase is reached (at most limitMs).
    bool RunUntil(ExercisePhase phase, uint32_t limitMs = 120000) {
        for (uint32_t t = 0; t < limitMs; t += 10) {
            if (Cans().Phase() == phase) return true;
            Os().AdvanceTime(10);
            if (Cans().Update() != kStayOnScreen) return Cans().Phase() == phase;
        }
        return Cans().Phase() == phase;
    }

    // A press on the painted tin of can i.
    void PressCan(int i) {
        const CSprite& c = Cans().Can(i);
        Press(static_cast<int>(c.x) + 60, static_cast<int>(c.y) + 67);
    }
    void Press(int x, int y) {
        Os().AdvanceTime(401);  // past the press gate
        Cans().OnMouseDown(1, MakeMouseParam(x, y));
    }
    void Key(int key) {
        Cans().OnKeyDown(key, 0, 0);
        Cans().OnKeyUp(key, 0, 0);
    }
    void PressStart() {
        const CSprite& s = Cans().StartButton();
        Press(static_cast<int>(s.x) + 5, static_cast<int>(s.y) + 5);
    }
    // Starts the trial and runs to the trainee's turn.
    void StartAndPresent() {
        PressStart();
        ASSERT_TRUE(RunUntil(Answering));
    }
    // Answers the whole sequence right.
    void AnswerRight() {
        const std::vector<int> seq = Cans().Sequence();
        for (int item : seq) PressCan(item);
    }
    // A can that is visible but not the expected one (-1 when there is none).
    int WrongCan() {
        const auto& seq = Cans().Sequence();
        for (int i = 0; i < CCans::kCanCount; ++i)
            if (Cans().Can(i).visible && i != seq[Cans().StepIndex()]) return i;
        return -1;
    }
    // A whole trial, solved or failed at its first item.
    void PlayTrial(bool solve) {
        StartAndPresent();
        if (solve)
            AnswerRight();
        else
            PressCan(WrongCan());
    }

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

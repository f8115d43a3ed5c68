// Pictures of The circle, Paint and Zoo in their phases, drawn by the real frame: waiting for
// the start, mid-presentation, the trainee's turn and a wrong answer with the show-correct
// marker; also Paint's picture after several solved sequences and the circle in the senior
// layout. With KESTROVA_SHOT_DIR set the pictures are kept there as PNG files.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/Harness.h"
#include "exercises/Paint.h"
#include "exercises/TheCircle.h"
#include "exercises/Zoo.h"
#include "graphics/Graphics.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

class ExercisePictures : public ::testing::Test {
protected:
    void SetUp() override {
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = P();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = L"2";
        p.roundsPerDay = 20;
        p.coins = 23;
        p.options.o5 = 0;
        p.options.o6 = 1;   // show correct
        p.options.o8 = 1;   // extra marker
        p.options.o21 = 1;  // visual cue, where the exercise has one
    }
    Profile& P() { return harness->Frame().ActiveProfile(); }
    CGameBase& E() { return *harness->Screen(); }

    void Shot(const std::string& name) {
        const char* dir = std::getenv("KESTROVA_SHOT_DIR");
        if (dir && *dir) {
            EXPECT_TRUE(harness->SaveCanvas(platform::WideFromUtf8(std::string(dir) + "/" + name)));
        }
    }
    void RunUntil(ExercisePhase phase) {
        for (int i = 0; i < 20000 && E().Phase() != phase; ++i) harness->Pass();
        ASSERT_EQ(E().Phase(), phase);
    }
    void Press(const CSprite& s) {
        harness->RunFor(410);
        const float dx = s.hitBoxSet ? s.hitBox.x + s.hitBox.width / 2 : s.width / 2;
        const float dy = s.hitBoxSet ? s.hitBox.y + s.hitBox.height / 2 : s.height / 2;
        harness->Click(static_cast<int>(s.x + dx), static_cast<int>(s.y + dy));
    }
    void PressStart() {
        RunUntil(WaitStart);
        harness->RunFor(410);
        const CSprite& start = E().StartButton();
        harness->Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
    }
    // Waiting, the second item shown, the trainee's turn with the pointer on the first item,
    // then a wrong item (`wrong`) with the marker on the expected one.
    void Phases(const std::string& name, int wrong) {
        harness->RunFor(600);
        Shot(name + "_waitstart.png");
        PressStart();
        for (int i = 0; i < 20000 && E().StepIndex() < 2; ++i) harness->Pass();
        harness->RunFor(200);
        ASSERT_EQ(E().Phase(), Presenting);
        Shot(name + "_presenting.png");
        RunUntil(Answering);
        const CSprite* first = E().AnswerItem(E().Sequence()[0]);
        ASSERT_NE(first, nullptr);
        harness->Os().SetCursorPos(static_cast<int>(first->CentreX()), static_cast<int>(first->CentreY()));
        harness->RunFor(100);
        Shot(name + "_answering.png");
        Press(*E().AnswerItem(wrong));
        ASSERT_EQ(E().Phase(), Wrong);
        harness->RunFor(300);
        Shot(name + "_wrong.png");
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

TEST_F(ExercisePictures, TheCircle) {
    P().span[kTheCircle] = 5;  // four lamps light
    ASSERT_TRUE(harness->Frame().SwitchTo(kTheCircle));
    auto& c = static_cast<CTheCircle&>(E());
    Phases("thecircle", (c.TargetPosition() + 1) % CTheCircle::kLampCount);
    EXPECT_FLOAT_EQ(c.ShowCorrectMarker().CentreX(), c.Lamp(c.TargetPosition()).CentreX());
}

TEST_F(ExercisePictures, TheCircleForSeniors) {
    P().options.o3 = 1;
    P().span[kTheCircle] = 5;
    ASSERT_TRUE(harness->Frame().SwitchTo(kTheCircle));
    auto& c = static_cast<CTheCircle&>(E());
    PressStart();
    RunUntil(Answering);
    harness->RunFor(100);
    EXPECT_TRUE(c.Picture(c.LampAnimal(c.TargetPosition())).visible);
    Shot("thecircle_senior_answering.png");
}

TEST_F(ExercisePictures, Paint) {
    P().span[kPaint] = 6;  // span 5: both rows
    ASSERT_TRUE(harness->Frame().SwitchTo(kPaint));
    auto& p = static_cast<CPaint&>(E());
    Phases("paint", (p.Sequence()[0] + 1) % p.VisibleCount());
    EXPECT_FLOAT_EQ(p.ShowCorrectMarker().CentreX(), p.Pot(p.Sequence()[0]).CentreX());
    // Six solved sequences paint six parts of the picture.
    for (int solved = 0; solved < 6; ++solved) {
        PressStart();
        RunUntil(Answering);
        const std::vector<int> seq = p.Sequence();
        for (int pot : seq) Press(p.Pot(pot));
        RunUntil(Correct);
    }
    harness->RunFor(300);
    EXPECT_EQ(p.PictureOfTheDay().GetFrame(), 5);
    Shot("paint_picture_six_parts.png");
}

TEST_F(ExercisePictures, Zoo) {
    P().span[kZoo] = 5;  // span 4 of eight animals out
    ASSERT_TRUE(harness->Frame().SwitchTo(kZoo));
    auto& z = static_cast<CZoo&>(E());
    int wrong = 0;
    while (!z.Animal(wrong).visible || wrong == z.Sequence()[0]) ++wrong;
    Phases("zoo", wrong);
    EXPECT_FLOAT_EQ(z.ShowCorrectMarker().CentreX(), z.Animal(z.Sequence()[0]).CentreX());
}

}  // namespace

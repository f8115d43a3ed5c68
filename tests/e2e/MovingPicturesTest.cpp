// Pictures of the wheel, the pond and the saucers drawn by the real frame: waiting for the
// start, mid-presentation, the trainee's turn and a wrong pick, and the busiest scenes (the
// eight-wagon wheel, ten hard fish). The pixels show what moves when: the wheel picture stands
// still while waiting and turns while answering; a saucer's flash shows. With
// KESTROVA_SHOT_DIR set the pictures are also kept there as PNG files.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Harness.h"
#include "exercises/ParisWheel.h"
#include "exercises/Space.h"
#include "exercises/ThePond.h"
#include "graphics/Graphics.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

class MovingPictures : public ::testing::Test {
protected:
    void Open(int screen, int savedSpan, const wchar_t* level = L"1") {
        harness.reset();  // one harness at a time
        harness = std::make_unique<HeadlessHarness>(L"kestrova window", platform::WideFromUtf8(testpaths::AssetDir()));
        Profile& p = harness->Frame().ActiveProfile();
        p.folder = folder.Folder();
        p.name = L"Tester";
        p.level = level;
        p.roundsPerDay = 3;
        p.span[static_cast<size_t>(screen)] = savedSpan;
        p.options.o5 = 0;
        p.options.o6 = 1;  // show correct
        p.options.o8 = 1;  // extra marker
        ASSERT_TRUE(harness->Frame().SwitchTo(screen));
    }
    CGameBase& E() { return *harness->Screen(); }
    void Shot(const std::string& name) {
        const char* dir = std::getenv("KESTROVA_SHOT_DIR");
        if (dir && *dir) {
            EXPECT_TRUE(harness->SaveCanvas(platform::WideFromUtf8(std::string(dir) + "/" + name)));
        }
    }
    // Every fourth pixel of a canvas rectangle.
    std::vector<uint32_t> Area(int x0, int y0, int x1, int y1) {
        std::vector<uint32_t> v;
        for (int y = y0; y < y1; y += 4)
            for (int x = x0; x < x1; x += 4) v.push_back(harness->Frame().BackBuffer().PixelAt(x, y));
        return v;
    }
    void RunUntil(ExercisePhase phase) {
        for (int i = 0; i < 20000 && E().Phase() != phase; ++i) harness->Pass();
        ASSERT_EQ(E().Phase(), phase);
    }
    void ClickItem(int item) {
        harness->RunFor(410);
        const CSprite* s = E().AnswerItem(item);
        harness->Click(static_cast<int>(s->x + s->hitBox.x + s->hitBox.width / 2),
                       static_cast<int>(s->y + s->hitBox.y + s->hitBox.height / 2));
    }
    // The four pictures of a trial: waiting, the second item shown, the turn, a wrong pick.
    void Trial(const std::string& name) {
        harness->RunFor(600);
        Shot(name + "_waitstart.png");
        const CSprite& start = E().StartButton();
        harness->RunFor(410);
        harness->Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
        for (int i = 0; i < 20000 && E().StepIndex() < 2; ++i) harness->Pass();
        harness->RunFor(100);
        ASSERT_EQ(E().Phase(), Presenting);
        Shot(name + "_presenting.png");
        RunUntil(Answering);
        const CSprite* first = E().AnswerItem(E().Sequence()[0]);
        harness->Os().SetCursorPos(static_cast<int>(first->CentreX()), static_cast<int>(first->CentreY()));
        harness->RunFor(100);
        Shot(name + "_answering.png");
        int wrong = 0;
        while (E().AnswerItem(wrong) == first || !E().AnswerItem(wrong)->visible ||
               first->HitTest(static_cast<int>(E().AnswerItem(wrong)->x + E().AnswerItem(wrong)->hitBox.x +
                                               E().AnswerItem(wrong)->hitBox.width / 2),
                              static_cast<int>(E().AnswerItem(wrong)->y + E().AnswerItem(wrong)->hitBox.y +
                                               E().AnswerItem(wrong)->hitBox.height / 2)))
            ++wrong;
        ClickItem(wrong);
        ASSERT_EQ(E().Phase(), Wrong);
        harness->RunFor(300);
        Shot(name + "_wrong.png");
    }

    ProfileFolder folder;
    std::unique_ptr<HeadlessHarness> harness;
};

TEST_F(MovingPictures, ParisWheel) {
    Open(kParisWheel, 4);  // span 3 on six wagons
    harness->RunFor(300);
    const auto waiting = Area(225, 85, 575, 435);
    harness->RunFor(2000);
    EXPECT_EQ(Area(225, 85, 575, 435), waiting);  // the wheel stands
    Trial("pariswheel");
    RunUntil(WaitStart);
    harness->RunFor(410);
    const CSprite& start = E().StartButton();
    harness->Click(static_cast<int>(start.x) + 20, static_cast<int>(start.y) + 20);
    RunUntil(Answering);
    const auto turning = Area(225, 85, 575, 435);
    harness->RunFor(1000);
    EXPECT_NE(Area(225, 85, 575, 435), turning);

    Open(kParisWheel, 9, L"2");  // span 8: eight wagons
    harness->RunFor(410);
    harness->Click(static_cast<int>(E().StartButton().x) + 20, static_cast<int>(E().StartButton().y) + 20);
    RunUntil(Answering);
    harness->RunFor(3000);
    Shot("pariswheel_eight.png");
}

TEST_F(MovingPictures, ThePond) {
    Open(kThePond, 4);  // span 3 on four fish
    Trial("thepond");
    Open(kThePond, 11, L"2");
    static_cast<CThePond&>(E()).OnRoundCorrect();
    static_cast<CThePond&>(E()).OnRoundCorrect();
    static_cast<CThePond&>(E()).OnRoundCorrect();  // the streak at span 10: the hard fish
    ASSERT_TRUE(static_cast<CThePond&>(E()).HardSet());
    harness->RunFor(5000);
    Shot("thepond_tenhard.png");
}

TEST_F(MovingPictures, Space) {
    Open(kSpace, 4, L"2");  // span 3 on ten saucers
    Trial("space");
    // The flash shows in the picture: the same saucer lit and at rest.
    RunUntil(WaitStart);
    harness->RunFor(410);
    harness->Click(static_cast<int>(E().StartButton().x) + 20, static_cast<int>(E().StartButton().y) + 20);
    for (int i = 0; i < 20000 && E().StepIndex() < 1; ++i) harness->Pass();
    harness->RunFor(100);
    const CSprite* lit = E().AnswerItem(E().Sequence()[0]);
    const int x = static_cast<int>(lit->x), y = static_cast<int>(lit->y);
    const auto flashing = Area(x, y, x + static_cast<int>(lit->width), y + static_cast<int>(lit->height));
    harness->RunFor(1000);
    EXPECT_NE(Area(x, y, x + static_cast<int>(lit->width), y + static_cast<int>(lit->height)), flashing);
}

}  // namespace

#include "exercises/Paint.h"

#include "engine/ItemRow.h"

#include "profiles/Profile.h"
#include "text/FileUtil.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 8;
constexpr int kPotLitMs = 750;
constexpr int kPictureFrameMs = 250;
constexpr int kClownFrameMs = 250;
constexpr uint32_t kHighlight = 0xFFFF0000u;
const wchar_t* const kClownParts[] = {L"clownarm", L"clownface", L"clownhat", L"clownshoe"};
}  // namespace

int CPaint::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\paint\\background.png", L"gfx\\senior\\paint\\background.png"))
        return 1;
    const bool senior = profile->options.o3 != 0;
    if (!senior) {
        clown.LoadSequence(std::wstring(L"gfx\\paint\\clowns\\") + kClownParts[RandomInRange(0, 3)] + L"*.png", back, 1,
                           kClownFrameMs);
        clown.SetPosition(178, 137);
    }
    clown.visible = 0;

    // Two rows of four pots, each row sloping down by 3 pixels per pot. The colour pictures
    // come in pairs: pot i at rest, then lit.
    CFileUtil colours;
    colours.AddFiles(L"gfx\\paint\\colors\\color*.png");
    const float firstX = senior ? 260.0f : 350.0f;
    float x = firstX, y = 342;
    for (int i = 0; i < kPotCount; ++i) {
        CSprite& pot = pots[static_cast<size_t>(i)];
        pot.LoadImage(colours.NextFile(0), back, 1, 0);
        pot.LoadImage(colours.NextFile(0), back, 1, kPotLitMs);
        pot.user[0] = i;
        pot.SetOutlineWidth(1);
        pot.SetOutlineColor(kHighlight);
        places[static_cast<size_t>(i)] = {x, y};
        pot.SetPosition(x, y);
        x += pot.width + 20;
        y += 3;
        if (i == 3) {
            x = firstX;
            y += 100;
        }
    }

    // The picture of the day: one picture further on for every session played, round again
    // after the last. The count is taken modulo the pictures, so no count in the trainee's
    // file can keep the screen counting.
    CFileUtil pictures;
    pictures.AddFiles(L"gfx\\paint\\images\\*00.png");
    const int played = profile->dayProgress[kPaint];
    if (pictures.Count() > 0 && played > 0)
        for (int n = played % pictures.Count(); n > 0; --n) pictures.NextFile(0);
    const std::wstring first = pictures.CurrentFile();
    if (first.size() > 6) {
        picture.LoadSequence(first.substr(0, first.size() - 6) + L"*.png", back, 1, kPictureFrameMs);
    }
    picture.SetPosition(senior ? 255 : 345, 110);
    picture.visible = 0;

    if (profile->options.o21) LoadVisualCue(L"colors", true);
    // Paint ends without a reward animation: its own end sound, always.
    endSound.Open(L"sfx\\end\\paint.wav");
    LoadExerciseSounds({.name = L"paint", .numbers = L"\\paint\\colors\\*.wav"});

    StartSession(kMaxSpan);
    visibleCount = span > 4 ? 8 : 4;
    FinishInit();
    return 1;
}

int CPaint::SetupRound() {
    if (!BeginRound()) {
        if (clown.FrameCount() > 0) {
            clown.SetFrame(0);
            clown.Play(0, 0, 0, 0, 1);
        }
        return 1;
    }

    answerScan.Clear();
    for (int i = 0; i < kPotCount; ++i) {
        CSprite& pot = pots[static_cast<size_t>(i)];
        pot.visible = i < visibleCount ? 1 : 0;
        pot.StopAnimation();
        pot.SetFrame(0);
        pot.SetPosition(places[static_cast<size_t>(i)].x, places[static_cast<size_t>(i)].y);
        if (pot.visible) answerScan.Add(&pot);
    }
    const bool oneRow = visibleCount == 4;
    sequence = ChoosePlaces(oneRow ? L"data\\pos\\paint\\4pos\\" : L"data\\pos\\paint\\8pos\\", L"colors.txt",
                            oneRow ? 4 : kPotCount);
    stepIndex = 0;
    visualCue.visible = 0;
    return 1;
}

void CPaint::ShowItem(int item) {
    numbersSound.Play(item);
    visualCue.SetFrame(item);
    visualCue.visible = 1;
}

void CPaint::StepPainting() {
    if (phase != kPainting || !Passed(deadline)) return;
    if (picture.visible) {
        if (picture.IsLastFrame())
            picture.SetFrame(0);
        else
            picture.NextFrame();
    } else {
        picture.SetFrame(0);
        picture.visible = 1;
    }
    phase = Correct;
    deadline = Now() + 1000;
}

void CPaint::UpdateScene() {
    clown.Update();
    engine::UpdateAll(pots);
    // Painting comes between the presentation and the trainee's turn in the order of the
    // steps; no step leads into it, so it may go first.
    StepPainting();
}

void CPaint::OnItemPicked(int item) {
    engine::LightOnce(pots[static_cast<size_t>(item)]);
    if (phase == Correct) {
        phase = kPainting;
        deadline = Now() + 1000;
    }
}

void CPaint::DrawScene() {
    clown.Draw();
    picture.Draw();
    engine::DrawAll(pots);
}

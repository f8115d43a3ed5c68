#include "exercises/Cans.h"

#include "engine/ItemRow.h"
#include "profiles/Profile.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 8;
constexpr int kFirstPlaceX = 175;
constexpr float kCanLitMs = 800;
// A can is hit on its painted tin, not on the transparent corners of its image.
constexpr float kHitX = 18, kHitY = 7, kHitWidth = 85, kHitHeight = 120;
}  // namespace

const CSprite& CCans::Prop(int i) const {
    switch (i) {
        case 0: return leftProp1;
        case 1: return leftProp2;
        case 2: return rightProp1;
        default: return rightProp2;
    }
}

CCans::CCans() : CExercise(kCans) {}

int CCans::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\cans\\background.png")) return 1;
    shelf1.LoadImage(L"gfx\\cans\\shelf.png", back, 1, 0);
    shelf2.LoadImage(L"gfx\\cans\\shelf.png", back, 1, 0);
    shelf1.SetPosition(0, 200);
    shelf2.SetPosition(0, 400);

    for (int i = 0; i < kCanCount; ++i) {
        CSprite& can = cans[static_cast<size_t>(i)];
        const std::wstring stem = L"gfx\\cans\\cans\\can0" + std::to_wstring(i);
        can.LoadImage(stem + L"a.png", back, 1, 0);
        can.LoadImage(stem + L"b.png", back, 1, static_cast<int>(kCanLitMs));
        can.SetOutlineWidth(1);
        can.SetHitBox(kHitX, kHitY, kHitWidth, kHitHeight);
    }

    if (!profile->options.o3) {
        leftProp1.LoadSequence(L"gfx\\cans\\leftprop*.png", back, 1, 0);
        leftProp2.LoadSequence(L"gfx\\cans\\leftprop*.png", back, 1, 0);
        rightProp1.LoadSequence(L"gfx\\cans\\rightprop*.png", back, 1, 0);
        rightProp2.LoadSequence(L"gfx\\cans\\rightprop*.png", back, 1, 0);
    }

    const int pick = ChooseReward(L"cans", {{L"cactus"}, {L"stars"}});
    if (pick >= 0) {
        reward.SetFrameDuration(0, 500);
        if (pick == 0) reward.SetFrameDuration(7, 500);  // the cactus holds its flower
    }

    LoadExerciseSounds({.name = L"cans",
                        .itemShown = L"sfx\\click.wav",
                        .itemCorrect = L"sfx\\cans\\tinright.wav",
                        .shufflePraise = false});
    StartSession(kMaxSpan);
    FinishInit();
    return 1;
}

int CCans::SetupRound() {
    if (!BeginRound()) return 1;
    const bool senior = profile && profile->options.o3;

    // The two props of a shelf never show the same picture.
    if (!senior) {
        CSprite* pairs[2][2] = {{&leftProp1, &rightProp1}, {&leftProp2, &rightProp2}};
        for (auto& pair : pairs) {
            const int left = RandomInRange(0, 3);
            int right = RandomInRange(0, 3);
            while (right == left) right = RandomInRange(0, 3);
            pair[0]->SetFrame(left);
            pair[1]->SetFrame(right);
        }
    }

    const bool twoShelves = span > 4;
    std::wstring folder;
    if (!twoShelves) {
        shelf1.SetPosition(0, 330);
        shelf2.visible = 0;
        leftProp2.visible = 0;
        rightProp2.visible = 0;
        folder = L"data\\pos\\cans\\4pos\\";
    } else {
        shelf1.SetPosition(0, 200);
        shelf2.SetPosition(0, 400);
        shelf2.visible = 1;
        leftProp2.visible = 1;
        rightProp2.visible = 1;
        folder = L"data\\pos\\cans\\8pos\\";
    }
    leftProp1.SetPosition(70, shelf1.y - 118);
    rightProp1.SetPosition(650, shelf1.y - 118);
    leftProp2.SetPosition(70, shelf2.y - 118);
    rightProp2.SetPosition(650, shelf2.y - 118);

    // Places from left to right along the shelves, the top-left corner of a can.
    placeCount = twoShelves ? 8 : 4;
    const int step = static_cast<int>(cans[0].width) + 5;
    for (int p = 0; p < placeCount; ++p) {
        const CSprite& shelf = p < 4 ? shelf1 : shelf2;
        places[static_cast<size_t>(p)].x = static_cast<int16_t>(kFirstPlaceX + (p % 4) * step);
        places[static_cast<size_t>(p)].y = static_cast<int16_t>(shelf.y - 90);
    }

    for (auto& can : cans) {
        can.visible = 0;
        can.StopAnimation();
        can.SetFrame(0);
    }

    // Consecutive items are different cans standing at the places the candidate names.
    const std::vector<int> chosen = ChoosePlaces(folder, L"cans.txt", placeCount);
    sequence.clear();
    int j = RandomInRange(0, kCanCount - 1);
    for (int p : chosen) {
        if (sequence.size() >= static_cast<size_t>(kCanCount)) break;  // every can is in use
        sequence.push_back(j);
        CSprite& can = cans[static_cast<size_t>(j)];
        can.visible = 1;
        can.SetPosition(places[static_cast<size_t>(p)].x, places[static_cast<size_t>(p)].y);
        j = (j + 1) % kCanCount;
    }

    answerScan.Clear();
    const float halfW = cans[0].width / 2, halfH = cans[0].height / 2;
    for (int p = 0; p < placeCount; ++p) {
        const int cx = static_cast<int>(places[static_cast<size_t>(p)].x + halfW);
        const int cy = static_cast<int>(places[static_cast<size_t>(p)].y + halfH);
        for (auto& can : cans)
            if (can.visible && can.HitTest(cx, cy)) answerScan.Add(&can);
    }
    stepIndex = 0;
    return 1;
}

void CCans::OnItemPicked(int item) {
    CSprite& can = cans[static_cast<size_t>(item)];
    engine::LightOnce(can);
    // Scanning starts again at the first can left.
    answerScan.RemoveEntry(&can);
}

int CCans::Draw() {
    background.Draw();
    shelf1.Draw();
    shelf2.Draw();
    engine::DrawAll(cans);
    DrawHud(kCans);
    leftProp1.Draw();
    leftProp2.Draw();
    rightProp1.Draw();
    rightProp2.Draw();
    Present();
    return 1;
}

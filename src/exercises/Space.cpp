#include "exercises/Space.h"

#include "engine/ItemRow.h"

#include "profiles/Profile.h"

namespace {
constexpr int kMaxSpan = 10;
constexpr int kFlashMs = 800;

// Which picture each saucer shows, where it hovers and where it is hit.
struct Saucer {
    const wchar_t* frames;
    engine::ItemPlace place;
};
constexpr Saucer kSaucers[CSpace::kSaucerCount] = {
    {L"gfx\\space\\ufoleft*.png", {185, 160, {12, 26, 75, 120}}},
    {L"gfx\\space\\ufobottom*.png", {350, 185, {18, 1, 97, 93}}},
    {L"gfx\\space\\uforight*.png", {540, 160, {41, 7, 75, 120}}},
    {L"gfx\\space\\ufoleft*.png", {185, 320, {12, 26, 75, 120}}},
    {L"gfx\\space\\ufobottom*.png", {350, 310, {18, 1, 97, 93}}},
    {L"gfx\\space\\uforight*.png", {540, 320, {41, 7, 75, 120}}},
    {L"gfx\\space\\ufoup*.png", {265, 70, {7, 11, 124, 75}}},
    {L"gfx\\space\\ufoup*.png", {425, 70, {7, 11, 124, 75}}},
    {L"gfx\\space\\ufodown*.png", {260, 430, {25, 42, 120, 75}}},
    {L"gfx\\space\\ufodown*.png", {425, 430, {25, 42, 120, 75}}},
};
// The switch list runs from top to bottom: the two upper saucers, the ring, the two lower ones.
constexpr int kScanOrder[CSpace::kSaucerCount] = {6, 7, 0, 1, 2, 3, 4, 5, 8, 9};
}  // namespace

int CSpace::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\space\\background.png")) return 1;
    for (int i = 0; i < kSaucerCount; ++i) {
        CSprite& saucer = saucers[static_cast<size_t>(i)];
        saucer.LoadSequence(kSaucers[i].frames, back, 1, 0);
        saucer.SetFrameDuration(1, kFlashMs);
        engine::PlaceItem(saucer, kSaucers[i].place);
        saucer.SetOutlineWidth(1);
    }

    ChooseReward(L"space", {{L"normal"}, {L"upsidedown"}, {L"goingup"}});
    LoadExerciseSounds(
        {.name = L"space", .backwardInstruction = false, .itemShown = L"sfx\\space\\ufo.wav", .numbers = nullptr});
    StartSession(kMaxSpan);
    // Space plays forward only: a backward direction in the trainee's file (which Space never
    // writes) would count forward answers as backward ones, so it is not taken over.
    direction = 0;
    visibleCount = 10;
    if (profile->level == L"1" && span <= 6) visibleCount = 6;
    FinishInit();
    return 1;
}

int CSpace::SetupRound() {
    if (!BeginRound()) return 1;
    for (int i = 0; i < kSaucerCount; ++i) {
        CSprite& saucer = saucers[static_cast<size_t>(i)];
        saucer.visible = i < visibleCount ? 1 : 0;
        saucer.StopAnimation();
        saucer.SetFrame(0);
    }
    answerScan.Clear();
    for (int i : kScanOrder)
        if (saucers[static_cast<size_t>(i)].visible) answerScan.Add(&saucers[static_cast<size_t>(i)]);

    const wchar_t* folder = visibleCount == 6 ? L"data\\pos\\space\\6pos\\" : L"data\\pos\\space\\10pos\\";
    sequence = ChoosePlaces(folder, L"ufos.txt", visibleCount);
    stepIndex = 0;
    return 1;
}

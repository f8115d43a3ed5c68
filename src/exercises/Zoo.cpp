#include "exercises/Zoo.h"

#include "engine/ItemRow.h"

#include <algorithm>
#include <vector>

#include "profiles/Profile.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 10;
constexpr int kFrameMs = 200;  // frames whose time the table leaves open
constexpr uint32_t kBetweenAnimalsMs = 1400;
constexpr uint32_t kAfterLastCallMs = 1800;
constexpr float kRewardSpeed = 225;

struct AnimalHome {
    const wchar_t* name;
    engine::ItemPlace place;
    // Frames that stay longer (or shorter) than the others: {frame, ms}, frame -1 ends.
    int frameTimes[2][2];
};

// Where each animal lives and where it is hit: on its body, not the empty corners of its picture.
constexpr AnimalHome kAnimals[CZoo::kAnimalCount] = {
    {L"parrot", {55, 100, {30, 25, 115, 98}}, {{0, 100}, {1, 300}}},
    {L"lion", {250, 225, {50, 15, 115, 75}}, {{1, 500}, {-1, 0}}},
    {L"camel", {470, 140, {10, 15, 100, 100}}, {{1, 500}, {-1, 0}}},
    {L"elephant", {600, 65, {30, 15, 110, 85}}, {{2, 700}, {-1, 0}}},
    {L"monkey", {85, 275, {12, 15, 95, 95}}, {{-1, 0}, {-1, 0}}},
    {L"wasp", {305, 325, {10, 30, 100, 98}}, {{-1, 0}, {-1, 0}}},
    {L"zebra", {450, 260, {30, 23, 110, 93}}, {{2, 300}, {4, 200}}},
    {L"owl", {615, 185, {50, 15, 67, 95}}, {{-1, 0}, {-1, 0}}},
    {L"frog", {425, 485, {35, 5, 115, 80}}, {{-1, 0}, {-1, 0}}},
    {L"snake", {580, 390, {63, 13, 110, 95}}, {{-1, 0}, {-1, 0}}},
};
}  // namespace

int CZoo::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\zoo\\background.png")) return 1;

    for (int i = 0; i < kAnimalCount; ++i) {
        const AnimalHome& a = kAnimals[i];
        CSprite& animal = animals[static_cast<size_t>(i)];
        calls[static_cast<size_t>(i)].Open(std::wstring(L"sfx\\zoo\\") + a.name + L".wav");
        animal.LoadSequence(std::wstring(L"gfx\\zoo\\animals\\") + a.name + L"*.png", back, 1, kFrameMs);
        engine::PlaceItem(animal, a.place);
        for (const auto& t : a.frameTimes)
            if (t[0] >= 0) animal.SetFrameDuration(t[0], t[1]);
        animal.user[0] = i;
    }

    // The bird flies in from the left, the bee from the right, along y = 350.
    const int pick = ChooseReward(L"zoo", {{L"bird", 400}, {L"bee", 250}});
    if (pick == 0) {
        reward.SetPosition(-100, 350);
        rewardSpeed = kRewardSpeed;
    } else if (pick == 1) {
        reward.SetPosition(805, 350);
        rewardSpeed = -kRewardSpeed;
    }

    LoadExerciseSounds({.name = L"zoo", .backwardInstruction = false});
    // The calls are effects: with the sound option off they stay silent like the others.
    for (auto& call : calls) call.SetSilent(!profile->options.o0);
    StartSession(kMaxSpan);
    // Only the forward instruction exists and the sequence is never reversed, whatever the
    // trainee's file says about the direction.
    direction = 0;

    const std::wstring& level = profile->level;
    visibleCount = level == L"1" ? 6 : level == L"3" ? 10 : 8;
    if (visibleCount < span) visibleCount = span < 9 ? 8 : 10;

    FinishInit();
    return 1;
}

int CZoo::SetupRound() {
    if (!BeginRound()) {
        if (rewardDue) {
            // It keeps flapping while it crosses the screen.
            reward.SetVelocity(rewardSpeed, 0);
            reward.Play(1, 0, 0, 0, 1);
        }
        return 1;
    }

    for (auto& animal : animals) {
        animal.visible = 0;
        animal.StopAnimation();
        animal.SetFrame(0);
    }
    std::vector<int> chosen = ChoosePlaces(L"data\\pos\\zoo\\10pos\\", L"animals.txt", kAnimalCount);
    if (chosen.size() > static_cast<size_t>(span)) chosen.resize(static_cast<size_t>(span));
    sequence = chosen;
    for (int k : sequence) animals[static_cast<size_t>(k)].visible = 1;

    // Animals that take no part in the sequence come out beside it.
    std::vector<int> others;
    for (int i = 0; i < kAnimalCount; ++i)
        if (!animals[static_cast<size_t>(i)].visible) others.push_back(i);
    const int out = kAnimalCount - static_cast<int>(others.size());
    const int extra = std::min(std::max(visibleCount - out, 0), static_cast<int>(others.size()));
    ShuffleList(others.begin(), others.end());
    for (int e = 0; e < extra; ++e) animals[static_cast<size_t>(others[static_cast<size_t>(e)])].visible = 1;

    answerScan.Clear();
    for (auto& animal : animals)
        if (animal.visible) answerScan.Add(&animal);
    stepIndex = 0;
    return 1;
}

void CZoo::StepPresenting() {
    if (!Passed(deadline)) return;
    if (stepIndex < sequence.size()) {
        const int k = Index(sequence[stepIndex]);
        engine::LightOnce(animals[static_cast<size_t>(k)]);
        CSoundGroup& call = calls[static_cast<size_t>(k)];
        call.Play(0);
        ++stepIndex;
        // The last call is heard out before the trainee's turn.
        deadline = Now() + (stepIndex < sequence.size() ? kBetweenAnimalsMs : call.Length(0) + kAfterLastCallMs);
        return;
    }
    FinishPresentation();
}

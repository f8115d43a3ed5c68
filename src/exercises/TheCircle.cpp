#include "exercises/TheCircle.h"

#include "engine/ItemRow.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

#include "profiles/Profile.h"
#include "text/FileUtil.h"
#include "text/Random.h"

namespace {
constexpr int kMaxSpan = 8;
constexpr float kCentreX = 400, kCentreY = 300, kRadius = 150;
constexpr int kLampLitMs = 1000;
constexpr uint32_t kBetweenLampsMs = 1700;
constexpr uint32_t kAfterLastSoundMs = 1800;
// A lamp is hit on its glass, not on the corners of its picture.
constexpr float kHitInset = 12, kHitSize = 56;
constexpr double kPi = 3.14159265358979323846;
}  // namespace

int CTheCircle::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    if (!BeginInit(back, window, buffer, p, L"gfx\\thecircle\\background.png")) return 1;
    const bool senior = profile->options.o3 != 0;

    circle.LoadImage(L"gfx\\thecircle\\circle.png", back, 1, 0);
    circle.SetPosition(kCentreX - circle.width / 2, kCentreY - circle.height / 2);

    // Picture i and sound entry i are the same animal: the two folders hold matching names.
    CFileUtil pictureList;
    pictureList.AddFiles(senior ? L"gfx\\senior\\thecircle\\instruments\\*.png" : L"gfx\\thecircle\\animals\\*.png");
    animalSounds.OpenAll(senior ? L"sfx\\thecircle\\instruments\\*.wav" : L"sfx\\thecircle\\animals\\*.wav");
    for (int i = 0; i < kPictureCount && i < pictureList.Count(); ++i) {
        CSprite& picture = pictures[static_cast<size_t>(i)];
        picture.LoadImage(pictureList.GetPath(i), back, 1, 0);
        picture.SetPosition(kCentreX - picture.width / 2, kCentreY - picture.height / 2);
        picture.visible = 0;
    }

    // Lamp 0 at the top, the numbers running clockwise (screen y grows downwards).
    for (int k = 0; k < kLampCount; ++k) {
        CSprite& lamp = lamps[static_cast<size_t>(k)];
        lamp.LoadImage(L"gfx\\thecircle\\ledoff.png", back, 1, 0);
        lamp.LoadImage(L"gfx\\thecircle\\ledon.png", back, 1, kLampLitMs);
        const double a = (-90.0 + 45.0 * k) * kPi / 180.0;
        lamp.SetPosition(static_cast<float>(kRadius * std::cos(a) + kCentreX - lamp.width / 2),
                         static_cast<float>(kRadius * std::sin(a) + kCentreY - lamp.height / 2));
        lamp.SetHitBox(kHitInset, kHitInset, kHitSize, kHitSize);
        lamp.SetOutlineWidth(1);
        answerScan.Add(&lamp);
    }

    if (!senior) {
        decoration.LoadImage(L"gfx\\thecircle\\extra" + std::to_wstring(RandomInRange(0, 2)) + L".png", back, 1, 0);
        decoration.SetPosition(640, 170);
    }

    ChooseReward(L"thecircle", {{L"bird"}, {L"cat"}, {L"snake"}});
    // The cue shows what is played: the instruments in the senior layout.
    if (profile->options.o21) LoadVisualCue(senior ? L"instruments" : L"animals", true);
    LoadExerciseSounds({.name = L"thecircle",
                        .backwardInstruction = false,
                        .itemCorrect = nullptr,
                        .numbers = nullptr,
                        .shufflePraise = false});
    // The animals' sounds are effects: with the sound option off they stay silent like the others.
    animalSounds.SetSilent(!profile->options.o0);
    StartSession(kMaxSpan);
    FinishInit();
    return 1;
}

int CTheCircle::SetupRound() {
    // The circle's animals are given a longer last look.
    if (!BeginRound(3000)) return 1;
    std::srand(Now());

    // The eight lamps hide eight different animals of the ten.
    for (auto& picture : pictures) picture.visible = 0;
    std::array<int, kPictureCount> animals{};
    std::iota(animals.begin(), animals.end(), 0);
    ShuffleList(animals.begin(), animals.end());
    for (int k = 0; k < kLampCount; ++k) lampAnimal[static_cast<size_t>(k)] = animals[static_cast<size_t>(k)];

    // span lamps of the eight light, in clockwise order.
    sequence.resize(kLampCount);
    std::iota(sequence.begin(), sequence.end(), 0);
    while (sequence.size() > static_cast<size_t>(std::max(span, 1))) {
        const int drop = RandomInRange(0, static_cast<int>(sequence.size()) - 1);
        sequence.erase(sequence.begin() + drop);
    }

    // The first and the last lit lamp are asked for less often: an end is drawn once more.
    const int last = static_cast<int>(sequence.size()) - 1;
    int i = RandomInRange(0, last);
    if (i == 0 || i == last) i = RandomInRange(0, last);
    targetPosition = sequence[static_cast<size_t>(i)];

    stepIndex = 0;
    visualCue.visible = 0;
    return 1;
}

void CTheCircle::ShowOnly(int picture) {
    for (int i = 0; i < kPictureCount; ++i) pictures[static_cast<size_t>(i)].visible = i == picture ? 1 : 0;
}

void CTheCircle::StepPresenting() {
    if (!Passed(deadline)) return;
    if (stepIndex < sequence.size()) {
        const int k = sequence[stepIndex] & 7;
        const int animal = lampAnimal[static_cast<size_t>(k)];
        ShowOnly(-1);
        engine::LightOnce(lamps[static_cast<size_t>(k)]);
        animalSounds.Play(animal);
        visualCue.SetFrame(animal);
        visualCue.visible = 1;
        ++stepIndex;
        // The last animal is heard out before the trainee's turn.
        deadline =
            Now() + (stepIndex < sequence.size() ? kBetweenLampsMs : animalSounds.Length(animal) + kAfterLastSoundMs);
        return;
    }
    FinishPresentation();
    ShowOnly(lampAnimal[static_cast<size_t>(targetPosition)]);
}

void CTheCircle::UpdateScene() {
    engine::UpdateAll(pictures);
    engine::UpdateAll(lamps);
}

int CTheCircle::OnMouseDown(unsigned, long lParam) {
    const int x = MouseParamX(lParam);
    const int y = MouseParamY(lParam);
    if (HandleCommonPress(x, y)) return 1;
    for (int k = 0; k < kLampCount; ++k) {
        if (phase != Answering || !lamps[static_cast<size_t>(k)].HitTest(x, y)) continue;
        const CSprite& target = lamps[static_cast<size_t>(targetPosition)];
        if (k == targetPosition) {
            RecordCorrectItem();
            OnRoundCorrect();
            engine::LightOnce(lamps[static_cast<size_t>(k)]);
            const int animal = lampAnimal[static_cast<size_t>(k)];
            ShowOnly(animal);
            animalSounds.Play(animal);
            phase = Correct;
        } else {
            OnRoundWrong();
            wrongSound.Play(0);
            showCorrect.SetPosition(target.CentreX() - showCorrect.width / 2,
                                    target.CentreY() - showCorrect.height / 2);
            phase = Wrong;
        }
        deadline = Now() + 2000;
    }
    HandleHelpPress(x, y);
    return 1;
}

void CTheCircle::DrawScene() {
    circle.Draw();
    decoration.Draw();
    engine::DrawAll(pictures);
    engine::DrawAll(lamps);
}

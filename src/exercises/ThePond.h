#pragma once
// The pond: up to ten fish of different sizes swim back and forth; in each trial some fish
// blow a bubble one after another (the fish lights up and a bubble rises from its mouth), and
// the trainee clicks the same fish in the same order while they keep swimming. The pond makes
// its sequences itself and always runs forward.
#include <array>
#include <cstdint>

#include "engine/Exercise.h"

class CThePond final : public CExercise {
public:
    static constexpr int kFishCount = 10;
    // The band the fish swim in while they are in play: x of their picture, y of their hit area.
    static constexpr float kLeft = 85, kRight = 780, kTop = 25, kBottom = 540;

    CThePond();

    int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile) override;
    // The fish in columns, each with its own speed; the sequence drawn among the shown fish.
    int SetupRound() override;
    // Of the fish under the pointer the expected one counts; open water counts for nothing.
    int OnMouseDown(unsigned wParam, long lParam) override;
    // The shell moves on; a streak at span 10 brings the hard fish.
    void OnRoundCorrect() override;

    // Read by tests and tools.
    const CSprite& Fish(int i) const { return fish[Index(i)]; }
    const CSprite& LitFish(int i) const { return litFish[Index(i)]; }
    bool Active(int i) const { return active[Index(i)]; }
    const CSprite& Bubble() const { return bubble; }
    const CSprite& Shell() const { return shell; }
    bool HardSet() const { return hardSetLoaded; }

protected:
    // A fish shown lights up and a bubble rises from it; the bubble is gone when the sequence is.
    void ShowItem(int item) override;
    void StepPresenting() override;
    std::span<CSprite> Items() override { return fish; }
    // Every pass the fish swim (see Swim) before the phase steps run.
    void UpdateScene() override;
    void DrawScene() override;

private:
    static size_t Index(int i) { return static_cast<size_t>(i) % kFishCount; }
    // Loads the easy or the hard pictures for all ten fish and their lit versions.
    void LoadFishSet(bool hard);
    void Swim();
    void LightFish(int i, uint32_t forMs);

    std::array<CSprite, kFishCount> fish;
    std::array<CSprite, kFishCount> litFish;
    std::array<bool, kFishCount> active{};
    std::array<int, kFishCount> value{};  // the fish's own index while it is in the sequence, else -1
    CSprite bubble;
    CSprite shell;
    bool hardSetLoaded = false;
    uint32_t litUntil = 0;
};

#pragma once
// What every exercise's Init and Update share, so that an exercise's own file holds only its
// scene, its layout and how its items are shown and hit: the sound groups by role, the reward
// choice with its end sound, and the set-up that ends every Init.
#include <initializer_list>
#include <string>

// The files of an exercise's sound groups. Effects lie under "sfx\", speech under
// "speech\" + language; a null entry leaves that group empty.
struct ExerciseSounds {
    // The exercise's asset name: "sfx\intro\" + name + ".wav".
    const wchar_t* name = L"";
    // The speech folder of its instructions: "\" + folder + "\instructionf.wav" / "instructionr.wav";
    // null: the folder named as the exercise.
    const wchar_t* instructionFolder = nullptr;
    bool forwardInstruction = true;
    bool backwardInstruction = true;
    // The item-shown effect: one file or a pattern ("sfx\click.wav", "sfx\ghosthouse\*.wav").
    const wchar_t* itemShown = nullptr;
    const wchar_t* itemCorrect = L"sfx\\correct.wav";
    // The numbers role, under the speech folder: the spoken numbers, or Paint's colours.
    const wchar_t* numbers = L"\\numbers\\*.wav";
    // Whether the praise plays in random order.
    bool shufflePraise = true;
};

// One reward animation an exercise may end its session with: "gfx\" + exercise + "\rewards\"
// + name + "*.png" and "sfx\" + exercise + "\rewards\" + name + ".wav".
struct RewardChoice {
    const wchar_t* name;
    int frameMs = 250;
};

#pragma once
// The trainee's settings, o0..o21, and the language texts every screen fetches through
// the active profile.
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "text/Language.h"

namespace profiles {
class LineSource;
class LineSink;
}  // namespace profiles

class ProfileOptions final : public LanguageTexts {
public:
    // Chooses the language, sets the option defaults, applies the language's locale and
    // loads its texts, in this order.
    ProfileOptions();

    int32_t o0 = 1;  // sound effects
    int32_t o1 = 1;  // music
    int32_t o2 = 1;  // use stop: the menu's stop button is active
    int32_t o3 = 0;  // senior layout
    int32_t o4 = 1;  // rabbit figure
    int32_t o5 = 1;  // reward
    int32_t o6 = 0;  // show correct
    int32_t o7 = 0;  // 1 = one-contact switch access (automatic stepping), 0 = two contacts
    int32_t o8 = 0;  // extra frame following the pointer over active buttons
    // o9..o18: exerciseOn[g] is o(9 + g), exercise g is part of the trainee's plan.
    int32_t exerciseOn[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int32_t o19 = 3;   // scan time in seconds for automatic stepping
    float o20 = 0.2f;  // stored and loaded, not otherwise used
    int32_t o21 = 0;   // visual cues

    // o(9 + g) for g = 0..9; 0 for any other g.
    int32_t ExerciseOn(int g) const { return g >= 0 && g < 10 ? exerciseOn[g] : 0; }
    void SetExerciseOn(int g, int32_t on) {
        if (g >= 0 && g < 10) exerciseOn[g] = on;
    }

    // How a Yes/No question looks to this trainee: Yes and No in the language, and the
    // scan time when the trainee uses one contact.
    platform::QuestionOptions Question() const;

    // o0..o21 back to their defaults; the language and its texts stay.
    void ResetValues();

    // ".opt": o0, o1, o2, o4..o8, o9..o18, o19, o20 (with a decimal point), o21, o3.
    // The last two lines may be missing: o21 and o3 then read as 0.
    void ReadValues(profiles::LineSource& in);
    void WriteValues(profiles::LineSink& out) const;
    static constexpr int kLines = 22;
    static constexpr int32_t kMinScanTime = 1;  // seconds
    static constexpr int32_t kMaxScanTime = 5;
};

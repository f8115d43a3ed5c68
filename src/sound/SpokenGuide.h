#pragma once
// The recorded spoken guide of a screen: the prompts of one variant, played one after
// another with a second's pause between them, starting a second after the guide is made.
#include <cstdint>
#include <string>

#include "sound/SoundGroup.h"

class CSpokenGuide final : public CSoundGroup {
public:
    CSpokenGuide();
    // Opens "speech\<language>\intro\<screen>\<letter>*.wav" for variant 0..12 (letters a..m)
    // of a screen 0..18; 1 when the pattern was valid, 0 otherwise.
    int LoadVariant(int screenId, const std::wstring& languageName, int variant);
    // Called once per loop pass: starts the next prompt when it is due; never wraps.
    void Tick();

private:
    uint32_t nextTime;
};

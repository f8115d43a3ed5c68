#pragma once
// The record the crash test's saver writes for version v: every stored value follows from
// v, so a file's content tells which version it holds and whether it is whole.
#include <cstdint>
#include <string>

#include "profiles/DiplomaPlacements.h"

#include "profiles/Profile.h"

inline void FillVersion(Profile& p, int v) {
    p.password = L"p" + std::to_wstring(v) + std::wstring(static_cast<size_t>(v % 7), L'x');
    p.lastDate = L"last" + std::to_wstring(v);
    for (int k = 0; k < 25; ++k) p.dayDates[k] = L"v" + std::to_wstring(v);
    for (int g = 0; g < 10; ++g) {
        p.dayProgress[g] = v % 26;  // values stay in the ranges a load keeps
        p.span[g] = v % 10;
        p.direction[g] = v % 2;
    }
    p.coins = v;
    p.roundsPerDay = 8 + v % 3;
    p.trainingDays = 15 + v % 11;
    p.options.o19 = 1 + v % 5;
    p.options.o20 = static_cast<float>(v);  // the version of the ".opt"
    for (int g = 0; g < 10; ++g) p.options.SetExerciseOn(g, v % 2);
    for (int d = 0; d < 25; ++d)
        for (int g = 0; g < 10; ++g)
            for (int s = 0; s < 10; ++s) {
                p.stats.itemsForward[d][g][s] = v;
                p.stats.itemsBackward[d][g][s] = v + d;
                p.stats.errorsForward[d][g][s] = v + g;
                p.stats.errorsBackward[d][g][s] = v + s;
                p.stats.points[d][g][s] = v % 151;
            }
}

// Version v of the other files the crash test's saver writes: one placed sticker, and a
// picture all of one colour.
inline profiles::StickerPlacement PlacementOf(int v) { return {L"item01.png", v % 1600, v / 1600 % 1600}; }
inline int VersionOfPlacement(const profiles::StickerPlacement& p) { return p.x + 1600 * p.y; }
inline uint32_t PictureColour(int v) { return 0xFF000000u | (static_cast<uint32_t>(v) & 0xFFFFFFu); }

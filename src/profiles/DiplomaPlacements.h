#pragma once
// The stickers a trainee placed on one diploma design, kept in the trainee's ".0dp" to ".4dp"
// file so that a sticker paid for is still on the diploma the next time. A small text format
// of our own, UTF-8, one sticker per line after a header line with the format's version:
//
//     Kestrova diploma 1
//     item03.png,120,340
//
// (the sticker's file name in the design folder, then the x and y of its top-left corner on
// the canvas). A missing, damaged, oversized or foreign file reads as an empty diploma.
#include <string>
#include <vector>

namespace profiles {

struct StickerPlacement {
    std::wstring file;  // the name alone, as listed in the design folder
    int x = 0;
    int y = 0;
    bool operator==(const StickerPlacement&) const = default;
};

// Reads the placements; an empty list when the file is missing or not one of ours. Lines
// that do not parse, names with folder parts and repeated names are skipped; positions are
// kept on the canvas.
std::vector<StickerPlacement> ReadPlacements(const std::wstring& path);
// Replaces the file in one step; false when it could not be written (the old one stays).
bool WritePlacements(const std::wstring& path, const std::vector<StickerPlacement>& placements);

}  // namespace profiles

#pragma once
// Switch access: a list of the screen's clickable sprites that the pointer walks over, one
// entry after another, by moving the real pointer onto them. Selecting presses the mouse at
// the current entry, so the screen's ordinary press handling does the rest (hover feedback,
// the press gate, answer checking). One contact: the program steps by itself every scan
// time; two contacts: one switch steps (Space), the other selects (Enter).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CSprite;

class ScanList final {
public:
    // What a selection does: the screen's mouse press at a canvas point.
    using PressAt = std::function<void(int x, int y)>;
    void SetPress(PressAt press) { pressAt = std::move(press); }
    // Automatic stepping every seconds (0: none; outside 0..5, every 3 s), the first step one
    // interval from now.
    void SetScanTime(int seconds);
    void Add(CSprite* sprite) { entries.push_back(sprite); }
    void Clear();
    // Drops the current entry; current becomes -1 (nothing when there is no current entry).
    void RemoveCurrent();
    // Drops the entry of sprite wherever it stands; current becomes -1 (nothing when the
    // sprite is not in the list). A pick made with the mouse then leaves the list right even
    // while the scan rests on another entry.
    void RemoveEntry(const CSprite* sprite);
    void Select(int index, bool move);
    // No automatic stepping any more and no current entry: the pointer is the mouse's again.
    void Rest() {
        interval = 0;
        current = -1;
    }
    // The next entry (the first after the last, and from none), with the pointer on it.
    void Step();
    // Automatic stepping, called every pass while the list runs.
    void Tick();
    // A press at the current entry's centre.
    void Press();
    // The entry a press in progress was made for (nullptr outside Press): where entries
    // overlap, the switch user chose this one and no other under its centre.
    const CSprite* Pressing() const { return pressing; }

    int Current() const { return current; }
    int Count() const { return static_cast<int>(entries.size()); }
    CSprite* Entry(int index) const { return Valid(index) ? entries[static_cast<size_t>(index)] : nullptr; }
    int Interval() const { return interval; }

private:
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(entries.size()); }
    void MovePointer() const;

    int current = -1;
    std::vector<CSprite*> entries;  // not owned
    int interval = 0;
    uint32_t nextStep = 0;
    PressAt pressAt;
    const CSprite* pressing = nullptr;
};

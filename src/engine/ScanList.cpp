#include "engine/ScanList.h"

#include "graphics/Sprite.h"
#include "platform/Platform.h"

namespace {
constexpr int kLongestScanTime = 5;
constexpr int kDefaultScanTime = 3;

// The entry's centre in whole canvas pixels.
void Centre(const CSprite& s, int& x, int& y) {
    x = static_cast<int>(s.x + s.width / 2);
    y = static_cast<int>(s.y + s.height / 2);
}
}  // namespace

void ScanList::SetScanTime(int seconds) {
    // The settings offer 1 to 5 s. Any other time comes from a damaged options file: below
    // 0 the pointer would jump every pass, a huge one would overflow; it steps as by default.
    if (seconds < 0 || seconds > kLongestScanTime) seconds = kDefaultScanTime;
    interval = seconds * 1000;
    if (seconds != 0) nextStep = platform::TimeGetTime() + static_cast<uint32_t>(interval);
}

void ScanList::Clear() {
    entries.clear();
    current = -1;
}

void ScanList::RemoveCurrent() {
    if (!Valid(current)) return;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(current));
    current = -1;
}

void ScanList::RemoveEntry(const CSprite* sprite) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != sprite) continue;
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
        current = -1;
        return;
    }
}

void ScanList::Select(int index, bool move) {
    if (!Valid(index)) return;
    current = index;
    if (move) MovePointer();
}

void ScanList::Step() {
    if (entries.empty()) {
        current = -1;
        return;
    }
    ++current;
    if (current < 0 || current >= static_cast<int>(entries.size())) current = 0;
    MovePointer();
}

void ScanList::Tick() {
    if (interval == 0) return;
    const uint32_t now = platform::TimeGetTime();
    if (static_cast<int32_t>(now - nextStep) > 0) {
        Step();
        nextStep = now + static_cast<uint32_t>(interval);
    }
}

void ScanList::Press() {
    if (!Valid(current) || !pressAt) return;
    int x = 0, y = 0;
    Centre(*entries[static_cast<size_t>(current)], x, y);
    pressing = entries[static_cast<size_t>(current)];
    pressAt(x, y);
    pressing = nullptr;
}

void ScanList::MovePointer() const {
    if (!Valid(current)) return;
    int x = 0, y = 0;
    Centre(*entries[static_cast<size_t>(current)], x, y);
    platform::Os().SetCursorPos(x, y);
}

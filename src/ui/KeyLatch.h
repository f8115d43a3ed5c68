#pragma once
// A key acts once per press: while one is held, its repeats (and any other key) are let
// through only after a release.
namespace ui {

class KeyLatch final {
public:
    // True when a key may act now; it then holds the latch until Release.
    bool Take() {
        if (held_) return false;
        held_ = true;
        return true;
    }
    void Release() { held_ = false; }

private:
    bool held_ = false;
};

}  // namespace ui

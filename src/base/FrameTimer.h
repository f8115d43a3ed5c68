#pragma once
// Elapsed-time reader in seconds. The main loop and every sprite own one; the reading
// count and the elapsed sum behind the rate are shared by all timers of the program.
#include <cstdint>

class FrameTimer {
public:
    void Start();
    void Tick();
    void Restart();

    float Elapsed() const { return elapsed_; }
    float Total() const { return total_; }
    int Count() const { return count_; }
    float Rate() const { return rate_; }
    bool HighResolution() const { return highResolution_; }

    // Clears the values shared by all timers (tests start from a known state).
    static void ResetShared();

private:
    int highResolution_ = 0;
    int64_t frequency_ = 0;
    int64_t previous_ = 0;
    float elapsed_ = 0;
    float total_ = 0;
    int count_ = 0;
    float rate_ = 0;
};

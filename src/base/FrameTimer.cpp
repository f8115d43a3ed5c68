#include "base/FrameTimer.h"

#include "platform/Platform.h"

namespace {
int sharedCount = 0;
float sharedSum = 0;
}  // namespace

void FrameTimer::ResetShared() {
    sharedCount = 0;
    sharedSum = 0;
}

void FrameTimer::Start() {
    auto& os = platform::Os();
    frequency_ = os.PerfFrequency();
    highResolution_ = frequency_ > 0;
    previous_ = highResolution_ ? os.PerfCounter() : static_cast<int64_t>(os.TimeGetTime());
    elapsed_ = 0;
    total_ = 0;
    count_ = 0;
}

void FrameTimer::Restart() {
    auto& os = platform::Os();
    previous_ = highResolution_ ? os.PerfCounter() : static_cast<int64_t>(os.TimeGetTime());
}

void FrameTimer::Tick() {
    auto& os = platform::Os();
    if (highResolution_) {
        int64_t now = os.PerfCounter();
        elapsed_ = static_cast<float>(static_cast<double>(now - previous_) / static_cast<double>(frequency_));
        previous_ = now;
    } else {
        uint32_t now = os.TimeGetTime();
        elapsed_ = static_cast<float>(static_cast<uint32_t>(now - static_cast<uint32_t>(previous_)) / 1000.0);
        previous_ = now;
    }
    total_ += elapsed_;
    ++count_;
    ++sharedCount;
    sharedSum += elapsed_;
    if (sharedSum >= 1.0f) {
        rate_ = static_cast<float>(sharedCount) / sharedSum;
        sharedCount = 0;
        sharedSum = 0;
    }
}

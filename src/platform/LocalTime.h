#pragma once
// The local calendar time of a moment, safe to call from any thread.
#include <ctime>

namespace platform {

bool LocalTime(std::time_t moment, std::tm& local);

}  // namespace platform

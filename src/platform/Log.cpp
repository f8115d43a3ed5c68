#include "platform/Log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Utf.h"

namespace platform {

void LogQuietFailure(const char* what, const std::wstring& subject) {
    // Read every time: failures are rare, and a test may set the variable while running.
    const char* on = std::getenv("KESTROVA_LOG");
    if (!on || std::strcmp(on, "1") != 0) return;
    std::fprintf(stderr, "kestrova: %s %s\n", what, Utf8FromWide(subject).c_str());
}

}  // namespace platform

#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
std::unique_ptr<Backend>& Slot() {
    static std::unique_ptr<Backend> backend;
    return backend;
}
}  // namespace

Backend& Os() {
    auto& b = Slot();
    if (!b) {
        std::fputs("kestrova: no platform backend installed\n", stderr);
        std::abort();
    }
    return *b;
}

void InstallBackend(std::unique_ptr<Backend> backend) { Slot() = std::move(backend); }
bool HasBackend() { return Slot() != nullptr; }

}  // namespace platform

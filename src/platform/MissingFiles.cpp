#include "platform/MissingFiles.h"

#include <algorithm>

#include "platform/Log.h"

namespace platform {
namespace {
bool recording = false;
std::vector<std::wstring>& Noted() {
    static std::vector<std::wstring> noted;
    return noted;
}
}  // namespace

void SetMissingFileRecord(bool on) {
    recording = on;
    Noted().clear();
}

void NoteMissingFile(const std::wstring& path, const char* what) {
    if (path.empty()) return;  // an empty path asks for no picture (a label alone)
    LogQuietFailure(what, path);
    if (!recording) return;
    auto& n = Noted();
    if (std::find(n.begin(), n.end(), path) == n.end() && n.size() < 1000) n.push_back(path);
}

std::vector<std::wstring> TakeMissingFiles() {
    std::vector<std::wstring> out;
    out.swap(Noted());
    return out;
}

}  // namespace platform

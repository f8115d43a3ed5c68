#include "profiles/DiplomaPlacements.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <sstream>

#include "platform/Files.h"
#include "platform/Utf.h"

namespace profiles {
namespace {

constexpr const char* kHeader = "Kestrova diploma 1";
// A design has a few dozen stickers; anything much larger is not a file of ours.
constexpr size_t kMaxBytes = 64 * 1024;
constexpr int kMinPos = -800, kMaxPos = 1600;

// The file is looked up by its exact name, as every other file of the trainee: a trainee
// whose name differs only in letter case has diplomas of its own. (A file system that ignores
// letter case, as Windows' do, holds only one of two such trainees, and the file it finds is
// that trainee's.)
bool ReadCapped(const std::wstring& path, std::string& bytes) {
    const size_t cut = path.find_last_of(L"\\/");
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
    const std::wstring name = cut == std::wstring::npos ? path : path.substr(cut + 1);
    return platform::ReadFileInFolder(folder, name, kMaxBytes, bytes) == platform::ReadResult::kRead;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool SafeStickerName(const std::string& name) {
    if (name.empty() || name.size() > 64 || name == "." || name == "..") return false;
    return std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '_' ||
               c == '-';
    });
}

}  // namespace

std::vector<StickerPlacement> ReadPlacements(const std::wstring& path) {
    std::vector<StickerPlacement> out;
    std::string bytes;
    if (!ReadCapped(path, bytes)) return out;
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line)) return out;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line != kHeader) return out;
    std::set<std::string> seen;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t a = line.find(',');
        const size_t b = a == std::string::npos ? a : line.find(',', a + 1);
        if (b == std::string::npos) continue;
        const std::string name = line.substr(0, a);
        int x = 0, y = 0;
        if (!SafeStickerName(name) || !ParseInt(line.substr(a + 1, b - a - 1), x) || !ParseInt(line.substr(b + 1), y) ||
            !seen.insert(name).second)
            continue;
        out.push_back({platform::WideFromUtf8(name), std::clamp(x, kMinPos, kMaxPos), std::clamp(y, kMinPos, kMaxPos)});
    }
    return out;
}

bool WritePlacements(const std::wstring& path, const std::vector<StickerPlacement>& placements) {
    std::string bytes = std::string(kHeader) + "\n";
    for (const auto& p : placements) {
        const std::string name = platform::Utf8FromWide(p.file);
        if (!SafeStickerName(name)) continue;
        bytes += name + "," + std::to_string(p.x) + "," + std::to_string(p.y) + "\n";
    }
    return platform::WriteFileAtomic(path, bytes);
}

}  // namespace profiles

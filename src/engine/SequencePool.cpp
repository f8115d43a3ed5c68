#include "engine/SequencePool.h"

#include <algorithm>
#include <climits>
#include <cwctype>

#include "platform/MissingFiles.h"
#include "text/Random.h"
#include "text/TextFile.h"

namespace engine {

std::wstring SequencePoolPath(const std::wstring& folder, int span, const std::wstring& listName) {
    return folder + std::to_wstring(span) + listName;
}

int LineNumber(const std::wstring& line) {
    size_t i = 0;
    while (i < line.size() && std::iswspace(static_cast<wint_t>(line[i]))) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == L'+' || line[i] == L'-')) negative = line[i++] == L'-';
    long long value = 0;
    for (; i < line.size() && line[i] >= L'0' && line[i] <= L'9'; ++i) {
        value = value * 10 + (line[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool ReadSequencePool(const std::wstring& path, int span, SequencePool& pool) {
    if (span < kMinPoolSpan || span > kMaxPoolSpan) return false;
    CTextFileRead file(path);
    if (!file.IsOpen()) {
        platform::NoteMissingFile(path);
        return false;
    }
    pool.clear();
    try {
        for (;;) {
            std::vector<int> candidate;
            bool lastEmpty = false;
            int lines = 0;
            std::wstring line;
            for (; lines < span && file.ReadLine(line); ++lines) {
                lastEmpty = line.empty();
                if (!lastEmpty) candidate.push_back(LineNumber(line));
            }
            if (lines < span) break;  // the file ended inside this group (or before it)
            if (!lastEmpty) pool.push_back(std::move(candidate));
        }
    } catch (const CTextFileException&) {
        // A failing disk: the complete groups read so far stay.
    }
    file.Close();
    return true;
}

std::vector<int> ChooseCandidate(SequencePool& pool, int span, int places) {
    ShuffleList(pool.begin(), pool.end());
    for (const auto& candidate : pool) {
        if (candidate.empty()) continue;
        const bool inside =
            std::all_of(candidate.begin(), candidate.end(), [places](int p) { return p >= 0 && p < places; });
        if (inside) return candidate;
    }
    std::vector<int> all;
    for (int p = 0; p < places; ++p) all.push_back(p);
    ShuffleList(all.begin(), all.end());
    all.resize(static_cast<size_t>(std::clamp(span, 0, std::max(places, 0))));
    return all;
}

}  // namespace engine

#include "profiles/NumberTestResults.h"

#include <ctime>

#include "platform/Files.h"
#include "platform/LocalTime.h"
#include "profiles/NumberText.h"
#include "profiles/Profile.h"
#include "profiles/ProfileFile.h"

namespace profiles {

namespace {

constexpr wchar_t kExtension[] = L".ntr";

// A whole number as the file writes it: digits only, at most three of them.
bool ReadSmall(const std::wstring& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 3) return false;
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    value = ReadInt(text);
    return value >= low && value <= high;
}

}  // namespace

bool IsIsoDate(const std::wstring& text) {
    if (text.size() != 10 || text[4] != L'-' || text[7] != L'-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < L'0' || text[i] > L'9') return false;
    const int month = (text[5] - L'0') * 10 + (text[6] - L'0');
    const int day = (text[8] - L'0') * 10 + (text[9] - L'0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::vector<NumberTestResult> ReadNumberTests(LineSource& in) {
    std::vector<NumberTestResult> results;
    while (!in.AtEnd()) {
        NumberTestResult r;
        r.date = in.Text();
        const std::wstring level = in.Text();
        const std::wstring score = in.Text();
        if (IsIsoDate(r.date) && ReadSmall(level, 1, 3, r.level) && ReadSmall(score, 0, kMaxNumberTestScore, r.score))
            results.push_back(std::move(r));
    }
    if (results.size() > static_cast<size_t>(kMaxNumberTests))
        results.erase(results.begin(), results.end() - kMaxNumberTests);
    return results;
}

void WriteNumberTests(const std::vector<NumberTestResult>& results, LineSink& out) {
    for (const auto& r : results) {
        out.Text(r.date);
        out.Int(r.level);
        out.Int(r.score);
    }
}

std::vector<NumberTestResult> LoadNumberTests(const std::wstring& folder, const std::wstring& name) {
    if (!IsSafeName(name) || folder.empty()) return {};
    auto in = ReadLines(folder, name + kExtension, kMaxNumberTestBytes, kMaxNumberTests * kNumberTestLines + 3);
    return in ? ReadNumberTests(*in) : std::vector<NumberTestResult>{};
}

bool AppendNumberTest(const std::wstring& folder, const std::wstring& name, const NumberTestResult& result) {
    if (!IsSafeName(name) || folder.empty()) return false;
    std::string bytes;
    const platform::ReadResult read = platform::ReadFileInFolder(folder, name + kExtension, kMaxNumberTestBytes, bytes);
    if (read == platform::ReadResult::kRefused) return false;
    std::vector<NumberTestResult> results;
    if (read == platform::ReadResult::kRead) {
        LineSource in = ParseLines(std::move(bytes), kMaxNumberTests * kNumberTestLines + 3);
        results = ReadNumberTests(in);
    }
    results.push_back(result);
    if (results.size() > static_cast<size_t>(kMaxNumberTests)) results.erase(results.begin());
    LineSink out;
    WriteNumberTests(results, out);
    return WriteLines(folder + name + kExtension, out);
}

std::wstring TodayIsoDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!platform::LocalTime(now, local)) return L"1970-01-01";
    wchar_t buffer[16];
    const size_t n = std::wcsftime(buffer, 16, L"%Y-%m-%d", &local);
    return std::wstring(buffer, n);
}

}  // namespace profiles

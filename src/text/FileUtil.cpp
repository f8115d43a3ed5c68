#include "text/FileUtil.h"

#include "platform/Files.h"
#include "text/Random.h"

bool CFileUtil::Exists(const std::wstring& pattern) { return !platform::FindFiles(pattern).empty(); }

bool CFileUtil::AddFiles(const std::wstring& pattern) {
    entries.clear();
    const size_t cut = pattern.find_last_of(L"\\/");
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
    const auto found = platform::FindFiles(pattern);
    if (found.empty()) return false;
    for (const auto& f : found) {
        if (!f.isFolder) entries.push_back(folder + f.name);
    }
    return true;
}

bool CFileUtil::AddFile(const std::wstring& path) {
    if (!Exists(path)) return false;
    entries.push_back(path);
    return true;
}

std::wstring CFileUtil::GetPath(int32_t i) const {
    if (i < 0 || i >= Count()) return {};
    return entries[static_cast<size_t>(i)];
}

std::wstring CFileUtil::GetName(int32_t i) const {
    if (i < 0 || i >= Count()) return {};
    const std::wstring& e = entries[static_cast<size_t>(i)];
    const size_t cut = e.find_last_of(L"\\/");
    return cut == std::wstring::npos ? e : e.substr(cut + 1);
}

void CFileUtil::Shuffle() {
    shuffleMode = 1;
    ShuffleList(entries.begin(), entries.end());
}

std::wstring CFileUtil::NextFile(int32_t mode) {
    if (entries.empty()) return L"CFileUtil::NextFile EMPTY";
    if (currentIndex < 0 || currentIndex >= Count()) {
        currentIndex = 0;
        if (shuffleMode == 1) ShuffleList(entries.begin(), entries.end());
    }
    if (mode == 1) {
        int32_t next = currentIndex + 1;
        if (next >= Count()) next = 0;
        currentIndex = next;
        return entries[static_cast<size_t>(next)];
    }
    return entries[static_cast<size_t>(currentIndex++)];
}

std::wstring CFileUtil::CurrentFile() {
    if (entries.empty()) return {};
    if (currentIndex >= 0 && currentIndex < Count()) return entries[static_cast<size_t>(currentIndex)];
    return NextFile(0);
}

void CFileUtil::Clear() {
    entries.clear();
    currentIndex = 0;
}

#pragma once
// Families of files named by a wildcard pattern ("gfx\thecircle\animals\*.png",
// "sfx\coin*.wav", "*.pro"): the matching files as paths built from the pattern's folder,
// in ascending name order (case-insensitive), handed out in turn or in shuffled order.
#include <cstdint>
#include <string>
#include <vector>

class CFileUtil final {
public:
    // True when a file or folder matches the path or pattern.
    static bool Exists(const std::wstring& pattern);

    // Replaces the list with the files (not folders) matching pattern, each as the
    // pattern's folder part + the file name. False when nothing at all matched.
    bool AddFiles(const std::wstring& pattern);
    // Appends path unchanged when it exists; the list is kept.
    bool AddFile(const std::wstring& path);

    int32_t Count() const { return static_cast<int32_t>(entries.size()); }
    std::wstring GetPath(int32_t i) const;  // empty when i is out of range
    std::wstring GetName(int32_t i) const;  // the part after the last backslash

    // Shuffles now, and again at the start of every later pass of NextFile.
    void Shuffle();
    // Mode 1: advance, then hand out (1, 2, ..., n - 1, 0, 1, ...). Any other mode: hand
    // out, then advance (0, 1, ..., n - 1, 0, ...). An exhausted pass restarts at 0, freshly
    // shuffled in shuffle mode.
    std::wstring NextFile(int32_t mode);
    std::wstring CurrentFile();
    void Clear();

private:
    std::vector<std::wstring> entries;
    int32_t shuffleMode = 0;
    int32_t currentIndex = 0;
};

#pragma once
// Making folders, removing files and listing a folder by wildcard.
#include <string>
#include <vector>

namespace platform {

bool CreateFolder(const std::wstring& path);  // true when it exists afterwards
enum class FolderState { kMade, kExisted, kRefused, kFailed };
// A folder for the user alone: made with no access for anyone else. One that exists already
// is taken only when it is a folder of this user that no one else may write into (group write
// only for the user's own private group); otherwise it is refused.
FolderState CreatePrivateFolder(const std::wstring& path);
bool DeleteFileAt(const std::wstring& path);

struct FoundFile {
    std::wstring name;  // the name alone, without its folder
    bool isFolder = false;
};

// Entries of a folder whose names match the last component of pattern ('*' and '?',
// case-insensitive), sorted by name ascending, case-insensitively. "." and ".." are
// never returned. A missing folder gives an empty list.
std::vector<FoundFile> FindFiles(const std::wstring& pattern);

}  // namespace platform

#pragma once
// Helpers the file services share among their own files; nothing outside them uses these.
#include <array>
#include <string>
#include <vector>

#include "platform/FolderListing.h"

namespace platform::files_detail {

// ---- Linux's own (FilePaths.cpp) ----

// Whether p exists: any entry when any, else a folder (wantFolder) or a regular file.
bool StatIs(const std::string& p, bool wantFolder, bool any);
// A real path of this system: it begins with '/'.
bool IsNative(const std::string& p);
// UTF-8 with '/' for '\\' (a program path); a real path keeps every character.
std::string Slashes(const std::wstring& path);
// A program path with a component in the wrong letter case finds the entry that exists:
// the asset pack is named as on a case-insensitive file system. Real paths are taken as
// they are.
std::string Resolve(const std::string& p);

// ---- what the shared parts (FilesCommon.cpp) ask of each system ----

// The characters that separate the folders of a real path: '/' on Linux (a backslash is part of
// a name there), '/' and '\\' on Windows.
extern const wchar_t* const kRealPathSeparators;

// What tells whether a folder changed since it was listed: its times and identity as the
// system keeps them. exists is false when there is no such folder.
struct FolderStamp {
    bool exists = false;
    std::array<long long, 6> values{};
    bool operator==(const FolderStamp&) const = default;
};
FolderStamp StampOf(const std::string& folder);
// The entries of a folder in the order the system gives them, without "." and "..".
std::vector<ListedEntry> ReadEntries(const std::string& folder);

// Reading, writing and closing an open file of the C runtime: the bytes done, or -1.
long ReadDescriptor(int fd, void* buffer, size_t size);
long WriteDescriptor(int fd, const void* data, size_t size);
void CloseDescriptor(int fd);

}  // namespace platform::files_detail

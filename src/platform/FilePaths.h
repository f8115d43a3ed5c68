#pragma once
// Program paths and real paths. The program's own paths (the asset pack, the default
// profile folder) are relative to the working folder and use backslashes; they are converted
// only here. A path that begins with '/' is a real path of this system (a folder the trainer
// chose, the documents folder, a path from "data\paths.txt" written that way) and keeps
// every character, backslashes included.
#include <string>

namespace platform {

// The native (UTF-8, '/') form of a program path. When a component does not exist with
// that exact case but one entry of the folder matches it case-insensitively, that entry
// is used, so names behave as they do on a case-insensitive file system.
std::string NativePath(const std::wstring& path);
// True for a real path of this system (it begins with '/'): no character of it is converted.
bool IsNativePath(const std::wstring& path);
// A real path as the system's own windows write it, for showing to the user: '\' between
// folders on Windows, as it stands elsewhere.
std::wstring ShownPath(const std::wstring& path);
// Lower-case form of every letter, independent of the locale, for comparing names the way
// a case-insensitive file system does ("ÅSA" and "åsa" are one name).
std::wstring FoldCase(const std::wstring& text);
// A name against a pattern of '*' and '?', case-insensitively.
bool WildcardMatch(const std::wstring& pattern, const std::wstring& name);

bool FileExists(const std::wstring& path);    // a file or a folder
bool FolderExists(const std::wstring& path);  // a folder only

}  // namespace platform

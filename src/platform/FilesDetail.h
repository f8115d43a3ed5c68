#pragma once
// Helpers the file services share among their own files; nothing outside them uses these.
#include <string>

namespace platform::files_detail {

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

}  // namespace platform::files_detail

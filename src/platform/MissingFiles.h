#pragma once
// A record of the files the program asked for and could not load (pictures, sounds, text
// files). The program itself stays quiet about them; tests switch the record on to check
// that every screen finds every file it loads in the asset pack.
#include <string>
#include <vector>

namespace platform {

void SetMissingFileRecord(bool on);
void NoteMissingFile(const std::wstring& path);
// The files noted since the last call, in order, each once.
std::vector<std::wstring> TakeMissingFiles();

}  // namespace platform

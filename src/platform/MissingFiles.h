#pragma once
// A record of the files the program asked for and could not load (pictures, sounds, text
// files). The program itself stays quiet about them (KESTROVA_LOG=1 writes each to standard
// error); tests switch the record on to check that every screen finds every file it loads
// in the asset pack.
#include <string>
#include <vector>

namespace platform {

void SetMissingFileRecord(bool on);
// what says how it failed: the file is missing, or it is there but did not load.
void NoteMissingFile(const std::wstring& path, const char* what = "missing file");
// The files noted since the last call, in order, each once.
std::vector<std::wstring> TakeMissingFiles();

}  // namespace platform

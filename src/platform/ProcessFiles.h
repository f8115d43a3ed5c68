#pragma once
// What the trainee lock and the clean-up of temporaries ask of the operating system: which
// process, computer and boot this is, whether a process still runs, and the few file steps
// they take (a file made only when its name is free, rewritten in place, moved aside and back
// without replacing another). Linux's calls are in ProcessFiles.cpp, Windows' in
// windows/ProcessFiles.cpp. Paths are native, UTF-8.
#include <cstdint>
#include <string>
#include <vector>

namespace platform::os {

long long ProcessId();
// Process pid of this boot of this computer has ended. False while it runs, or when that
// cannot be told.
bool ProcessGone(long long pid);
// The computer's name ("?" when the system does not tell).
std::string ComputerName();
// This boot of this computer: an id the system gives for it (empty where it does not tell).
std::string BootId();

using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;
// Makes the file only when no file of that name exists, for writing, without following a link;
// others may read it, move it and remove it. kNoFile when not made: nameTaken tells whether
// the name was in use.
FileHandle CreateNewFile(const std::string& path, bool& nameTaken);
// Writes bytes over the start of the file, marks it changed now and flushes it to the disk.
bool RewriteFile(FileHandle file, const std::string& bytes);
void CloseFile(FileHandle file);
// Up to maxBytes of a file (a link is not followed) and the time it last changed, in seconds
// since 1970. False when there is no such file; content stays empty when it cannot be read.
bool ReadSmallFile(const std::string& path, size_t maxBytes, std::string& content, long long& changed);
// Moves a file to a name no one else uses (one of the program's temporary names): of several
// programs moving one file, exactly one succeeds.
bool MoveAside(const std::string& from, const std::string& to);
// Moves a file that only this program uses to a name others may use, only while that name is
// free; false when it is taken.
bool MoveToFreeName(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// The names of the files in a folder ("" for the working one).
std::vector<std::string> FileNamesIn(const std::string& folder);

}  // namespace platform::os

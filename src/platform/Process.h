#pragma once
// Child processes: finding a program on PATH and running it for what it writes (the
// desktop's own dialogs run this way).
#include <string>
#include <vector>

namespace platform {

// The program's full path when it is on PATH and executable, else empty.
std::string FindOnPath(const char* program);
// Runs the program with the arguments and reads what it writes to its output: its exit
// status, or -1 when it could not be started.
int RunAndRead(const std::string& program, const std::vector<std::string>& args, std::string& out);

}  // namespace platform

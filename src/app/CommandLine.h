#pragma once
// The command-line words, found as plain, case-sensitive substrings anywhere in the whole
// command line (program path included), without regard to word boundaries.
#include <string>

struct CommandLineOptions {
    int debug = 0;           // "debug": debug keys and displays
    int windowed = 0;        // "window": never take the whole screen
    int fullSpeed = 0;       // "fullfps": never sleep between frames
    int noTopFrequency = 0;  // "notopfreq": ask for no refresh rate
    int frameTime = 10;      // milliseconds per pass; "setfps" N (1..30) gives 1000 / N
};

CommandLineOptions ParseCommandLine(const std::wstring& commandLine);

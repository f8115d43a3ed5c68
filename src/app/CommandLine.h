#pragma once
// The command-line words, found as plain, case-sensitive substrings anywhere in the words
// the program was started with (its arguments, not its own path), without regard to word
// boundaries; and the few options a desktop program answers without opening a window.
#include <string>
#include <vector>

struct CommandLineOptions {
    int debug = 0;           // "debug": debug keys and displays
    int windowed = 0;        // "window": never take the whole screen
    int fullSpeed = 0;       // "fullfps": never sleep between frames
    int noTopFrequency = 0;  // "notopfreq": accepted; the monitor's mode is never changed
    int frameTime = 10;      // milliseconds per pass; "setfps" N (1..30) gives 1000 / N
};

CommandLineOptions ParseCommandLine(const std::wstring& commandLine);

// The arguments split into the options below and the words the frame searches.
struct ProgramArguments {
    bool help = false;      // --help or -h: print the usage and stop
    bool version = false;   // --version: print the version and stop
    std::wstring language;  // --language NAME (or --language=NAME): this run's language
    std::wstring missing;   // an option given without its value ("--language" at the end)
    std::wstring words;     // every other argument, joined by spaces
};

// args are the arguments after the program's own path.
ProgramArguments ParseArguments(const std::vector<std::wstring>& args);

// The text --help prints; languages are the names the asset pack offers.
std::wstring UsageText(const std::vector<std::wstring>& languages);
// "kestrova 0.1.0": the version of the build, the one the splash and the package show.
std::wstring VersionText();

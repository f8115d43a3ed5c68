#include "app/CommandLine.h"

#include <cwctype>

CommandLineOptions ParseCommandLine(const std::wstring& line) {
    CommandLineOptions o;
    auto has = [&](const wchar_t* word) { return line.find(word) != std::wstring::npos; };
    o.debug = has(L"debug");
    o.windowed = has(L"window");
    o.fullSpeed = has(L"fullfps");
    o.noTopFrequency = has(L"notopfreq");
    size_t at = line.find(L"setfps");
    if (at != std::wstring::npos) {
        // The decimal number directly after the word; anything else leaves 10 ms.
        size_t i = at + 6;
        long n = 0;
        size_t digits = 0;
        while (i < line.size() && std::iswdigit(static_cast<wint_t>(line[i])) && digits < 9) {
            n = n * 10 + (line[i] - L'0');
            ++i;
            ++digits;
        }
        if (digits > 0 && n >= 1 && n <= 30) o.frameTime = static_cast<int>(1000 / n);
    }
    return o;
}

ProgramArguments ParseArguments(const std::vector<std::wstring>& args) {
    ProgramArguments a;
    const std::wstring languageOption = L"--language";
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--help" || arg == L"-h") {
            a.help = true;
        } else if (arg == L"--version") {
            a.version = true;
        } else if (arg == languageOption) {
            // The value is the language's name, not words: "--language window" must not
            // switch to window mode.
            if (i + 1 < args.size())
                a.language = args[++i];
            else
                a.missing = arg;
        } else if (arg.starts_with(languageOption + L"=")) {
            a.language = arg.substr(languageOption.size() + 1);
        } else {
            if (!a.words.empty()) a.words += L' ';
            a.words += arg;
        }
    }
    return a;
}

std::wstring VersionText() { return L"kestrova " KESTROVA_WVERSION; }

std::wstring UsageText(const std::vector<std::wstring>& languages) {
    std::wstring names;
    for (const auto& l : languages) names += (names.empty() ? L"" : L", ") + l;
    if (names.empty()) names = L"english";
    return L"Usage: kestrova [WORD...] [--language NAME]\n"
           L"       kestrova --help | --version\n"
           L"Working-memory training for children and seniors.\n"
           L"\n"
           L"Words (found anywhere in the arguments):\n"
           L"  window       show the 800 x 600 canvas at its own size on a black backdrop\n"
           L"  debug        enable the trainers' debug keys and displays\n"
           L"  fullfps      never sleep between frames\n"
           L"  notopfreq    accepted for old shortcuts; changes nothing (the display mode is never changed)\n"
           L"  setfpsN      N frames per second, N from 1 to 30 (default: 100)\n"
           L"\n"
           L"Options:\n"
           L"  --language NAME  use the language NAME for this run (" +
           names +
           L")\n"
           L"  --help           print this text and exit\n"
           L"  --version        print the version and exit\n"
           L"\n"
           L"Keys:\n"
           L"  Space        step to the next choice (the first switch)\n"
           L"  Enter        choose what the pointer or the switch is on (the second switch)\n"
           L"  Escape       leave the screen; on the login, end the program\n"
           L"  F1           the helper repeats the instruction in an exercise\n"
           L"  F11          switch between full screen and a window (remembered)\n"
           L"  1 to 9       press the numbered button in Treasure, Ghost house and the number test\n"
           L"\n"
           L"The trainees' files are kept in the folder named by data/paths.txt of the asset\n"
           L"folder; by default Kestrova in the user's documents folder ($XDG_DOCUMENTS_DIR, else\n"
           L"~/Documents). The login says where when it first makes that folder.\n"
           L"\n"
           L"The language can also be chosen in $XDG_CONFIG_HOME/kestrova/lang.txt (its first\n"
           L"line names it); otherwise the desktop's language (LANG) is followed.\n"
           L"KESTROVA_LOG=1 in the environment writes one line to standard error for each file\n"
           L"that is missing or damaged, picture or sound that did not load, and print or save\n"
           L"that failed; the program is otherwise quiet about them.\n";
}

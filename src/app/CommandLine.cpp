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

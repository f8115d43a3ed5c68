#pragma once
// The language the program speaks: its name (from "data\lang.txt") and its numbered texts
// (the lines of "data\lang\<name>.txt"; text n is line n + 1). The options block of the
// active profile carries one of these, so every screen reaches the texts through it.
#include <cstdint>
#include <string>
#include <vector>

// Where the language may be chosen besides the pack's "data\lang.txt". The strongest wins:
// this run's request (--language), then the user's own choice file, then the pack's file,
// then the desktop's locale ("sv..." speaks Swedish), then English. A request or user file
// naming no language file gives way to the next choice; the pack's file naming one gives
// English. The program sets these once at start-up; left empty (tests, tools), only the
// pack's file counts.
struct LanguageChoices {
    std::wstring requested;     // a language name
    std::wstring userFile;      // full path of the user's lang.txt (first line names the language)
    std::string desktopLocale;  // such as "sv_SE.UTF-8"
};
void SetLanguageChoices(LanguageChoices choices);
const LanguageChoices& CurrentLanguageChoices();
// Whether a language file "data\lang\<name>.txt" exists for the name (in any case).
bool LanguageAvailable(const std::wstring& name);
// The names of the language files in "data\lang\", sorted.
std::vector<std::wstring> AvailableLanguages();

class LanguageTexts {
public:
    // "english" and no texts; the owner runs ChooseLanguage, ApplyLocale and LoadTexts
    // (with its own option defaults between the first two).
    LanguageTexts() = default;

    // Settles the language in the order of LanguageChoices: the first line of "data\lang.txt"
    // in lower case (a name without a file in "data\lang\" gives "english"); when that file
    // is missing, the desktop's locale, else "english".
    void ChooseLanguage();
    // Sets the C library's character-type locale to the language name (unless it is
    // "other"); a name the library does not know leaves the locale as it was.
    void ApplyLocale() const;
    // Replaces the texts with the lines of the language file; none when it does not read.
    void LoadTexts();

    std::wstring GetText(uint32_t n) const;  // "TEXT ID MISSING" past the last text
    std::wstring GetLanguage() const { return language; }

protected:
    std::wstring language = L"english";
    std::vector<std::wstring> texts;
};

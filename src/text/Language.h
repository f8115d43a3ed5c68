#pragma once
// The language the program speaks: its name (from "data\lang.txt") and its numbered texts
// (the lines of "data\lang\<name>.txt"; text n is line n + 1). The options block of the
// active profile carries one of these, so every screen reaches the texts through it.
#include <cstdint>
#include <string>
#include <vector>

class LanguageTexts {
public:
    // "english" and no texts; the owner runs ChooseLanguage, ApplyLocale and LoadTexts
    // (with its own option defaults between the first two).
    LanguageTexts() = default;

    // Settles the language: the first line of "data\lang.txt" in lower case, or "english"
    // when that file is missing or names a language without a file in "data\lang\".
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

#include "text/Language.h"

#include <clocale>
#include <cwctype>

#include "platform/Utf.h"
#include "text/FileUtil.h"
#include "text/TextFile.h"

namespace {

std::wstring LanguageFile(const std::wstring& language) { return L"data\\lang\\" + language + L".txt"; }

// A language name becomes part of file and folder paths; a name that would reach outside
// "data\lang\" or act as a wildcard names no language.
bool UsableName(const std::wstring& name) {
    return name.find_first_of(L"\\/:*?") == std::wstring::npos && name.find(L'\0') == std::wstring::npos &&
           name != L"." && name != L"..";
}

}  // namespace

void LanguageTexts::ChooseLanguage() {
    language = L"english";
    try {
        CTextFileRead file(L"data\\lang.txt");
        if (!file.IsOpen()) return;
        std::wstring line;
        file.ReadLine(line);  // an empty file still yields one (empty) line
        file.Close();
        language = line;
    } catch (const CTextFileException&) {
        return;  // an unreadable choice file counts as a missing one
    }
    for (auto& c : language) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    if (!UsableName(language) || !CFileUtil::Exists(LanguageFile(language))) language = L"english";
}

void LanguageTexts::ApplyLocale() const {
    if (language == L"other") return;
    std::setlocale(LC_CTYPE, platform::Utf8FromWide(language).c_str());
}

void LanguageTexts::LoadTexts() {
    texts.clear();
    // A language file that fails part-way reads as a missing one: no texts.
    ReadTextLines(LanguageFile(language), texts);
}

std::wstring LanguageTexts::GetText(uint32_t n) const {
    if (n < texts.size()) return texts[n];
    return L"TEXT ID MISSING";
}

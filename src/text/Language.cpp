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

std::wstring Lowered(std::wstring name) {
    for (auto& c : name) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return name;
}

// The first line of a choice file; false when the file does not open or read.
bool ReadChoiceFile(const std::wstring& path, std::wstring& line) {
    try {
        CTextFileRead file(path);
        if (!file.IsOpen()) return false;
        file.ReadLine(line);  // an empty file still yields one (empty) line
        file.Close();
        return true;
    } catch (const CTextFileException&) {
        return false;  // an unreadable choice file counts as a missing one
    }
}

LanguageChoices& Choices() {
    static LanguageChoices choices;
    return choices;
}

}  // namespace

void SetLanguageChoices(LanguageChoices choices) { Choices() = std::move(choices); }
const LanguageChoices& CurrentLanguageChoices() { return Choices(); }

bool LanguageAvailable(const std::wstring& name) {
    const std::wstring lower = Lowered(name);
    return UsableName(lower) && CFileUtil::Exists(LanguageFile(lower));
}

std::vector<std::wstring> AvailableLanguages() {
    std::vector<std::wstring> names;
    CFileUtil files;
    files.AddFiles(L"data\\lang\\*.txt");
    for (int32_t i = 0; i < files.Count(); ++i) {
        const std::wstring f = files.GetName(i);
        if (f.size() <= 4) continue;
        const std::wstring name = Lowered(f.substr(0, f.size() - 4));
        if (LanguageAvailable(name)) names.push_back(name);
    }
    return names;
}

void LanguageTexts::ChooseLanguage() {
    const LanguageChoices& choices = Choices();
    const std::wstring requested = Lowered(choices.requested);
    if (!requested.empty() && LanguageAvailable(requested)) {
        language = requested;
        return;
    }
    std::wstring line;
    if (!choices.userFile.empty() && ReadChoiceFile(choices.userFile, line) && LanguageAvailable(Lowered(line))) {
        language = Lowered(line);
        return;
    }
    if (ReadChoiceFile(L"data\\lang.txt", line)) {
        language = Lowered(line);
        if (!LanguageAvailable(language)) language = L"english";
        return;
    }
    // Nobody chose: the desktop's language, where the pack speaks it.
    language = L"english";
    if (choices.desktopLocale.starts_with("sv") && LanguageAvailable(L"swedish")) language = L"swedish";
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

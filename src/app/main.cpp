// Kestrova: entry point. Answers --help and --version without a display, starts setting up
// the fonts, finds the asset folder and makes it the working folder, starts decoding the
// splash's pictures, settles where the language may come from, opens
// the desktop backend and runs the frame.
#include <cstdio>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/AssetFolder.h"
#include "app/CommandLine.h"
#include "platform/Files.h"
#include "platform/UserConfig.h"
#include "platform/Utf.h"
#include "platform/desktop/DesktopBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageCache.h"
#include "text/Language.h"

namespace {

void Print(std::FILE* to, const std::wstring& text) { std::fputs(platform::Utf8FromWide(text).c_str(), to); }

std::wstring Joined(const std::vector<std::wstring>& names) {
    std::wstring out;
    for (const auto& n : names) out += (out.empty() ? L"" : L", ") + n;
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    // The words are looked for in the arguments only: a program kept in a folder such as
    // "windows-apps" must not start in window mode.
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) args.push_back(platform::WideFromUtf8(argv[i]));
    const ProgramArguments parsed = ParseArguments(args);

    if (!parsed.missing.empty()) {
        Print(stderr, L"kestrova: " + parsed.missing + L" needs a value (see kestrova --help)\n");
        return 2;
    }
    if (parsed.version) {
        Print(stdout, VersionText() + L"\n");
        return 0;
    }

    // The fonts are set up on a thread of their own meanwhile; the splash's notice is the
    // first text measured.
    platform::gfx::WarmUpFonts();

    const std::wstring assets = FindAssetFolder();
    const bool haveAssets = !assets.empty() && platform::SetWorkingFolder(assets);
    if (parsed.help) {
        Print(stdout, UsageText(haveAssets ? AvailableLanguages() : std::vector<std::wstring>{}));
        return 0;
    }
    if (!haveAssets) {
        std::fputs(
            "kestrova: the asset folder (gfx, sfx, speech, data) was not found beside the program,\n"
            "in the installed data folder, or as assets/ of the source checkout.\n",
            stderr);
        return 1;
    }

    LanguageChoices choices;
    choices.requested = parsed.language;
    choices.userFile = platform::UserConfigFile("lang.txt");
    choices.desktopLocale = platform::DesktopLocale();
    if (!parsed.language.empty()) {
        if (!LanguageAvailable(parsed.language))
            Print(stderr, L"kestrova: there is no language \"" + parsed.language + L"\" (there are: " +
                              Joined(AvailableLanguages()) + L"); the usual choice stays\n");
    }
    SetLanguageChoices(choices);

    // The splash's pictures (its background and the logos of the languages) are decoded on
    // the image cache's thread while the display is opened.
    std::vector<std::wstring> splash;
    for (const platform::FoundFile& f : platform::FindFiles(L"gfx\\splash\\*.png"))
        if (!f.isFolder) splash.push_back(L"gfx\\splash\\" + f.name);
    platform::gfx::WarmUpImages(std::move(splash));

    std::wstring error;
    auto backend = platform::CreateDesktopBackend(error);
    if (!backend) {
        Print(stderr, L"kestrova: cannot open the display: " + error + L"\n");
        return 1;
    }
    platform::InstallBackend(std::move(backend));

    int code;
    {
        App app(parsed.words);
        code = app.Run();
    }
    platform::InstallBackend(nullptr);
    return code;
}

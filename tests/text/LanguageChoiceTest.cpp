// Where the language comes from: this run's request, the user's choice file, the pack's
// choice file, the desktop's locale, English; and the splash speaking the chosen language.
#include "support/TestPaths.h"
#include <gtest/gtest.h>

#include <optional>

#include "app/Harness.h"
#include "platform/Utf.h"
#include "profiles/Profile.h"
#include "screens/Splash.h"
#include "text/Language.h"
#include "support/TempFolder.h"

namespace {

// Leaves the process-wide choices as the tests found them (none).
struct ChoicesReset {
    ~ChoicesReset() { SetLanguageChoices({}); }
};

struct Case {
    const char* name;
    const wchar_t* requested;
    std::optional<std::string> userFile;  // contents; none: no such file
    std::optional<std::string> packFile;
    const char* locale;
    const wchar_t* expected;
};

}  // namespace

TEST(LanguageChoice, StrongestUsableChoiceWins) {
    const Case cases[] = {
        {"request beats all", L"Other", "swedish", "english", "sv_SE.UTF-8", L"other"},
        {"unknown request gives way", L"klingon", "swedish", "english", "", L"swedish"},
        {"request that is a path gives way", L"../lang/other", std::nullopt, "swedish", "", L"swedish"},
        {"user file beats the pack's", L"", "Swedish\r\nignored", "english", "", L"swedish"},
        {"user file in another encoding", L"", std::string("\xFF\xFEo\0t\0h\0e\0r\0", 12), "english", "", L"other"},
        {"user file naming nothing gives way", L"", "klingon", "other", "sv_SE", L"other"},
        {"empty user file gives way", L"", "", "other", "", L"other"},
        {"pack's file beats the desktop", L"", std::nullopt, "english", "sv_SE.UTF-8", L"english"},
        {"pack's file naming nothing is English", L"", std::nullopt, "klingon", "sv_SE.UTF-8", L"english"},
        {"desktop in Swedish", L"", std::nullopt, std::nullopt, "sv_SE.UTF-8", L"swedish"},
        {"desktop in bare sv", L"", std::nullopt, std::nullopt, "sv", L"swedish"},
        {"desktop in English", L"", std::nullopt, std::nullopt, "en_GB.UTF-8", L"english"},
        {"desktop in German", L"", std::nullopt, std::nullopt, "de_DE.UTF-8", L"english"},
        {"no desktop language", L"", std::nullopt, std::nullopt, "", L"english"},
    };
    ChoicesReset reset;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir(true);
        dir.Put("data/lang/english.txt", "Memory training");
        dir.Put("data/lang/swedish.txt", "Minnestr\xC3\xA4ning");
        dir.Put("data/lang/other.txt", "Andere");
        if (c.packFile) dir.Put("data/lang.txt", *c.packFile);
        TempFolder home;
        if (c.userFile) home.Put("kestrova/lang.txt", *c.userFile);
        SetLanguageChoices({c.requested, home.File("kestrova/lang.txt"), c.locale});
        LanguageTexts l;
        l.ChooseLanguage();
        l.LoadTexts();
        EXPECT_EQ(l.GetLanguage(), c.expected);
        EXPECT_NE(l.GetText(0), L"TEXT ID MISSING");
    }
}

TEST(LanguageChoice, PackOffersItsLanguages) {
    TempFolder dir(true);
    dir.Put("data/lang/swedish.txt", "x");
    dir.Put("data/lang/English.txt", "x");
    dir.Put("data/lang/e*.txt", "x");  // not a usable name
    EXPECT_EQ(AvailableLanguages(), (std::vector<std::wstring>{L"english", L"swedish"}));
    EXPECT_TRUE(LanguageAvailable(L"SWEDISH"));
    EXPECT_FALSE(LanguageAvailable(L"dutch"));
}

// The shipped pack on the headless frame: the desktop's Swedish reaches the splash, whose
// notice names the build's version and says what the program is in the chosen language.
TEST(LanguageChoice, SplashSpeaksTheDesktopsLanguage) {
    ChoicesReset reset;
    const std::wstring assets = platform::WideFromUtf8(testpaths::AssetDir());
    const struct {
        LanguageChoices choices;
        const wchar_t* notice;
        const wchar_t* logo;
    } runs[] = {
        {{L"", L"", "sv_SE.UTF-8"}, L" \u2013 tr\u00E4ning av arbetsminnet f\u00F6r barn och seniorer", L"logo_sv.png"},
        {{L"swedish", L"", "en_US.UTF-8"},
         L" \u2013 tr\u00E4ning av arbetsminnet f\u00F6r barn och seniorer",
         L"logo_sv.png"},
        {{L"", L"", "C.UTF-8"}, L" \u2013 working-memory training for children and seniors", L"logo_en.png"},
    };
    for (const auto& run : runs) {
        SetLanguageChoices(run.choices);
        HeadlessHarness h(L"kestrova window", assets);
        auto* splash = dynamic_cast<CSplash*>(h.Screen());
        ASSERT_NE(splash, nullptr);
        EXPECT_EQ(splash->Notice().GetText(), std::wstring(L"Kestrova " KESTROVA_WVERSION) + run.notice);
        EXPECT_EQ(h.Frame().ActiveProfile().options.GetText(80), run.logo);
        // The questions' button words come from the same language.
        const bool swedish = std::wstring(run.logo) == L"logo_sv.png";
        const platform::QuestionOptions q = h.Frame().ActiveProfile().options.Question();
        EXPECT_EQ(q.yes, swedish ? L"Ja" : L"Yes");
        EXPECT_EQ(q.no, swedish ? L"Nej" : L"No");
    }
}

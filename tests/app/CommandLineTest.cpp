#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

TEST(CommandLine, FrameTimeFromSetfps) {
    EXPECT_EQ(ParseCommandLine(L"k setfps2").frameTime, 500);
    EXPECT_EQ(ParseCommandLine(L"k setfps25").frameTime, 40);
    EXPECT_EQ(ParseCommandLine(L"k setfps30").frameTime, 33);
    EXPECT_EQ(ParseCommandLine(L"k setfps7").frameTime, 142);
    EXPECT_EQ(ParseCommandLine(L"k setfps0").frameTime, 10);
    EXPECT_EQ(ParseCommandLine(L"k setfps31").frameTime, 10);
    EXPECT_EQ(ParseCommandLine(L"k setfps").frameTime, 10);
    EXPECT_EQ(ParseCommandLine(L"k setfps 20").frameTime, 10);  // the number must follow directly
    EXPECT_EQ(ParseCommandLine(L"k").frameTime, 10);
}

TEST(CommandLine, WordsAreFoundInsideLongerText) {
    auto o = ParseCommandLine(L"/opt/debugtools/kestrova windowed");
    EXPECT_EQ(o.debug, 1);
    EXPECT_EQ(o.windowed, 1);
    EXPECT_EQ(o.fullSpeed, 0);
    EXPECT_EQ(o.noTopFrequency, 0);
    auto p = ParseCommandLine(L"kestrova fullfps notopfreq");
    EXPECT_EQ(p.fullSpeed, 1);
    EXPECT_EQ(p.noTopFrequency, 1);
    EXPECT_EQ(p.debug, 0);
    EXPECT_EQ(ParseCommandLine(L"kestrova DEBUG Window").debug, 0);  // case-sensitive
    EXPECT_EQ(ParseCommandLine(L"kestrova DEBUG Window").windowed, 0);
}

TEST(CommandLine, ArgumentsSplitIntoOptionsAndWords) {
    const struct {
        std::vector<std::wstring> args;
        bool help, version;
        const wchar_t* language;
        const wchar_t* missing;
        const wchar_t* words;
    } cases[] = {
        {{}, false, false, L"", L"", L""},
        {{L"window", L"setfps20"}, false, false, L"", L"", L"window setfps20"},
        {{L"--help"}, true, false, L"", L"", L""},
        {{L"-h", L"debug"}, true, false, L"", L"", L"debug"},
        {{L"--version"}, false, true, L"", L"", L""},
        // The language's name is not searched for words.
        {{L"--language", L"window"}, false, false, L"window", L"", L""},
        {{L"--language=Swedish", L"fullfps"}, false, false, L"Swedish", L"", L"fullfps"},
        {{L"debug", L"--language"}, false, false, L"", L"--language", L"debug"},
        // Anything else counts as words, as it always did.
        {{L"--windowed"}, false, false, L"", L"", L"--windowed"},
    };
    for (const auto& c : cases) {
        const ProgramArguments a = ParseArguments(c.args);
        SCOPED_TRACE(testing::PrintToString(c.words));
        EXPECT_EQ(a.help, c.help);
        EXPECT_EQ(a.version, c.version);
        EXPECT_EQ(a.language, c.language);
        EXPECT_EQ(a.missing, c.missing);
        EXPECT_EQ(a.words, c.words);
    }
    // The frame searches the words only: a language's name is not one.
    EXPECT_EQ(ParseCommandLine(ParseArguments({L"--language", L"window"}).words).windowed, 0);
}

#include <gtest/gtest.h>

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

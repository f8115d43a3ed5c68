// Which file names are the program's own temporaries: a process number of any system, and
// nothing a trainee's file or another program's could be called.
#include "platform/TempNames.h"

#include <gtest/gtest.h>

namespace {

TEST(TempNames, ProcessNumbersOfEverySystemAndNothingElse) {
    const std::string mine = platform::TemporaryFileName("abc123");
    ASSERT_TRUE(platform::IsTemporaryFileName(mine));
    const std::string boot = mine.substr(0, mine.find('-', 14) + 1);  // ".kestrova-tmp-<boot>-"
    // Windows numbers its processes up to 32 bits.
    const struct {
        std::string name;
        bool ours;
    } cases[] = {
        {boot + "4-Ab12cD", true},           {boot + "4294967292-Ab12cD", true},
        {boot + "4294967296-Ab12cD", false}, {boot + "12345678901-Ab12cD", false},
        {boot + "-Ab12cD", false},           {boot + "12x4-Ab12cD", false},
        {boot + "1234-Ab12c", false},        {boot + "1234-Ab12cD.pro", false},
        {"Anna.pro.tmp999999999_1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::IsTemporaryFileName(c.name), c.ours) << c.name;
}

}  // namespace

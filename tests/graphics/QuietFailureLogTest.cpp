// KESTROVA_LOG=1: a picture that does not load is named on standard error, once per failure;
// without the variable the program says nothing.
#include <gtest/gtest.h>

#include <string>

#include "graphics/Graphics.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

struct LogCase {
    const char* variable;  // "": unset
    const char* picture;   // bytes of gfx/x.png, nullptr: no such file
    std::string expected;  // what standard error gets
};

class QuietFailureLogTest : public ::testing::TestWithParam<LogCase> {};

TEST_P(QuietFailureLogTest, NamesAPictureThatDidNotLoadOnlyWhenAsked) {
    const LogCase& c = GetParam();
    TempFolder folder(true);
    if (c.picture) folder.Put("gfx/x.png", c.picture);
    const ScopedEnv log{{"KESTROVA_LOG", c.variable}};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Bitmap::FromFile(L"gfx\\x.png"), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, QuietFailureLogTest,
                         ::testing::Values(LogCase{"1", nullptr, "kestrova: missing file gfx\\x.png\n"},
                                           LogCase{"1", "not a picture",
                                                   "kestrova: picture did not decode gfx\\x.png\n"},
                                           LogCase{"", nullptr, ""}, LogCase{"0", "not a picture", ""}));

}  // namespace

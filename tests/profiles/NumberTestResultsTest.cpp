// The number test's kept results: tests add up in order, damaged records and files are
// passed over quietly, and a file the program cannot read is never replaced.
#include <gtest/gtest.h>

#include <filesystem>

#include "profiles/NumberTestResults.h"
#include "profiles/ProfileTestUtil.h"

namespace {

using profiles::NumberTestResult;

TEST(NumberTestResults, TwoTestsAreKeptInOrder) {
    ProfileFolder dir;
    EXPECT_TRUE(profiles::LoadNumberTests(dir.Folder(), L"Ada").empty());
    ASSERT_TRUE(profiles::AppendNumberTest(dir.Folder(), L"Ada", {L"2026-11-30", 2, 6}));
    ASSERT_TRUE(profiles::AppendNumberTest(dir.Folder(), L"Ada", {L"2026-12-08", 3, 9}));
    EXPECT_EQ(profiles::LoadNumberTests(dir.Folder(), L"Ada"),
              (std::vector<NumberTestResult>{{L"2026-11-30", 2, 6}, {L"2026-12-08", 3, 9}}));
    EXPECT_EQ(dir.Get("Ada.ntr"), Utf8File({"2026-11-30", "2", "6", "2026-12-08", "3", "9"}));
    // Names that are not plain file names keep nothing.
    EXPECT_FALSE(profiles::AppendNumberTest(dir.Folder(), L"../Ada", {L"2026-12-08", 3, 9}));
    EXPECT_TRUE(profiles::IsIsoDate(profiles::TodayIsoDate()));
}

TEST(NumberTestResults, DamagedRecordsAreLeftOutAndTheRestKept) {
    ProfileFolder dir;
    dir.Put("Bo.ntr", Utf8File({"2026-10-01", "1", "3",    // good
                                "yesterday",  "2", "5",    // not a date
                                "2026-10-02", "4", "5",    // no such level
                                "2026-10-03", "2", "17",   // more than the test can score
                                "2026-13-01", "2", "5",    // no such month
                                "2026-10-04", "2", "-1",   // negative
                                "2026-10-05", "3", "12x",  // not a number
                                "2026-10-06", "3", "11",   // good
                                "2026-10-07", "2"}));      // cut short
    const std::vector<NumberTestResult> good{{L"2026-10-01", 1, 3}, {L"2026-10-06", 3, 11}};
    EXPECT_EQ(profiles::LoadNumberTests(dir.Folder(), L"Bo"), good);
    ASSERT_TRUE(profiles::AppendNumberTest(dir.Folder(), L"Bo", {L"2026-10-08", 2, 7}));
    std::vector<NumberTestResult> after = good;
    after.push_back({L"2026-10-08", 2, 7});
    EXPECT_EQ(profiles::LoadNumberTests(dir.Folder(), L"Bo"), after);
}

TEST(NumberTestResults, UnreadableFilesAreNeverReplacedAndLongHistoriesKeepTheNewest) {
    ProfileFolder dir;
    const std::string big(profiles::kMaxNumberTestBytes + 1, '7');
    dir.Put("Cy.ntr", big);
    EXPECT_TRUE(profiles::LoadNumberTests(dir.Folder(), L"Cy").empty());
    EXPECT_FALSE(profiles::AppendNumberTest(dir.Folder(), L"Cy", {L"2026-12-08", 1, 2}));
    EXPECT_EQ(dir.Get("Cy.ntr"), big);
    // A link to a file outside the folder is not followed (where the system lets a test make one).
    ProfileFolder outside;
    outside.Put("secret.txt", Utf8File({"2026-01-01", "1", "1"}));
    std::error_code unlinked;
    std::filesystem::create_symlink(outside.File("secret.txt"), dir.File("Dee.ntr"), unlinked);
    if (!unlinked) {
        EXPECT_TRUE(profiles::LoadNumberTests(dir.Folder(), L"Dee").empty());
        EXPECT_FALSE(profiles::AppendNumberTest(dir.Folder(), L"Dee", {L"2026-12-08", 1, 2}));
        EXPECT_EQ(outside.Get("secret.txt"), Utf8File({"2026-01-01", "1", "1"}));
    }

    std::string full = "\xEF\xBB\xBF";
    for (int i = 0; i < profiles::kMaxNumberTests; ++i) full += "2026-12-08\r\n1\r\n" + std::to_string(i % 17) + "\r\n";
    dir.Put("Eve.ntr", full);
    ASSERT_TRUE(profiles::AppendNumberTest(dir.Folder(), L"Eve", {L"2026-12-09", 2, 16}));
    const auto kept = profiles::LoadNumberTests(dir.Folder(), L"Eve");
    ASSERT_EQ(kept.size(), static_cast<size_t>(profiles::kMaxNumberTests));
    EXPECT_EQ(kept.front().score, 1);
    EXPECT_EQ(kept.back(), (NumberTestResult{L"2026-12-09", 2, 16}));
}

}  // namespace

// Position files: the reader, the choice of a round's places and the stand-in sequence.
#include "engine/SequencePool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/TempFolder.h"

namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + "\r\n";
    return s;
}

TEST(SequencePool, LineNumbersReadLikeTheCLibrary) {
    EXPECT_EQ(engine::LineNumber(L"  7"), 7);
    EXPECT_EQ(engine::LineNumber(L"\t12abc"), 12);
    EXPECT_EQ(engine::LineNumber(L"abc"), 0);
    EXPECT_EQ(engine::LineNumber(L"-3"), -3);
    EXPECT_EQ(engine::LineNumber(L"+4"), 4);
    EXPECT_EQ(engine::LineNumber(L""), 0);
    EXPECT_EQ(engine::LineNumber(L"99999999999999999999"), 2147483647);
    EXPECT_EQ(engine::LineNumber(L"-99999999999999999999"), -2147483647 - 1);
}

TEST(SequencePool, FileNames) {
    EXPECT_EQ(engine::SequencePoolPath(L"data\\pos\\cans\\4pos\\", 3, L"cans.txt"),
              L"data\\pos\\cans\\4pos\\3cans.txt");
    EXPECT_EQ(engine::SequencePoolPath(L"data\\pos\\space\\10pos\\", 10, L"ufos.txt"),
              L"data\\pos\\space\\10pos\\10ufos.txt");
}

TEST(SequencePool, GroupsOfSpanLines) {
    TempFolder dir;
    SequencePool pool;

    dir.Put("3.txt", Lines({"0", "2", "1", "3", "0", "2"}));
    ASSERT_TRUE(engine::ReadSequencePool(dir.File("3.txt"), 3, pool));
    EXPECT_EQ(pool, (SequencePool{{0, 2, 1}, {3, 0, 2}}));

    // Ten groups of five; a trailing empty line adds nothing.
    std::string ten;
    for (int g = 0; g < 10; ++g)
        for (int i = 0; i < 5; ++i) ten += std::to_string((g + i) % 8) + "\n";
    dir.Put("5.txt", ten + "\n");
    ASSERT_TRUE(engine::ReadSequencePool(dir.File("5.txt"), 5, pool));
    ASSERT_EQ(pool.size(), 10u);
    for (const auto& c : pool) EXPECT_EQ(c.size(), 5u);

    // An empty middle line shortens its group; an empty last line drops it.
    dir.Put("gaps.txt", Lines({"1", "", "3", "0", "1", "", "2", "3", "0"}));
    ASSERT_TRUE(engine::ReadSequencePool(dir.File("gaps.txt"), 3, pool));
    EXPECT_EQ(pool, (SequencePool{{1, 3}, {2, 3, 0}}));

    // A file that ends inside a group keeps the complete groups only.
    dir.Put("cut.txt", Lines({"1", "2", "3", "0", "1"}));
    ASSERT_TRUE(engine::ReadSequencePool(dir.File("cut.txt"), 3, pool));
    EXPECT_EQ(pool, (SequencePool{{1, 2, 3}}));

    // Other encodings read alike (UTF-16 little endian with its mark).
    std::string utf16 = "\xFF\xFE";
    for (char ch : std::string("4\r\n1\r\n")) utf16 += std::string{ch, '\0'};
    dir.Put("u16.txt", utf16);
    ASSERT_TRUE(engine::ReadSequencePool(dir.File("u16.txt"), 2, pool));
    EXPECT_EQ(pool, (SequencePool{{4, 1}}));
}

TEST(SequencePool, MissingFileLeavesThePoolAsItWas) {
    TempFolder dir;
    SequencePool pool{{1, 2}};
    EXPECT_FALSE(engine::ReadSequencePool(dir.File("none.txt"), 2, pool));
    EXPECT_EQ(pool, (SequencePool{{1, 2}}));
    dir.Put("2.txt", Lines({"1", "2"}));
    EXPECT_FALSE(engine::ReadSequencePool(dir.File("2.txt"), 0, pool));
    EXPECT_FALSE(engine::ReadSequencePool(dir.File("2.txt"), 13, pool));
    dir.Put("empty.txt", "");
    EXPECT_TRUE(engine::ReadSequencePool(dir.File("empty.txt"), 2, pool));
    EXPECT_TRUE(pool.empty());
}

TEST(SequencePool, ChoiceStaysInsideTheLayout) {
    // Candidates naming places outside the layout are never taken.
    SequencePool pool{{0, 9, 1}, {-1, 2, 3}, {3, 1, 2}};
    for (int i = 0; i < 20; ++i) EXPECT_EQ(engine::ChooseCandidate(pool, 3, 4), (std::vector<int>{3, 1, 2}));

    // Every candidate appears over many rounds (the pool is shuffled each time).
    SequencePool two{{0, 1}, {1, 0}};
    std::set<std::vector<int>> seen;
    for (int i = 0; i < 64; ++i) seen.insert(engine::ChooseCandidate(two, 2, 4));
    EXPECT_EQ(seen.size(), 2u);
}

TEST(SequencePool, WithoutCandidatesDistinctRandomPlacesStandIn) {
    SequencePool empty;
    for (int i = 0; i < 20; ++i) {
        auto seq = engine::ChooseCandidate(empty, 5, 8);
        ASSERT_EQ(seq.size(), 5u);
        std::set<int> distinct(seq.begin(), seq.end());
        EXPECT_EQ(distinct.size(), 5u);
        EXPECT_GE(*distinct.begin(), 0);
        EXPECT_LE(*distinct.rbegin(), 7);
    }
    SequencePool bad{{7, 8, 9}};
    EXPECT_EQ(engine::ChooseCandidate(bad, 3, 4).size(), 3u);
    // More items than places: every place once.
    EXPECT_EQ(engine::ChooseCandidate(empty, 6, 4).size(), 4u);
    EXPECT_TRUE(engine::ChooseCandidate(empty, 3, 0).empty());
}

}  // namespace

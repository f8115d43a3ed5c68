#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <set>

#include "text/FileUtil.h"
#include "text/Random.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::wstring> Paths(const CFileUtil& f) {
    std::vector<std::wstring> out;
    for (int i = 0; i < f.Count(); ++i) out.push_back(f.GetPath(i));
    return out;
}

using Lines = std::vector<std::wstring>;

}  // namespace

TEST(FileUtil, AddFilesListsFilesInNameOrderWithTheirFolder) {
    TempFolder dir(true);
    dir.Put("gfx/thecircle/animals/cow.png", "x");
    dir.Put("gfx/thecircle/animals/Bear.png", "x");
    dir.Put("gfx/thecircle/animals/ant.png", "x");
    dir.Put("gfx/thecircle/animals/notes.txt", "x");
    dir.Folder("gfx/thecircle/animals/sub.png");  // a folder that matches is still skipped
    dir.Folder("gfx/thecircle/animals/sub");
    CFileUtil f;
    EXPECT_TRUE(f.AddFiles(L"gfx\\thecircle\\animals\\*.png"));
    EXPECT_EQ(Paths(f), (Lines{L"gfx\\thecircle\\animals\\ant.png", L"gfx\\thecircle\\animals\\Bear.png",
                               L"gfx\\thecircle\\animals\\cow.png"}));
    EXPECT_EQ(f.GetName(1), L"Bear.png");

    // Numbered frames come in name order; the folder part is matched case-insensitively.
    for (const char* name : {"bird3.png", "bird1.png", "bird2.png", "birdhouse.gif"})
        dir.Put(std::string("gfx/") + name, "x");
    EXPECT_TRUE(f.AddFiles(L"GFX\\bird*.png"));
    EXPECT_EQ(Paths(f), (Lines{L"GFX\\bird1.png", L"GFX\\bird2.png", L"GFX\\bird3.png"}));

    // Without a backslash the names come bare.
    dir.Put("Anna.pro", "x");
    dir.Put("bo.pro", "x");
    EXPECT_TRUE(f.AddFiles(L"*.pro"));
    EXPECT_EQ(Paths(f), (Lines{L"Anna.pro", L"bo.pro"}));
}

TEST(FileUtil, AddFilesWithoutMatchEmptiesTheList) {
    TempFolder dir(true);
    dir.Put("a.wav", "x");
    dir.Folder("only.dir");
    CFileUtil f;
    ASSERT_TRUE(f.AddFiles(L"*.wav"));
    EXPECT_FALSE(f.AddFiles(L"*.mp3"));
    EXPECT_EQ(f.Count(), 0);
    EXPECT_FALSE(f.AddFiles(L"missing\\*.wav"));
    // Something matched (a folder), so the search succeeded, but no file was listed.
    EXPECT_TRUE(f.AddFiles(L"*.dir"));
    EXPECT_EQ(f.Count(), 0);
}

TEST(FileUtil, ExistsAndAddFile) {
    TempFolder dir(true);
    dir.Put("sfx/start.wav", "x");
    EXPECT_TRUE(CFileUtil::Exists(L"sfx\\start.wav"));
    EXPECT_TRUE(CFileUtil::Exists(L"SFX\\START.WAV"));
    EXPECT_TRUE(CFileUtil::Exists(L"sfx\\*.wav"));
    EXPECT_TRUE(CFileUtil::Exists(L"sfx"));  // folders count
    EXPECT_FALSE(CFileUtil::Exists(L"sfx\\*.mp3"));
    EXPECT_FALSE(CFileUtil::Exists(L"sfx\\"));
    EXPECT_FALSE(CFileUtil::Exists(L""));

    CFileUtil f;
    EXPECT_TRUE(f.AddFile(L"sfx\\start.wav"));
    EXPECT_FALSE(f.AddFile(L"sfx\\stop.wav"));
    EXPECT_TRUE(f.AddFile(L"sfx\\start.wav"));  // the list is kept and grows
    EXPECT_EQ(Paths(f), (Lines{L"sfx\\start.wav", L"sfx\\start.wav"}));
    EXPECT_EQ(f.GetName(0), L"start.wav");
    EXPECT_EQ(f.GetPath(2), L"");
    EXPECT_EQ(f.GetPath(-1), L"");
    EXPECT_EQ(f.GetName(2), L"");
    f.Clear();
    EXPECT_EQ(f.Count(), 0);
}

TEST(FileUtil, NextFileInBothModes) {
    TempFolder dir(true);
    for (const char* n : {"a.png", "b.png", "c.png"}) dir.Put(n, "x");
    CFileUtil f;
    EXPECT_EQ(f.NextFile(0), L"CFileUtil::NextFile EMPTY");
    EXPECT_EQ(f.CurrentFile(), L"");
    ASSERT_TRUE(f.AddFiles(L"*.png"));

    Lines got;
    for (int i = 0; i < 7; ++i) got.push_back(f.NextFile(0));
    EXPECT_EQ(got, (Lines{L"a.png", L"b.png", L"c.png", L"a.png", L"b.png", L"c.png", L"a.png"}));
    EXPECT_EQ(f.CurrentFile(), L"b.png");  // the one to be handed out next

    f.Clear();
    ASSERT_TRUE(f.AddFiles(L"*.png"));
    got.clear();
    for (int i = 0; i < 5; ++i) got.push_back(f.NextFile(1));
    EXPECT_EQ(got, (Lines{L"b.png", L"c.png", L"a.png", L"b.png", L"c.png"}));

    // After a finished pass CurrentFile starts the next one.
    f.Clear();
    ASSERT_TRUE(f.AddFiles(L"*.png"));
    for (int i = 0; i < 3; ++i) f.NextFile(0);
    EXPECT_EQ(f.CurrentFile(), L"a.png");
    EXPECT_EQ(f.NextFile(0), L"b.png");
}

TEST(FileUtil, ShuffleModeReshufflesEveryPass) {
    TempFolder dir(true);
    Lines all;
    for (int i = 0; i < 8; ++i) {
        const std::string name = "f" + std::to_string(i) + ".wav";
        dir.Put(name, "x");
        all.push_back(std::wstring(name.begin(), name.end()));
    }
    std::srand(11);
    CFileUtil f;
    ASSERT_TRUE(f.AddFiles(L"*.wav"));
    f.Shuffle();
    std::set<Lines> orders;
    for (int pass = 0; pass < 10; ++pass) {
        Lines order;
        for (int i = 0; i < 8; ++i) order.push_back(f.NextFile(0));
        Lines sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, all);  // each pass hands out every file once
        orders.insert(order);
    }
    EXPECT_GT(orders.size(), 5u);

    // Mode 1 wraps inside its own step without reshuffling.
    CFileUtil g;
    ASSERT_TRUE(g.AddFiles(L"*.wav"));
    g.Shuffle();
    Lines first, second;
    for (int i = 0; i < 7; ++i) first.push_back(g.NextFile(1));
    EXPECT_EQ(g.NextFile(1), g.GetPath(0));
    for (int i = 0; i < 7; ++i) second.push_back(g.NextFile(1));
    EXPECT_EQ(first, second);
}

TEST(Random, Rand15CoversFifteenBits) {
    std::srand(5);
    int lo = INT_MAX, hi = INT_MIN;
    long sum = 0;
    for (int i = 0; i < 20000; ++i) {
        const int r = Rand15();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
        sum += r;
    }
    EXPECT_LT(lo, 100);
    EXPECT_GT(hi, 32667);
    EXPECT_NEAR(static_cast<double>(sum) / 20000, 16383.5, 400);
}

TEST(Random, RandomInRange) {
    std::srand(9);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(RandomInRange(3, 3), 3);
        const int r = RandomInRange(0, 9);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 9);
        seen.insert(r);
        const int s = RandomInRange(-5, 5);
        ASSERT_GE(s, -5);
        ASSERT_LE(s, 5);
    }
    EXPECT_EQ(seen.size(), 10u);

    // An empty range gives 0 without drawing.
    std::srand(4);
    const int expectedNext = std::rand();
    std::srand(4);
    EXPECT_EQ(RandomInRange(5, 4), 0);
    EXPECT_EQ(RandomInRange(INT_MIN, INT_MAX), 0);
    EXPECT_EQ(std::rand(), expectedNext);
    // A range past 32 bits wraps instead of overflowing.
    const int wide = RandomInRange(INT_MIN, INT_MAX - 1);
    EXPECT_GE(wide, INT_MIN);
}

namespace {

// How many 15-bit draws the call made.
template <class Fn>
int DrawsMadeBy(Fn fn) {
    std::srand(21);
    fn();
    const int next = std::rand();
    std::srand(21);
    for (int n = 0; n < 200000; ++n) {
        if (std::rand() == next) return n;
    }
    return -1;
}

}  // namespace

TEST(Random, ShuffleListDrawsOncePerSwapAndWidensForLongLists) {
    std::vector<int> v(5);
    EXPECT_EQ(DrawsMadeBy([&] { ShuffleList(v.begin(), v.end()); }), 4);
    EXPECT_EQ(DrawsMadeBy([&] { ShuffleList(v.begin(), v.begin() + 1); }), 0);
    EXPECT_EQ(DrawsMadeBy([&] { ShuffleList(v.begin(), v.begin()); }), 0);
    // Swaps k = 32767 and up cover k + 1 > 32767 places: two draws each.
    std::vector<int> big(40000);
    for (int i = 0; i < 40000; ++i) big[i] = i;
    EXPECT_EQ(DrawsMadeBy([&] { ShuffleList(big.begin(), big.end()); }), 39999 + (39999 - 32767 + 1));
    std::vector<int> sorted = big;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 40000; ++i) ASSERT_EQ(sorted[i], i);
    // Entries beyond the first 32768 places move too.
    int movedFar = 0;
    for (int i = 0; i < 40000; ++i) movedFar += big[i] >= 32768 && i < 32768;
    EXPECT_GT(movedFar, 1000);
}

TEST(Random, ShuffleListSpreadsEvenly) {
    std::srand(77);
    std::map<std::vector<int>, int> counts;
    for (int i = 0; i < 6000; ++i) {
        std::vector<int> v = {0, 1, 2};
        ShuffleList(v.begin(), v.end());
        ++counts[v];
    }
    EXPECT_EQ(counts.size(), 6u);
    for (const auto& [order, n] : counts) EXPECT_NEAR(n, 1000, 150);
}

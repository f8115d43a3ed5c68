// The trainee's three files: layouts byte for byte, the repairs made on loading, where the
// files live, and export.
#include <gtest/gtest.h>

#include <limits>
#include <stdlib.h>

#include <cmath>
#include <filesystem>

#include "platform/Files.h"
#include "profiles/NumberText.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"

namespace {

// The lines of a ".pro" for the given values; rounds and days are left out when negative.
std::vector<std::string> ProLines(const std::string& level, int rounds, int days) {
    std::vector<std::string> lines = {"Eva", "", level, "F", "1", "-", "-"};
    for (int k = 0; k < 25; ++k) lines.push_back("-");
    lines.push_back("0");
    for (int g = 0; g < 10; ++g) {
        lines.push_back(std::to_string(g));  // dayProgress
        lines.push_back("3");                // span
        lines.push_back("0");                // direction
    }
    lines.push_back("17");  // coins
    if (rounds >= 0) lines.push_back(std::to_string(rounds));
    if (days >= 0) lines.push_back(std::to_string(days));
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}

// Loads a ".pro" written from lines into a profile whose rounds and days start as given.
void LoadPro(Profile& p, const ProfileFolder& dir, const std::string& bytes) {
    dir.Put("Eva.pro", bytes);
    p.folder = dir.Folder();
    p.name = L"Eva";
    p.Load(true, false, false);
}

}  // namespace

TEST(ProfileFiles, DefaultRecordIsWrittenInTheStoredLayout) {
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder();
    ASSERT_TRUE(p.Save(true, true, true));

    std::vector<std::string> pro = {"Noname", "", "1", "M", "1", "-", "-"};
    for (int k = 0; k < 25; ++k) pro.push_back("-");
    pro.push_back("0");
    for (int g = 0; g < 10; ++g) {
        pro.push_back("0");
        pro.push_back("0");
        pro.push_back(g == 6 ? "1" : "0");  // the ghost house starts backward
    }
    pro.insert(pro.end(), {"0", "8", "25"});
    ASSERT_EQ(pro.size(), 66u);
    EXPECT_EQ(dir.Get("Noname.pro"), Join(pro));

    // o3 is stored last, after o21; o20 with a decimal point.
    EXPECT_EQ(dir.Get("Noname.opt"), Join({"1", "1", "1", "1", "1", "0", "0", "0", "1",        "1", "1",
                                           "1", "1", "1", "1", "1", "1", "1", "3", "0.200000", "0", "0"}));

    const std::string sta = dir.Get("Noname.sta");
    EXPECT_EQ(sta.size(), 3u + 12500u * 3u);  // every line "0" CR LF
}

TEST(ProfileFiles, EveryFileReadsBackAndWritesAgainByteForByte) {
    ProfileFolder first, second;
    Profile a;
    a.folder = first.Folder();
    a.name = L"\u00c5sa";
    a.password = L"l\u00f6sen 1";
    a.level = L"3";
    a.gender = L"F";
    a.lastDate = L"12/07/26";
    a.rewardDate = L"12/06/26";
    for (int k = 0; k < 25; ++k) a.dayDates[k] = L"d" + std::to_wstring(k);
    a.reservedNumber = -12;
    for (int g = 0; g < 10; ++g) {
        a.dayProgress[g] = g + 1;
        a.span[g] = 9 - g;
        a.direction[g] = g % 2;
    }
    a.coins = 1234;
    a.roundsPerDay = 10;
    a.trainingDays = 15;
    a.options.o3 = 1;
    a.options.o7 = 1;
    a.options.o19 = 5;
    a.options.o20 = 1.5f;
    a.options.o21 = 1;
    a.options.SetExerciseOn(4, 0);
    a.stats.CountItem(0, 1, 4, false);
    a.stats.CountItem(24, 9, 9, true);
    a.stats.CountError(7, 3, 2, true);
    a.stats.itemsForward[3][4][5] = 6;
    ASSERT_TRUE(a.Save(true, true, true));

    Profile b;
    b.folder = first.Folder();
    b.name = a.name;
    b.Load(true, true, true);
    EXPECT_EQ(b.password, a.password);
    EXPECT_EQ(b.dayDates, a.dayDates);
    EXPECT_EQ(b.dayProgress, a.dayProgress);
    EXPECT_EQ(b.direction, a.direction);
    EXPECT_EQ(b.reservedNumber, -12);
    EXPECT_EQ(b.trainingDays, 15);
    EXPECT_EQ(b.options.ExerciseOn(4), 0);
    EXPECT_EQ(b.options.o3, 1);
    EXPECT_FLOAT_EQ(b.options.o20, 1.5f);
    EXPECT_EQ(b.stats.points[24][9][9], 17);
    EXPECT_EQ(b.stats.errorsBackward[7][3][2], 1);
    EXPECT_EQ(b.stats.itemsForward[3][4][5], 6);

    b.folder = second.Folder();
    ASSERT_TRUE(b.Save(true, true, true));
    for (const char* ext : {".pro", ".opt", ".sta"}) {
        const std::string file = "\xC3\x85sa" + std::string(ext);
        EXPECT_EQ(second.Get(file), first.Get(file)) << ext;
    }
}

TEST(ProfileFiles, RoundsAndDaysAreRepairedOnLoading) {
    ProfileFolder dir;
    Profile p;
    // 64 lines: no rounds, no days. The rounds follow from the level.
    LoadPro(p, dir, Join(ProLines("2", -1, -1)));
    EXPECT_EQ(p.roundsPerDay, 9);
    EXPECT_EQ(p.trainingDays, 25);
    EXPECT_EQ(p.coins, 17);
    EXPECT_EQ(p.dayProgress[9], 9);

    // Without its final line break, a 64-line file leaves rounds in memory, repaired if need be.
    p.roundsPerDay = 10;
    std::string bytes = Join(ProLines("3", -1, -1));
    LoadPro(p, dir, bytes.substr(0, bytes.size() - 2));
    EXPECT_EQ(p.roundsPerDay, 10);
    p.roundsPerDay = 3;
    LoadPro(p, dir, bytes.substr(0, bytes.size() - 2));
    EXPECT_EQ(p.roundsPerDay, 10);

    LoadPro(p, dir, Join(ProLines("1", 12, 20)));
    EXPECT_EQ(p.roundsPerDay, 8);
    EXPECT_EQ(p.trainingDays, 20);
    LoadPro(p, dir, Join(ProLines("x", 7, 15)));
    EXPECT_EQ(p.roundsPerDay, 10);
    EXPECT_EQ(p.trainingDays, 15);
    LoadPro(p, dir, Join(ProLines("1", 9, 30)));
    EXPECT_EQ(p.roundsPerDay, 9);
    EXPECT_EQ(p.trainingDays, 25);
    LoadPro(p, dir, Join(ProLines("1", 9, 14)));
    EXPECT_EQ(p.trainingDays, 25);
}

TEST(ProfileFiles, ShortFilesReadMissingLinesAsEmptyAndZero) {
    ProfileFolder dir;
    Profile p;
    p.coins = 99;
    p.dayDates[20] = L"old";
    LoadPro(p, dir, Join({"Eva", "pw", "2", "F", "1", "d1", "d2", "first"}));
    EXPECT_EQ(p.password, L"pw");
    EXPECT_EQ(p.dayDates[0], L"first");
    EXPECT_EQ(p.dayDates[20], L"");
    EXPECT_EQ(p.coins, 0);
    EXPECT_EQ(p.roundsPerDay, 8);  // missing: the value in memory, already in range

    // An ".opt" of 20 lines (older versions) loads o21 and o3 as 0.
    p.options.o21 = 1;
    p.options.o3 = 1;
    dir.Put("Eva.opt", Join({"0", "1", "0", "1", "0", "1", "1", "0", "1", "0",
                             "1", "1", "1", "1", "1", "1", "1", "1", "4", "0.5"}));
    p.Load(false, true, false);
    EXPECT_EQ(p.options.o21, 0);
    EXPECT_EQ(p.options.o3, 0);
    EXPECT_EQ(p.options.o0, 0);
    EXPECT_EQ(p.options.o4, 1);  // line 4 is o4
    EXPECT_EQ(p.options.o8, 0);
    EXPECT_EQ(p.options.ExerciseOn(0), 1);
    EXPECT_EQ(p.options.ExerciseOn(1), 0);
    EXPECT_EQ(p.options.o19, 4);
    EXPECT_FLOAT_EQ(p.options.o20, 0.5f);
}

TEST(ProfileFiles, MissingOrUnsafeFilesLeaveTheRecord) {
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder();
    p.name = L"Nobody";
    p.coins = 5;
    p.options.o19 = 2;
    p.stats.CountItem(1, 1, 1, false);
    p.Load(true, true, true);
    EXPECT_EQ(p.name, L"Nobody");
    EXPECT_EQ(p.coins, 5);
    EXPECT_EQ(p.options.o19, 2);
    EXPECT_EQ(p.stats.itemsForward[1][1][1], 1);

    // A stored name that leads out of the profile folder is not taken over, so the next
    // save stays in the folder.
    LoadPro(p, dir, Join({"..\\..\\evil", "", "1"}));
    EXPECT_EQ(p.name, L"Eva");
    p.name = L"../evil";
    EXPECT_FALSE(p.Save(true, true, true));
    p.name = L"a\\b";
    EXPECT_FALSE(p.Save(true, false, false));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir.Native()).parent_path() / "evil.pro"));
    EXPECT_FALSE(dir.Has("a"));
}

TEST(ProfileFiles, FailedSavesAreReportedAndLeaveNoTrace) {
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder() + L"missing/";
    EXPECT_FALSE(p.Save(true, true, true));

    p.folder = dir.Folder();
    p.coins = 1;
    ASSERT_TRUE(p.Save(true, false, false));
    const std::string before = dir.Get("Noname.pro");
    // A folder where ".opt" belongs cannot be replaced: that save fails, the others work.
    std::filesystem::create_directory(dir.File("Noname.opt"));
    p.coins = 2;
    EXPECT_FALSE(p.Save(true, true, false));
    EXPECT_NE(dir.Get("Noname.pro"), before);
    Profile q;
    q.folder = dir.Folder();
    q.Load(true, true, false);
    EXPECT_EQ(q.coins, 2);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Noname.opt")));
    // No temporary files stay behind.
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Native())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST(ProfileFiles, PointsOutsideTheRangeLoadAsZero) {
    ProfileFolder dir;
    Profile p;
    p.folder = dir.Folder();
    p.name = L"Eva";
    // Cells 0..3 of day 0, exercise 0: points 151, -1, 150, and 160 earned by 40 items at span 3.
    std::string bytes = "\xEF\xBB\xBF";
    bytes += "0\r\n0\r\n0\r\n0\r\n151\r\n";
    bytes += "0\r\n0\r\n0\r\n0\r\n-1\r\n";
    bytes += "0\r\n0\r\n0\r\n0\r\n150\r\n";
    bytes += "40\r\n0\r\n0\r\n0\r\n160\r\n";  // span 3, 40 forward items could earn 120 only
    bytes += "40\r\n0\r\n0\r\n0\r\n160\r\n";  // span 4: exactly what 40 items earn
    bytes += "2\r\n10\r\n3\r\n4\r\n5\r\n";
    dir.Put("Eva.sta", bytes);
    p.Load(false, false, true);
    EXPECT_EQ(p.stats.points[0][0][0], 0);
    EXPECT_EQ(p.stats.points[0][0][1], 0);
    EXPECT_EQ(p.stats.points[0][0][2], 150);
    EXPECT_EQ(p.stats.points[0][0][3], 0);
    EXPECT_EQ(p.stats.points[0][0][4], 160);
    EXPECT_EQ(p.stats.itemsForward[0][0][5], 2);
    EXPECT_EQ(p.stats.itemsBackward[0][0][5], 10);
    EXPECT_EQ(p.stats.errorsForward[0][0][5], 3);
    EXPECT_EQ(p.stats.errorsBackward[0][0][5], 4);
    EXPECT_EQ(p.stats.points[0][0][5], 5);
    EXPECT_EQ(p.stats.itemsForward[24][9][9], 0);  // missing lines read as 0
}

TEST(ProfileFiles, NumbersAreReadLeniently) {
    using profiles::ReadFloat;
    using profiles::ReadInt;
    EXPECT_EQ(ReadInt(L"  42abc"), 42);
    EXPECT_EQ(ReadInt(L"-7"), -7);
    EXPECT_EQ(ReadInt(L"+8"), 8);
    EXPECT_EQ(ReadInt(L"x9"), 0);
    EXPECT_EQ(ReadInt(L""), 0);
    EXPECT_EQ(ReadInt(L"- 5"), 0);
    EXPECT_EQ(ReadInt(L"99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ReadInt(L"-2147483648"), INT32_MIN);
    EXPECT_EQ(ReadInt(L"-99999999999"), INT32_MIN);
    EXPECT_FLOAT_EQ(ReadFloat(L"0.2"), 0.2f);
    EXPECT_FLOAT_EQ(ReadFloat(L" -1.5e1x"), -15.0f);
    EXPECT_FLOAT_EQ(ReadFloat(L".5"), 0.5f);
    EXPECT_FLOAT_EQ(ReadFloat(L"3e"), 3.0f);
    EXPECT_FLOAT_EQ(ReadFloat(L"abc"), 0.0f);
    EXPECT_FLOAT_EQ(ReadFloat(L"."), 0.0f);
    // Beyond a float's range: the largest float, which writes and reads back unchanged.
    EXPECT_EQ(ReadFloat(L"1e999"), std::numeric_limits<float>::max());
    EXPECT_EQ(ReadFloat(L"-77777777777777777777777777777777777777777777777777"), -std::numeric_limits<float>::max());
    EXPECT_EQ(ReadFloat(profiles::FloatText(std::numeric_limits<float>::max())), std::numeric_limits<float>::max());
    EXPECT_FLOAT_EQ(ReadFloat(L"1e-999"), 0.0f);
    EXPECT_EQ(profiles::FloatText(0.2f), L"0.200000");
    EXPECT_EQ(profiles::FloatText(-3.0f), L"-3.000000");
}

TEST(ProfileFiles, PathsFileSettlesTheProfileFolder) {
    ProfileFolder dir;
    const std::wstring paths = dir.Folder() + L"paths.txt";
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"Kestrova"), L"data\\profiles\\");

    dir.Put("paths.txt", "");
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"Kestrova"), L"data\\profiles\\");

    // A real path keeps its characters; the backslash that ends the folder is its separator.
    const std::wstring base = dir.Folder() + L"store/";
    dir.Put("paths.txt", platform::Utf8FromWide(dir.Folder()) + "store\\\r\n");
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"Kestrova"), base);

    // Line 2 names a sub-folder that is created; when it cannot be, line 1 alone counts.
    std::filesystem::create_directory(dir.File("store"));
    dir.Put("paths.txt", platform::Utf8FromWide(base) + "\r\nclass 4\\\r\n");
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"Kestrova"), base + L"class 4/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("store/class 4")));
    dir.Put("paths.txt", platform::Utf8FromWide(dir.Folder()) + "nowhere/\r\nsub\\\r\n");
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"Kestrova"), dir.Folder() + L"nowhere/");
}

// "USER": the documents folder + the title. The documents folder is steered here through the
// desktop's home folder.
TEST(ProfileFiles, PathsFileUserMeansTheDocumentsFolder) {
    ProfileFolder dir;
    const std::wstring paths = dir.Folder() + L"paths.txt";
    ScopedEnv env({{"HOME", dir.Native()}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}});
    std::filesystem::create_directory(dir.File("Documents"));
    dir.Put("paths.txt", "USER\r\n");
    const std::wstring user = profiles::SettleProfileFolder(paths, L"Memory Trainer");
    EXPECT_EQ(user, dir.Folder() + L"Documents/Memory Trainer/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Documents/Memory Trainer")));
    // A title that is no plain folder name gives way to a fixed one.
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"..\\x"), dir.Folder() + L"Documents/Kestrova/");
    // "USER" with a sub-folder that cannot be made is still "USER".
    dir.Put("paths.txt", "USER\r\nsub\r\n");
    auto onlyDocuments = [](const std::wstring& path) {
        return path.find(L"Documents") != std::wstring::npos && platform::CreateFolder(path);
    };
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"T", onlyDocuments, platform::CreatePrivateFolder),
              dir.Folder() + L"Documents/T/");
    // When the per-user folder cannot be made, the default folder is used.
    EXPECT_EQ(profiles::SettleProfileFolder(paths, L"T", onlyDocuments,
                                            [](const std::wstring&) { return platform::FolderState::kFailed; }),
              L"data\\profiles\\");
}

TEST(ProfileFiles, ExportCopiesEveryFileATraineeHas) {
    ProfileFolder dir, target;
    Profile p;
    p.folder = dir.Folder();
    for (const wchar_t* who : {L"Ann", L"Bo"}) {
        p.name = who;
        p.coins = static_cast<int32_t>(p.name.size());
        ASSERT_TRUE(p.Save(true, true, true));
    }
    dir.Put("Bo.png", "picture");
    std::filesystem::create_directory(dir.File("folder.pro"));  // not a profile
    EXPECT_EQ(p.ProfileNames(), (std::vector<std::wstring>{L"Ann", L"Bo"}));

    EXPECT_EQ(p.Export(target.Folder()).copied, 7);
    EXPECT_EQ(p.Export(target.Folder()).failed, 0);
    for (const char* f : {"Ann.pro", "Ann.opt", "Ann.sta", "Bo.pro", "Bo.opt", "Bo.sta", "Bo.png"})
        EXPECT_EQ(target.Get(f), dir.Get(f)) << f;
    EXPECT_FALSE(target.Has("Ann.png"));

    // Diplomas go along; existing copies are overwritten.
    dir.Put("Ann.0dp", "d0");
    dir.Put("Ann.4dp", "d4");
    target.Put("Ann.pro", "stale");
    EXPECT_EQ(p.Export(platform::WideFromUtf8(target.Native())).copied, 9);  // a folder without its final separator
    EXPECT_EQ(target.Get("Ann.pro"), dir.Get("Ann.pro"));
    EXPECT_EQ(target.Get("Ann.4dp"), "d4");
    EXPECT_EQ(profiles::FolderOfPath(L"C:\\out\\export.pro"), L"C:\\out\\");
}

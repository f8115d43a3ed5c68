// A trainee's files against planted, copied, damaged and oversized files, odd folders and a
// missing home: what is read, where it is written and who may read it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "platform/Files.h"
#include "profiles/Profile.h"
#include "profiles/ProfileTestUtil.h"
#include "screens/NewProfile.h"

namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

// A sparse file of the given size: it takes no disk space, but a reader that trusts the size
// would allocate all of it.
void Sparse(const std::string& path, off_t size) {
    { std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBFName\r\n"; }
    ASSERT_EQ(::truncate(path.c_str(), size), 0);
}

class ProfileSafety : public ::testing::Test {
protected:
    void SetUp() override {
        p.folder = dir.Folder();
        p.name = L"Bob";
    }
    // Writes name's files with the record's values as they are now.
    void SaveAs(const std::wstring& name) {
        const std::wstring keep = p.name;
        p.name = name;
        ASSERT_TRUE(p.Save(true, true, true));
        p.name = keep;
    }
    ProfileFolder dir;
    Profile p;
};

TEST_F(ProfileSafety, TheFileNameIsTheTraineeNotTheNameStoredInIt) {
    p.password = L"bobs";
    SaveAs(L"Bob");
    const std::string bobs = dir.Get("Bob.pro");
    // An imported copy of Bob's file under another name.
    fs::copy_file(dir.File("Bob.pro"), dir.File("Bob (2).pro"));
    Profile copy;
    copy.folder = dir.Folder();
    copy.name = L"Bob (2)";
    copy.Load(true, true, true);
    EXPECT_EQ(copy.name, L"Bob (2)");
    copy.password = L"changed";
    ASSERT_TRUE(copy.Save(true, true, true));
    EXPECT_EQ(dir.Get("Bob.pro"), bobs);
    EXPECT_NE(dir.Get("Bob (2).pro").find("changed"), std::string::npos);
    EXPECT_EQ(dir.Get("Bob (2).pro").find("Bob\r\n"), std::string::npos);  // written under its own name
}

TEST_F(ProfileSafety, WritesGoToTheExactNameAndNamesDifferingInCaseAreOneName) {
    dir.Put("ANNA.pro", "theirs");
    SaveAs(L"Anna");
    EXPECT_EQ(dir.Get("ANNA.pro"), "theirs");
    EXPECT_TRUE(dir.Has("Anna.pro"));
    // Reading takes the exact name too: "anna" has no files of its own.
    Profile other;
    other.folder = dir.Folder();
    other.name = L"anna";
    other.coins = 5;
    other.Load(true, false, false);
    EXPECT_EQ(other.coins, 5);

    // At creation every letter counts without its case, not only the plain Latin ones.
    const std::vector<std::wstring> names = {L"åsa", L"Örjan", L"Ωmega", L"Жанна"};
    for (const wchar_t* same : {L"ÅSA", L"Åsa", L"örjan", L"ωMEGA", L"жАННА"})
        EXPECT_EQ(screens::CheckNewName(same, names), screens::NameProblem::kTaken) << platform::Utf8FromWide(same);
    EXPECT_EQ(screens::CheckNewName(L"Asa", names), screens::NameProblem::kNameOk);
}

TEST_F(ProfileSafety, SavesNeverWriteThroughPlantedLinks) {
    ProfileFolder outside;
    outside.Put("victim.txt", "keep me");
    // Links under every name a save could use: the file itself and the temporary names of
    // this process as a writer numbering its files would choose them.
    fs::create_symlink(outside.File("victim.txt"), dir.File("Bob.pro"));
    for (const char* ext : {".pro", ".opt", ".sta"})
        for (int n = 0; n < 3000; ++n)
            fs::create_symlink(
                outside.File("victim.txt"),
                dir.File(std::string("Bob") + ext + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(n)));
    SaveAs(L"Bob");
    EXPECT_EQ(outside.Get("victim.txt"), "keep me");
    EXPECT_FALSE(fs::is_symlink(dir.File("Bob.pro")));  // the link was replaced, not followed
    EXPECT_TRUE(fs::is_regular_file(dir.File("Bob.opt")));
}

TEST_F(ProfileSafety, LinksLeadingOutOfTheFolderAreNotRead) {
    ProfileFolder outside;
    p.coins = 42;
    p.options.o19 = 5;
    SaveAs(L"Real");
    for (const char* ext : {".pro", ".opt"})
        fs::copy_file(dir.File(std::string("Real") + ext), outside.File(std::string("x") + ext));
    fs::create_symlink(outside.File("x.pro"), dir.File("Out.pro"));
    fs::create_symlink(dir.File("Real.opt"), dir.File("In.opt"));  // a link inside the folder is fine
    Profile q;
    q.folder = dir.Folder();
    q.name = L"Out";
    q.Load(true, false, false);
    EXPECT_EQ(q.coins, 0);
    q.name = L"In";
    q.Load(false, true, false);
    EXPECT_EQ(q.options.o19, 5);
}

TEST_F(ProfileSafety, OversizedFilesAreDamagedAndNeverAllocated) {
    Sparse(dir.File("Bob.pro"), 512ll << 20);
    Sparse(dir.File("Bob.sta"), 1ll << 30);
    Sparse(dir.File("Bob.png"), 1ll << 30);
    p.coins = 3;
    p.Load(true, true, true);  // under the sanitizers an allocation of the size would fail loudly
    EXPECT_EQ(p.coins, 3);
    EXPECT_EQ(p.name, L"Bob");
    std::string bytes;
    EXPECT_FALSE(platform::ReadWholeFile(platform::WideFromUtf8(dir.File("Bob.png")), bytes));
    EXPECT_EQ(platform::ReadFileInFolder(dir.Folder(), L"Bob.png", Profile::kMaxPictureBytes, bytes),
              platform::ReadResult::kRefused);
    EXPECT_TRUE(bytes.empty());
    platform::FileReader r;
    EXPECT_FALSE(r.Open(platform::WideFromUtf8(dir.File("Bob.pro"))));
}

// Each row: a line of the ".pro" (1-based) or ".opt" and what it loads as.
struct Clamp {
    const char* what;
    int line;
    const char* text;
    int32_t (*read)(const Profile&);
    int32_t expected;
};

TEST_F(ProfileSafety, NumbersFromTheFilesAreHeldToTheirRanges) {
    const Clamp pro[] = {
        {"day beyond the plan", 34, "2147483647", [](const Profile& q) { return q.dayProgress[0]; }, 25},
        {"negative days done", 37, "-5", [](const Profile& q) { return q.dayProgress[1]; }, 0},
        {"span INT32_MIN", 38, "-2147483648", [](const Profile& q) { return q.span[1]; }, 0},
        {"span too long", 38, "99", [](const Profile& q) { return q.span[1]; }, Profile::kMaxSpan},
        {"direction", 39, "7", [](const Profile& q) { return q.direction[1]; }, 1},
        {"coins", 64, "2147483647", [](const Profile& q) { return q.coins; }, Profile::kMaxCoins},
        {"negative coins", 64, "-9", [](const Profile& q) { return q.coins; }, 0},
    };
    for (const Clamp& c : pro) {
        std::vector<std::string> lines(66, "0");
        lines[0] = "Bob";
        lines[static_cast<size_t>(c.line - 1)] = c.text;
        std::string bytes = "\xEF\xBB\xBF";
        for (const auto& l : lines) bytes += l + "\r\n";
        dir.Put("Bob.pro", bytes);
        Profile q;
        q.folder = dir.Folder();
        q.name = L"Bob";
        q.Load(true, false, false);
        EXPECT_EQ(c.read(q), c.expected) << c.what;
    }
    const Clamp opt[] = {
        {"scan time overflowing in ms", 19, "2147484", [](const Profile& q) { return q.options.o19; }, 5},
        {"negative scan time", 19, "-3", [](const Profile& q) { return q.options.o19; }, 1},
        {"zero scan time", 19, "0", [](const Profile& q) { return q.options.o19; }, 1},
        {"one contact", 7, "-1", [](const Profile& q) { return q.options.o7; }, 1},
        {"exercise switch", 12, "42", [](const Profile& q) { return q.options.ExerciseOn(3); }, 1},
    };
    for (const Clamp& c : opt) {
        std::vector<std::string> lines(22, "1");
        lines[static_cast<size_t>(c.line - 1)] = c.text;
        std::string bytes = "\xEF\xBB\xBF";
        for (const auto& l : lines) bytes += l + "\r\n";
        dir.Put("Bob.opt", bytes);
        Profile q;
        q.folder = dir.Folder();
        q.name = L"Bob";
        q.Load(false, true, false);
        EXPECT_EQ(c.read(q), c.expected) << c.what;
    }
    // A stored password longer than the fields take reads as what the field can hold.
    p.password = std::wstring(300, L'k');
    SaveAs(L"Long");
    Profile q;
    q.folder = dir.Folder();
    q.name = L"Long";
    q.Load(true, false, false);
    EXPECT_EQ(q.password, std::wstring(Profile::kMaxPasswordLength, L'k'));
}

TEST_F(ProfileSafety, ExportCountsEveryFileThatDidNotArriveWhole) {
    SaveAs(L"Ann");
    SaveAs(L"Bert");
    ProfileFolder target;
    fs::create_directory(target.File("Bert.opt"));  // this copy cannot be written
    const Profile::ExportResult r = p.Export(target.Folder());
    EXPECT_EQ(r.copied, 5);
    EXPECT_EQ(r.failed, 1);
    // A real folder whose name holds a backslash is written into, not into a folder path.
    const std::string odd = target.File("usb\\stick");
    fs::create_directory(odd);
    EXPECT_EQ(p.Export(platform::WideFromUtf8(odd)).copied, 6);
    EXPECT_TRUE(fs::exists(odd + "/Ann.pro"));
    EXPECT_FALSE(fs::exists(target.File("usb/stick")));
    // The program's own paths still use backslashes.
    EXPECT_EQ(platform::NativePath(L"data\\lang\\x.txt"), "data/lang/x.txt");
    EXPECT_EQ(platform::NativePath(L"/media/usb\\stick/a.pro"), "/media/usb\\stick/a.pro");
}

TEST_F(ProfileSafety, TheTraineesOwnFolderAndFilesAdmitNoOneElse) {
    const std::string own = dir.File("own");
    EXPECT_EQ(platform::CreatePrivateFolder(platform::WideFromUtf8(own)), platform::FolderState::kMade);
    EXPECT_EQ(ModeOf(own), 0700u);
    EXPECT_EQ(platform::CreatePrivateFolder(platform::WideFromUtf8(own + "/")), platform::FolderState::kExisted);
    p.folder = platform::WideFromUtf8(own + "/");
    SaveAs(L"Bob");
    for (const char* ext : {".pro", ".opt", ".sta"}) EXPECT_EQ(ModeOf(own + "/Bob" + ext), 0600u) << ext;
    // A shared folder named by the trainer: its files follow the umask, and a replaced file
    // keeps the permissions it was given.
    const std::string shared = dir.File("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 0775);
    const mode_t old = ::umask(022);
    p.folder = platform::WideFromUtf8(shared + "/");
    SaveAs(L"Bob");
    EXPECT_EQ(ModeOf(shared + "/Bob.pro"), 0644u);
    ::chmod((shared + "/Bob.pro").c_str(), 0640);
    SaveAs(L"Bob");
    EXPECT_EQ(ModeOf(shared + "/Bob.pro"), 0640u);
    ::umask(old);
    EXPECT_EQ(ModeOf(shared), 0775u);
    // An existing folder is refused only when others can really write into it: a folder
    // written by the usual desktop umask for the user's own private group is the user's.
    const bool root = ::geteuid() == 0;  // only root can give a folder away
    struct Case {
        const char* name;
        mode_t mode;
        gid_t group;  // -1: the user's own
        uid_t owner;  // -1: the user
        platform::FolderState want;
    } cases[] = {
        {"private group, group-writable", 0770, gid_t(-1), uid_t(-1), platform::FolderState::kExisted},
        {"everyone writes", 0777, gid_t(-1), uid_t(-1), platform::FolderState::kRefused},
        {"a shared group writes", 0775, 100, uid_t(-1), platform::FolderState::kRefused},
        {"a shared group reads only", 0755, 100, uid_t(-1), platform::FolderState::kExisted},
        {"another user's", 0700, gid_t(-1), 65534, platform::FolderState::kRefused},
    };
    for (const auto& c : cases) {
        if (!root && (c.group != gid_t(-1) || c.owner != uid_t(-1))) continue;
        const std::string folder = dir.File(c.name);
        fs::create_directory(folder);
        ::chmod(folder.c_str(), c.mode);
        if (c.group != gid_t(-1) || c.owner != uid_t(-1)) {
            ASSERT_EQ(::chown(folder.c_str(), c.owner, c.group), 0);
        }
        EXPECT_EQ(platform::CreatePrivateFolder(platform::WideFromUtf8(folder)), c.want) << c.name;
    }
}

class ProfileHome : public ::testing::Test {
protected:
    std::wstring Settle(bool* made = nullptr) {
        dir.Put("paths.txt", "USER\r\n");
        return profiles::SettleProfileFolder(platform::WideFromUtf8(dir.File("paths.txt")), L"Kestrova", made);
    }
    ProfileFolder dir;
};

TEST_F(ProfileHome, TheDocumentsFolderIsTheOneTheDesktopNames) {
    fs::create_directories(dir.File("home/Dokument"));
    fs::create_directories(dir.File("home/Documents"));
    fs::create_directories(dir.File("conf"));
    dir.Put("conf/user-dirs.dirs",
            "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Skrivbord\"\n"
            "XDG_DOCUMENTS_DIR=\"$HOME/Dokument\"\n");
    ScopedEnv env({{"HOME", dir.File("home")}, {"XDG_CONFIG_HOME", dir.File("conf")}, {"XDG_DATA_HOME", ""}});
    EXPECT_EQ(platform::DocumentsFolder(), platform::WideFromUtf8(dir.File("home/Dokument")));
    bool made = false;
    EXPECT_EQ(Settle(&made), platform::WideFromUtf8(dir.File("home/Dokument/Kestrova/")));
    EXPECT_TRUE(made);
    EXPECT_EQ(ModeOf(dir.File("home/Dokument/Kestrova")), 0700u);
    Settle(&made);
    EXPECT_FALSE(made);  // told only the first time
    // An absolute folder with an escaped character; a named folder that is missing gives way.
    fs::create_directories(dir.File("docs \"x\""));
    dir.Put("conf/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + dir.File("docs \\\"x\\\"") + "\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), platform::WideFromUtf8(dir.File("docs \"x\"")));
    dir.Put("conf/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\n");
    EXPECT_EQ(platform::DocumentsFolder(), platform::WideFromUtf8(dir.File("home/Documents")));
}

TEST_F(ProfileHome, WithoutAHomeTheDataHomeOrNothingButNeverASharedFolder) {
    ScopedEnv env({{"HOME", ""}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", dir.File("data")}});
    EXPECT_EQ(platform::DocumentsFolder(), L"");
    EXPECT_EQ(Settle(), platform::WideFromUtf8(dir.File("data/Kestrova/")));

    ScopedEnv none({{"XDG_DATA_HOME", ""}});
    EXPECT_EQ(Settle(), L"");
    Profile q;
    q.folder = Settle();
    q.name = L"Bob";
    EXPECT_FALSE(q.Save(true, true, true));
    EXPECT_TRUE(q.ProfileNames().empty());
    EXPECT_FALSE(fs::exists("Bob.pro"));

    // A home that everyone may write into counts as none.
    ScopedEnv shared({{"HOME", "/tmp"}});
    EXPECT_EQ(platform::DocumentsFolder(), L"");
    EXPECT_EQ(Settle(), L"");
}

}  // namespace

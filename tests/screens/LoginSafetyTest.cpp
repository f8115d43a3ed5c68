// The login as a careless or hostile user meets it: no way past the password, pictures read
// only for the page shown and shrunk as they are read, exports that say what happened, the
// trainees' folder made for the user alone, and one password limit for both fields.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "graphics/Graphics.h"
#include "profiles/ProfileTestUtil.h"
#include "profiles/SaverProcess.h"
#include "screens/EnterPassword.h"
#include "screens/Login.h"
#include "screens/NewProfile.h"
#include "screens/RoadFixture.h"

namespace {

namespace fs = std::filesystem;

class LoginSafety : public RoadTest {
protected:
    CLogin& Login() { return As<CLogin>(); }
    void AddLocked() {
        AddTrainee(L"Pia", [](Profile& p) {
            p.password = L"pw";
            p.coins = 7;
        });
    }
};

TEST_F(LoginSafety, TheNumberTestLeadsBackToTheLoginOnly) {
    AddLocked();
    const std::string before = root.Read("Pia.pro");
    Go(kLogin);
    ClickOn(Login().TextButton(2));
    ASSERT_EQ(H().ScreenId(), kNumberTest);
    Os().QueueAnswer(true);  // leave the test: yes
    H().Key(platform::VK_ESCAPE);
    H().RunFor(500);
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(root.Read("Pia.pro"), before);
}

// Every way out of every screen open before the password: random presses anywhere and every
// kind of key (no typing, so no new trainee without a password appears).
TEST_F(LoginSafety, NoScreenBeforeThePasswordLeadsToTheTraineesOwnScreens) {
    AddLocked();
    const std::string files = root.Read("Pia.pro") + root.Read("Pia.opt") + root.Read("Pia.sta");
    const int keys[] = {
        platform::VK_ESCAPE, platform::VK_SPACE, platform::VK_RETURN, 'T', '1', '9', 37, 39, 107, 109, 112, 9};
    std::mt19937 random(2112);
    for (const int start : {kLogin, kNewProfile, kEnterPassword, kNumberTest}) {
        auto begin = [&] {
            Go(kLogin);
            if (start == kEnterPassword)
                ClickOn(Login().TextButton(0));
            else if (start != kLogin)
                Go(start);
        };
        begin();
        for (int step = 0; step < 300; ++step) {
            if (random() % 3 == 0)
                H().Key(keys[random() % std::size(keys)]);
            else
                H().Click(static_cast<int>(random() % 800), static_cast<int>(random() % 600));
            H().Drain();
            if (!H().Frame().Running()) {  // the program was ended: start it again
                harness.reset();           // one harness at a time
                harness = std::make_unique<HeadlessHarness>(commandLine, root.Assets());
                begin();
                continue;
            }
            const int id = H().ScreenId();
            ASSERT_TRUE(id == kLogin || id == kNewProfile || id == kEnterPassword || id == kNumberTest ||
                        id == kOverview)  // the trainer's, read-only, locked trainees by name only
                << "screen " << id << " reached from " << start << " at step " << step;
        }
    }
    EXPECT_EQ(root.Read("Pia.pro") + root.Read("Pia.opt") + root.Read("Pia.sta"), files);
}

TEST_F(LoginSafety, PicturesAreReadForTheShownPageOnlyAndShrunkToTheirPlace) {
    for (int i = 0; i < 12; ++i) {
        const std::wstring name = L"T" + std::to_wstring(10 + i);
        AddTrainee(name);
        Bitmap big(640, 480);
        std::fill(big.Pixels(), big.Pixels() + 640 * 480, 0xFF336699u);
        ASSERT_TRUE(big.SavePng(root.ProfileFolder() + name + L".png"));
    }
    Go(kLogin);
    ASSERT_EQ(Login().EntryCount(), 12);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Login().Entry(i).naturalWidth, 50) << i;  // held at the drawn size, not 640
        EXPECT_EQ(Login().Entry(i).width, 50) << i;
    }
    for (int i = 5; i < 12; ++i) EXPECT_TRUE(Login().Entry(i).firstFile.empty()) << i;  // not read yet
    ClickOn(Login().NextPage());
    EXPECT_EQ(Login().Entry(7).naturalWidth, 50);
    EXPECT_TRUE(Login().Entry(10).firstFile.empty());
    H().RunPasses(2);
    Shot("login-pictures.png");
    EXPECT_EQ(H().Frame().BackBuffer().PixelAt(static_cast<int>(Login().Entry(5).x) + 25,
                                               static_cast<int>(Login().Entry(5).y) + 25),
              0xFF336699u);
}

TEST_F(LoginSafety, ExportSaysSavedOnlyWhenEveryFileArrived) {
    AddTrainee(L"Ann");
    AddTrainee(L"Bert");
    RoadRoot target;
    fs::create_directory(target.Profiles() / "Bert.opt");  // one copy cannot be written
    Go(kLogin);
    const std::wstring folder = platform::WideFromUtf8(target.Profiles().string());
    Os().QueueFolder(folder);
    ClickOn(Login().ExportButton());
    EXPECT_EQ(Login().StatusText(), L"Not every trainee could be saved in " + folder);
    fs::remove(target.Profiles() / "Bert.opt");
    Os().QueueFolder(folder);
    ClickOn(Login().ExportButton());
    EXPECT_EQ(Login().StatusText(), L"The trainees were saved in " + folder);
    H().RunPasses(2);
    Shot("login-export.png");
}

TEST_F(LoginSafety, OnePasswordLimitForBothFieldsShownWhenReached) {
    Go(kNewProfile);
    auto& make = As<CNewProfile>();
    make.NameField()->SetText(L"Lena");
    make.PasswordField()->Focus();
    Type(std::wstring(300, L'x'));
    EXPECT_EQ(make.PasswordField()->Text().size(), Profile::kMaxPasswordLength);
    EXPECT_TRUE(make.PasswordField()->Full());
    EXPECT_EQ(make.PasswordField()->LimitNote(), P().options.GetText(114));
    H().RunPasses(2);
    Shot("newprofile-password-limit.png");
    ClickOn(make.CreateButton());
    ASSERT_EQ(H().ScreenId(), kLogin);
    ClickOn(Login().TextButton(0));
    ASSERT_EQ(H().ScreenId(), kEnterPassword);
    As<CEnterPassword>().Field()->Focus();
    Type(std::wstring(300, L'x'));
    EXPECT_TRUE(As<CEnterPassword>().Field()->Full());
    ClickOn(As<CEnterPassword>().OkButton());
    EXPECT_EQ(H().ScreenId(), kMenu);
}

// The program's first start with the trainees' folder in the documents folder.
class FirstStart : public LoginSafety {
protected:
    void SetUp() override {
        fs::create_directories(home / "Documents");
        fs::remove(root.Profiles().parent_path() / "data" / "paths.txt");
        std::ofstream(root.Profiles().parent_path() / "data" / "paths.txt", std::ios::binary) << "USER\r\n";
        env = std::make_unique<ScopedEnv>(std::initializer_list<std::pair<std::string, std::string>>{
            {"HOME", home.string()}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}});
        LoginSafety::SetUp();
    }
    void TearDown() override {
        LoginSafety::TearDown();
        env.reset();
    }
    fs::path home = root.Profiles() / "home";
    std::unique_ptr<ScopedEnv> env;
};

TEST_F(FirstStart, TheLoginTellsWhereTheTraineesFolderWasMade) {
    Go(kLogin);
    const fs::path made = home / "Documents" / "Kestrova";
    EXPECT_EQ(Login().StatusText(), L"The trainees' files are kept in " + platform::WideFromUtf8(made.string()) + L"/");
    struct stat st {};
    ASSERT_EQ(::stat(made.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    H().RunPasses(2);
    Shot("login-folder-made.png");
    Go(kLogin);
    EXPECT_EQ(Login().StatusText(), L"");  // said once
}

}  // namespace

// Two programs on one trainee folder: while another program trains Eva, this login opens her
// for nothing that writes; once that program is killed, she logs in as usual.
TEST_F(LoginSafety, ATraineeInTrainingElsewhereIsNotOpened) {
    AddTrainee(L"Eva", [](Profile& p) { p.coins = 5; });
    const std::string folder = platform::Utf8FromWide(root.ProfileFolder());
    SaverProcess other = StartSaverTool({"hold", folder, "Eva"});
    ASSERT_EQ(other.said, 'R');
    Go(kLogin);
    const std::wstring inUse = P().options.GetText(170);
    EXPECT_EQ(Login().StatusText(), inUse);
    const std::string files = root.Read("Eva.pro") + root.Read("Eva.opt") + root.Read("Eva.sta");
    for (int button : {0, 2, 3, 4}) {
        ClickOn(Login().TextButton(button));
        H().RunFor(100);
        EXPECT_EQ(H().ScreenId(), kLogin) << "button " << button;
        EXPECT_EQ(Login().StatusText(), inUse);
    }
    EXPECT_EQ(root.Read("Eva.pro") + root.Read("Eva.opt") + root.Read("Eva.sta"), files);
    SaverProcess third = StartSaverTool({"hold", folder, "Eva"});
    EXPECT_EQ(third.said, 'B') << "a third program took the trainee";
    KillSaver(third);

    ASSERT_TRUE(KillSaver(other));
    ClickOn(Login().TextButton(0));
    H().RunFor(100);
    ASSERT_EQ(H().ScreenId(), kMenu);
    EXPECT_EQ(P().coins, 5);
    SaverProcess meanwhile = StartSaverTool({"hold", folder, "Eva"});
    EXPECT_EQ(meanwhile.said, 'B') << "the trainee was not held while training here";
    KillSaver(meanwhile);
    // Back at the login she is free again.
    Go(kLogin);
    SaverProcess after = StartSaverTool({"hold", folder, "Eva"});
    EXPECT_EQ(after.said, 'R');
    KillSaver(after);
}

// The trainees' folder in the documents folder can be changed by others: nothing is kept in
// it, and the login says so instead of showing an empty list.
TEST_F(LoginSafety, ARefusedTraineesFolderIsNamedOnTheLogin) {
    ProfileFolder home;
    fs::create_directories(home.File("Documents/Kestrova"));
    ::chmod(home.File("Documents/Kestrova").c_str(), 0777);
    ScopedEnv env({{"HOME", home.Native()}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}});
    std::ofstream(platform::Utf8FromWide(root.Assets()) + "/data/paths.txt", std::ios::binary) << "USER\r\n";
    P().Reset(true, false, false);
    EXPECT_EQ(P().folder, L"");
    Go(kLogin);
    const std::wstring shown = Login().StatusText();
    EXPECT_NE(shown.find(platform::WideFromUtf8(home.File("Documents/Kestrova/"))), std::wstring::npos)
        << platform::Utf8FromWide(shown);
    EXPECT_EQ(shown.substr(0, 10), P().options.GetText(172).substr(0, 10));
}

// A trainee file named in Latin-1 by an older system ("\xC5sa.pro"): listed as damaged, never
// opened as a blank record, and nothing writes a second trainee beside it.
TEST_F(LoginSafety, ATraineeWhoseFileNameIsNotUtf8IsNeverOpened) {
    AddTrainee(L"Eva", [](Profile& p) { p.coins = 9; });
    for (const char* ext : {".pro", ".opt", ".sta"}) {
        std::ofstream(root.Profiles() / (std::string("\xC5sa") + ext), std::ios::binary)
            << root.Read(std::string("Eva") + ext);
    }
    Go(kLogin);
    ASSERT_EQ(Login().EntryCount(), 2);
    const int damaged = Login().EntryName(0) == L"Eva" ? 1 : 0;
    const size_t files = root.FileCount();
    ClickOn(Login().Entry(damaged));
    const std::wstring said = P().options.GetText(173);
    EXPECT_EQ(Login().StatusText(), said);
    for (int button : {0, 2, 3, 4}) {
        ClickOn(Login().TextButton(button));
        H().RunFor(100);
        EXPECT_EQ(H().ScreenId(), kLogin) << "button " << button;
        EXPECT_EQ(Login().StatusText(), said);
    }
    EXPECT_FALSE(P().Save(true, true, true));
    EXPECT_EQ(root.FileCount(), files);
}

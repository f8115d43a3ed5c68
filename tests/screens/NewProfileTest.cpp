// The new-trainee screen: its choices, the name check and the files it leaves.
#include <gtest/gtest.h>

#include "platform/TempNames.h"
#include "screens/Login.h"
#include "screens/NewProfile.h"
#include "screens/RoadFixture.h"

namespace {

using screens::CheckNewName;
using screens::NameProblem;

TEST(NewTraineeName, RefusesNamesThatCannotBeAPlainFileInTheProfileFolder) {
    const std::vector<std::wstring> none;
    EXPECT_EQ(CheckNewName(L"Anna", none), NameProblem::kNameOk);
    EXPECT_EQ(CheckNewName(L"Åsa Öberg-Lind", none), NameProblem::kNameOk);
    EXPECT_EQ(CheckNewName(L"J. R. R.x", none), NameProblem::kNameOk);
    EXPECT_EQ(CheckNewName(L"", none), NameProblem::kEmpty);
    EXPECT_EQ(CheckNewName(std::wstring(30, L'a'), none), NameProblem::kNameOk);
    EXPECT_EQ(CheckNewName(std::wstring(31, L'a'), none), NameProblem::kTooLong);
    for (const wchar_t* bad : {L"a\\b",  L"a/b",    L"..",         L".",      L"a..b",     L"../x",    L"x:y",
                               L"x*",    L"x?",     L"say \"hi\"", L"a<b",    L"a>b",      L"a|b",     L".hidden",
                               L" lead", L"trail ", L"trail.",     L"tab\tx", L"bell\x07", L"del\x7F", L"c1\x85"})
        EXPECT_EQ(CheckNewName(bad, none), NameProblem::kBadCharacters) << platform::Utf8FromWide(bad);
    // The writers' temporaries are never a trainee's name (their clean-up would take the files).
    const std::wstring temporary = platform::WideFromUtf8(platform::TemporaryFileName("abc123"));
    EXPECT_EQ(CheckNewName(temporary.substr(0, 30), none), NameProblem::kBadCharacters);
}

TEST(NewTraineeName, ATakenNameIsRefusedWhateverItsLetterCase) {
    const std::vector<std::wstring> names = {L"Anna", L"Örjan"};
    EXPECT_EQ(CheckNewName(L"anna", names), NameProblem::kTaken);
    EXPECT_EQ(CheckNewName(L"ANNA", names), NameProblem::kTaken);
    EXPECT_EQ(CheckNewName(L"Anna", names), NameProblem::kTaken);
    EXPECT_EQ(CheckNewName(L"Annabel", names), NameProblem::kNameOk);
}

class NewProfileTest : public RoadTest {
protected:
    void SetUp() override {
        RoadTest::SetUp();
        Go(kNewProfile);
    }
    CNewProfile& Screen() { return As<CNewProfile>(); }
    void Choose(int button) { ClickOn(Screen().Choice(button)); }
    void TypeName(const std::wstring& name) { Screen().NameField()->SetText(name); }
    void Create() { ClickOn(Screen().CreateButton()); }
};

TEST_F(NewProfileTest, OpensWithTheDefaultsChosenAndTheDayStarted) {
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kLevel1));
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kRounds8));
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kBoy));
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kWeeks5));
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kSenior));
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kWeeks3));
    EXPECT_EQ(P().name, L"Noname");
    EXPECT_EQ(P().dayProgress[0], 1);
    EXPECT_EQ(P().lastDate, Profile::TodayText());
    EXPECT_EQ(P().folder, root.ProfileFolder());
}

// A switch user steps with Space to every button, Create included; a typist enters the
// name field with Tab (or a click), types spaces there, and Enter in a field creates.
TEST_F(NewProfileTest, SpaceStepsTheScanUntilAFieldIsEnteredAndEnterInAFieldCreates) {
    EXPECT_FALSE(Screen().NameField()->Focused());
    EXPECT_FALSE(Screen().PasswordField()->Focused());
    for (int i = 0; i < 14; ++i) H().Key(platform::VK_SPACE);
    EXPECT_EQ(Screen().AnswerScan().Entry(Screen().AnswerScan().Current()), &Screen().CreateButton());
    EXPECT_EQ(Screen().NameField()->Text(), L"");
    H().Key(platform::VK_TAB);
    Type(L"Bo Ek");
    H().Key(platform::VK_TAB);
    Type(L"a b");
    EXPECT_EQ(Screen().NameField()->Text(), L"Bo Ek");
    EXPECT_EQ(Screen().PasswordField()->Text(), L"a b");
    EXPECT_EQ(Screen().AnswerScan().Entry(Screen().AnswerScan().Current()), &Screen().CreateButton());
    H().Key(platform::VK_RETURN);
    ASSERT_EQ(H().ScreenId(), kLogin);
    EXPECT_TRUE(root.Has("Bo Ek.pro"));
    // Escape in a field gives the keys back: Space steps again, a second Escape leaves.
    ClickOn(As<CLogin>().TextButton(1));
    ASSERT_EQ(H().ScreenId(), kNewProfile);
    H().Key(platform::VK_TAB);
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kNewProfile);
    H().Key(platform::VK_SPACE);
    EXPECT_EQ(Screen().AnswerScan().Current(), 0);
    EXPECT_EQ(Screen().NameField()->Text(), L"");
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kLogin);
}

TEST_F(NewProfileTest, LevelBringsItsRoundsAndRoundsCanBeChangedAfterwards) {
    Choose(CNewProfile::kLevel3);
    EXPECT_EQ(P().level, L"3");
    EXPECT_EQ(P().roundsPerDay, 10);
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kRounds10));
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kLevel1));
    Choose(CNewProfile::kRounds8);
    EXPECT_EQ(P().level, L"3");
    EXPECT_EQ(P().roundsPerDay, 8);
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kLevel3));
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kRounds8));
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kRounds10));
    Choose(CNewProfile::kLevel2);
    EXPECT_EQ(P().roundsPerDay, 9);
    Choose(CNewProfile::kWeeks4);
    EXPECT_EQ(P().trainingDays, 20);
    Choose(CNewProfile::kWeeks3);
    EXPECT_EQ(P().trainingDays, 15);
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kWeeks4));
    Choose(CNewProfile::kGirl);
    EXPECT_EQ(P().gender, L"F");
    EXPECT_FALSE(Screen().Chosen(CNewProfile::kBoy));
    Choose(CNewProfile::kBoy);
    EXPECT_EQ(P().gender, L"M");
}

TEST_F(NewProfileTest, CreateSavesTheTraineeWithTheChoicesAndTheLoginListsIt) {
    ClickOn(Screen().Background(), 20, 50);  // into the name field
    Type(L"Åsa");
    ClickOn(Screen().Background(), 160, 50);  // into the password field
    Type(L"Kex 1");
    Choose(CNewProfile::kLevel2);
    Choose(CNewProfile::kGirl);
    Choose(CNewProfile::kWeeks4);
    Choose(CNewProfile::kSenior);
    EXPECT_TRUE(Screen().Chosen(CNewProfile::kSenior));
    Create();
    EXPECT_TRUE(Os().Errors().empty());
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_TRUE(root.Has("Åsa.pro"));
    EXPECT_TRUE(root.Has("Åsa.opt"));
    EXPECT_TRUE(root.Has("Åsa.sta"));
    ASSERT_EQ(As<CLogin>().EntryCount(), 1);
    EXPECT_EQ(As<CLogin>().EntryName(0), L"Åsa");
    Profile back;
    back.folder = root.ProfileFolder();
    back.name = L"Åsa";
    back.Load(true, true, true);
    EXPECT_EQ(back.password, L"Kex 1");
    EXPECT_EQ(back.level, L"2");
    EXPECT_EQ(back.gender, L"F");
    EXPECT_EQ(back.roundsPerDay, 9);
    EXPECT_EQ(back.trainingDays, 20);
    EXPECT_EQ(back.options.o3, 1);
    EXPECT_EQ(back.dayProgress[0], 1);
}

TEST_F(NewProfileTest, CancelAndEscapeCreateNoFile) {
    TypeName(L"Anna");
    ClickOn(Screen().CancelButton());
    EXPECT_EQ(H().ScreenId(), kLogin);
    Go(kNewProfile);
    TypeName(L"Anna");
    H().Key(platform::VK_ESCAPE);
    EXPECT_EQ(H().ScreenId(), kLogin);
    EXPECT_EQ(root.FileCount(), 0u);
}

TEST_F(NewProfileTest, EveryRefusedNameShowsItsMessageAndCreatesNoFile) {
    AddTrainee(L"Anna");
    const struct {
        std::wstring name;
        uint32_t message;
    } cases[] = {{L"", 74},          {L"anna", 75},  {std::wstring(31, L'x'), 76},
                 {L"../evil", 77},   {L"a\\b", 77},  {L"x:y", 77},
                 {L"what?", 77},     {L"..", 77},    {L".hidden", 77},
                 {L"trailing.", 77}, {L" lead", 77}, {L"pipe|x", 77}};
    size_t errors = 0;
    for (const auto& c : cases) {
        TypeName(c.name);
        Create();
        EXPECT_EQ(H().ScreenId(), kNewProfile) << platform::Utf8FromWide(c.name);
        ASSERT_EQ(Os().Errors().size(), ++errors);
        EXPECT_NE(Os().Errors().back().find(P().options.GetText(c.message)), std::wstring::npos)
            << platform::Utf8FromWide(c.name);
    }
    EXPECT_EQ(root.FileCount(), 3u);  // only Anna's
    EXPECT_EQ(root.Read("Anna.pro").find("evil"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(root.Profiles().parent_path() / "evil.pro"));
}

TEST_F(NewProfileTest, LeftoverFilesOfAnEarlierTraineeCountAsTaken) {
    std::ofstream(root.Profiles() / "Bo.sta", std::ios::binary) << "old";
    TypeName(L"bo");
    Create();
    EXPECT_EQ(H().ScreenId(), kNewProfile);
    ASSERT_EQ(Os().Errors().size(), 1u);
    EXPECT_EQ(root.Read("Bo.sta"), "old");
}

TEST_F(NewProfileTest, AFolderThatTakesNoFilesIsReportedAndLeavesNoHalfTrainee) {
    P().folder = root.ProfileFolder() + L"missing/";
    TypeName(L"Anna");
    Create();
    EXPECT_EQ(H().ScreenId(), kNewProfile);
    ASSERT_EQ(Os().Errors().size(), 1u);
    EXPECT_NE(Os().Errors()[0].find(P().options.GetText(78)), std::wstring::npos);
}

TEST_F(NewProfileTest, SwitchesReachEveryButtonInOrder) {
    EXPECT_EQ(Screen().AnswerScan().Count(), 14);
    EXPECT_EQ(Screen().AnswerScan().Entry(0), &Screen().Choice(CNewProfile::kLevel1));
    EXPECT_EQ(Screen().AnswerScan().Entry(6), &Screen().Choice(CNewProfile::kBoy));
    EXPECT_EQ(Screen().AnswerScan().Entry(11), &Screen().Choice(CNewProfile::kSenior));
    EXPECT_EQ(Screen().AnswerScan().Entry(13), &Screen().CreateButton());
    ClickOn(Screen().Background(), 200, 290);  // focus away from the fields
    for (int i = 0; i < 3; ++i) H().Key(platform::VK_SPACE);
    H().Key(platform::VK_RETURN);
    EXPECT_EQ(P().level, L"3");
    EXPECT_EQ(P().roundsPerDay, 10);
}

TEST_F(NewProfileTest, HelpTextsShowWhileHoveredWithoutMissingTexts) {
    for (int i = 0; i < CNewProfile::kChoiceCount; ++i) {
        const std::wstring help = Screen().Choice(i).GetText();
        EXPECT_FALSE(help.empty());
        EXPECT_EQ(help.find(L"MISSING"), std::wstring::npos);
    }
    EXPECT_EQ(Screen().Choice(CNewProfile::kGirl).GetText(), P().options.GetText(67));
    EXPECT_EQ(Screen().CreateButton().GetText(), P().options.GetText(73));
    H().Key(platform::VK_TAB);  // into the name field
    Type(L"Bo");
    Choose(CNewProfile::kLevel2);
    const CSprite& w = Screen().Choice(CNewProfile::kWeeks4);
    MoveTo(static_cast<int>(w.CentreX()), static_cast<int>(w.CentreY()));
    EXPECT_EQ(w.hovered, 1);
    EXPECT_EQ(Os().Cursor(), platform::CursorShape::Hand);
    H().RunPasses(2);
    Shot("newprofile.png");
}

}  // namespace

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "support/TempFolder.h"
#include "support/TestPaths.h"
#include "text/Language.h"
#include "text/TextIds.h"

namespace {

std::string NumberedLines(int count, const std::string& prefix) {
    std::string s;
    for (int i = 0; i < count; ++i) s += (i ? "\r\n" : "") + prefix + std::to_string(i);
    return s;
}

LanguageTexts Loaded() {
    LanguageTexts l;
    l.ChooseLanguage();
    l.ApplyLocale();
    l.LoadTexts();
    return l;
}

}  // namespace

TEST(Language, NameWithCapitalsSelectsTheLowerCaseFile) {
    TempFolder dir(true);
    dir.Put("data/lang.txt", "Swedish\r\nignored\r\n");
    dir.Put("data/lang/swedish.txt", "Minnestr\xE4ning\r\nLjud");
    dir.Put("data/lang/english.txt", "Memory training");
    auto l = Loaded();
    EXPECT_EQ(l.GetLanguage(), L"swedish");
    EXPECT_EQ(l.GetText(0), L"Minnestr\u00E4ning");
    EXPECT_EQ(l.GetText(1), L"Ljud");
    EXPECT_EQ(l.GetText(2), L"TEXT ID MISSING");
}

TEST(Language, FallsBackToEnglish) {
    TempFolder dir(true);
    dir.Put("data/lang/english.txt", "Memory training\r\n");
    // No choice file.
    EXPECT_EQ(Loaded().GetLanguage(), L"english");
    EXPECT_EQ(Loaded().GetText(0), L"Memory training");
    // A language without its file, an empty choice, and names that are not plain names.
    for (const char* choice : {"klingon", "", "..\\lang\\english", "*", "eng?ish", "../lang/english"}) {
        dir.Put("data/lang.txt", choice);
        EXPECT_EQ(Loaded().GetLanguage(), L"english") << choice;
    }
    dir.Put("data/lang/e*.txt", "wild");
    dir.Put("data/lang.txt", "e*");
    EXPECT_EQ(Loaded().GetText(0), L"Memory training");
}

TEST(Language, MissingTextsAnswerTextIdMissing) {
    TempFolder dir(true);
    dir.Put("data/lang.txt", "english");
    auto l = Loaded();
    EXPECT_EQ(l.GetLanguage(), L"english");
    EXPECT_EQ(l.GetText(0), L"TEXT ID MISSING");
    EXPECT_EQ(l.GetText(0xFFFFFFFFu), L"TEXT ID MISSING");
    // A folder in the file's place reads as no file.
    dir.Folder("data/lang/english.txt");
    EXPECT_EQ(Loaded().GetText(0), L"TEXT ID MISSING");
}

TEST(Language, EveryLineIsATextAndEmptyLinesKeepTheNumbering) {
    TempFolder dir(true);
    std::string file = NumberedLines(40, "t") + "\r\n\r\n" + NumberedLines(49, "u");  // 90 lines
    dir.Put("data/lang/english.txt", file);
    auto l = Loaded();
    EXPECT_EQ(l.GetText(0), L"t0");
    EXPECT_EQ(l.GetText(39), L"t39");
    EXPECT_EQ(l.GetText(40), L"");
    EXPECT_EQ(l.GetText(41), L"u0");
    EXPECT_EQ(l.GetText(89), L"u48");
    EXPECT_EQ(l.GetText(90), L"TEXT ID MISSING");
    // A final line break adds one more, empty, text.
    dir.Put("data/lang/english.txt", file + "\n");
    EXPECT_EQ(Loaded().GetText(90), L"");
    EXPECT_EQ(Loaded().GetText(91), L"TEXT ID MISSING");
}

TEST(Language, Utf16FileReadsLikeUtf8) {
    TempFolder dir(true);
    const std::wstring texts[] = {L"Kestrova", L"", L"\u00C5ter \u00E4ven \u00F6", L"\u20AC5"};
    std::string utf8 = "\xEF\xBB\xBF", utf16 = "\xFF\xFE";
    for (const auto& t : texts) {
        utf8 += platform::Utf8FromWide(t) + "\r\n";
        for (wchar_t c : t + L"\r\n") {
            utf16 += static_cast<char>(c & 0xFF);
            utf16 += static_cast<char>(c >> 8);
        }
    }
    dir.Put("data/lang.txt", "utf8");
    dir.Put("data/lang/utf8.txt", utf8);
    dir.Put("data/lang/utf16.txt", utf16);
    auto a = Loaded();
    dir.Put("data/lang.txt", std::string("\xFF\xFEU\0T\0F\0"
                                         "1\0"
                                         "6\0\r\0",
                                         14));
    auto b = Loaded();
    EXPECT_EQ(a.GetLanguage(), L"utf8");
    EXPECT_EQ(b.GetLanguage(), L"utf16");
    for (uint32_t n = 0; n < 6; ++n) EXPECT_EQ(a.GetText(n), b.GetText(n)) << n;
    EXPECT_EQ(b.GetText(2), texts[2]);
}

TEST(Language, OtherLeavesTheLocaleAlone) {
    TempFolder dir(true);
    dir.Put("data/lang.txt", "Other");
    dir.Put("data/lang/other.txt", "Andere");
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    auto l = Loaded();
    EXPECT_EQ(l.GetLanguage(), L"other");
    EXPECT_EQ(l.GetText(0), L"Andere");
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before);
}

// Every text the program asks for by number is there in each shipped language, and each file
// has exactly the lines the program's table of text numbers counts on.
TEST(Language, EveryNamedTextIsWrittenInEachShippedLanguage) {
    using namespace text;
    const struct {
        uint32_t first, count;
    } runs[] = {{kSettingCaptions, kSettingCaptionCount},
                {kSettingExplanations, kSettingExplanationCount},
                {kExerciseNames, kExerciseNameCount},
                {kLoginButtons, kLoginButtonCount},
                {kLevelChoices, kChoiceRunLength},
                {kRoundsChoices, kChoiceRunLength},
                {kPlanWeeks, kChoiceRunLength}};
    // clang-format off
    const uint32_t singles[] = {
        kProgramName, kYes, kNo, kOk, kCancel,
        kSeniorLayout,
        kSwitchOffQuestion, kChooseExercisesTitle, kExerciseOff,
        kLevelWord, kDateLabel, kTraineeLabel, kShowLabel, kTrainingDayLabel, kWeekLabel, kDayView,
        kWeekView, kAllWeeks, kAverageScore, kScore, kLongestSequence, kForward, kBackward,
        kSaveStatisticsTitle, kPictureType, kStatisticsFileName,
        kGuideName, kCloseProgram, kExportTrainees, kChooseExportFolder, kExportedTo, kNotAllExportedTo,
        kFolderMade, kNoFolder, kTraineeInUse, kFolderRefused, kDamagedName, kOverviewButton,
        kName, kPassword, kGirl, kBoy, kCreateTrainee, kNameEmpty, kNameTaken, kNameTooLong, kNameBad,
        kTraineeNotSaved, kWrongPassword, kPasswordLimit,
        kLogoPicture, kTagline,
        kYourLevel, kQuitExercise, kLeaveDay, kResultsNotSaved,
        kSaveDiplomaTitle, kBitmapType, kReplaceQuestion, kSave, kFileName, kDiplomaFileName,
        kTraineeOwnFile, kPicturePrinted, kPictureNotPrinted, kPictureNotSaved, kPictureSaved,
        kStillPrinting,
        kReportTitle, kPlanLabel, kFirstDayLabel, kLastDayLabel, kDaysDoneLabel, kOf, kCoinsLabel,
        kMadeLabel, kExerciseColumn, kFirstColumn, kBestColumn, kChangeColumn, kFirstAndBest, kNumberTests,
        kDateColumn, kLevelColumn, kNoNumberTests, kTrainingDayAxis, kPage, kReportPrinted,
        kReportNotPrinted,
        kAllTrainees, kLastTrainingColumn, kDaysColumn, kSeniorColumn, kLocked, kWeeksColumn, kCoinsColumn,
        kPrintReport, kSaveReport, kSaveTable, kPdfType, kCsvType, kLongestLegend, kYesMark, kBackToLogin,
        kSortedByName, kSortedByDate, kSaved, kNotSaved, kChooseTraineeFirst,
    };
    // clang-format on
    for (const std::string language : {"english", "swedish"}) {
        std::string bytes;
        ASSERT_TRUE(platform::ReadWholeFile(
            platform::WideFromUtf8(testpaths::AssetDir() + "/data/lang/" + language + ".txt"), bytes));
        TempFolder dir(true);
        dir.Put("data/lang.txt", language);
        dir.Put("data/lang/" + language + ".txt", bytes);
        const auto l = Loaded();
        ASSERT_EQ(l.GetLanguage(), platform::WideFromUtf8(language));
        EXPECT_NE(l.GetText(kLineCount - 1), L"TEXT ID MISSING") << language;
        // Past the count only the empty line after the file's last line break may follow.
        const std::wstring past = l.GetText(kLineCount);
        EXPECT_TRUE(past.empty() || past == L"TEXT ID MISSING") << language;
        EXPECT_EQ(l.GetText(kLineCount + 1), L"TEXT ID MISSING") << language;
        for (const auto& run : runs)
            for (uint32_t n = run.first; n < run.first + run.count; ++n)
                EXPECT_FALSE(l.GetText(n).empty()) << language << " text " << n;
        for (uint32_t n : singles) EXPECT_FALSE(l.GetText(n).empty()) << language << " text " << n;
    }
}

#pragma once
// Every text number the program uses, in one place. The language files ("data\lang\<name>.txt")
// are read by number, one text per line, so these numbers are fixed: a new text takes a free
// line (an empty one, or a new line at the end of every language file), never an existing number.
// Each number has one name; a run of texts read as "base + k" is named by its base, its length
// beside it.
#include <cstdint>

namespace text {

// How many lines every shipped language file holds.
inline constexpr uint32_t kLineCount = 223;

// Shared by many screens: the program's name (the title of every question and error, and the
// name of the trainees' folder when nothing else is set) and the common button words.
inline constexpr uint32_t kProgramName = 0;
inline constexpr uint32_t kYes = 89;
inline constexpr uint32_t kNo = 90;
inline constexpr uint32_t kOk = 91;
inline constexpr uint32_t kCancel = 72;

// The settings menu: button k's caption is kSettingCaptions + k (all but the senior layout, which
// sits where the caption run has no place left), its one-line explanation kSettingExplanations + k.
inline constexpr uint32_t kSettingCaptions = 1;
inline constexpr uint32_t kSettingCaptionCount = 17;
inline constexpr uint32_t kSeniorLayout = 143;
inline constexpr uint32_t kSettingExplanations = 145;
inline constexpr uint32_t kSettingExplanationCount = 18;

// Choosing the exercises of the training.
inline constexpr uint32_t kSwitchOffQuestion = 18;
inline constexpr uint32_t kChooseExercisesTitle = 19;
inline constexpr uint32_t kExerciseOff = 144;

// Exercise g's name is kExerciseNames + g (the number test is exercise 0).
inline constexpr uint32_t kExerciseNames = 40;
inline constexpr uint32_t kExerciseNameCount = 10;

// The statistics screen.
inline constexpr uint32_t kLevelWord = 20;
inline constexpr uint32_t kDateLabel = 21;
inline constexpr uint32_t kTraineeLabel = 22;
inline constexpr uint32_t kShowLabel = 23;
inline constexpr uint32_t kTrainingDayLabel = 24;
inline constexpr uint32_t kWeekLabel = 25;
inline constexpr uint32_t kDayView = 27;
inline constexpr uint32_t kWeekView = 28;
inline constexpr uint32_t kAllWeeks = 29;
inline constexpr uint32_t kAverageScore = 30;
inline constexpr uint32_t kScore = 31;
inline constexpr uint32_t kLongestSequence = 33;
inline constexpr uint32_t kForward = 38;
inline constexpr uint32_t kBackward = 39;
inline constexpr uint32_t kSaveStatisticsTitle = 120;
inline constexpr uint32_t kPictureType = 121;
inline constexpr uint32_t kStatisticsFileName = 140;  // "%s": the trainee, then the date

// The login screen: its five text buttons are kLoginButtons + k.
inline constexpr uint32_t kGuideName = 50;
inline constexpr uint32_t kLoginButtons = 52;
inline constexpr uint32_t kLoginButtonCount = 5;
inline constexpr uint32_t kCloseProgram = 57;
inline constexpr uint32_t kExportTrainees = 58;
inline constexpr uint32_t kChooseExportFolder = 94;
inline constexpr uint32_t kExportedTo = 110;        // "%s": the folder
inline constexpr uint32_t kNotAllExportedTo = 111;  // "%s": the folder
inline constexpr uint32_t kFolderMade = 112;        // "%s": the trainees' folder
inline constexpr uint32_t kNoFolder = 113;
inline constexpr uint32_t kTraineeInUse = 170;
inline constexpr uint32_t kFolderRefused = 172;  // "%s": the folder
inline constexpr uint32_t kDamagedName = 173;
inline constexpr uint32_t kOverviewButton = 199;

// A new trainee and the password boxes. The choice buttons' help: level n is kLevelChoices + n - 1,
// n rounds kRoundsChoices + n - 8, a plan of n weeks kPlanWeeks + n - 3 (also the progress
// report's plan line).
inline constexpr uint32_t kName = 59;
inline constexpr uint32_t kPassword = 60;
inline constexpr uint32_t kLevelChoices = 61;
inline constexpr uint32_t kRoundsChoices = 64;
inline constexpr uint32_t kGirl = 67;
inline constexpr uint32_t kBoy = 68;
inline constexpr uint32_t kPlanWeeks = 69;
inline constexpr uint32_t kChoiceRunLength = 3;  // of each of the three runs above
inline constexpr uint32_t kCreateTrainee = 73;
inline constexpr uint32_t kNameEmpty = 74;
inline constexpr uint32_t kNameTaken = 75;
inline constexpr uint32_t kNameTooLong = 76;
inline constexpr uint32_t kNameBad = 77;
inline constexpr uint32_t kTraineeNotSaved = 78;
inline constexpr uint32_t kWrongPassword = 79;
inline constexpr uint32_t kPasswordLimit = 114;

// The splash screen: the logo's picture file for this language and the line under the name.
inline constexpr uint32_t kLogoPicture = 80;
inline constexpr uint32_t kTagline = 105;

// The exercises and the menu.
inline constexpr uint32_t kYourLevel = 85;
inline constexpr uint32_t kQuitExercise = 87;
inline constexpr uint32_t kLeaveDay = 88;
inline constexpr uint32_t kResultsNotSaved = 171;

// Saving and printing a picture (statistics, diplomas) and the file dialog's words.
inline constexpr uint32_t kSaveDiplomaTitle = 97;
inline constexpr uint32_t kBitmapType = 98;
inline constexpr uint32_t kReplaceQuestion = 122;  // follows the file's name
inline constexpr uint32_t kSave = 123;
inline constexpr uint32_t kFileName = 124;
inline constexpr uint32_t kDiplomaFileName = 141;  // "%s": the trainee, then the date
inline constexpr uint32_t kTraineeOwnFile = 142;   // follows the file's name
inline constexpr uint32_t kPicturePrinted = 174;
inline constexpr uint32_t kPictureNotPrinted = 175;
inline constexpr uint32_t kPictureNotSaved = 176;
inline constexpr uint32_t kPictureSaved = 177;
inline constexpr uint32_t kStillPrinting = 222;

// The progress report (printed or saved as a document).
inline constexpr uint32_t kReportTitle = 180;
inline constexpr uint32_t kPlanLabel = 181;
inline constexpr uint32_t kFirstDayLabel = 182;
inline constexpr uint32_t kLastDayLabel = 183;
inline constexpr uint32_t kDaysDoneLabel = 184;
inline constexpr uint32_t kOf = 185;
inline constexpr uint32_t kCoinsLabel = 186;
inline constexpr uint32_t kMadeLabel = 187;
inline constexpr uint32_t kExerciseColumn = 188;
inline constexpr uint32_t kFirstColumn = 189;
inline constexpr uint32_t kBestColumn = 190;
inline constexpr uint32_t kChangeColumn = 191;
inline constexpr uint32_t kFirstAndBest = 192;
inline constexpr uint32_t kNumberTests = 193;
inline constexpr uint32_t kDateColumn = 194;
inline constexpr uint32_t kLevelColumn = 195;
inline constexpr uint32_t kNoNumberTests = 196;
inline constexpr uint32_t kTrainingDayAxis = 197;
inline constexpr uint32_t kPage = 213;
inline constexpr uint32_t kReportPrinted = 217;
inline constexpr uint32_t kReportNotPrinted = 218;

// The overview of all trainees (some words shared with the report above).
inline constexpr uint32_t kAllTrainees = 198;
inline constexpr uint32_t kLastTrainingColumn = 200;
inline constexpr uint32_t kDaysColumn = 201;
inline constexpr uint32_t kSeniorColumn = 202;
inline constexpr uint32_t kLocked = 203;
inline constexpr uint32_t kWeeksColumn = 204;
inline constexpr uint32_t kCoinsColumn = 205;
inline constexpr uint32_t kPrintReport = 206;
inline constexpr uint32_t kSaveReport = 207;
inline constexpr uint32_t kSaveTable = 208;
inline constexpr uint32_t kPdfType = 209;
inline constexpr uint32_t kCsvType = 210;
inline constexpr uint32_t kLongestLegend = 211;
inline constexpr uint32_t kYesMark = 212;
inline constexpr uint32_t kBackToLogin = 214;
inline constexpr uint32_t kSortedByName = 215;
inline constexpr uint32_t kSortedByDate = 216;
inline constexpr uint32_t kSaved = 219;
inline constexpr uint32_t kNotSaved = 220;
inline constexpr uint32_t kChooseTraineeFirst = 221;

}  // namespace text

namespace text {
// The runs read as "base + k" and the last single text all lie inside the language files.
static_assert(kSettingCaptions + kSettingCaptionCount <= kSwitchOffQuestion);
static_assert(kSettingExplanations + kSettingExplanationCount <= kLineCount);
static_assert(kStillPrinting < kLineCount);
}  // namespace text

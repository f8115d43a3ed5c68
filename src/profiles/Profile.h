#pragma once
// The active trainee's record. The frame creates one at start-up with its defaults and
// hands it to every screen; screens fill, load and save it. Besides the record it holds
// the rules of the training plan (days, weeks, what is offered, rewards, diplomas).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/TraineeLock.h"
#include "profiles/ProfileOptions.h"
#include "profiles/ProfileStats.h"

namespace profiles {
class LineSource;
class LineSink;
}  // namespace profiles

class Profile final {
public:
    static constexpr int kExercises = 10;  // per-exercise arrays are indexed by ScreenId 0..9
    static constexpr int kScreens = 19;    // ScreenId 0..18

    Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    std::wstring name = L"Noname";  // also the base name of the trainee's files
    std::wstring password;          // empty: no password
    std::wstring level = L"1";      // "1", "2" or "3"
    std::wstring gender = L"M";     // "M" or "F"
    std::wstring reservedText = L"1";
    std::wstring lastDate = L"-";           // date of the login that began the current day
    std::wstring rewardDate = L"-";         // date of the last visit to the diploma screen
    std::array<std::wstring, 26> dayDates;  // dayDates[k]: date on which day k began; 0..24 stored
    std::wstring folder;         // the profile folder, ending in a separator; empty: nowhere to keep trainees
    bool folderMade = false;     // the last settling made the trainees' folder
    std::wstring refusedFolder;  // the trainees' folder others could write into, not used (folder empty)
    int32_t reservedNumber = 0;
    std::array<int32_t, kExercises> dayProgress{};  // [0] current day; [g] days exercise g was completed
    std::array<int32_t, kExercises> span{};         // span exercise g reached last time
    std::array<int32_t, kExercises> direction{};    // 0 forward, 1 backward, as left last time
    int32_t coins = 0;
    int32_t roundsPerDay = 8;                        // 8, 9 or 10
    int32_t trainingDays = 25;                       // 15, 20 or 25
    std::array<int32_t, kScreens> speechCounters{};  // next spoken-prompt variant per screen; not stored
    ProfileOptions options;
    ProfileStats stats;

    // Defaults for the record (and the profile folder settled again), for o0..o21, for the
    // statistics, as the flags say.
    void Reset(bool profile, bool options, bool stats);
    // Reads folder + name + ".pro" / ".opt" / ".sta" as the flags say. A file that cannot be
    // read leaves its part of the record as it was.
    void Load(bool pro, bool opt, bool sta);
    // Writes the files the flags name. Each file is replaced only by a complete new one;
    // a file that cannot be written keeps its old content. True when every named file
    // was written.
    // Nothing is written while another program has taken this trainee over (ClaimTrainee).
    bool Save(bool pro, bool opt, bool sta) const;

    // One program at a time per trainee: the login claims the chosen trainee before loading
    // its files and frees it when back at the login (and the program frees it at its end).
    // False while another live program trains this trainee; then nothing is loaded or held.
    bool ClaimTrainee();
    void FreeTrainee() { lock_.reset(); }

    // folder + name + extension (extension with its dot, such as L".pro").
    std::wstring FilePath(const std::wstring& extension) const;
    // The names of the profiles in the profile folder (its "*.pro" files, in name order).
    std::vector<std::wstring> ProfileNames() const;
    // Copies every profile's files (".pro", ".opt", ".sta", ".png", ".0dp" .. ".4dp", ".ntr") from the
    // profile folder into targetFolder (a real folder of this system), overwriting; files a
    // trainee does not have are skipped. Counts the files copied whole and those that could
    // not be.
    struct ExportResult {
        int copied = 0;
        int failed = 0;
    };
    ExportResult Export(const std::wstring& targetFolder) const;

    // The record in the file layouts (66 and 22 lines); Load and Save go through these.
    void ReadPro(profiles::LineSource& in);
    void WritePro(profiles::LineSink& out) const;
    static constexpr int kProLines = 66;
    // Largest files taken in; a larger one is damaged. The largest the program writes is a
    // small part of each.
    static constexpr long long kMaxProBytes = 64 * 1024;
    static constexpr long long kMaxOptBytes = 16 * 1024;
    static constexpr long long kMaxStaBytes = 256 * 1024;
    static constexpr long long kMaxPictureBytes = 8 * 1024 * 1024;
    // What the file may hold: a password field takes at most this many characters, and a
    // longer stored password reads as its beginning. Coins and days in their ranges.
    static constexpr size_t kMaxPasswordLength = 259;
    static constexpr int32_t kMaxCoins = 1000000;
    static constexpr int32_t kMaxSpan = 10;  // the longest sequence of any exercise

    // Training plan.

    // The last training day on which anything was completed: the largest of 0 and
    // dayProgress[1..9], at most 25.
    int CompletedDays() const;
    // Start of a day at login: on a new date the day moves to CompletedDays + 1 (recording
    // the date a day below trainingDays began), and never past trainingDays. True while the
    // current day is below trainingDays.
    bool AdvanceDay();
    bool AdvanceDay(const std::wstring& today);
    // Exercise g (1..9) is switched on and behind the current day.
    bool IsPlayable(int g) const;
    // Every switched-on exercise has reached the current day.
    bool IsDayFinished() const;
    // The reward bag is due: the day is finished and the diploma screen was not yet
    // opened today.
    bool IsRewardDue(const std::wstring& today) const;
    // The last day of a training week: the bag is shown animated.
    bool IsWeekEnd() const { return dayProgress[0] % 5 == 0; }
    // The diploma of the current week, 0..4.
    int DiplomaStage() const;
    // An exercise screen opens: its coins and statistics are remembered, to be taken back
    // when its results cannot be saved.
    void BeginExercise();
    // An exercise screen is left: one more completed day for exercise g, its last span and
    // direction kept, ".sta" and then ".pro" saved, so a ".pro" on disk never counts a day
    // whose statistics are not there. False when either could not be saved: then the day is
    // not counted and the session's coins and statistics are taken back (as far as
    // BeginExercise remembered them), so they are neither paid nor kept without the other.
    bool FinishExercise(int g, int lastSpan, int lastDirection);
    // Whether some switched-on exercise is still behind the last completed day.
    bool DayUnfinished() const;
    // The menu's stop button or Escape. An unfinished day is left only with leaveAnyway (the
    // trainee's answer to the menu's question), which marks every exercise done up to the
    // last completed day and saves ".pro". True when the menu goes to the login.
    bool LeaveDay(bool leaveAnyway);
    // The game selection's button for exercise g (1..9): switching off needs the trainee's
    // yes (the screen asks; No leaves it on); switching on joins the plan at CompletedDays.
    // True when the option changed.
    bool ToggleExercise(int g, bool switchOffConfirmed);

    // The current local date in the locale's short form ("%x").
    static std::wstring TodayText();
    // The current local date as a file name may carry it: "2026-12-08".
    static std::wstring TodayFileDate();
    // The name a save dialog offers for this trainee: pattern (a language text) with its
    // first "%s" replaced by the trainee's name and the second by detail.
    std::wstring SuggestedFileName(const std::wstring& pattern, const std::wstring& detail) const;
    // Whether path is one of a trainee's own files, which no save dialog may replace: any
    // ".pro", ".opt", ".sta", ".0dp" to ".4dp" or ".ntr" file, and a ".png" beside a ".pro"
    // of the same name (the trainee's login picture).
    static bool IsTraineeFile(const std::wstring& path);

private:
    std::unique_ptr<platform::TraineeLock> lock_;
    struct ExerciseStart {
        int32_t coins = 0;
        ProfileStats stats;
    };
    std::unique_ptr<ExerciseStart> exerciseStart_;
    bool SaveFile(const std::wstring& extension, int which) const;
};

namespace profiles {

// A trainee name that is safe to use as a file name in the profile folder: not empty, no
// folder separators or control characters, not "." or "..", and not one read from a file
// name that is not UTF-8 (it holds U+FFFD).
bool IsSafeName(const std::wstring& name);

// Where the profiles live: "data\profiles\", or what the paths file (line 1 the folder,
// line 2 a sub-folder that is created) says; "USER" means the user's documents folder +
// title, made for the user alone (or, without a home, the XDG data home + title). Empty when
// there is no such folder at all: then nothing is saved. createFolder makes the sub-folder of
// line 2 and tells whether it exists afterwards; createUserFolder makes the per-user folder.
// made tells whether the per-user folder was made just now; refused names a per-user folder
// that others could write into (then nothing is saved: empty).
std::wstring SettleProfileFolder(const std::wstring& pathsFile, const std::wstring& title,
                                 bool (*createFolder)(const std::wstring&),
                                 platform::FolderState (*createUserFolder)(const std::wstring&), bool* made = nullptr,
                                 std::wstring* refused = nullptr);
std::wstring SettleProfileFolder(const std::wstring& pathsFile, const std::wstring& title, bool* made = nullptr,
                                 std::wstring* refused = nullptr);

// The folder part of a chosen file path, up to and including its last separator.
std::wstring FolderOfPath(const std::wstring& path);

}  // namespace profiles

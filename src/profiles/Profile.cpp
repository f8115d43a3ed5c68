#include "profiles/Profile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cwchar>
#include <cwctype>

#include "platform/Files.h"
#include "platform/LocalTime.h"
#include "profiles/NumberText.h"
#include "profiles/ProfileFile.h"
#include "text/TextIds.h"

namespace profiles {

bool IsSafeName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    // U+FFFD stands for bytes of a file name that are not UTF-8 (an archive from an older
    // system): the name does not lead back to the trainee's files, so it is never used.
    for (wchar_t c : name) {
        if (c == L'\\' || c == L'/' || c < 0x20 || c == 0x7F || c == 0xFFFD) return false;
    }
    return true;
}

namespace {

// A folder of the paths file written as a real path keeps its characters; only the final
// backslash that the file's form asks for is the folder separator.
std::wstring EndWithSeparator(std::wstring folder) {
    if (platform::IsNativePath(folder) && !folder.empty() && folder.back() == L'\\') folder.back() = L'/';
    return folder;
}

void SayNoFolder() {
    static bool said = false;
    if (said) return;
    said = true;
    std::fputs("kestrova: no usable home folder (HOME) and no XDG_DATA_HOME: the trainees' files cannot be saved\n",
               stderr);
}

}  // namespace

std::wstring SettleProfileFolder(const std::wstring& pathsFile, const std::wstring& title,
                                 bool (*createFolder)(const std::wstring&),
                                 platform::FolderState (*createUserFolder)(const std::wstring&), bool* made,
                                 std::wstring* refused) {
    if (made) *made = false;
    if (refused) refused->clear();
    const std::wstring fallback = L"data\\profiles\\";
    std::wstring folder = fallback;
    auto in = ReadLines(pathsFile, 2);
    if (!in) return folder;
    std::wstring line;
    in->Next(line);
    if (!line.empty()) folder = EndWithSeparator(line);  // used as a prefix: it ends with its own separator
    if (in->Next(line) && !line.empty()) {
        // The sub-folder is written in the file's own form, with backslashes.
        if (platform::IsNativePath(folder)) std::replace(line.begin(), line.end(), L'\\', L'/');
        if (createFolder(folder + line)) folder += line;
    }
    if (folder != L"USER") return folder;

    // The user's own documents folder, in a folder named after the program. A title that
    // would not make a plain folder name gives way to a fixed one.
    const std::wstring name = IsSafeName(title) ? title : std::wstring(L"Kestrova");
    std::wstring base = platform::DocumentsFolder();
    if (base.empty()) base = platform::DataHomeFolder();
    if (base.empty()) {
        SayNoFolder();
        return std::wstring();
    }
    const std::wstring user = base + L"/" + name + L"/";
    const platform::FolderState state = createUserFolder(user);
    if (state == platform::FolderState::kFailed) return fallback;
    if (state == platform::FolderState::kRefused) {
        if (refused) *refused = user;
        return std::wstring();
    }
    if (made) *made = state == platform::FolderState::kMade;
    return user;
}

std::wstring SettleProfileFolder(const std::wstring& pathsFile, const std::wstring& title, bool* made,
                                 std::wstring* refused) {
    return SettleProfileFolder(
        pathsFile, title, [](const std::wstring& path) { return platform::CreateFolder(path); },
        platform::CreatePrivateFolder, made, refused);
}

std::wstring FolderOfPath(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

}  // namespace profiles

namespace {

const wchar_t* const kExportExtensions[] = {L".pro", L".opt", L".sta", L".png", L".0dp",
                                            L".1dp", L".2dp", L".3dp", L".4dp", L".ntr"};

enum FileKind { kPro, kOpt, kSta };

}  // namespace

Profile::Profile() { Reset(true, true, true); }

void Profile::Reset(bool profile, bool opts, bool statistics) {
    if (profile) {
        name = L"Noname";
        password.clear();
        level = L"1";
        gender = L"M";
        reservedText = L"1";
        lastDate = L"-";
        rewardDate = L"-";
        dayDates.fill(L"-");
        reservedNumber = 0;
        dayProgress.fill(0);
        span.fill(0);
        direction.fill(0);
        direction[6] = 1;  // the ghost house starts backward
        coins = 0;
        roundsPerDay = 8;
        trainingDays = 25;
        speechCounters.fill(0);
        folder = profiles::SettleProfileFolder(L"data\\paths.txt", options.GetText(text::kProgramName), &folderMade,
                                               &refusedFolder);
    }
    if (opts) options.ResetValues();
    if (statistics) stats.ClearStats();
}

std::wstring Profile::FilePath(const std::wstring& extension) const { return folder + name + extension; }

void Profile::ReadPro(profiles::LineSource& in) {
    // The trainee is the file's name: the name stored in the file (a copied file may hold
    // another trainee's) never decides where the record is saved.
    in.Text();
    password = in.Text();
    if (password.size() > kMaxPasswordLength) password.resize(kMaxPasswordLength);
    level = in.Text();
    gender = in.Text();
    reservedText = in.Text();
    lastDate = in.Text();
    rewardDate = in.Text();
    for (int k = 0; k < 25; ++k) dayDates[k] = in.Text();
    reservedNumber = in.Int();
    for (int g = 0; g < kExercises; ++g) {
        dayProgress[g] = in.Int();
        span[g] = in.Int();
        direction[g] = in.Int();
    }
    coins = in.Int();
    // Numbers from the file are held to their ranges before anything counts with them.
    for (int g = 0; g < kExercises; ++g) {
        dayProgress[g] = std::clamp(dayProgress[g], 0, 25);
        span[g] = std::clamp(span[g], 0, kMaxSpan);
        direction[g] = direction[g] != 0 ? 1 : 0;
    }
    coins = std::clamp(coins, 0, kMaxCoins);
    // Files of older versions end here; rounds then follow from the level.
    std::wstring line;
    if (in.Next(line)) roundsPerDay = profiles::ReadInt(line);
    if (roundsPerDay < 8 || roundsPerDay > 10) roundsPerDay = level == L"1" ? 8 : level == L"2" ? 9 : 10;
    if (in.Next(line)) trainingDays = profiles::ReadInt(line);
    if (trainingDays < 15 || trainingDays > 25) trainingDays = 25;
}

void Profile::WritePro(profiles::LineSink& out) const {
    out.Text(name);
    out.Text(password);
    out.Text(level);
    out.Text(gender);
    out.Text(reservedText);
    out.Text(lastDate);
    out.Text(rewardDate);
    for (int k = 0; k < 25; ++k) out.Text(dayDates[k]);
    out.Int(reservedNumber);
    for (int g = 0; g < kExercises; ++g) {
        out.Int(dayProgress[g]);
        out.Int(span[g]);
        out.Int(direction[g]);
    }
    out.Int(coins);
    out.Int(roundsPerDay);
    out.Int(trainingDays);
}

void Profile::Load(bool pro, bool opt, bool sta) {
    if (!profiles::IsSafeName(name) || folder.empty()) return;
    if (pro) {
        if (auto in = profiles::ReadLines(folder, name + L".pro", kMaxProBytes, kProLines)) ReadPro(*in);
    }
    if (opt) {
        if (auto in = profiles::ReadLines(folder, name + L".opt", kMaxOptBytes, ProfileOptions::kLines))
            options.ReadValues(*in);
    }
    if (sta) {
        if (auto in = profiles::ReadLines(folder, name + L".sta", kMaxStaBytes, ProfileStats::kLines))
            stats.ReadTables(*in);
    }
}

bool Profile::SaveFile(const std::wstring& extension, int which) const {
    profiles::LineSink out;
    if (which == kPro)
        WritePro(out);
    else if (which == kOpt)
        options.WriteValues(out);
    else
        stats.WriteTables(out);
    return profiles::WriteLines(FilePath(extension), out);
}

bool Profile::Save(bool pro, bool opt, bool sta) const {
    if (!profiles::IsSafeName(name) || folder.empty()) return false;
    if (lock_ && !lock_->Held()) return false;
    bool ok = true;
    if (pro) ok = SaveFile(L".pro", kPro) && ok;
    if (opt) ok = SaveFile(L".opt", kOpt) && ok;
    if (sta) ok = SaveFile(L".sta", kSta) && ok;
    return ok;
}

bool Profile::ClaimTrainee() {
    FreeTrainee();
    // Only a trainee whose record exists has results to lose.
    long long size = 0, changed = 0;
    if (!profiles::IsSafeName(name) || folder.empty() || !platform::FileStamp(folder, name + L".pro", size, changed))
        return true;
    auto lock = std::make_unique<platform::TraineeLock>();
    switch (lock->Acquire(folder, name)) {
        case platform::TraineeLock::Result::kHeld: lock_ = std::move(lock); return true;
        case platform::TraineeLock::Result::kInUse: return false;
        // A folder no lock can be made in takes no saves either: training goes on, unguarded.
        case platform::TraineeLock::Result::kFailed: return true;
    }
    return true;
}

std::vector<std::wstring> Profile::ProfileNames() const {
    std::vector<std::wstring> names;
    if (folder.empty()) return names;
    for (const auto& f : platform::FindFiles(folder + L"*.pro")) {
        if (f.isFolder || f.name.size() <= 4) continue;
        names.push_back(f.name.substr(0, f.name.size() - 4));
    }
    return names;
}

Profile::ExportResult Profile::Export(const std::wstring& targetFolder) const {
    ExportResult result;
    std::wstring target = targetFolder;
    if (target.empty()) return result;
    if (target.back() != L'/') target += L'/';
    for (const auto& trainee : ProfileNames()) {
        if (!profiles::IsSafeName(trainee)) continue;
        for (const wchar_t* ext : kExportExtensions) {
            std::string bytes;
            const platform::ReadResult read =
                platform::ReadFileInFolder(folder, trainee + ext, platform::kMaxReadBytes, bytes);
            if (read == platform::ReadResult::kMissing) continue;  // the trainee has no such file
            if (read == platform::ReadResult::kRead && platform::WriteFileAtomic(target + trainee + ext, bytes))
                ++result.copied;
            else
                ++result.failed;
        }
    }
    return result;
}

std::wstring Profile::TodayFileDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!platform::LocalTime(now, local)) return L"-";
    wchar_t buffer[32];
    const size_t n = std::wcsftime(buffer, 32, L"%Y-%m-%d", &local);
    return std::wstring(buffer, n);
}

std::wstring Profile::SuggestedFileName(const std::wstring& pattern, const std::wstring& detail) const {
    std::wstring text = pattern;
    size_t at = text.find(L"%s");
    if (at == std::wstring::npos) return name + L" " + detail;
    text.replace(at, 2, name);
    at = text.find(L"%s", at + name.size());
    if (at != std::wstring::npos) text.replace(at, 2, detail);
    return text;
}

bool Profile::IsTraineeFile(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return false;
    std::wstring extension = path.substr(dot);
    for (auto& c : extension) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    for (const wchar_t* own : {L".pro", L".opt", L".sta", L".0dp", L".1dp", L".2dp", L".3dp", L".4dp", L".ntr"})
        if (extension == own) return true;
    // A picture is the trainee's own when a trainee of its name lives beside it.
    return extension == L".png" && platform::FileExists(path.substr(0, dot) + L".pro");
}

std::wstring Profile::TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!platform::LocalTime(now, local)) return L"-";
    wchar_t buffer[101];
    const size_t n = std::wcsftime(buffer, 101, L"%x", &local);
    return std::wstring(buffer, n);
}

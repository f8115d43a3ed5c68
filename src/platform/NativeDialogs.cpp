#include "platform/NativeDialogs.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/Files.h"
#ifndef _WIN32
#include "platform/Process.h"
#endif
#include "platform/Utf.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxAsks = 50;  // a dialog that keeps giving unusable names gives up

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

#ifndef _WIN32
// What a dialog wrote: 1 with its one line in chosen, 0 when it was cancelled (or wrote no
// single line), -1 when it could not run.
int DialogAnswer(const std::string& program, const std::vector<std::string>& args, std::string& chosen) {
    std::string out;
    const int status = RunAndRead(program, args, out);
    if (status < 0) return -1;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (status != 0 || out.empty() || out.find('\n') != std::string::npos) return 0;
    chosen = out;
    return 1;
}
#endif

}  // namespace

SaveChoice FinishSaveChoice(Backend& os, const SaveFileRequest& request, const std::wstring& chosen,
                            std::wstring& path) {
    if (chosen.empty() || chosen.find(L'\0') != std::wstring::npos) return SaveChoice::Invalid;
    std::wstring candidate = chosen;
    fs::path p(Utf8FromWide(candidate));
    // Only a full path is taken: a relative one would land in the program's own folder.
    if (!p.is_absolute() || !p.has_filename()) return SaveChoice::Invalid;
    const std::string leaf = p.filename().string();
    if (leaf == "." || leaf == "..") return SaveChoice::Invalid;
    if (p.extension().empty() && !request.defaultExtension.empty()) {
        candidate += L"." + request.defaultExtension;
        p = fs::path(Utf8FromWide(candidate));
    }
    std::error_code ec;
    if (!fs::is_directory(p.parent_path(), ec)) return SaveChoice::Invalid;
    const fs::file_status status = fs::status(p, ec);
    if (fs::exists(status)) {
        if (fs::is_directory(status)) return SaveChoice::Invalid;
        const std::wstring question = WideFromUtf8(p.filename().string()) + L" " + request.replaceQuestion;
        if (!os.AskYesNo(request.title, question)) return SaveChoice::Refused;
    }
    path = candidate;
    return SaveChoice::Accepted;
}

bool RunSaveChoice(Backend& os, const SaveFileRequest& request,
                   const std::function<bool(const SaveFileRequest&, std::wstring&)>& ask, std::wstring& path) {
    SaveFileRequest next = request;
    for (int i = 0; i < kMaxAsks; ++i) {
        std::wstring chosen;
        if (!ask(next, chosen)) return false;
        if (FinishSaveChoice(os, next, chosen, path) == SaveChoice::Accepted) return true;
        // Asked again where the user was, with the name given.
        const fs::path p(Utf8FromWide(chosen));
        if (p.is_absolute()) {
            next.folder = WideFromUtf8(p.parent_path().string());
            next.fileName = WideFromUtf8(p.filename().string());
        }
    }
    return false;
}

std::string SaveStartFolder(const SaveFileRequest& request) {
    std::error_code ec;
    std::string start = Utf8FromWide(request.folder);
    if (!start.empty() && fs::is_directory(start, ec)) return start;
    start = Utf8FromWide(DocumentsFolder());
    if (!start.empty() && fs::is_directory(start, ec)) return start;
    return HomeFolder();
}

// Windows has dialogs of its own (windows/Dialogs.cpp).
#ifndef _WIN32
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    return "/";
}

bool HasNativeFolderDialog() { return !FindOnPath("zenity").empty() || !FindOnPath("kdialog").empty(); }

int RunNativeFolderDialog(const FolderDialogTexts& texts, const std::string& startFolder, std::string& chosen) {
    const std::string title = Utf8FromWide(texts.title);
    std::string program = FindOnPath("zenity");
    if (!program.empty())
        return DialogAnswer(
            program, {"--file-selection", "--directory", "--title=" + title, "--filename=" + JoinPath(startFolder, "")},
            chosen);
    program = FindOnPath("kdialog");
    if (program.empty()) return -1;
    return DialogAnswer(program, {"--getexistingdirectory", startFolder, "--title", title}, chosen);
}

int RunNativeSaveDialog(const SaveFileRequest& request, std::string& chosen) {
    const std::string title = Utf8FromWide(request.title);
    const std::string start = JoinPath(SaveStartFolder(request), Utf8FromWide(request.fileName));
    const std::string pattern = Utf8FromWide(request.pattern.empty() ? L"*" : request.pattern);
    const std::string filterName = Utf8FromWide(request.filterName.empty() ? request.pattern : request.filterName);
    std::string program = FindOnPath("zenity");
    if (!program.empty())
        return DialogAnswer(program,
                            {"--file-selection", "--save", "--title=" + title, "--filename=" + start,
                             "--file-filter=" + filterName + " | " + pattern},
                            chosen);
    program = FindOnPath("kdialog");
    if (program.empty()) return -1;
    return DialogAnswer(program, {"--getsavefilename", start, pattern + "|" + filterName, "--title", title}, chosen);
}

#endif

}  // namespace platform

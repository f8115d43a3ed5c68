// The Linux desktop's own save dialog and folder chooser (zenity, then kdialog, run as child
// processes), and the home folder the program's own choosers start from.
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/NativeDialogs.h"
#include "platform/Process.h"
#include "platform/Utf.h"

namespace platform {

namespace {

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

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

}  // namespace

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

}  // namespace platform

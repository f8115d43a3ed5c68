#include "platform/NativeDialogs.h"

#include <filesystem>
#include <system_error>

#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Utf.h"
#include "platform/Utf8Path.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxAsks = 50;  // a dialog that keeps giving unusable names gives up

}  // namespace

SaveChoice FinishSaveChoice(Backend& os, const SaveFileRequest& request, const std::wstring& chosen,
                            std::wstring& path) {
    if (chosen.empty() || chosen.find(L'\0') != std::wstring::npos) return SaveChoice::Invalid;
    std::wstring candidate = chosen;
    fs::path p(PathFromUtf8(Utf8FromWide(candidate)));
    // Only a full path is taken: a relative one would land in the program's own folder.
    if (!p.is_absolute() || !p.has_filename()) return SaveChoice::Invalid;
    const std::string leaf = Utf8FromPath(p.filename());
    if (leaf == "." || leaf == "..") return SaveChoice::Invalid;
    if (p.extension().empty() && !request.defaultExtension.empty()) {
        candidate += L"." + request.defaultExtension;
        p = PathFromUtf8(Utf8FromWide(candidate));
    }
    std::error_code ec;
    if (!fs::is_directory(p.parent_path(), ec)) return SaveChoice::Invalid;
    const fs::file_status status = fs::status(p, ec);
    if (fs::exists(status)) {
        if (fs::is_directory(status)) return SaveChoice::Invalid;
        const std::wstring question = WideFromUtf8(Utf8FromPath(p.filename())) + L" " + request.replaceQuestion;
        if (!os.AskYesNo(request.title, question, request.replaceAnswers)) return SaveChoice::Refused;
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
        const fs::path p(PathFromUtf8(Utf8FromWide(chosen)));
        if (p.is_absolute()) {
            next.folder = WideFromUtf8(Utf8FromPath(p.parent_path()));
            next.fileName = WideFromUtf8(Utf8FromPath(p.filename()));
        }
    }
    return false;
}

std::string SaveStartFolder(const SaveFileRequest& request) {
    std::string start = Utf8FromWide(request.folder);
    if (IsFolder(start)) return start;
    start = Utf8FromWide(DocumentsFolder());
    if (IsFolder(start)) return start;
    return HomeFolder();
}

}  // namespace platform

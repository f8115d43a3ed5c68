#include "platform/FolderChooser.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Utf.h"
#include "platform/Utf8Path.h"
#include "platform/gfx/Canvas.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxFolders = 5000;  // a folder with more sub-folders lists the first ones
constexpr uint32_t kBackdrop = 0xFF1E3A6Eu;
constexpr uint32_t kPanel = 0xFFF4F6FBu;
constexpr uint32_t kInk = 0xFF1E2A40u;
constexpr uint32_t kSelectedRow = 0xFFBFD4F5u;
constexpr uint32_t kButton = 0xFF4069B0u;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Parent(const std::string& folder) {
    if (folder == "/" || folder.empty()) return "/";
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    const size_t cut = f.find_last_of('/');
    if (cut == std::string::npos || cut == 0) return "/";
    return f.substr(0, cut);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The path as it fits on one line of the panel: its end, with an ellipsis in front.
std::wstring ShortPath(const std::string& path) {
    std::wstring w = WideFromUtf8(path);
    constexpr size_t kMax = 70;
    if (w.size() > kMax) w = L"\u2026" + w.substr(w.size() - kMax + 1);
    return w;
}

}  // namespace

#ifndef _WIN32
// The desktop dialogs and the home folder of Linux; Windows has its own (platform/windows).
std::string FindOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::string all = path;
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(':', start);
        if (end == std::string::npos) end = all.size();
        const std::string dir = all.substr(start, end - start);
        if (!dir.empty()) {
            const std::string candidate = dir + "/" + program;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        start = end + 1;
    }
    return {};
}

// Runs the program with the arguments and reads what it writes: its exit status, or -1
// when it could not be started.
int RunAndRead(const std::string& program, const std::vector<std::string>& args, std::string& out) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return -1;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n > 0) {
            if (out.size() < 65536) out.append(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    return "/";
}
#endif

FolderChooser::FolderChooser(const FolderDialogTexts& texts, const std::string& startFolder)
    : texts_(texts), current_(startFolder) {
    std::error_code ec;
    if (current_.empty() || !fs::is_directory(PathFromUtf8(current_), ec)) current_ = HomeFolder();
    List();
}

void FolderChooser::List() {
    folders_.clear();
    std::error_code ec;
    for (fs::directory_iterator it(PathFromUtf8(current_), fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = Utf8FromPath(it->path().filename());
        if (name.empty() || name[0] == '.') continue;  // hidden folders stay out of the way
        std::error_code typeError;
        if (!it->is_directory(typeError)) continue;
        folders_.push_back(name);
        if (folders_.size() >= kMaxFolders) break;
    }
    std::sort(folders_.begin(), folders_.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Lower(a), lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
    selected_ = folders_.empty() ? -1 : 0;
    top_ = 0;
}

void FolderChooser::Select(int index) {
    if (folders_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(folders_.size()) - 1);
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + kRows) top_ = selected_ - kRows + 1;
}

void FolderChooser::Open(int index) {
    if (index < 0 || index >= static_cast<int>(folders_.size())) return;
    const std::string next = Join(current_, folders_[static_cast<size_t>(index)]);
    std::error_code ec;
    if (!fs::is_directory(PathFromUtf8(next), ec)) return;
    current_ = next;
    List();
}

void FolderChooser::Up() {
    const std::string from = current_;
    current_ = Parent(current_);
    if (current_ == from) return;
    List();
    // The folder we came from stays selected.
    std::string name = from;
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    name = name.substr(name.find_last_of('/') + 1);
    const auto it = std::find(folders_.begin(), folders_.end(), name);
    if (it != folders_.end()) Select(static_cast<int>(it - folders_.begin()));
}

FolderChooser::Result FolderChooser::Handle(const InputEvent& e) {
    switch (e.type) {
        case EventType::Quit: return Result::Cancelled;
        case EventType::MouseDown: {
            if (CancelBox().Contains(e.x, e.y)) return Result::Cancelled;
            if (OkBox().Contains(e.x, e.y)) return Result::Chosen;
            if (UpBox().Contains(e.x, e.y)) {
                Up();
                return Result::Open;
            }
            for (int r = 0; r < kRows; ++r) {
                const int index = top_ + r;
                if (index >= static_cast<int>(folders_.size()) || !RowBox(r).Contains(e.x, e.y)) continue;
                if (index == selected_)
                    Open(index);
                else
                    Select(index);
                break;
            }
            return Result::Open;
        }
        case EventType::KeyDown:
            switch (e.key) {
                case VK_ESCAPE: return Result::Cancelled;
                case VK_RETURN: Open(selected_); break;
                case VK_BACK: Up(); break;
                case VK_UP: Select(selected_ - 1); break;
                case VK_DOWN: Select(selected_ + 1); break;
                case VK_PRIOR: Select(selected_ - kRows); break;
                case VK_NEXT: Select(selected_ + kRows); break;
                case VK_HOME: Select(0); break;
                case VK_END: Select(static_cast<int>(folders_.size()) - 1); break;
                default: break;
            }
            return Result::Open;
        default: return Result::Open;
    }
}

void FolderChooser::Draw(uint32_t* pixels, int strideBytes) const {
    gfx::Canvas canvas(pixels, kCanvasWidth, kCanvasHeight, strideBytes);
    canvas.Clear(kBackdrop);
    canvas.FillRect(kPanel, 100, 40, 600, 520);
    canvas.Text(texts_.title, gfx::FontSpec{L"Arial", 22, 1}, kInk, 120, 55, 560, 0);
    canvas.Text(ShortPath(current_), gfx::FontSpec{L"Arial", 14, 0}, 0xFF505A70u, 120, 95, 560, 0);
    canvas.Line(0xFF9AA8C0u, 1, 120, 127.5f, 680, 127.5f);
    for (int r = 0; r < kRows; ++r) {
        const int index = top_ + r;
        if (index >= static_cast<int>(folders_.size())) break;
        const Box b = RowBox(r);
        if (index == selected_)
            canvas.FillRect(kSelectedRow, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                            static_cast<float>(b.h));
        canvas.Text(WideFromUtf8(folders_[static_cast<size_t>(index)]), gfx::FontSpec{L"Arial", 18, 0}, kInk,
                    static_cast<float>(b.x + 8), static_cast<float>(b.y + 4), static_cast<float>(b.w - 16), 0);
    }
    canvas.Line(0xFF9AA8C0u, 1, 120, 490.5f, 680, 490.5f);
    const auto button = [&](const Box& b, const std::wstring& label) {
        canvas.FillRect(kButton, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                        static_cast<float>(b.h));
        const gfx::FontSpec font{L"Arial", 18, 1};
        const gfx::TextSize size = gfx::MeasureText(label, font, 0);
        canvas.Text(label, font, 0xFFFFFFFFu, static_cast<float>(b.x) + (static_cast<float>(b.w) - size.width) / 2,
                    static_cast<float>(b.y) + (static_cast<float>(b.h) - size.height) / 2, 0, 0);
    };
    button(UpBox(), L"\u2191 ..");
    button(OkBox(), texts_.choose.empty() ? L"OK" : texts_.choose);
    button(CancelBox(), texts_.cancel.empty() ? L"Cancel" : texts_.cancel);
    canvas.Flush();
}

bool RunFolderChooser(Backend& os, const FolderDialogTexts& texts, const std::string& startFolder,
                      std::wstring& chosen) {
    FolderChooser chooser(texts, startFolder);
    std::vector<uint32_t> pixels(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    const int stride = kCanvasWidth * 4;
    bool dirty = true;
    for (;;) {
        if (dirty) {
            chooser.Draw(pixels.data(), stride);
            os.Present(pixels.data(), stride);
            dirty = false;
        }
        InputEvent e;
        while (os.PollEvent(e)) {
            const FolderChooser::Result r = chooser.Handle(e);
            if (r == FolderChooser::Result::Cancelled) return false;
            if (r == FolderChooser::Result::Chosen) {
                chosen = WideFromUtf8(chooser.Current());
                return true;
            }
            dirty = true;
        }
        os.Sleep(15);
    }
}

#ifndef _WIN32
bool HasNativeFolderDialog() { return !FindOnPath("zenity").empty() || !FindOnPath("kdialog").empty(); }

int RunNativeFolderDialog(const FolderDialogTexts& texts, const std::string& startFolder, std::string& chosen) {
    const std::string title = Utf8FromWide(texts.title);
    std::string program = FindOnPath("zenity");
    std::vector<std::string> args;
    if (!program.empty()) {
        args = {"--file-selection", "--directory", "--title=" + title, "--filename=" + Join(startFolder, "")};
    } else {
        program = FindOnPath("kdialog");
        if (program.empty()) return -1;
        args = {"--getexistingdirectory", startFolder, "--title", title};
    }
    std::string out;
    const int status = RunAndRead(program, args, out);
    if (status < 0) return -1;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (status != 0 || out.empty() || out.find('\n') != std::string::npos) return 0;
    chosen = out;
    return 1;
}

#endif

}  // namespace platform

#include "platform/SaveDialog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Files.h"
#include "platform/FolderChooser.h"
#include "platform/TextField.h"
#include "platform/Utf.h"
#include "platform/gfx/Canvas.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxEntries = 5000;
constexpr int kMaxAsks = 50;  // a dialog that keeps giving unusable names gives up
constexpr uint32_t kBackdrop = 0xFF1E3A6Eu;
constexpr uint32_t kPanel = 0xFFF4F6FBu;
constexpr uint32_t kInk = 0xFF1E2A40u;
constexpr uint32_t kFaint = 0xFF505A70u;
constexpr uint32_t kSelectedRow = 0xFFBFD4F5u;
constexpr uint32_t kButton = 0xFF4069B0u;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string ParentOf(const std::string& folder) {
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    const size_t cut = f.find_last_of('/');
    if (cut == std::string::npos || cut == 0) return "/";
    return f.substr(0, cut);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::wstring ShortPath(const std::string& path) {
    std::wstring w = WideFromUtf8(path);
    constexpr size_t kMax = 70;
    if (w.size() > kMax) w = L"\u2026" + w.substr(w.size() - kMax + 1);
    return w;
}

std::string StartFolder(const SaveFileRequest& request) {
    std::error_code ec;
    std::string start = Utf8FromWide(request.folder);
    if (!start.empty() && fs::is_directory(start, ec)) return start;
    start = Utf8FromWide(DocumentsFolder());
    if (!start.empty() && fs::is_directory(start, ec)) return start;
    return HomeFolder();
}

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
    if (request.refused && request.refused(candidate)) {
        os.ShowError(request.title, WideFromUtf8(p.filename().string()) + L" " + request.refusedNotice);
        return SaveChoice::Refused;
    }
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

SaveDialog::SaveDialog(const SaveFileRequest& request)
    : request_(request),
      current_(StartFolder(request)),
      field_(std::make_unique<TextField>(NameBox().x, NameBox().y, NameBox().w, NameBox().h)) {
    // As every text field: the keys go to the name only once it is entered (Tab or a press
    // on it), so a switch's Space never types into the offered name.
    field_->SetText(request.fileName);
    List();
}

SaveDialog::~SaveDialog() = default;

std::wstring SaveDialog::Name() const { return field_->Text(); }

void SaveDialog::SetName(const std::wstring& name) { field_->SetText(name); }

std::wstring SaveDialog::ChosenPath() const {
    const std::string name = Utf8FromWide(Name());
    if (name.empty()) return {};
    if (name[0] == '/') return WideFromUtf8(name);
    return WideFromUtf8(JoinPath(current_, name));
}

void SaveDialog::List() {
    entries_.clear();
    std::vector<Entry> files;
    std::error_code ec;
    for (fs::directory_iterator it(current_, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code typeError;
        if (it->is_directory(typeError))
            entries_.push_back({name, true});
        else if (request_.pattern.empty() || WildcardMatch(request_.pattern, WideFromUtf8(name)))
            files.push_back({name, false});
        if (entries_.size() + files.size() >= kMaxEntries) break;
    }
    const auto byName = [](const Entry& a, const Entry& b) {
        const std::string la = Lower(a.name), lb = Lower(b.name);
        return la != lb ? la < lb : a.name < b.name;
    };
    std::sort(entries_.begin(), entries_.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    entries_.insert(entries_.end(), files.begin(), files.end());
    selected_ = -1;
    top_ = 0;
}

void SaveDialog::Select(int index) {
    if (entries_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + kRows) top_ = selected_ - kRows + 1;
}

void SaveDialog::Open(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || !entries_[static_cast<size_t>(index)].folder) return;
    const std::string next = JoinPath(current_, entries_[static_cast<size_t>(index)].name);
    std::error_code ec;
    if (!fs::is_directory(next, ec)) return;
    current_ = next;
    List();
}

void SaveDialog::Up() {
    const std::string parent = ParentOf(current_);
    if (parent == current_) return;
    current_ = parent;
    List();
}

SaveDialog::Result SaveDialog::Handle(const InputEvent& e) {
    if (e.type == EventType::Quit) return Result::Cancelled;
    // Escape cancels the dialog rather than taking the keys from its name field.
    if (e.type == EventType::KeyDown && e.key == VK_ESCAPE) return Result::Cancelled;
    if (RouteToTextFields(e)) return Result::Open;
    switch (e.type) {
        case EventType::MouseDown: {
            if (CancelBox().Contains(e.x, e.y)) return Result::Cancelled;
            if (SaveBox().Contains(e.x, e.y)) return Name().empty() ? Result::Open : Result::Chosen;
            if (UpBox().Contains(e.x, e.y)) {
                Up();
                return Result::Open;
            }
            for (int r = 0; r < kRows; ++r) {
                const int index = top_ + r;
                if (index >= static_cast<int>(entries_.size()) || !RowBox(r).Contains(e.x, e.y)) continue;
                const Entry& entry = entries_[static_cast<size_t>(index)];
                const bool again = index == selected_;
                Select(index);
                if (entry.folder) {
                    if (again) Open(index);
                } else {
                    SetName(WideFromUtf8(entry.name));
                    if (again) return Result::Chosen;
                }
                break;
            }
            return Result::Open;
        }
        case EventType::KeyDown:
            if (e.key == VK_ESCAPE) return Result::Cancelled;
            if (e.key == VK_RETURN) {
                if (!Name().empty()) return Result::Chosen;
                Open(selected_);
            }
            return Result::Open;
        default: return Result::Open;
    }
}

void SaveDialog::Draw(uint32_t* pixels, int strideBytes) const {
    gfx::Canvas canvas(pixels, kCanvasWidth, kCanvasHeight, strideBytes);
    canvas.Clear(kBackdrop);
    canvas.FillRect(kPanel, 100, 40, 600, 520);
    canvas.Text(request_.title, gfx::FontSpec{L"Arial", 22, 1}, kInk, 120, 55, 560, 0);
    canvas.Text(ShortPath(current_), gfx::FontSpec{L"Arial", 14, 0}, kFaint, 120, 95, 560, 0);
    canvas.Line(0xFF9AA8C0u, 1, 120, 127.5f, 680, 127.5f);
    for (int r = 0; r < kRows; ++r) {
        const int index = top_ + r;
        if (index >= static_cast<int>(entries_.size())) break;
        const Entry& entry = entries_[static_cast<size_t>(index)];
        const Box b = RowBox(r);
        if (index == selected_)
            canvas.FillRect(kSelectedRow, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                            static_cast<float>(b.h));
        // Folders stand out by a leading mark and bold type.
        const std::wstring label = (entry.folder ? L"\u25B8 " : L"   ") + WideFromUtf8(entry.name);
        canvas.Text(label, gfx::FontSpec{L"Arial", 17, entry.folder ? 1 : 0}, kInk, static_cast<float>(b.x + 8),
                    static_cast<float>(b.y + 4), static_cast<float>(b.w - 16), 0);
    }
    canvas.Line(0xFF9AA8C0u, 1, 120, 410.5f, 680, 410.5f);
    const Box name = NameBox();
    canvas.Text(request_.fileNameLabel, gfx::FontSpec{L"Arial", 16, 0}, kInk, 120, static_cast<float>(name.y + 5), 115,
                0);
    canvas.Text(request_.filterName, gfx::FontSpec{L"Arial", 14, 0}, kFaint, static_cast<float>(name.x),
                static_cast<float>(name.y + name.h + 8), static_cast<float>(name.w), 0);
    const auto button = [&](const Box& b, const std::wstring& label) {
        canvas.FillRect(kButton, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                        static_cast<float>(b.h));
        const gfx::FontSpec font{L"Arial", 18, 1};
        const gfx::TextSize size = gfx::MeasureText(label, font, 0);
        canvas.Text(label, font, 0xFFFFFFFFu, static_cast<float>(b.x) + (static_cast<float>(b.w) - size.width) / 2,
                    static_cast<float>(b.y) + (static_cast<float>(b.h) - size.height) / 2, 0, 0);
    };
    button(UpBox(), L"\u2191 ..");
    button(SaveBox(), request_.save.empty() ? L"Save" : request_.save);
    button(CancelBox(), request_.cancel.empty() ? L"Cancel" : request_.cancel);
    canvas.Flush();
}

bool RunCanvasSaveDialog(Backend& os, const SaveFileRequest& request, std::wstring& chosen) {
    SaveDialog dialog(request);
    std::vector<uint32_t> pixels(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    const int stride = kCanvasWidth * 4;
    bool dirty = true;
    uint32_t lastCaretBlink = os.TimeGetTime();
    for (;;) {
        // The caret blinks: the frame is presented again now and then.
        if (os.TimeGetTime() - lastCaretBlink >= 500) dirty = true;
        if (dirty) {
            dialog.Draw(pixels.data(), stride);
            os.Present(pixels.data(), stride);
            dirty = false;
            lastCaretBlink = os.TimeGetTime();
        }
        InputEvent e;
        while (os.PollEvent(e)) {
            const SaveDialog::Result r = dialog.Handle(e);
            if (r == SaveDialog::Result::Cancelled) return false;
            if (r == SaveDialog::Result::Chosen) {
                chosen = dialog.ChosenPath();
                return true;
            }
            dirty = true;
        }
        os.Sleep(15);
    }
}

int RunNativeSaveDialog(const SaveFileRequest& request, std::string& chosen) {
    const std::string title = Utf8FromWide(request.title);
    const std::string start = JoinPath(StartFolder(request), Utf8FromWide(request.fileName));
    const std::string pattern = Utf8FromWide(request.pattern.empty() ? L"*" : request.pattern);
    const std::string filterName = Utf8FromWide(request.filterName.empty() ? request.pattern : request.filterName);
    std::string program = FindOnPath("zenity");
    std::vector<std::string> args;
    if (!program.empty()) {
        args = {"--file-selection", "--save", "--title=" + title, "--filename=" + start,
                "--file-filter=" + filterName + " | " + pattern};
    } else {
        program = FindOnPath("kdialog");
        if (program.empty()) return -1;
        args = {"--getsavefilename", start, pattern + "|" + filterName, "--title", title};
    }
    std::string out;
    const int status = RunAndRead(program, args, out);
    if (status < 0) return -1;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (status != 0 || out.empty() || out.find('\n') != std::string::npos) return 0;
    chosen = out;
    return 1;
}

}  // namespace platform

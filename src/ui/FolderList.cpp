#include "ui/FolderList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/Utf.h"

namespace ui {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxEntries = 5000;  // a folder with more lists the first ones

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Parent(const std::string& folder) {
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    const size_t cut = f.find_last_of('/');
    if (cut == std::string::npos || cut == 0) return "/";
    return f.substr(0, cut);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

FolderList::FolderList(const Style& style, const std::string& folder) : style_(style), current_(folder) { List(); }

void FolderList::List() {
    entries_.clear();
    std::vector<Entry> files;
    std::error_code ec;
    for (fs::directory_iterator it(current_, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;  // hidden entries stay out of the way
        std::error_code typeError;
        if (it->is_directory(typeError))
            entries_.push_back({name, true});
        else if (style_.files &&
                 (style_.pattern.empty() || platform::WildcardMatch(style_.pattern, platform::WideFromUtf8(name))))
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
    selected_ = style_.alwaysSelected && !entries_.empty() ? 0 : -1;
    top_ = 0;
}

void FolderList::Select(int index) {
    if (entries_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + style_.rows) top_ = selected_ - style_.rows + 1;
}

void FolderList::Open(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || !entries_[static_cast<size_t>(index)].folder) return;
    const std::string next = Join(current_, entries_[static_cast<size_t>(index)].name);
    std::error_code ec;
    if (!fs::is_directory(next, ec)) return;
    current_ = next;
    List();
}

void FolderList::Up() {
    const std::string from = current_;
    current_ = Parent(current_);
    if (current_ == from) return;
    List();
    if (!style_.alwaysSelected) return;
    // The folder we came from stays selected.
    std::string name = from;
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    name = name.substr(name.find_last_of('/') + 1);
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].folder && entries_[i].name == name) return Select(static_cast<int>(i));
}

int FolderList::EntryAt(int x, int y) const {
    for (int r = 0; r < style_.rows; ++r) {
        const int index = top_ + r;
        if (index < static_cast<int>(entries_.size()) && RowBox(r).Contains(x, y)) return index;
    }
    return -1;
}

void FolderList::Draw(Graphics& g) const {
    const auto f = [](int v) { return static_cast<float>(v); };
    for (int r = 0; r < style_.rows; ++r) {
        const int index = top_ + r;
        if (index >= static_cast<int>(entries_.size())) break;
        const Entry& entry = entries_[static_cast<size_t>(index)];
        const Box b = RowBox(r);
        if (index == selected_) g.FillRectangle(SolidBrush(kSelectedRow), RectF{f(b.x), f(b.y), f(b.w), f(b.h)});
        // Among files, folders stand out by a leading mark and bold type.
        std::wstring label = platform::WideFromUtf8(entry.name);
        int style = FontStyleRegular;
        if (style_.files) {
            label = (entry.folder ? L"\u25B8 " : L"   ") + label;
            style = entry.folder ? FontStyleBold : FontStyleRegular;
        }
        g.DrawString(label, Font(L"Arial", style_.fontSize, style), RectF{f(b.x + 8), f(b.y + 4), f(b.w - 16), 0},
                     StringFormat{}, SolidBrush(kInk));
    }
}

std::wstring FolderList::ShortPath() const {
    std::wstring w = platform::WideFromUtf8(current_);
    constexpr size_t kMax = 70;
    if (w.size() > kMax) w = L"\u2026" + w.substr(w.size() - kMax + 1);
    return w;
}

}  // namespace ui

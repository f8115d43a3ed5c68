#include "ui/FolderList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "graphics/Graphics.h"
#include "platform/Files.h"
#include "platform/FolderTree.h"
#include "platform/Utf.h"
#include "platform/Utf8Path.h"

namespace ui {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxEntries = 5000;  // a folder with more lists the first ones

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

FolderList::FolderList(const Style& style, const std::string& folder) : style_(style), current_(folder) { List(); }

void FolderList::List() {
    entries_.clear();
    selected_ = -1;
    top_ = 0;
    if (current_.empty()) {
        // Above the roots: the drives, each as a folder to open.
        for (const std::string& root : platform::FolderRoots()) entries_.push_back({root, true});
        if (style_.alwaysSelected && !entries_.empty()) selected_ = 0;
        return;
    }
    std::vector<Entry> files;
    std::error_code ec;
    for (fs::directory_iterator it(platform::PathFromUtf8(current_), fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = platform::Utf8FromPath(it->path().filename());
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
}

void FolderList::Select(int index) {
    if (entries_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
    if (selected_ < top_) top_ = selected_;
    if (selected_ >= top_ + style_.rows) top_ = selected_ - style_.rows + 1;
}

void FolderList::Open(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || !entries_[static_cast<size_t>(index)].folder) return;
    const std::string next = platform::JoinFolder(current_, entries_[static_cast<size_t>(index)].name);
    if (!platform::IsFolder(next)) return;
    current_ = next;
    List();
}

void FolderList::Up() {
    const std::string from = current_;
    if (from.empty()) return;
    const std::string parent = platform::ParentFolder(from);
    // Above a root is the list of roots, when there are several to choose from.
    if (parent.empty() && platform::FolderRoots().size() < 2) return;
    current_ = parent;
    List();
    if (!style_.alwaysSelected) return;
    // The folder we came from stays selected.
    std::string name = from;
    if (!parent.empty()) {
        while (name.size() > 1 && name.back() == '/') name.pop_back();
        name = name.substr(name.find_last_of('/') + 1);
    }
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

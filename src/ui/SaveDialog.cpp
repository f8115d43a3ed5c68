#include "ui/SaveDialog.h"

#include "graphics/Graphics.h"
#include "platform/FolderTree.h"
#include "platform/NativeDialogs.h"
#include "platform/Utf.h"
#include "ui/TextField.h"

namespace ui {

SaveDialog::SaveDialog(const platform::SaveFileRequest& request)
    : request_(request),
      list_(FolderList::Style{kRows, kRowHeight, 17, true, request.pattern, false}, platform::SaveStartFolder(request)),
      field_(std::make_unique<TextField>(NameBox().x, NameBox().y, NameBox().w, NameBox().h)) {
    field_->SetText(request.fileName);
    field_->Focus();
}

SaveDialog::~SaveDialog() = default;

std::wstring SaveDialog::Name() const { return field_->Text(); }

void SaveDialog::SetName(const std::wstring& name) { field_->SetText(name); }

std::wstring SaveDialog::ChosenPath() const {
    const std::string name = platform::Utf8FromWide(Name());
    if (name.empty()) return {};
    return platform::WideFromUtf8(platform::JoinFolder(list_.Current(), name));
}

SaveDialog::Result SaveDialog::Handle(const platform::InputEvent& e) {
    using platform::EventType;
    if (e.type == EventType::Quit) return Result::Cancelled;
    // Escape cancels the dialog rather than taking the keys from its name field.
    if (e.type == EventType::KeyDown && e.key == platform::VK_ESCAPE) return Result::Cancelled;
    if (RouteToTextFields(e)) return Result::Open;
    if (e.type == EventType::KeyDown && e.key == platform::VK_RETURN) {
        if (!Name().empty()) return Result::Chosen;
        list_.Open(list_.Selected());
        return Result::Open;
    }
    if (e.type != EventType::MouseDown) return Result::Open;
    field_->Focus();  // typing always goes to the name
    if (CancelBox().Contains(e.x, e.y)) return Result::Cancelled;
    if (SaveBox().Contains(e.x, e.y)) return Name().empty() ? Result::Open : Result::Chosen;
    if (UpBox().Contains(e.x, e.y)) {
        list_.Up();
        return Result::Open;
    }
    const int index = list_.EntryAt(e.x, e.y);
    if (index < 0) return Result::Open;
    const Entry entry = list_.Entries()[static_cast<size_t>(index)];
    const bool again = index == list_.Selected();
    list_.Select(index);
    if (entry.folder) {
        if (again) list_.Open(index);
    } else {
        SetName(platform::WideFromUtf8(entry.name));
        if (again) return Result::Chosen;
    }
    return Result::Open;
}

void SaveDialog::Draw(Graphics& g) const {
    DrawDialogPanel(g, request_.title, list_.ShortPath());
    list_.Draw(g);
    DrawRule(g, 410.5f);
    const Box name = NameBox();
    const auto f = [](int v) { return static_cast<float>(v); };
    g.DrawString(request_.fileNameLabel, Font(L"Arial", 16), RectF{120, f(name.y + 5), 115, 0}, StringFormat{},
                 SolidBrush(kInk));
    g.DrawString(request_.filterName, Font(L"Arial", 14), RectF{f(name.x), f(name.y + name.h + 8), f(name.w), 0},
                 StringFormat{}, SolidBrush(kFaint));
    DrawButton(g, UpBox(), L"\u2191 ..");
    DrawButton(g, SaveBox(), request_.save.empty() ? L"Save" : request_.save);
    DrawButton(g, CancelBox(), request_.cancel.empty() ? L"Cancel" : request_.cancel);
}

void SaveDialog::Draw(uint32_t* pixels, int strideBytes) const {
    DrawOnPixels(pixels, strideBytes, [this](Graphics& g) { Draw(g); });
}

bool RunCanvasSaveDialog(platform::Backend& os, const platform::SaveFileRequest& request, std::wstring& chosen) {
    SaveDialog dialog(request);
    // The caret blinks: the frame is presented again now and then.
    const DialogResult r = RunDialog(
        os, [&](uint32_t* pixels, int stride) { dialog.Draw(pixels, stride); },
        [&](const platform::InputEvent& e) { return dialog.Handle(e); }, 500);
    if (r != DialogResult::Chosen) return false;
    chosen = dialog.ChosenPath();
    return true;
}

}  // namespace ui

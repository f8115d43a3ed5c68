#include "ui/FolderChooser.h"

#include "graphics/Graphics.h"
#include "platform/FolderTree.h"
#include "platform/NativeDialogs.h"
#include "platform/Utf.h"

namespace ui {

namespace {

std::string StartIn(const std::string& folder) { return platform::IsFolder(folder) ? folder : platform::HomeFolder(); }

}  // namespace

FolderChooser::FolderChooser(const platform::FolderDialogTexts& texts, const std::string& startFolder)
    : texts_(texts), list_(FolderList::Style{kRows, kRowHeight, 18, false, L"", true}, StartIn(startFolder)) {}

std::vector<std::string> FolderChooser::Folders() const {
    std::vector<std::string> names;
    for (const FolderList::Entry& e : list_.Entries()) names.push_back(e.name);
    return names;
}

FolderChooser::Result FolderChooser::Handle(const platform::InputEvent& e) {
    using platform::EventType;
    const int selected = list_.Selected();
    switch (e.type) {
        case EventType::Quit: return Result::Cancelled;
        case EventType::MouseDown: {
            if (CancelBox().Contains(e.x, e.y)) return Result::Cancelled;
            // The list of drives is no folder to choose.
            if (OkBox().Contains(e.x, e.y)) return list_.Current().empty() ? Result::Open : Result::Chosen;
            if (UpBox().Contains(e.x, e.y)) {
                list_.Up();
                return Result::Open;
            }
            const int index = list_.EntryAt(e.x, e.y);
            if (index >= 0 && index == selected)
                list_.Open(index);
            else if (index >= 0)
                list_.Select(index);
            return Result::Open;
        }
        case EventType::KeyDown:
            switch (e.key) {
                case platform::VK_ESCAPE: return Result::Cancelled;
                case platform::VK_RETURN: list_.Open(selected); break;
                case platform::VK_BACK: list_.Up(); break;
                case platform::VK_UP: list_.Select(selected - 1); break;
                case platform::VK_DOWN: list_.Select(selected + 1); break;
                case platform::VK_PRIOR: list_.Select(selected - kRows); break;
                case platform::VK_NEXT: list_.Select(selected + kRows); break;
                case platform::VK_HOME: list_.Select(0); break;
                case platform::VK_END: list_.Select(static_cast<int>(list_.Entries().size()) - 1); break;
                default: break;
            }
            return Result::Open;
        default: return Result::Open;
    }
}

void FolderChooser::Draw(Graphics& g) const {
    DrawDialogPanel(g, texts_.title, list_.ShortPath());
    list_.Draw(g);
    DrawRule(g, 490.5f);
    DrawButton(g, UpBox(), L"\u2191 ..");
    DrawButton(g, OkBox(), texts_.choose.empty() ? L"OK" : texts_.choose);
    DrawButton(g, CancelBox(), texts_.cancel.empty() ? L"Cancel" : texts_.cancel);
}

void FolderChooser::Draw(uint32_t* pixels, int strideBytes) const {
    DrawOnPixels(pixels, strideBytes, [this](Graphics& g) { Draw(g); });
}

bool RunFolderChooser(platform::Backend& os, const platform::FolderDialogTexts& texts, const std::string& startFolder,
                      std::wstring& chosen) {
    FolderChooser chooser(texts, startFolder);
    const DialogResult r = RunDialog(
        os, [&](uint32_t* pixels, int stride) { chooser.Draw(pixels, stride); },
        [&](const platform::InputEvent& e) { return chooser.Handle(e); });
    if (r != DialogResult::Chosen) return false;
    chosen = platform::WideFromUtf8(chooser.Current());
    return true;
}

}  // namespace ui

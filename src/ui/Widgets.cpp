#include "ui/Widgets.h"

#include "platform/CanvasWidgets.h"
#include "ui/FolderChooser.h"
#include "ui/QuestionBox.h"
#include "ui/SaveDialog.h"
#include "ui/TextField.h"

namespace ui {

namespace {

class Widgets final : public platform::CanvasWidgets {
public:
    bool Ask(platform::Backend& os, const std::vector<uint32_t>& base, const std::wstring& caption,
             const std::wstring& text, const platform::QuestionOptions& options, const std::function<bool()>& giveUp,
             bool& quitRequested) override {
        QuestionBox box(caption, text, options, os.TimeGetTime());
        return RunQuestion(os, base, box, giveUp, quitRequested);
    }
    bool ChooseFolder(platform::Backend& os, const platform::FolderDialogTexts& texts, const std::string& startFolder,
                      std::wstring& chosen) override {
        return RunFolderChooser(os, texts, startFolder, chosen);
    }
    bool ChooseSaveFile(platform::Backend& os, const platform::SaveFileRequest& request,
                        std::wstring& chosen) override {
        return RunCanvasSaveDialog(os, request, chosen);
    }
    bool Overlaid() override { return !LiveTextFields().empty(); }
    void DrawOverlay(uint32_t* pixels, int strideBytes, uint32_t nowMs) override {
        DrawTextFields(pixels, strideBytes, nowMs);
    }
    // What the text fields show: text, caret, focus and the caret's blink phase.
    std::wstring OverlayState(uint32_t nowMs) override {
        std::wstring state;
        for (const TextField* f : LiveTextFields())
            state += f->Text() + L'\x1' + std::to_wstring(f->Caret()) + (f->Focused() ? L"f" : L"-") + L'\x2';
        if (!state.empty()) state += std::to_wstring(nowMs / kCaretBlinkMs % 2);
        return state;
    }
};

}  // namespace

void InstallWidgets() {
    static Widgets widgets;
    platform::InstallCanvasWidgets(&widgets);
}

}  // namespace ui

#pragma once
// The program's own widgets that a backend shows: the Yes/No question, the folder chooser,
// the save dialog and the text fields drawn over each presented frame. They are drawn on
// the canvas by the widget layer above this one, which installs them at start-up; a backend
// reaches them only through this interface. Without them a question answers No, a choice is
// cancelled and nothing is drawn over the frames.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

class CanvasWidgets {
public:
    virtual ~CanvasWidgets() = default;

    // Runs the question over base (the frame shown last; black when empty) until it is
    // answered, pumping os's events; true for Yes. giveUp is asked while no event waits:
    // when it says so (a scripted run out of input) the answer is No. A quit request answers
    // No and is left in quitRequested.
    virtual bool Ask(Backend& os, const std::vector<uint32_t>& base, const std::wstring& caption,
                     const std::wstring& text, const QuestionOptions& options, const std::function<bool()>& giveUp,
                     bool& quitRequested) = 0;
    // The chooser on the canvas, from startFolder (native): true with the chosen folder.
    virtual bool ChooseFolder(Backend& os, const FolderDialogTexts& texts, const std::string& startFolder,
                              std::wstring& chosen) = 0;
    // The save dialog on the canvas: true with the chosen path (not yet made final).
    virtual bool ChooseSaveFile(Backend& os, const SaveFileRequest& request, std::wstring& chosen) = 0;

    // What is drawn over every presented frame (the text fields): Overlaid says whether there
    // is anything, OverlayState changes whenever the drawing would (typing, focus, the
    // caret's blink at nowMs).
    virtual bool Overlaid() = 0;
    virtual void DrawOverlay(uint32_t* pixels, int strideBytes, uint32_t nowMs) = 0;
    virtual std::wstring OverlayState(uint32_t nowMs) = 0;
};

// Installed once by the program's frame; not owned.
void InstallCanvasWidgets(CanvasWidgets* widgets);
// The installed widgets, or null.
CanvasWidgets* Widgets();

// Keys held across a question. Their repeats must not answer it (the Escape that raised
// it) nor reach the screen afterwards (the Enter that answered it), and the screen must
// see the release of a key it saw pressed even when the question took that release.
class HeldKeys final {
public:
    // Every key event the backend hands out passes here; true when it is to be dropped.
    bool Filter(const InputEvent& event);
    // The keys held now stay quiet until released (their repeats are dropped).
    void Quiet() { quiet_ = held_; }
    const std::set<int>& Held() const { return held_; }

private:
    std::set<int> held_;
    std::set<int> quiet_;
};

// What a backend does around the question: the keys held when it opens stay quiet, input
// still pending when it is answered is dropped (dropPending pulls it through keys), and
// releases gets a key-up for every key held at the opening whose release the question
// took, for the backend to hand to the screen next. The backend then shows base again.
bool AskOnCanvas(Backend& os, HeldKeys& keys, const std::vector<uint32_t>& base, const std::wstring& caption,
                 const std::wstring& text, const QuestionOptions& options, const std::function<bool()>& giveUp,
                 const std::function<void()>& dropPending, std::vector<InputEvent>& releases, bool& quitRequested);

}  // namespace platform

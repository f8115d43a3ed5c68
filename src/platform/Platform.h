#pragma once
// The platform layer: everything the program asks of the operating system and of the
// media libraries goes through one Backend. Two backends exist: the desktop one (SDL2
// window, input, cursor, message boxes) and the headless one (virtual clock, scripted
// input and answers) that tests, benchmarks and screenshot tools run on.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class SoundDevice;
struct PrintableDocument;

enum class CursorShape { Arrow, Hand, Wait };

enum class EventType { MouseDown, MouseUp, MouseMove, KeyDown, KeyUp, Text, Quit };
enum class MouseButton { Left, Right };

// Mouse positions are canvas pixels; keys are Windows virtual-key codes.
struct InputEvent {
    EventType type = EventType::Quit;
    int x = 0;
    int y = 0;
    MouseButton button = MouseButton::Left;
    int key = 0;
    bool control = false;  // Ctrl held with a key
    std::wstring text;     // typed text (EventType::Text)
};

// Virtual-key codes the screens compare against.
enum VirtualKey : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_DELETE = 46,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_F1 = 112
};

struct DisplayOptions {
    bool windowed = false;  // canvas 1:1 centred on a black backdrop instead of scaled full screen
    std::wstring title;
    std::wstring iconPath;  // program path of a PNG used as the window icon; may be empty
};

// The words of the folder chooser (the profiles' export), in the program's language.
struct FolderDialogTexts {
    std::wstring title;
    std::wstring choose;
    std::wstring cancel;
};

// What a Yes/No question shows besides its caption and text: the buttons' words in the
// program's language, and the one-contact scan time (0: the highlight moves only on keys).
struct QuestionOptions {
    std::wstring yes = L"Yes";
    std::wstring no = L"No";
    int scanSeconds = 0;
};

// What the save dialog asks for (see SaveDialog.h), its words in the program's language.
struct SaveFileRequest {
    std::wstring title;
    std::wstring filterName;        // shown for the file type, such as "Picture (*.png)"
    std::wstring pattern;           // the files listed, such as "*.png"
    std::wstring defaultExtension;  // added (with its dot) when the chosen name has none
    std::wstring fileName;          // the name offered at first; may be empty
    std::wstring folder;            // where the dialog starts (native); empty for the home folder
    std::wstring fileNameLabel;     // "File name:"
    std::wstring save;
    std::wstring cancel;
    std::wstring replaceQuestion;    // asked after the file's name when it exists already
    QuestionOptions replaceAnswers;  // the question's buttons, in the program's language
    // A file that must not be written (a trainee's own): the dialog says refusedNotice after
    // the file's name and asks again. Empty: every name may be taken.
    std::function<bool(const std::wstring& path)> refused;
    std::wstring refusedNotice;
};

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;

class Backend {
public:
    virtual ~Backend() = default;

    // Clock: milliseconds since start (wrapping as a 32-bit count does), a
    // high-resolution counter and a sleep. Virtual in the headless backend.
    virtual uint32_t TimeGetTime() = 0;
    virtual int64_t PerfCounter() = 0;
    virtual int64_t PerfFrequency() = 0;
    virtual void Sleep(uint32_t ms) = 0;
    // The frame's rest, to within a fraction of a millisecond: a still screen wakes once per
    // frame, at its deadline.
    virtual void SleepMicros(int64_t micros) {
        if (micros >= 1000) Sleep(static_cast<uint32_t>(micros / 1000));
    }

    // Display. Present shows an 800 x 600 premultiplied ARGB32 image.
    virtual bool OpenDisplay(const DisplayOptions& options) = 0;
    virtual bool IsFullScreen() const = 0;
    virtual void Present(const uint32_t* pixels, int strideBytes) = 0;
    virtual void CloseDisplay() = 0;

    // Input: at most one event per call; false when none is waiting.
    virtual bool PollEvent(InputEvent& event) = 0;

    // Cursor: shape, visibility (returns the display count as ShowCursor does) and the
    // pointer position in canvas pixels. The shape reaches the window only when it changes:
    // screens set it every pass, and each change is a round trip to the display.
    void SetCursor(CursorShape shape) {
        if (cursorSet_ && shape == cursorShape_) return;
        cursorSet_ = true;
        cursorShape_ = shape;
        ApplyCursorShape(shape);
    }
    virtual int ShowCursor(bool show) = 0;
    virtual void GetCursorPos(int& x, int& y) = 0;
    virtual void SetCursorPos(int x, int y) = 0;

    // Message boxes: a Yes/No question (No is the default) and an error notice. The
    // question is drawn on the canvas and holds the program until it is answered; true
    // for Yes.
    virtual bool AskYesNo(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options) = 0;
    bool AskYesNo(const std::wstring& caption, const std::wstring& text) { return AskYesNo(caption, text, {}); }
    virtual void ShowError(const std::wstring& caption, const std::wstring& text) = 0;

    // A folder chosen by the user, as a native path (the profiles' export): a native dialog
    // where the desktop offers one, else the program's own chooser on the canvas. False
    // when the user cancelled (or no chooser can be shown).
    virtual bool ChooseFolder(const FolderDialogTexts& texts, std::wstring& folder) {
        (void)texts;
        (void)folder;
        return false;
    }

    // A file name chosen by the user to save into, as a native path: a native dialog where
    // the desktop offers one, else the program's own on the canvas. The default extension
    // is added and replacing an existing file confirmed (SaveDialog.h). False when cancelled.
    virtual bool ChooseSaveFile(const SaveFileRequest& request, std::wstring& path) {
        (void)request;
        (void)path;
        return false;
    }
    // Prints the 800 x 600 premultiplied ARGB32 picture as one 8 x 6 inch page on the
    // default printer (Printer.h). False, quietly, when there is none or the job failed.
    virtual bool PrintImage(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
        (void)pixels;
        (void)strideBytes;
        (void)documentName;
        return false;
    }

    // The same print made ready to run off the frame's thread (PrintJob.h): the task owns a
    // copy of the picture and everything else it needs, so it may wait on the print server
    // as long as that takes while the window goes on answering. True when the job was accepted.
    virtual std::function<bool()> PreparePrint(const uint32_t* pixels, int strideBytes,
                                               const std::wstring& documentName) {
        (void)pixels;
        (void)strideBytes;
        (void)documentName;
        return [] { return false; };
    }

    // Prints a document of A4 pages on the default printer. False, quietly, when there is
    // none or the job failed.
    virtual bool PrintDocument(const PrintableDocument& document, const std::wstring& documentName) {
        (void)document;
        (void)documentName;
        return false;
    }
    // The same made ready to run off the frame's thread, as PreparePrint: the task shares
    // the document.
    virtual std::function<bool()> PrepareDocumentPrint(const PrintableDocument& document,
                                                       const std::wstring& documentName) {
        (void)document;
        (void)documentName;
        return [] { return false; };
    }

    // The clipboard's text, for pasting into text fields.
    virtual std::wstring ClipboardText() = 0;
    // Whether typed text is wanted (a text field has the focus).
    virtual void SetTextInput(bool on) = 0;

    // The sound device (opened on first use).
    virtual SoundDevice& Sound() = 0;

protected:
    virtual void ApplyCursorShape(CursorShape shape) = 0;

private:
    bool cursorSet_ = false;
    CursorShape cursorShape_ = CursorShape::Arrow;
};

// The backend the program runs on. Installed once at start-up (or by a test); it stands
// in for the operating system, so every part of the program reaches it through Os().
Backend& Os();
void InstallBackend(std::unique_ptr<Backend> backend);
bool HasBackend();

// Shorthands for the clock.
inline uint32_t TimeGetTime() { return Os().TimeGetTime(); }

}  // namespace platform

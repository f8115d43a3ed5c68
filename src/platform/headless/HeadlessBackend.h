#pragma once
// The headless backend: no window and no sound card. Time is virtual and moves only when
// the test (or a sleep of the frame) advances it; input events and message-box answers
// are queued by the test; presented frames are counted and the last one kept. A Yes/No
// question without a queued answer runs on the canvas, as on the desktop, on the queued
// input, its clock moving by its polls; when the input runs out it answers No.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/CanvasWidgets.h"
#include "platform/Sound.h"

namespace platform {

class HeadlessBackend final : public Backend {
public:
    HeadlessBackend() = default;

    uint32_t TimeGetTime() override { return static_cast<uint32_t>(nowMicros_ / 1000); }
    int64_t PerfCounter() override { return nowMicros_; }
    int64_t PerfFrequency() override { return 1000000; }
    void Sleep(uint32_t ms) override;
    void SleepMicros(int64_t micros) override;

    bool OpenDisplay(const DisplayOptions& options) override;
    bool IsFullScreen() const override { return open_ && !options_.windowed; }
    void Present(const uint32_t* pixels, int strideBytes) override;
    void CloseDisplay() override { open_ = false; }

    bool PollEvent(InputEvent& event) override;

    int ShowCursor(bool show) override;
    void GetCursorPos(int& x, int& y) override;
    void SetCursorPos(int x, int y) override;

    using Backend::AskYesNo;
    bool AskYesNo(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options) override;
    void ShowError(const std::wstring& caption, const std::wstring& text) override;
    // The next scripted folder answer (an empty one cancels); without one, cancelled.
    bool ChooseFolder(const FolderDialogTexts& texts, std::wstring& folder) override;
    // The next scripted file answer (an empty one cancels), finished as every backend does:
    // default extension, refused names asked again, replacing confirmed by the next Yes/No answer.
    bool ChooseSaveFile(const SaveFileRequest& request, std::wstring& path) override;
    // Keeps the page (when a printer is present) instead of printing it.
    bool PrintImage(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) override;
    std::function<bool()> PreparePrint(const uint32_t* pixels, int strideBytes,
                                       const std::wstring& documentName) override;
    // Keeps the document (when a printer is present) instead of printing it.
    bool PrintDocument(const PrintableDocument& document, const std::wstring& documentName) override;
    std::function<bool()> PrepareDocumentPrint(const PrintableDocument& document,
                                               const std::wstring& documentName) override;
    std::wstring ClipboardText() override { return clipboard_; }
    void SetTextInput(bool on) override { textInput_ = on; }
    // Files are opened and decoded for real; nothing reaches a sound card.
    SoundDevice& Sound() override { return sound_; }

    // Test controls.
    void AdvanceTime(uint32_t ms) { nowMicros_ += static_cast<int64_t>(ms) * 1000; }
    void SetTime(uint32_t ms) { nowMicros_ = static_cast<int64_t>(ms) * 1000; }
    // When false (the default for tests), Sleep does not move the virtual clock.
    void SetSleepAdvancesTime(bool on) { sleepAdvances_ = on; }
    void QueueEvent(const InputEvent& event) { events_.push_back({event, 0, false}); }
    // No input until the clock has moved by ms after the event before (a person waiting).
    void QueueWait(uint32_t ms) { events_.push_back({InputEvent{}, ms, true}); }
    // A press and release at one canvas point (the pointer moves there first).
    void QueueClick(int x, int y, MouseButton button = MouseButton::Left);
    void QueueKey(int virtualKey);  // key down and key up
    // Typing: each character as its key down, its text and its key up, as a keyboard sends.
    void QueueTyping(const std::wstring& text);
    void SetClipboard(const std::wstring& text) { clipboard_ = text; }
    bool TextInputOn() const { return textInput_; }
    size_t PendingEvents() const { return events_.size(); }
    // Answers for the coming Yes/No questions, first in first out, given at once; without
    // one, the question runs on the queued input.
    void QueueAnswer(bool yes) { answers_.push_back(yes); }
    // The last frame presented while a question was up (the question drawn over the screen).
    const std::vector<uint32_t>& QuestionFrame() const { return questionFrame_; }
    const std::vector<uint32_t>& LastFrame() const { return last_; }

    // Answers for the coming folder choosers, first in first out; an empty one cancels.
    void QueueFolder(const std::wstring& folder) { folders_.push_back(folder); }
    // The titles of the folder choosers shown so far.
    const std::vector<std::wstring>& FolderRequests() const { return folderRequests_; }

    // Answers for the coming save dialogs, first in first out; an empty one cancels, and
    // without one the dialog is cancelled.
    void QueueSaveFile(const std::wstring& path) { saveFiles_.push_back(path); }
    // The save dialogs shown so far.
    const std::vector<SaveFileRequest>& SaveRequests() const { return saveRequests_; }
    // Whether a default printer exists (it does unless a test says otherwise).
    void SetPrinterPresent(bool on) { printerPresent_ = on; }
    const std::vector<PrintedPage>& PrintedPages() const { return printed_; }
    // A print server that takes the job and does not answer: prints started off the frame's
    // thread (PrintJob) keep the page or document at once but finish only when let go (or
    // after five seconds).
    void HoldPrints(bool hold);
    const std::vector<PrintedDocument>& PrintedDocuments() const { return printedDocuments_; }

    CursorShape Cursor() const { return cursor_; }
    const std::vector<CursorShape>& CursorLog() const { return cursorLog_; }
    // How many times a shape was sent on to the window.
    int CursorSends() const { return cursorSends_; }
    const std::vector<std::wstring>& Questions() const { return questions_; }
    const std::vector<std::wstring>& Errors() const { return errors_; }
    const DisplayOptions& Options() const { return options_; }
    bool DisplayOpen() const { return open_; }
    int PresentCount() const { return presents_; }
    uint32_t SleptMs() const { return static_cast<uint32_t>(sleptMicros_ / 1000); }

protected:
    void ApplyCursorShape(CursorShape shape) override;

private:
    int64_t nowMicros_ = 0;
    bool sleepAdvances_ = false;
    int64_t sleptMicros_ = 0;
    struct Scripted {
        InputEvent event;
        uint32_t waitMs;
        bool wait;
    };
    std::deque<Scripted> events_;
    uint32_t lastTaken_ = 0;  // when the last scripted entry was taken
    HeldKeys keys_;
    bool asking_ = false;
    std::vector<uint32_t> last_;
    std::vector<uint32_t> questionFrame_;
    std::deque<bool> answers_;
    std::deque<std::wstring> folders_;
    std::vector<std::wstring> folderRequests_;
    std::deque<std::wstring> saveFiles_;
    std::vector<SaveFileRequest> saveRequests_;
    bool printerPresent_ = true;
    std::vector<PrintedPage> printed_;
    struct PrintGate;
    std::shared_ptr<PrintGate> printGate_;
    // A print's outcome, given once the gate (if held) lets go.
    std::function<bool()> HeldOutcome(bool accepted) const;
    std::vector<PrintedDocument> printedDocuments_;
    std::vector<std::wstring> questions_;
    std::vector<std::wstring> errors_;
    CursorShape cursor_ = CursorShape::Arrow;
    std::vector<CursorShape> cursorLog_;
    int cursorCount_ = 0;
    int cursorSends_ = 0;
    int pointerX_ = 0;
    int pointerY_ = 0;
    DisplayOptions options_;
    bool open_ = false;
    int presents_ = 0;
    std::wstring clipboard_;
    bool textInput_ = false;
    SoundDevice sound_{true};
};

}  // namespace platform

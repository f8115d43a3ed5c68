#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/NativeDialogs.h"
#include "platform/PdfDocument.h"

namespace platform {

void HeadlessBackend::Sleep(uint32_t ms) { SleepMicros(static_cast<int64_t>(ms) * 1000); }

void HeadlessBackend::SleepMicros(int64_t micros) {
    if (micros <= 0) return;
    sleptMicros_ += micros;
    if (sleepAdvances_) nowMicros_ += micros;
}

bool HeadlessBackend::OpenDisplay(const DisplayOptions& options) {
    options_ = options;
    open_ = true;
    return true;
}

void HeadlessBackend::Present(const uint32_t* pixels, int strideBytes) {
    ++presents_;
    if (!pixels) return;
    std::vector<uint32_t>& copy = asking_ ? questionFrame_ : last_;
    copy.resize(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    for (int row = 0; row < kCanvasHeight; ++row)
        std::copy_n(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(row) * strideBytes, kCanvasWidth * 4,
                    reinterpret_cast<uint8_t*>(copy.data() + static_cast<size_t>(row) * kCanvasWidth));
}

bool HeadlessBackend::PollEvent(InputEvent& event) {
    sound_.RestIfSilent();
    while (!events_.empty()) {
        const Scripted next = events_.front();
        const uint32_t now = TimeGetTime();
        if (next.wait && now - lastTaken_ < next.waitMs) return false;
        events_.pop_front();
        lastTaken_ = now;
        if (next.wait) continue;
        event = next.event;
        if (keys_.Filter(event)) continue;  // a repeat of a key held across a question
        if (event.type == EventType::MouseDown || event.type == EventType::MouseUp ||
            event.type == EventType::MouseMove) {
            pointerX_ = event.x;
            pointerY_ = event.y;
        }
        return true;
    }
    return false;
}

void HeadlessBackend::QueueClick(int x, int y, MouseButton button) {
    InputEvent e;
    e.x = x;
    e.y = y;
    e.button = button;
    e.type = EventType::MouseMove;
    QueueEvent(e);
    e.type = EventType::MouseDown;
    QueueEvent(e);
    e.type = EventType::MouseUp;
    QueueEvent(e);
}

void HeadlessBackend::QueueKey(int virtualKey) {
    InputEvent e;
    e.key = virtualKey;
    e.type = EventType::KeyDown;
    QueueEvent(e);
    e.type = EventType::KeyUp;
    QueueEvent(e);
}

void HeadlessBackend::QueueTyping(const std::wstring& text) {
    for (wchar_t c : text) {
        InputEvent e;
        const wchar_t upper = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
        e.key = (upper >= L'A' && upper <= L'Z') || (c >= L'0' && c <= L'9') || c == L' ' ? upper : 0;
        if (e.key) {
            e.type = EventType::KeyDown;
            QueueEvent(e);
        }
        InputEvent t;
        t.type = EventType::Text;
        t.text = std::wstring(1, c);
        QueueEvent(t);
        if (e.key) {
            e.type = EventType::KeyUp;
            QueueEvent(e);
        }
    }
}

void HeadlessBackend::ApplyCursorShape(CursorShape shape) {
    ++cursorSends_;
    cursor_ = shape;
    if (cursorLog_.empty() || cursorLog_.back() != shape) cursorLog_.push_back(shape);
    if (cursorLog_.size() > 4096) cursorLog_.erase(cursorLog_.begin(), cursorLog_.begin() + 2048);
}

int HeadlessBackend::ShowCursor(bool show) { return show ? ++cursorCount_ : --cursorCount_; }

void HeadlessBackend::GetCursorPos(int& x, int& y) {
    x = pointerX_;
    y = pointerY_;
}

void HeadlessBackend::SetCursorPos(int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
}

bool HeadlessBackend::AskYesNo(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options) {
    questions_.push_back(caption + L": " + text);
    if (!answers_.empty()) {
        const bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }
    // The question's polls move the clock, as the real one moves while a person reads.
    const std::vector<uint32_t> base = last_;
    const bool sleeps = sleepAdvances_;
    sleepAdvances_ = true;
    asking_ = true;
    std::vector<InputEvent> releases;
    bool quit = false;
    const bool yes = AskOnCanvas(
        *this, keys_, base, caption, text, options, [this] { return events_.empty(); }, [] {}, releases, quit);
    asking_ = false;
    sleepAdvances_ = sleeps;
    if (!base.empty()) Present(base.data(), kCanvasWidth * 4);
    for (auto it = releases.rbegin(); it != releases.rend(); ++it) events_.push_front({*it, 0, false});
    if (quit) events_.push_front({InputEvent{}, 0, false});  // a default event is a quit request
    return yes;
}

void HeadlessBackend::ShowError(const std::wstring& caption, const std::wstring& text) {
    errors_.push_back(caption + L": " + text);
}

bool HeadlessBackend::ChooseFolder(const FolderDialogTexts& texts, std::wstring& folder) {
    folderRequests_.push_back(texts.title);
    if (folders_.empty()) return false;
    folder = folders_.front();
    folders_.pop_front();
    return !folder.empty();
}

bool HeadlessBackend::ChooseSaveFile(const SaveFileRequest& request, std::wstring& path) {
    return RunSaveChoice(
        *this, request,
        [this](const SaveFileRequest& shown, std::wstring& chosen) {
            saveRequests_.push_back(shown);
            if (saveFiles_.empty()) return false;
            chosen = saveFiles_.front();
            saveFiles_.pop_front();
            return !chosen.empty();
        },
        path);
}

bool HeadlessBackend::PrintImage(const uint32_t* pixels, int strideBytes, const std::wstring& documentName) {
    if (!printerPresent_ || !pixels || strideBytes < kCanvasWidth * 4) return false;
    PrintedPage page;
    page.documentName = documentName;
    page.pixels.resize(static_cast<size_t>(kCanvasWidth) * kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(reinterpret_cast<const unsigned char*>(pixels) +
                                                            static_cast<size_t>(y) * static_cast<size_t>(strideBytes));
        std::copy(row, row + kCanvasWidth, page.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kCanvasWidth);
    }
    printed_.push_back(std::move(page));
    return true;
}

struct HeadlessBackend::PrintGate {
    std::mutex mutex;
    std::condition_variable opened;
    bool held = false;
};

void HeadlessBackend::HoldPrints(bool hold) {
    if (!printGate_) printGate_ = std::make_shared<PrintGate>();
    {
        std::lock_guard<std::mutex> lock(printGate_->mutex);
        printGate_->held = hold;
    }
    printGate_->opened.notify_all();
}

std::function<bool()> HeadlessBackend::HeldOutcome(bool accepted) const {
    return [accepted, gate = printGate_] {
        if (gate) {
            std::unique_lock<std::mutex> lock(gate->mutex);
            gate->opened.wait_for(lock, std::chrono::seconds(5), [&] { return !gate->held; });
        }
        return accepted;
    };
}

std::function<bool()> HeadlessBackend::PreparePrint(const uint32_t* pixels, int strideBytes,
                                                    const std::wstring& documentName) {
    // The page is kept here, on the frame's thread; the task only waits for the gate.
    return HeldOutcome(PrintImage(pixels, strideBytes, documentName));
}

std::function<bool()> HeadlessBackend::PrepareDocumentPrint(const PrintableDocument& document,
                                                            const std::wstring& documentName) {
    return HeldOutcome(PrintDocument(document, documentName));
}

bool HeadlessBackend::PrintDocument(const PrintableDocument& document, const std::wstring& documentName) {
    if (!printerPresent_ || document.pdf.empty()) return false;
    printedDocuments_.push_back({documentName, document.pdf});
    return true;
}

}  // namespace platform

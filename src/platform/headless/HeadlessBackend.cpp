#include "platform/headless/HeadlessBackend.h"

#include <algorithm>

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

void HeadlessBackend::Present(const uint32_t*, int) { ++presents_; }

bool HeadlessBackend::PollEvent(InputEvent& event) {
    sound_.RestIfSilent();
    if (events_.empty()) return false;
    event = events_.front();
    events_.pop_front();
    if (event.type == EventType::MouseDown || event.type == EventType::MouseUp || event.type == EventType::MouseMove) {
        pointerX_ = event.x;
        pointerY_ = event.y;
    }
    return true;
}

void HeadlessBackend::QueueClick(int x, int y, MouseButton button) {
    InputEvent e;
    e.x = x;
    e.y = y;
    e.button = button;
    e.type = EventType::MouseMove;
    events_.push_back(e);
    e.type = EventType::MouseDown;
    events_.push_back(e);
    e.type = EventType::MouseUp;
    events_.push_back(e);
}

void HeadlessBackend::QueueKey(int virtualKey) {
    InputEvent e;
    e.key = virtualKey;
    e.type = EventType::KeyDown;
    events_.push_back(e);
    e.type = EventType::KeyUp;
    events_.push_back(e);
}

void HeadlessBackend::QueueTyping(const std::wstring& text) {
    for (wchar_t c : text) {
        InputEvent e;
        const wchar_t upper = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
        e.key = (upper >= L'A' && upper <= L'Z') || (c >= L'0' && c <= L'9') || c == L' ' ? upper : 0;
        if (e.key) {
            e.type = EventType::KeyDown;
            events_.push_back(e);
        }
        InputEvent t;
        t.type = EventType::Text;
        t.text = std::wstring(1, c);
        events_.push_back(t);
        if (e.key) {
            e.type = EventType::KeyUp;
            events_.push_back(e);
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

bool HeadlessBackend::AskYesNo(const std::wstring& caption, const std::wstring& text) {
    questions_.push_back(caption + L": " + text);
    if (answers_.empty()) return false;
    bool yes = answers_.front();
    answers_.pop_front();
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

}  // namespace platform

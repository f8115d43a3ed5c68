#include "platform/QuestionBox.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"

namespace platform {

namespace {

constexpr uint32_t kPollMs = 10;
constexpr int kLongestScanSeconds = 60;  // an absurd scan time from a file steps once a minute
constexpr uint32_t kDim = 0x99000000u;
constexpr uint32_t kPanel = 0xFFF4F6FBu;
constexpr uint32_t kTitleBar = 0xFF1E3A6Eu;
constexpr uint32_t kInk = 0xFF1E2A40u;
constexpr uint32_t kButton = 0xFF4069B0u;
constexpr uint32_t kButtonHighlighted = 0xFF1E3A6Eu;
constexpr uint32_t kHighlightRing = 0xFFFFD200u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

float F(int v) { return static_cast<float>(v); }

}  // namespace

QuestionBox::QuestionBox(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options,
                         uint32_t nowMs)
    : caption_(caption), text_(text), options_(options) {
    const int seconds = std::clamp(options.scanSeconds, 0, kLongestScanSeconds);
    intervalMs_ = static_cast<uint32_t>(seconds) * 1000;
    nextStep_ = nowMs + intervalMs_;
}

QuestionBox::Result QuestionBox::Handle(const InputEvent& e) {
    switch (e.type) {
        case EventType::MouseMove:
            // The highlight follows the pointer onto a button (and stays when it leaves).
            if (YesBox().Contains(e.x, e.y)) highlighted_ = kYes;
            if (NoBox().Contains(e.x, e.y)) highlighted_ = kNo;
            return Result::Open;
        case EventType::MouseDown:
            if (YesBox().Contains(e.x, e.y)) return Result::Yes;
            if (NoBox().Contains(e.x, e.y)) return Result::No;
            return Result::Open;
        case EventType::KeyDown:
            switch (e.key) {
                case VK_RETURN: return highlighted_ == kYes ? Result::Yes : Result::No;
                case VK_ESCAPE: return Result::No;
                case VK_LEFT: highlighted_ = kYes; break;
                case VK_RIGHT: highlighted_ = kNo; break;
                case VK_TAB:
                case VK_SPACE: Step(); break;
                default: break;
            }
            return Result::Open;
        default: return Result::Open;
    }
}

bool QuestionBox::Tick(uint32_t nowMs) {
    if (intervalMs_ == 0 || static_cast<int32_t>(nowMs - nextStep_) <= 0) return false;
    Step();
    nextStep_ = nowMs + intervalMs_;
    return true;
}

void QuestionBox::Draw(uint32_t* pixels, int strideBytes) const {
    gfx::Canvas canvas(pixels, kCanvasWidth, kCanvasHeight, strideBytes);
    canvas.FillRect(kDim, 0, 0, F(kCanvasWidth), F(kCanvasHeight));  // the screen below, dimmed
    const Box panel = PanelBox();
    canvas.FillRect(kPanel, F(panel.x), F(panel.y), F(panel.w), F(panel.h));
    canvas.FillRect(kTitleBar, F(panel.x), F(panel.y), F(panel.w), 50);
    canvas.StrokeRect(kTitleBar, 4, F(panel.x), F(panel.y), F(panel.w), F(panel.h));
    const gfx::FontSpec titleFont{L"Arial", 24, 1};
    canvas.Text(caption_, titleFont, kWhite, F(panel.x + 16),
                F(panel.y) + (50 - gfx::MeasureText(L"X", titleFont, 0).height) / 2, F(panel.w - 32), 0);

    // The question, centred between the title and the buttons; a long one in smaller letters.
    const float textWidth = F(panel.w - 60);
    const float textTop = F(panel.y + 62), textRoom = F(YesBox().y - 12 - (panel.y + 62));
    gfx::FontSpec font{L"Arial", 26, 0};
    gfx::TextSize size = gfx::MeasureText(text_, font, textWidth);
    while (size.height > textRoom && font.sizePx > 14) {
        font.sizePx -= 4;
        size = gfx::MeasureText(text_, font, textWidth);
    }
    canvas.Text(text_, font, kInk, F(kCanvasWidth / 2) - size.width / 2,
                textTop + std::max(0.0f, (textRoom - size.height) / 2), textWidth, 0);

    const auto button = [&](const Box& b, const std::wstring& label, bool lit) {
        if (lit) canvas.StrokeRect(kHighlightRing, 6, F(b.x - 6), F(b.y - 6), F(b.w + 12), F(b.h + 12));
        canvas.FillRect(lit ? kButtonHighlighted : kButton, F(b.x), F(b.y), F(b.w), F(b.h));
        const gfx::FontSpec labelFont{L"Arial", 30, 1};
        const gfx::TextSize s = gfx::MeasureText(label, labelFont, F(b.w - 8));
        canvas.Text(label, labelFont, kWhite, F(b.CentreX()) - s.width / 2, F(b.CentreY()) - s.height / 2, F(b.w - 8),
                    0);
    };
    button(YesBox(), options_.yes, highlighted_ == kYes);
    button(NoBox(), options_.no, highlighted_ == kNo);
    canvas.Flush();
}

bool RunQuestion(Backend& os, const std::vector<uint32_t>& base, QuestionBox& box, const std::function<bool()>& giveUp,
                 bool& quitRequested) {
    quitRequested = false;
    const size_t count = static_cast<size_t>(kCanvasWidth) * kCanvasHeight;
    const int stride = kCanvasWidth * 4;
    std::vector<uint32_t> frame;
    QuestionBox::Result result = QuestionBox::Result::Open;
    bool dirty = true;
    for (;;) {
        if (box.Tick(os.TimeGetTime())) dirty = true;
        if (dirty) {
            if (base.size() == count)
                frame = base;
            else
                frame.assign(count, 0xFF000000u);
            box.Draw(frame.data(), stride);
            os.Present(frame.data(), stride);
            dirty = false;
        }
        InputEvent e;
        bool polled = false;
        while (result == QuestionBox::Result::Open && os.PollEvent(e)) {
            polled = true;
            if (e.type == EventType::Quit) {
                quitRequested = true;
                return false;
            }
            const int before = box.Highlighted();
            result = box.Handle(e);
            if (box.Highlighted() != before) dirty = true;
        }
        if (result != QuestionBox::Result::Open) return result == QuestionBox::Result::Yes;
        if (!polled && giveUp()) return false;
        os.Sleep(kPollMs);
    }
}

bool HeldKeys::Filter(const InputEvent& e) {
    if (e.type == EventType::KeyDown) {
        held_.insert(e.key);
        return quiet_.count(e.key) != 0;
    }
    if (e.type == EventType::KeyUp) {
        held_.erase(e.key);
        quiet_.erase(e.key);
    }
    return false;
}

bool AskOnCanvas(Backend& os, HeldKeys& keys, const std::vector<uint32_t>& base, const std::wstring& caption,
                 const std::wstring& text, const QuestionOptions& options, const std::function<bool()>& giveUp,
                 const std::function<void()>& dropPending, std::vector<InputEvent>& releases, bool& quitRequested) {
    const std::set<int> heldAtOpening = keys.Held();
    keys.Quiet();
    QuestionBox box(caption, text, options, os.TimeGetTime());
    const bool yes = RunQuestion(os, base, box, giveUp, quitRequested);
    dropPending();
    releases.clear();
    for (int key : heldAtOpening) {
        if (keys.Held().count(key)) continue;
        InputEvent up;
        up.type = EventType::KeyUp;
        up.key = key;
        releases.push_back(up);
    }
    // What is still held when the question closes (the key that answered it) repeats nothing.
    keys.Quiet();
    return yes;
}

}  // namespace platform

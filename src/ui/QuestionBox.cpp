#include "ui/QuestionBox.h"

#include <algorithm>

#include "graphics/Graphics.h"

namespace ui {

namespace {

using platform::EventType;

constexpr uint32_t kPollMs = 10;
constexpr int kLongestScanSeconds = 60;  // an absurd scan time from a file steps once a minute
constexpr uint32_t kDim = 0x99000000u;
constexpr uint32_t kTitleBar = 0xFF1E3A6Eu;
constexpr uint32_t kButtonHighlighted = 0xFF1E3A6Eu;
constexpr uint32_t kHighlightRing = 0xFFFFD200u;

float F(int v) { return static_cast<float>(v); }

}  // namespace

QuestionBox::QuestionBox(const std::wstring& caption, const std::wstring& text,
                         const platform::QuestionOptions& options, uint32_t nowMs)
    : caption_(caption), text_(text), options_(options) {
    const int seconds = std::clamp(options.scanSeconds, 0, kLongestScanSeconds);
    intervalMs_ = static_cast<uint32_t>(seconds) * 1000;
    nextStep_ = nowMs + intervalMs_;
}

QuestionBox::Result QuestionBox::Handle(const platform::InputEvent& e) {
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
                case platform::VK_RETURN: return highlighted_ == kYes ? Result::Yes : Result::No;
                case platform::VK_ESCAPE: return Result::No;
                case platform::VK_LEFT: highlighted_ = kYes; break;
                case platform::VK_RIGHT: highlighted_ = kNo; break;
                case platform::VK_TAB:
                case platform::VK_SPACE: Step(); break;
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

void QuestionBox::Draw(Graphics& g) const {
    using platform::kCanvasHeight;
    using platform::kCanvasWidth;
    g.FillRectangle(SolidBrush(kDim), RectF{0, 0, F(kCanvasWidth), F(kCanvasHeight)});  // the screen below, dimmed
    const Box panel = PanelBox();
    g.FillRectangle(SolidBrush(kPanel), RectF{F(panel.x), F(panel.y), F(panel.w), F(panel.h)});
    g.FillRectangle(SolidBrush(kTitleBar), RectF{F(panel.x), F(panel.y), F(panel.w), 50});
    g.DrawRectangle(Pen(kTitleBar, 4), RectF{F(panel.x), F(panel.y), F(panel.w), F(panel.h)});
    const Font titleFont(L"Arial", 24, FontStyleBold);
    const float titleHeight = g.MeasureString(L"X", titleFont, RectF{}, StringFormat{}).height;
    g.DrawString(caption_, titleFont, RectF{F(panel.x + 16), F(panel.y) + (50 - titleHeight) / 2, F(panel.w - 32), 0},
                 StringFormat{}, SolidBrush(kWhite));

    // The question, centred between the title and the buttons; a long one in smaller letters.
    const float textWidth = F(panel.w - 60);
    const float textTop = F(panel.y + 62), textRoom = F(YesBox().y - 12 - (panel.y + 62));
    Font font(L"Arial", 26);
    RectF size = g.MeasureString(text_, font, RectF{0, 0, textWidth, 0}, StringFormat{});
    while (size.height > textRoom && font.sizePx > 14) {
        font.sizePx -= 4;
        size = g.MeasureString(text_, font, RectF{0, 0, textWidth, 0}, StringFormat{});
    }
    g.DrawString(text_, font,
                 RectF{F(kCanvasWidth / 2) - size.width / 2, textTop + std::max(0.0f, (textRoom - size.height) / 2),
                       textWidth, 0},
                 StringFormat{}, SolidBrush(kInk));

    const auto button = [&](const Box& b, const std::wstring& label, bool lit) {
        if (lit) g.DrawRectangle(Pen(kHighlightRing, 6), RectF{F(b.x - 6), F(b.y - 6), F(b.w + 12), F(b.h + 12)});
        DrawButton(g, b, label, lit ? kButtonHighlighted : kButton, 30, true);
    };
    button(YesBox(), options_.yes, highlighted_ == kYes);
    button(NoBox(), options_.no, highlighted_ == kNo);
}

bool RunQuestion(platform::Backend& os, const std::vector<uint32_t>& base, QuestionBox& box,
                 const std::function<bool()>& giveUp, bool& quitRequested) {
    quitRequested = false;
    const size_t count = static_cast<size_t>(platform::kCanvasWidth) * platform::kCanvasHeight;
    const int stride = platform::kCanvasWidth * 4;
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
            DrawOnPixels(frame.data(), stride, [&box](Graphics& g) { box.Draw(g); });
            os.Present(frame.data(), stride);
            dirty = false;
        }
        platform::InputEvent e;
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

}  // namespace ui

#pragma once
// The Yes/No question drawn on the canvas, over the frame the screen showed last: the
// program's title, the question, and Yes and No buttons with No highlighted first. It is
// modal: while it is up the screen below gets no input. It answers to the mouse (a press
// on a button), to the keys (Enter answers the highlighted button, Left/Right/Tab/Space
// move between the two, Escape answers No) and to switch access as every screen does
// (Space steps, Enter selects; with one contact the highlight steps by itself every scan
// time).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/Dialog.h"

namespace ui {

class QuestionBox final {
public:
    enum class Result { Open, Yes, No };
    enum Button { kYes = 0, kNo = 1 };
    using Box = ui::Box;

    QuestionBox(const std::wstring& caption, const std::wstring& text, const platform::QuestionOptions& options,
                uint32_t nowMs);

    // Acts on one input event.
    Result Handle(const platform::InputEvent& event);
    // One-contact stepping; true when the highlight moved.
    bool Tick(uint32_t nowMs);
    // Draws the box over the 800 x 600 canvas.
    void Draw(Graphics& g) const;

    int Highlighted() const { return highlighted_; }

    static Box PanelBox() { return {110, 150, 580, 300}; }
    static Box YesBox() { return {170, 340, 210, 76}; }
    static Box NoBox() { return {420, 340, 210, 76}; }

private:
    void Step() { highlighted_ = highlighted_ == kYes ? kNo : kYes; }

    std::wstring caption_;
    std::wstring text_;
    platform::QuestionOptions options_;
    int highlighted_ = kNo;
    uint32_t intervalMs_ = 0;
    uint32_t nextStep_ = 0;
};

// Runs the question until it is answered: draws it over a copy of base (the frame shown
// last; black when there is none), presents it on the backend whenever it changes, pumps
// the backend's events and sleeps between polls. giveUp is asked while no event waits;
// when it says so (a scripted run out of input) the answer is No. A quit request answers
// No and is left in quitRequested for the caller to pass on.
bool RunQuestion(platform::Backend& os, const std::vector<uint32_t>& base, QuestionBox& box,
                 const std::function<bool()>& giveUp, bool& quitRequested);

}  // namespace ui

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
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

class QuestionBox final {
public:
    enum class Result { Open, Yes, No };
    enum Button { kYes = 0, kNo = 1 };

    QuestionBox(const std::wstring& caption, const std::wstring& text, const QuestionOptions& options, uint32_t nowMs);

    // Acts on one input event.
    Result Handle(const InputEvent& event);
    // One-contact stepping; true when the highlight moved.
    bool Tick(uint32_t nowMs);
    // Draws the box over the 800 x 600 canvas pixels.
    void Draw(uint32_t* pixels, int strideBytes) const;

    int Highlighted() const { return highlighted_; }

    struct Box {
        int x, y, w, h;
        bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
        int CentreX() const { return x + w / 2; }
        int CentreY() const { return y + h / 2; }
    };
    static Box PanelBox() { return {110, 150, 580, 300}; }
    static Box YesBox() { return {170, 340, 210, 76}; }
    static Box NoBox() { return {420, 340, 210, 76}; }

private:
    void Step() { highlighted_ = highlighted_ == kYes ? kNo : kYes; }

    std::wstring caption_;
    std::wstring text_;
    QuestionOptions options_;
    int highlighted_ = kNo;
    uint32_t intervalMs_ = 0;
    uint32_t nextStep_ = 0;
};

// Runs the question until it is answered: draws it over a copy of base (the frame shown
// last; black when there is none), presents it on the backend whenever it changes, pumps
// the backend's events and sleeps between polls. giveUp is asked while no event waits;
// when it says so (a scripted run out of input) the answer is No. A quit request answers
// No and is left in quitRequested for the caller to pass on.
bool RunQuestion(Backend& os, const std::vector<uint32_t>& base, QuestionBox& box, const std::function<bool()>& giveUp,
                 bool& quitRequested);

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

// What a backend does around RunQuestion: the keys held when the question opens stay
// quiet, input still pending when it is answered is dropped (dropPending pulls it through
// keys), and releases gets a key-up for every key held at the opening whose release the
// question took, for the backend to hand to the screen next. The backend then shows base
// again.
bool AskOnCanvas(Backend& os, HeldKeys& keys, const std::vector<uint32_t>& base, const std::wstring& caption,
                 const std::wstring& text, const QuestionOptions& options, const std::function<bool()>& giveUp,
                 const std::function<void()>& dropPending, std::vector<InputEvent>& releases, bool& quitRequested);

}  // namespace platform

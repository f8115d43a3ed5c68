#include "platform/CanvasWidgets.h"

namespace platform {

namespace {
CanvasWidgets* installed = nullptr;
}  // namespace

void InstallCanvasWidgets(CanvasWidgets* widgets) { installed = widgets; }
CanvasWidgets* Widgets() { return installed; }

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
    quitRequested = false;
    const std::set<int> heldAtOpening = keys.Held();
    keys.Quiet();
    const bool yes = installed && installed->Ask(os, base, caption, text, options, giveUp, quitRequested);
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

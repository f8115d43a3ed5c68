#include "engine/GameBase.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"

namespace {
constexpr unsigned kLeftButton = 0x0001;
}  // namespace

CGameBase::CGameBase() = default;
CGameBase::~CGameBase() = default;

int CGameBase::Init(Graphics* back, Graphics* window, Bitmap* buffer, Profile* p) {
    backGraphics = back;
    windowGraphics = window;
    backBuffer = buffer;
    profile = p;
    // The exercise clocks start from now, so "passed" holds on the wrapping millisecond clock
    // however long the program has run.
    if (platform::HasBackend()) deadline = answerDeadline = cueEnd = clickGate = platform::TimeGetTime();
    return 1;
}

// Update, UpdateCursor and ActOnKey: the exercise machinery in src/engine/.

int CGameBase::OnMouseDown(unsigned, long) { return 1; }
int CGameBase::OnMouseUp(unsigned, long) { return 1; }
int CGameBase::OnMouseMove(unsigned, long) { return 1; }

int CGameBase::OnKeyDown(int virtualKey, int, long) {
    if (keyHeld) return 1;
    keyHeld = 1;
    ActOnKey(virtualKey);
    return 1;
}

int CGameBase::OnKeyUp(int, int, long) {
    keyHeld = 0;
    return 1;
}

void CGameBase::ShowMouseCursor(bool show) {
    auto& os = platform::Os();
    if (show) {
        while (os.ShowCursor(true) < 0) {
        }
    } else {
        while (os.ShowCursor(false) >= 0) {
        }
    }
}

void CGameBase::Present() {
    if (windowGraphics && backBuffer)
        windowGraphics->DrawImage(*backBuffer, 0, 0, platform::kCanvasWidth, platform::kCanvasHeight);
}

ScanList::PressAt CGameBase::MousePress() {
    return [this](int x, int y) { OnMouseDown(kLeftButton, MakeMouseParam(x, y)); };
}

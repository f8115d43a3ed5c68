#include "engine/GameBase.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "profiles/Profile.h"

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
    if (p && game >= 1 && game <= 9) p->BeginExercise();  // an exercise: its results may be taken back
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
    if (keyLatch.Take()) OnKey(virtualKey);
    return 1;
}

int CGameBase::OnKeyUp(int, int, long) {
    keyLatch.Release();
    return 1;
}

int CPlainScreen::Update() {
    CGameBase::Update();
    return nextScreen;
}

int CPlainScreen::OnMouseDown(unsigned, long lParam) {
    Press(MouseParamX(lParam), MouseParamY(lParam));
    return 1;
}

int CPlainScreen::OnMouseMove(unsigned, long lParam) {
    Hover(MouseParamX(lParam), MouseParamY(lParam));
    return 1;
}

void CPlainScreen::OnKey(int virtualKey) {
    switch (virtualKey) {
        case platform::VK_SPACE: answerScan.Step(); break;
        case platform::VK_RETURN: answerScan.Press(); break;
        case platform::VK_ESCAPE:
            if (escapeScreen != kStayOnScreen) nextScreen = escapeScreen;
            break;
        default: break;
    }
}

void CPlainScreen::BeginScan() {
    answerScan.SetPress(MousePress());
    answerScan.Clear();
    if (profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
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

#include "engine/GameBase.h"

#include "graphics/Graphics.h"
#include "platform/Platform.h"
#include "platform/PrintJob.h"
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
    const int x = MouseParamX(lParam), y = MouseParamY(lParam);
    // Before a trainee is chosen, stepping started by a switch ends when the mouse takes the
    // pointer off the scanned entry (the stepping's own moves land on it).
    if (!traineeOptions && answerScan.Interval() > 0) {
        const CSprite* scanned = answerScan.Entry(answerScan.Current());
        if (!scanned || !scanned->HitTest(x, y)) answerScan.Rest();
    }
    Hover(x, y);
    return 1;
}

void CPlainScreen::OnKey(int virtualKey) {
    switch (virtualKey) {
        case platform::VK_SPACE: answerScan.Step(); break;
        case platform::VK_RETURN:
            // Before a trainee is chosen nothing steps by itself, so a one-switch trainee's
            // first Enter starts the stepping (at the default scan time) on the first entry;
            // the next Enter chooses. Once Space has stepped, Enter chooses at once.
            if (!traineeOptions && answerScan.Interval() == 0 && answerScan.Current() < 0) {
                answerScan.SetScanTime(ProfileOptions{}.o19);
                answerScan.Step();
            } else {
                answerScan.Press();
            }
            break;
        case platform::VK_ESCAPE:
            if (escapeScreen != kStayOnScreen) nextScreen = escapeScreen;
            break;
        default: break;
    }
}

void CPlainScreen::BeginScan() {
    answerScan.SetPress(MousePress());
    answerScan.Clear();
    if (traineeOptions && profile && profile->options.o7) answerScan.SetScanTime(profile->options.o19);
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

void CGameBase::DrawScanHighlight() {
    scanHighlightDrawn = true;
    // An exercise's lists run only while the trainee may choose: the start list while
    // waiting, the answer list while answering. Other screens scan their one list.
    const bool exercise = startScan.Count() > 0;
    const ScanList* list = !exercise            ? &answerScan
                           : phase == WaitStart ? &startScan
                           : phase == Answering ? &answerScan
                                                : nullptr;
    const CSprite* s = list ? list->Entry(list->Current()) : nullptr;
    if (!s || !s->visible || !backGraphics || s->x >= platform::kCanvasWidth || s->y >= platform::kCanvasHeight) return;
    RectF r = s->hitBoxSet ? RectF{s->x + s->hitBox.x, s->y + s->hitBox.y, s->hitBox.width, s->hitBox.height}
                           : RectF{s->x, s->y, s->width, s->height};
    if (r.width <= 0 || r.height <= 0) return;
    // A yellow band edged in black shows on light and dark scenes alike; the extra-frame
    // option makes it wider and sets it further out.
    const bool large = traineeOptions && profile && profile->options.o8;
    const float band = large ? kScanBandLarge : kScanBand;
    const float margin = band / 2 + (large ? 6.0f : 3.0f);
    r = {r.x - margin, r.y - margin, r.width + 2 * margin, r.height + 2 * margin};
    backGraphics->DrawRectangle(Pen(kScanEdge, band + 4), r);
    backGraphics->DrawRectangle(Pen(kScanColour, band), r);
}

void CGameBase::Present() {
    if (!scanHighlightDrawn) DrawScanHighlight();
    scanHighlightDrawn = false;
    // A print whose screen was left before its outcome was known is told here, on top.
    if (backGraphics) {
        const std::wstring told = platform::PrintJob::TakeLeftOutcome();
        if (!told.empty()) {
            if (!lateOutcomeReady) lateOutcome.Init(backGraphics);
            lateOutcomeReady = true;
            lateOutcome.Show(told);
        }
        if (lateOutcomeReady) lateOutcome.Draw();
    }
    if (windowGraphics && backBuffer)
        windowGraphics->DrawImage(*backBuffer, 0, 0, platform::kCanvasWidth, platform::kCanvasHeight);
}

ScanList::PressAt CGameBase::MousePress() {
    return [this](int x, int y) { OnMouseDown(kLeftButton, MakeMouseParam(x, y)); };
}

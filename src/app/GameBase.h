#pragma once
// CGameBase: the base of every screen and exercise. This header holds the contract the
// frame relies on; the machinery the exercises share (phases, scoring, scanning) is added
// beside it by the engine.
#include <cstdint>

#include "app/ScreenId.h"

class Graphics;
class Bitmap;
class Profile;

// Mouse messages carry the canvas point as two signed 16-bit halves: x low, y high.
inline long MakeMouseParam(int x, int y) {
    return static_cast<long>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                             (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
inline int MouseParamX(long lParam) { return static_cast<int16_t>(static_cast<uint32_t>(lParam) & 0xFFFF); }
inline int MouseParamY(long lParam) { return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF); }

struct CursorPoint {
    int x = 0;
    int y = 0;
};

class CGameBase {
public:
    CGameBase();
    virtual ~CGameBase();
    CGameBase(const CGameBase&) = delete;
    CGameBase& operator=(const CGameBase&) = delete;

    // Virtual operations, in their fixed order.
    virtual int Init(Graphics* backGraphics, Graphics* windowGraphics, Bitmap* backBuffer, Profile* profile);
    virtual int Update();
    virtual void UpdateCursor();
    virtual int Draw() = 0;
    virtual int OnMouseDown(unsigned wParam, long lParam);
    virtual int OnMouseUp(unsigned wParam, long lParam);
    virtual int OnMouseMove(unsigned wParam, long lParam);
    virtual int OnKeyDown(int virtualKey, int unused, long lParam);
    virtual int OnKeyUp(int virtualKey, int unused, long lParam);
    virtual int SetupRound() = 0;
    virtual void OnRoundCorrect() = 0;
    virtual void OnRoundWrong() = 0;

    // Shows or hides the pointer, driving the display count past 0 either way.
    void ShowMouseCursor(bool show);

    int NextScreen() const { return nextScreen; }
    // The frame's debug word, handed to each screen after it is built.
    void SetDebug(int on) { debug = on; }

protected:
    // The base handling of a key once the latch let it through: switch keys, Escape and
    // the debug keys of the exercises.
    void ActOnKey(int virtualKey);
    // Presents the finished back buffer on the window.
    void Present();

    Graphics* backGraphics = nullptr;    // not owned
    Graphics* windowGraphics = nullptr;  // not owned
    Bitmap* backBuffer = nullptr;        // not owned
    Profile* profile = nullptr;          // not owned
    CursorPoint mousePos;
    int nextScreen = kStayOnScreen;
    int keyHeld = 0;
    int debug = 0;
};

// Screens that are not exercises: no rounds.
class CPlainScreen : public CGameBase {
public:
    int SetupRound() override { return 1; }
    void OnRoundCorrect() override {}
    void OnRoundWrong() override {}
};

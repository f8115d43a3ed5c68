#pragma once
// CSprite: one on-screen item. It holds image frames (plain bitmaps, drawn scaled and
// rotatable, or cached bitmaps, drawn unscaled and fastest), a position and size on the
// canvas, motion (straight, spin, orbit, growth), a frame animation with per-frame
// durations, a hit test, an outline and a text label with an optional box behind it.
// Screens own their sprites, call Update and Draw on each every pass, back to front.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/FrameTimer.h"
#include "graphics/Graphics.h"

class CSprite final {
public:
    CSprite();
    ~CSprite();
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    // Loading. Each load binds the sprite to graphics (its target) and sets the drawn and
    // natural size to the image's size (0 when the file cannot be read). 1 on success.
    int LoadImage(const wchar_t* path, Graphics* graphics, int cached, int durationMs);
    int LoadImage(const std::wstring& path, Graphics* graphics, int cached, int durationMs);
    // A picture decoded elsewhere (a trainee's own, read with its own checks); path names it.
    int LoadImage(std::unique_ptr<Bitmap> image, const std::wstring& path, Graphics* graphics, int cached,
                  int durationMs);
    // Loads every file matching the wildcard pattern, in name order; returns 1.
    int LoadSequence(const std::wstring& pattern, Graphics* graphics, int cached, int durationMs);
    void FreeImages();

    // Per pass.
    void Update();
    void Draw();
    void DrawAt(float atX, float atY);

    // Animation.
    void Play(int loop, int hideAtEnd, int pingPong, int rewindAtEnd, int step);
    void StopAnimation();
    int IsAnimationStopped() const { return stopped; }
    int GetFrame() const { return currentFrame; }
    void SetFrame(int index) { currentFrame = index; }
    int FrameCount() const;
    void GoToLastFrame() { currentFrame = FrameCount() - 1; }
    int IsLastFrame() const;
    void NextFrame();
    void SetFrameDuration(int index, int ms);

    // Placement and motion.
    void SetPosition(float px, float py) {
        x = px;
        y = py;
    }
    void SetSize(float w, float h) {
        width = w;
        height = h;
    }
    void SetHitBox(float dx, float dy, float w, float h);
    void SetAngle(float degrees) { spinAngle = degrees; }
    void SetVelocity(float vx, float vy) {
        velocityX = vx;
        velocityY = vy;
    }
    void SetSpin(float degreesPerSecond) { spinSpeed = degreesPerSecond; }
    void StartOrbit(float centreX, float centreY, float speed, float radius, float startAngle);
    void FreezeMotion() { motionFrozen = 1; }
    void ResumeMotion();
    float CentreX() const { return x + width / 2; }
    float CentreY() const { return y + height / 2; }

    // Mouse.
    int HitTest(int px, int py) const;
    int UpdateHover(int px, int py);

    // Outline.
    void DrawOutline(int useHitBox);
    void DrawHoverOutline();
    void SetOutlineColor(uint32_t argb);
    void SetOutlineWidth(int pixels);
    void SetOutlineMargin(int pixels) { outlineMargin = pixels; }
    void SetOutlineShape(int shape) { outlineShape = shape; }

    // The graphics the sprite draws on (drawing a design onto a thumbnail borrows another).
    void SetGraphics(Graphics* target) { graphics = target; }
    Graphics* GetGraphics() const { return graphics; }
    // A graphics drawing into the current bitmap frame; null when it is not a bitmap frame.
    std::unique_ptr<Graphics> GetFrameGraphics();

    // Text label.
    void SetText(const std::wstring& newText);
    void SetNumber(int n);
    void SetFloat(double value, int digits);
    void ShowRate();
    void SetFont(float size, int style);
    void SetTextColor(uint32_t argb);
    void SetBoxColors(uint32_t fillArgb, uint32_t penArgb);
    void SetLabel(const std::wstring& label, float size);
    void SetTextPosition(float tx, float ty) {
        textBox.x = tx;
        textBox.y = ty;
    }
    void SetTextOffset(float dx, float dy) {
        textBox.x = x + dx;
        textBox.y = y + dy;
    }
    void CentreTextIn(int areaWidth);
    void CentreTextOnSprite();
    std::wstring GetText() const { return text; }
    void DrawText();
    void DrawTextBox();

    // Fields the owning screen reads and sets directly.
    int visible = 1;
    int hovered = 0;
    int hitBoxSet = 0;
    int user[5] = {};
    float x = 0, y = 0;
    float width = 0, height = 0;
    float naturalWidth = 0, naturalHeight = 0;
    RectF hitBox;
    float velocityX = 0, velocityY = 0;
    float spinSpeed = 0;
    float spinAngle = 0;
    float growth = 0;
    float orbitSpeed = 0;
    float orbitRadius = 0;
    float orbitAngle = 0;
    float orbitCentreX = 0, orbitCentreY = 0;
    int currentFrame = 0;
    uint32_t nextChange = 0;
    int step = 1;
    int playing = 0;
    int stopped = 1;
    int loop = 0, pingPong = 0, rewindAtEnd = 0, hideAtEnd = 0;
    int motionFrozen = 0;
    int outlineShape = 1;
    int outlinePenWidth = 4;
    int outlineMargin = 0;
    std::wstring firstFile;

    // Text label state.
    std::wstring text;
    std::wstring fontFamily = L"Arial";
    RectF layoutOrigin;
    RectF textBox;

    Graphics* TargetGraphics() const { return graphics; }
    const FrameTimer& Clock() const { return clock; }
    const Font* TextFont() const { return font.get(); }
    const SolidBrush* TextBrush() const { return textBrush.get(); }
    const SolidBrush* BoxBrush() const { return boxBrush.get(); }
    const Pen* BoxPen() const { return boxPen.get(); }
    const Pen* OutlinePen() const { return outlinePen.get(); }
    const std::vector<int>& FrameDurations() const { return durations; }
    int BitmapFrameCount() const { return static_cast<int>(bitmapFrames.size()); }
    int CachedFrameCount() const { return static_cast<int>(cachedFrames.size()); }

private:
    uint32_t ClockMs() const;
    void EnsureClock();
    void DrawFrame(float atX, float atY);
    void MakeOutlinePen(uint32_t argb);
    void OutlineAt(float ox, float oy, float ow, float oh);

    Graphics* graphics = nullptr;  // not owned
    std::vector<std::unique_ptr<Bitmap>> bitmapFrames;
    std::vector<std::unique_ptr<CachedBitmap>> cachedFrames;
    std::vector<int> durations;
    FrameTimer clock;
    bool clockStarted = false;
    std::unique_ptr<Matrix> rotation;
    std::unique_ptr<Pen> outlinePen;
    std::unique_ptr<Font> font;
    std::unique_ptr<SolidBrush> textBrush;
    std::unique_ptr<SolidBrush> boxBrush;
    std::unique_ptr<Pen> boxPen;
    std::unique_ptr<StringFormat> format;
};

// The classic "%g"-like conversion of value with at most digits significant digits: plain
// decimal where it fits, else exponent form; a whole number keeps its decimal point.
std::string ClassicGcvt(double value, int digits);

#include "graphics/Sprite.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/Platform.h"
#include "text/FileUtil.h"

namespace {

constexpr float kPi = 3.1415927f;
// Paths are kept in a buffer of 260 characters, so longer ones cannot be loaded.
constexpr size_t kMaxPathLength = 258;

bool InRange(int index, size_t count) { return static_cast<unsigned>(index) < count; }

// Truncation to whole pixels that stays defined for any float (far off-canvas or not a number).
int Truncate(float v) {
    if (!(v > -1e9f && v < 1e9f)) return v > 0 ? 1000000000 : -1000000000;
    return static_cast<int>(v);
}
float Whole(float v) { return static_cast<float>(Truncate(v)); }

}  // namespace

std::string ClassicGcvt(double value, int digits) {
    digits = std::clamp(digits, 1, 17);
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    char buf[64];
    // The decimal exponent after rounding to the significant digits decides the form.
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    const char* e = std::strchr(buf, 'e');
    const int exponent = e ? std::atoi(e + 1) : 0;
    if (exponent < -4 || exponent >= digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, digits - 1 - exponent), value);
    std::string s = buf;
    if (s.find('.') == std::string::npos) s += '.';
    while (s.size() > 1 && s.back() == '0') s.pop_back();  // trailing zeros go, the point stays
    return s;
}

// A sprite built before the platform is up (a screen made only to be inspected) starts its
// clock at its first use instead.
CSprite::CSprite() {
    if (platform::HasBackend()) {
        clock.Start();
        clockStarted = true;
    }
}

void CSprite::EnsureClock() {
    if (clockStarted) return;
    clock.Start();
    clockStarted = true;
}

CSprite::~CSprite() { FreeImages(); }

// ---- loading ------------------------------------------------------------------------

int CSprite::LoadImage(const wchar_t* path, Graphics* target, int cached, int durationMs) {
    if (!target || !path) return 0;
    if (std::wcslen(path) > kMaxPathLength) return 0;
    return LoadImage(Bitmap::FromFile(path), path, target, cached, durationMs);
}

int CSprite::LoadImage(std::unique_ptr<Bitmap> image, const std::wstring& path, Graphics* target, int cached,
                       int durationMs) {
    if (!target) return 0;
    graphics = target;
    naturalWidth = image ? static_cast<float>(image->Width()) : 0;
    naturalHeight = image ? static_cast<float>(image->Height()) : 0;
    width = naturalWidth;
    height = naturalHeight;
    if (naturalWidth == 0 && naturalHeight == 0) return 0;
    if (cached)
        cachedFrames.push_back(std::make_unique<CachedBitmap>(*image));
    else
        bitmapFrames.push_back(std::move(image));
    durations.push_back(durationMs);
    nextChange = 0;
    if (durations.size() == 1) firstFile = path;  // the file of frame 0
    return 1;
}

int CSprite::LoadImage(const std::wstring& path, Graphics* target, int cached, int durationMs) {
    if (path.size() > kMaxPathLength) return 0;
    return LoadImage(path.c_str(), target, cached, durationMs);
}

int CSprite::LoadSequence(const std::wstring& pattern, Graphics* target, int cached, int durationMs) {
    CFileUtil files;
    files.AddFiles(pattern);
    for (int32_t i = 0; i < files.Count(); ++i) LoadImage(files.GetPath(i), target, cached, durationMs);
    return 1;
}

void CSprite::FreeImages() {
    bitmapFrames.clear();
    cachedFrames.clear();
    durations.clear();
    outlinePen.reset();
    rotation.reset();
    font.reset();
    textBrush.reset();
    boxBrush.reset();
    boxPen.reset();
    format.reset();
    hovered = 0;
    playing = 0;
    hideAtEnd = 0;
    currentFrame = 0;
    stopped = 1;
}

// ---- per pass -----------------------------------------------------------------------

uint32_t CSprite::ClockMs() const {
    const double ms = static_cast<double>(clock.Total()) * 1000.0;
    return ms <= 0 ? 0u : ms >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(ms);
}

void CSprite::Update() {
    EnsureClock();
    clock.Tick();
    const float dt = clock.Elapsed();
    if (!motionFrozen) {
        x += velocityX * dt;
        y += velocityY * dt;
        if (spinSpeed != 0) {
            spinAngle += spinSpeed * dt;
            if (spinAngle > 360) spinAngle = 0;
            if (spinAngle < 0) spinAngle = 360;
        }
        if (orbitRadius != 0) {
            orbitAngle += orbitSpeed * dt;
            if (orbitAngle > 360) orbitAngle = 0;
            const float a = orbitAngle * kPi / 180;
            x = orbitCentreX - width / 2 + orbitRadius * std::cos(a);
            y = orbitCentreY - height / 2 + orbitRadius * std::sin(a);
        }
        if (growth != 0) {
            width += growth * dt;
            height += growth * dt;
            if (width < 0) width = 0;
            if (height < 0) height = 0;
        }
    }
    const uint32_t now = ClockMs();
    if (!playing || stopped || now <= nextChange) return;
    currentFrame += step;
    const size_t count = durations.size();
    if (InRange(currentFrame, count)) {
        nextChange = now + static_cast<uint32_t>(durations[static_cast<size_t>(currentFrame)]);
        return;
    }
    // Past the end (or before the start when running backwards).
    if (hideAtEnd) visible = 0;
    if (!loop) {
        stopped = 1;
        currentFrame = rewindAtEnd ? 0 : currentFrame - step;
    } else if (pingPong) {
        currentFrame = step > 0 ? static_cast<int>(count) - 1 : 0;
        nextChange = 0;  // the end frame stays one more update, then the run goes back
        step = -step;
    } else {
        currentFrame = 0;
        nextChange = now + (count ? static_cast<uint32_t>(durations[0]) : 0u);
    }
}

void CSprite::Draw() { DrawFrame(x, y); }

void CSprite::DrawAt(float atX, float atY) { DrawFrame(atX, atY); }

void CSprite::DrawFrame(float atX, float atY) {
    if (!visible || !graphics) return;
    if (spinSpeed != 0) {
        if (!rotation) rotation = std::make_unique<Matrix>();
        const float cx = atX + width / 2, cy = atY + height / 2;
        rotation->Translate(-cx, -cy);
        rotation->Rotate(spinAngle);
        rotation->Translate(cx, cy);
        graphics->SetTransform(*rotation);
        if (InRange(currentFrame, bitmapFrames.size()))
            graphics->DrawImage(*bitmapFrames[static_cast<size_t>(currentFrame)], RectF{atX, atY, width, height});
        graphics->ResetTransform();
        rotation->Reset();
        return;
    }
    if (InRange(currentFrame, cachedFrames.size()))
        graphics->DrawCachedBitmap(*cachedFrames[static_cast<size_t>(currentFrame)], Truncate(atX), Truncate(atY));
    if (InRange(currentFrame, bitmapFrames.size()))
        graphics->DrawImage(*bitmapFrames[static_cast<size_t>(currentFrame)], RectF{atX, atY, width, height});
}

// ---- animation ----------------------------------------------------------------------

void CSprite::Play(int loopOn, int hideOn, int pingPongOn, int rewindOn, int direction) {
    loop = loopOn;
    hideAtEnd = hideOn;
    pingPong = pingPongOn;
    rewindAtEnd = rewindOn;
    step = direction;
    playing = 1;
    stopped = 0;
    visible = 1;
    if (!durations.empty()) {
        const int d = InRange(currentFrame, durations.size()) ? durations[static_cast<size_t>(currentFrame)] : 0;
        nextChange = ClockMs() + static_cast<uint32_t>(d);
    }
}

void CSprite::StopAnimation() {
    stopped = 1;
    EnsureClock();
    clock.Restart();
}

int CSprite::FrameCount() const {
    return static_cast<int>(!bitmapFrames.empty() ? bitmapFrames.size() : cachedFrames.size());
}

int CSprite::IsLastFrame() const {
    const int count = FrameCount();
    return count == 0 || currentFrame == count - 1 ? 1 : 0;
}

void CSprite::NextFrame() {
    ++currentFrame;
    if (currentFrame >= FrameCount()) currentFrame = 0;
}

void CSprite::SetFrameDuration(int index, int ms) {
    if (InRange(index, durations.size())) durations[static_cast<size_t>(index)] = ms;
}

// ---- placement and motion -----------------------------------------------------------

void CSprite::SetHitBox(float dx, float dy, float w, float h) {
    hitBox = RectF{dx, dy, w, h};
    hitBoxSet = 1;
}

void CSprite::StartOrbit(float centreX, float centreY, float speed, float radius, float startAngle) {
    orbitCentreX = centreX;
    orbitCentreY = centreY;
    orbitSpeed = speed;
    orbitRadius = radius;
    if (startAngle != 0) orbitAngle = startAngle;
    const float a = orbitAngle * kPi / 180;
    x = centreX - width / 2 + radius * std::cos(a);
    y = centreY - height / 2 + radius * std::sin(a);
}

void CSprite::ResumeMotion() {
    motionFrozen = 0;
    EnsureClock();
    clock.Restart();
}

// ---- mouse --------------------------------------------------------------------------

int CSprite::HitTest(int px, int py) const {
    const float fx = static_cast<float>(px), fy = static_cast<float>(py);
    if (hitBoxSet) {
        const float left = x + hitBox.x, top = y + hitBox.y;
        return left <= fx && fx <= left + hitBox.width && top <= fy && fy <= top + hitBox.height ? 1 : 0;
    }
    return x <= fx && fx <= x + width && y <= fy && fy <= y + height ? 1 : 0;
}

int CSprite::UpdateHover(int px, int py) {
    hovered = HitTest(px, py);
    return hovered;
}

// ---- outline ------------------------------------------------------------------------

void CSprite::MakeOutlinePen(uint32_t argb) {
    outlinePen = std::make_unique<Pen>(argb, static_cast<float>(outlinePenWidth));
}

void CSprite::SetOutlineColor(uint32_t argb) {
    if (outlinePen)
        outlinePen->color = argb;
    else
        MakeOutlinePen(argb);
}

void CSprite::SetOutlineWidth(int pixels) {
    outlinePenWidth = pixels;
    if (outlinePen) outlinePen->width = static_cast<float>(pixels);
}

void CSprite::OutlineAt(float ox, float oy, float ow, float oh) {
    if (!outlinePen) MakeOutlinePen(0xFFFFFFFFu);
    const RectF r{ox, oy, ow, oh};
    if (outlineShape == 1)
        graphics->DrawRectangle(*outlinePen, r);
    else
        graphics->DrawEllipse(*outlinePen, r);
}

void CSprite::DrawOutline(int useHitBox) {
    if (!graphics) return;
    const int m = outlineMargin, h = m / 2;
    if (useHitBox == 1)
        OutlineAt(x + hitBox.x - h, y + hitBox.y - h, hitBox.width + m, hitBox.height + m);
    else
        OutlineAt(x - h, y - h, width + m, height + m);
}

void CSprite::DrawHoverOutline() {
    if (hovered != 1 || !graphics) return;
    const int m = outlineMargin, h = m / 2;
    OutlineAt(Whole(x - h), Whole(y - h), Whole(width + m), Whole(height + m));
}

std::unique_ptr<Graphics> CSprite::GetFrameGraphics() {
    if (!InRange(currentFrame, bitmapFrames.size())) return nullptr;
    return std::make_unique<Graphics>(bitmapFrames[static_cast<size_t>(currentFrame)].get(), DrawMode::Direct);
}

// ---- text label ---------------------------------------------------------------------

void CSprite::SetText(const std::wstring& newText) {
    text = newText;
    if (!font) font = std::make_unique<Font>(fontFamily, 24.0f, FontStyleRegular);
    if (!textBrush) textBrush = std::make_unique<SolidBrush>(0xFFFFFFFFu);
    if (!boxPen) boxPen = std::make_unique<Pen>(0xFF000000u, 1.0f);
    if (!boxBrush) boxBrush = std::make_unique<SolidBrush>(0xFF000000u);
    if (!format) format = std::make_unique<StringFormat>();
    if (!graphics) return;
    const RectF measured = graphics->MeasureString(text, *font, RectF{layoutOrigin.x, layoutOrigin.y, 0, 0}, *format);
    textBox.x = std::trunc(textBox.x);
    textBox.y = std::trunc(textBox.y);
    textBox.width = measured.width;
    textBox.height = measured.height;
}

void CSprite::SetNumber(int n) { SetText(std::to_wstring(n)); }

void CSprite::SetFloat(double value, int digits) {
    const std::string narrow = ClassicGcvt(value, digits);
    std::wstring wide(narrow.begin(), narrow.end());  // digits, sign, point and exponent only
    if (!wide.empty() && wide.back() == L'.') wide += L'0';
    SetText(wide);
}

void CSprite::ShowRate() { SetFloat(clock.Rate(), 4); }

void CSprite::SetFont(float size, int style) { font = std::make_unique<Font>(fontFamily, size, style); }

void CSprite::SetTextColor(uint32_t argb) {
    if (textBrush)
        textBrush->color = argb;
    else
        textBrush = std::make_unique<SolidBrush>(argb);
}

void CSprite::SetBoxColors(uint32_t fillArgb, uint32_t penArgb) {
    if (boxBrush)
        boxBrush->color = fillArgb;
    else
        boxBrush = std::make_unique<SolidBrush>(fillArgb);
    if (boxPen)
        boxPen->color = penArgb;
    else
        boxPen = std::make_unique<Pen>(penArgb, 1.0f);
}

void CSprite::SetLabel(const std::wstring& label, float size) {
    SetFont(size, FontStyleRegular);
    SetTextColor(0xFF000000u);
    SetText(label);
    SetBoxColors(0xFFFFFFE1u, 0xFF000000u);
}

void CSprite::CentreTextIn(int areaWidth) { textBox.x = static_cast<float>(areaWidth / 2) - textBox.width / 2; }

void CSprite::CentreTextOnSprite() {
    textBox.x = CentreX() - textBox.width / 2;
    textBox.y = CentreY() - textBox.height / 2;
}

void CSprite::DrawText() {
    if (!graphics || !font || !textBrush) return;
    graphics->DrawString(text, *font, textBox, format ? *format : StringFormat{}, *textBrush);
}

void CSprite::DrawTextBox() {
    if (!graphics) return;
    if (boxBrush) graphics->FillRectangle(*boxBrush, textBox);
    if (boxPen) graphics->DrawRectangle(*boxPen, textBox);
}

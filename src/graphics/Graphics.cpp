#include "graphics/Graphics.h"

#include <algorithm>
#include <cmath>

#include "platform/MissingFiles.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageCache.h"
#include "platform/gfx/ImageCodec.h"

namespace {

uint64_t NextBitmapId() {
    static uint64_t next = 0;
    return ++next;
}

// Every graphics that records, so a bitmap about to change or vanish can have the drawing
// that reads it rasterized first.
std::vector<Graphics*>& Recorders() {
    static std::vector<Graphics*> all;
    return all;
}

void Unregister(std::vector<Graphics*>& list, const Graphics* g) {
    list.erase(std::remove(list.begin(), list.end(), g), list.end());
}

// A recording that is never presented or read still has to end somewhere.
constexpr size_t kMaxPendingCommands = 65536;

bool IsWhole(float v) { return v == std::floor(v); }

}  // namespace

// ---- Bitmap -------------------------------------------------------------------------

Bitmap::Bitmap(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u),
      id_(NextBitmapId()) {}

Bitmap::~Bitmap() {
    // Recorded drawing that reads this bitmap is done now, while its pixels still exist.
    const std::vector<Graphics*> recorders = Recorders();
    for (Graphics* g : recorders)
        if (g->target_ != this && g->References(this)) g->Flush();
    const std::vector<Graphics*> users = graphics_;
    for (Graphics* g : users) g->Detach();
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const std::wstring& path) {
    platform::gfx::DecodedImage decoded;
    bool opaque = false;
    if (!platform::gfx::LoadImageCached(path, decoded, opaque)) {
        platform::NoteMissingFile(path, platform::FileExists(path) ? "picture did not decode" : "missing file");
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>(decoded.width, decoded.height);
    bitmap->pixels_ = std::move(decoded.pixels);
    bitmap->opaque_ = opaque;
    bitmap->opaqueVersion_ = bitmap->version_;
    return bitmap;
}

std::unique_ptr<Bitmap> Bitmap::FromBytesScaled(const std::string& bytes, int width, int height) {
    platform::gfx::DecodedImage decoded;
    if (!platform::gfx::DecodeImageScaled(bytes, width, height, decoded)) return nullptr;
    auto bitmap = std::make_unique<Bitmap>(decoded.width, decoded.height);
    bitmap->pixels_ = std::move(decoded.pixels);
    return bitmap;
}

std::unique_ptr<Bitmap> Bitmap::Clone() const {
    auto copy = std::make_unique<Bitmap>(width_, height_);
    const uint32_t* src = Pixels();
    std::copy(src, src + pixels_.size(), copy->pixels_.begin());
    if (opaqueVersion_ == version_) {  // the copy's opacity is known as well
        copy->opaque_ = opaque_;
        copy->opaqueVersion_ = copy->version_;
    }
    return copy;
}

void Bitmap::FlushRecorder() const {
    if (recorder_) recorder_->Flush();
}

void Bitmap::PrepareWrite(const Graphics* writer) {
    const auto& recorders = Recorders();
    for (size_t i = 0; i < recorders.size(); ++i) {
        Graphics* g = recorders[i];
        if (g != writer && g->target_ != this && g->References(this)) g->Flush();
    }
    if (recorder_ && recorder_ != writer) recorder_->Flush();
}

uint32_t* Bitmap::Pixels() {
    PrepareWrite(nullptr);
    ++version_;  // the caller may change the pixels
    return pixels_.data();
}

const uint32_t* Bitmap::Pixels() const {
    FlushRecorder();
    return pixels_.data();
}

uint32_t Bitmap::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Pixels()[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

bool Bitmap::IsOpaque() const {
    FlushRecorder();
    if (opaqueVersion_ != version_) {
        opaque_ = std::all_of(pixels_.begin(), pixels_.end(), [](uint32_t p) { return (p >> 24) == 0xFF; });
        opaqueVersion_ = version_;
    }
    return opaque_;
}

bool Bitmap::SavePng(const std::wstring& path) const {
    std::string bytes;
    return platform::gfx::EncodePng(Pixels(), width_, height_, StrideBytes(), bytes) &&
           platform::WriteFileAtomic(path, bytes);
}

bool Bitmap::SaveBmp(const std::wstring& path) const {
    std::string bytes;
    return platform::gfx::EncodeBmp(Pixels(), width_, height_, StrideBytes(), bytes) &&
           platform::WriteFileAtomic(path, bytes);
}

CachedBitmap::CachedBitmap(const Bitmap& source) : image_(source.Clone()) {
    image_->IsOpaque();  // decided once, here, not at the first frame
}

// ---- Matrix -------------------------------------------------------------------------

void Matrix::Translate(float x, float y) {
    dx += x;
    dy += y;
}

void Matrix::Rotate(float degrees) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    // Appending a rotation: every column of the matrix is rotated.
    const double n11 = m11 * c - m12 * s, n12 = m11 * s + m12 * c;
    const double n21 = m21 * c - m22 * s, n22 = m21 * s + m22 * c;
    const double ndx = dx * c - dy * s, ndy = dx * s + dy * c;
    m11 = n11;
    m12 = n12;
    m21 = n21;
    m22 = n22;
    dx = ndx;
    dy = ndy;
}

bool Matrix::IsIdentity() const { return m11 == 1 && m12 == 0 && m21 == 0 && m22 == 1 && dx == 0 && dy == 0; }

void Matrix::TransformPoint(float& x, float& y) const {
    const double nx = m11 * x + m21 * y + dx;
    const double ny = m12 * x + m22 * y + dy;
    x = static_cast<float>(nx);
    y = static_cast<float>(ny);
}

// ---- DrawCommand --------------------------------------------------------------------

bool DrawCommand::operator==(const DrawCommand& o) const {
    return op == o.op && color == o.color && penWidth == o.penWidth && std::equal(v, v + 6, o.v) &&
           imageId == o.imageId && imageVersion == o.imageVersion && fontSize == o.fontSize &&
           fontStyle == o.fontStyle && text == o.text && fontFamily == o.fontFamily;
}

// ---- Graphics -----------------------------------------------------------------------

Graphics::Graphics(Bitmap* target, DrawMode mode) : target_(target), window_(target == nullptr) {
    if (!target_) return;
    target_->graphics_.push_back(this);
    // One graphics records into a bitmap; any further one draws directly.
    if (mode == DrawMode::Recorded && !target_->recorder_) {
        recording_ = true;
        target_->recorder_ = this;
        Recorders().push_back(this);
    }
}

Graphics::Graphics(Graphics&& o) noexcept
    : target_(o.target_),
      window_(o.window_),
      recording_(o.recording_),
      frameBroken_(o.frameBroken_),
      matching_(o.matching_),
      matched_(o.matched_),
      previousCovers_(o.previousCovers_),
      canvas_(std::move(o.canvas_)),
      pending_(std::move(o.pending_)),
      previousFrame_(std::move(o.previousFrame_)),
      transform_(o.transform_),
      frameStartTransform_(o.frameStartTransform_),
      previousStartTransform_(o.previousStartTransform_),
      versionAfterPrevious_(o.versionAfterPrevious_),
      skippedFrames_(o.skippedFrames_) {
    if (target_) {
        std::replace(target_->graphics_.begin(), target_->graphics_.end(), &o, this);
        if (target_->recorder_ == &o) target_->recorder_ = this;
    }
    std::replace(Recorders().begin(), Recorders().end(), &o, this);
    o.target_ = nullptr;
    o.recording_ = false;
}

Graphics::~Graphics() {
    if (target_) {
        if (recording_) Flush();  // what was drawn stays in the bitmap
        Unregister(target_->graphics_, this);
        if (target_->recorder_ == this) target_->recorder_ = nullptr;
    }
    Unregister(Recorders(), this);
}

Graphics Graphics::ForWindow() { return Graphics(nullptr); }

void Graphics::Detach() {
    pending_.clear();
    previousFrame_.clear();
    matched_ = 0;
    canvas_.reset();
    target_ = nullptr;
    recording_ = false;
    Unregister(Recorders(), this);
}

platform::gfx::Canvas& Graphics::CanvasFor() {
    if (!canvas_)
        canvas_ = std::make_unique<platform::gfx::Canvas>(target_->pixels_.data(), target_->Width(), target_->Height(),
                                                          target_->StrideBytes());
    return *canvas_;
}

bool Graphics::References(const Bitmap* image) const {
    for (const DrawCommand& c : pending_)
        if (c.image == image) return true;
    if (matching_)
        for (size_t i = 0; i < matched_; ++i)
            if (previousFrame_[i].image == image) return true;
    return false;
}

void Graphics::Materialize() {
    if (!matching_) return;
    matching_ = false;
    if (matched_ == 0) return;
    pending_.insert(pending_.begin(), previousFrame_.begin(), previousFrame_.begin() + static_cast<long>(matched_));
    matched_ = 0;
}

void Graphics::Submit(DrawCommand&& command) {
    if (!target_) return;
    target_->PrepareWrite(this);
    if (command.op == DrawCommand::Op::Transform) {
        transform_.m11 = command.v[0];
        transform_.m12 = command.v[1];
        transform_.m21 = command.v[2];
        transform_.m22 = command.v[3];
        transform_.dx = command.v[4];
        transform_.dy = command.v[5];
    }
    if (!recording_) {
        Execute(command);
        canvas_->Flush();
        ++target_->version_;
        return;
    }
    // While the frame repeats the previous one command for command, nothing is stored: the
    // comparison ends at the first difference, and only then is the frame kept as a list.
    if (matching_) {
        if (matched_ < previousFrame_.size() && previousFrame_[matched_] == command) {
            ++matched_;
            return;
        }
        Materialize();
    }
    pending_.push_back(std::move(command));
    if (pending_.size() >= kMaxPendingCommands) Flush();
}

void Graphics::Execute(const DrawCommand& c) {
    platform::gfx::Canvas& canvas = CanvasFor();
    using Op = DrawCommand::Op;
    switch (c.op) {
        case Op::Clear: canvas.Clear(c.color); break;
        case Op::Image: {
            if (!c.image) break;
            platform::gfx::ImageRef ref{c.image->Pixels(), c.image->Width(), c.image->Height(), c.image->StrideBytes(),
                                        c.image->IsOpaque()};
            canvas.DrawImage(ref, c.v[0], c.v[1], c.v[2], c.v[3]);
            break;
        }
        case Op::Transform:
            canvas.SetTransform(platform::gfx::Affine{c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5]});
            break;
        case Op::StrokeRect: canvas.StrokeRect(c.color, c.penWidth, c.v[0], c.v[1], c.v[2], c.v[3]); break;
        case Op::StrokeEllipse: canvas.StrokeEllipse(c.color, c.penWidth, c.v[0], c.v[1], c.v[2], c.v[3]); break;
        case Op::FillRect: canvas.FillRect(c.color, c.v[0], c.v[1], c.v[2], c.v[3]); break;
        case Op::Line: canvas.Line(c.color, c.penWidth, c.v[0], c.v[1], c.v[2], c.v[3]); break;
        case Op::Text:
            canvas.Text(c.text, platform::gfx::FontSpec{c.fontFamily, c.fontSize, c.fontStyle}, c.color, c.v[0], c.v[1],
                        c.v[2], c.v[3]);
            break;
    }
}

void Graphics::Flush() {
    if (!recording_ || flushing_ || !target_) return;
    if (matched_ > 0) Materialize();  // a frame not begun yet can still repeat the last one
    if (pending_.empty()) return;
    flushing_ = true;
    for (const DrawCommand& c : pending_) Execute(c);
    canvas_->Flush();
    ++target_->version_;
    flushing_ = false;
    pending_.clear();
    frameBroken_ = true;  // this frame can no longer be compared as a whole
}

bool Graphics::CoversCanvas(const std::vector<DrawCommand>& frame) const {
    using Op = DrawCommand::Op;
    const float w = static_cast<float>(target_->Width()), h = static_cast<float>(target_->Height());
    bool identity = frameStartTransform_.IsIdentity();
    for (const DrawCommand& c : frame) {
        const bool covers = c.v[0] <= 0 && c.v[1] <= 0 && c.v[0] + c.v[2] >= w && c.v[1] + c.v[3] >= h;
        switch (c.op) {
            case Op::Clear: return true;
            case Op::Transform:
                identity = c.v[0] == 1 && c.v[1] == 0 && c.v[2] == 0 && c.v[3] == 1 && c.v[4] == 0 && c.v[5] == 0;
                break;
            case Op::FillRect:
                if (identity && covers && (c.color >> 24) == 0xFF) return true;
                break;
            case Op::Image:
                if (identity && covers && c.image && IsWhole(c.v[0]) && IsWhole(c.v[1]) &&
                    c.v[2] == static_cast<float>(c.image->Width()) && c.v[3] == static_cast<float>(c.image->Height()) &&
                    c.image->IsOpaque())
                    return true;
                break;
            default: break;
        }
    }
    return false;
}

bool Graphics::EndFrame() {
    if (!recording_ || !target_) return true;
    if (matching_ && matched_ < previousFrame_.size()) Materialize();  // the frame ended early
    // The same list drawn over a picture it fully covers gives the same picture again.
    const bool unchanged =
        matching_ && !frameBroken_ && previousCovers_ && target_->version_ == versionAfterPrevious_ &&
        frameStartTransform_.m11 == previousStartTransform_.m11 &&
        frameStartTransform_.m12 == previousStartTransform_.m12 &&
        frameStartTransform_.m21 == previousStartTransform_.m21 &&
        frameStartTransform_.m22 == previousStartTransform_.m22 &&
        frameStartTransform_.dx == previousStartTransform_.dx && frameStartTransform_.dy == previousStartTransform_.dy;
    if (unchanged) {
        matched_ = 0;
        frameStartTransform_ = transform_;
        ++skippedFrames_;
        return false;
    }
    Materialize();
    if (!pending_.empty()) {
        flushing_ = true;
        for (const DrawCommand& c : pending_) Execute(c);
        canvas_->Flush();
        ++target_->version_;
        flushing_ = false;
    }
    previousFrame_.swap(pending_);
    pending_.clear();
    // A frame rasterized in parts is not kept for comparison: only its tail is known.
    if (frameBroken_) previousFrame_.clear();
    previousCovers_ = CoversCanvas(previousFrame_);
    frameBroken_ = false;
    matching_ = true;
    matched_ = 0;
    previousStartTransform_ = frameStartTransform_;
    frameStartTransform_ = transform_;
    versionAfterPrevious_ = target_->version_;
    return true;
}

void Graphics::Clear(uint32_t argb) {
    DrawCommand c;
    c.op = DrawCommand::Op::Clear;
    c.color = argb;
    Submit(std::move(c));
}

void Graphics::DrawImage(const Bitmap& image, int x, int y, int width, int height) {
    if (window_) {
        // Presenting: the finished back buffer goes to the window in one call.
        if (image.Width() != platform::kCanvasWidth || image.Height() != platform::kCanvasHeight) return;
        if (image.recorder_ && !image.recorder_->EndFrame()) return;
        platform::Os().Present(image.Pixels(), image.StrideBytes());
        return;
    }
    DrawImage(image, RectF{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                           static_cast<float>(height)});
}

void Graphics::DrawImage(const Bitmap& image, const RectF& rect) {
    if (window_ || image.Width() == 0 || image.Height() == 0) return;
    image.FlushRecorder();  // so its version tells what will be drawn
    DrawCommand c;
    c.op = DrawCommand::Op::Image;
    c.image = &image;
    c.imageId = image.Id();
    c.imageVersion = image.Version();
    c.v[0] = rect.x;
    c.v[1] = rect.y;
    c.v[2] = rect.width;
    c.v[3] = rect.height;
    Submit(std::move(c));
}

void Graphics::DrawCachedBitmap(const CachedBitmap& image, int x, int y) {
    DrawImage(image.Image(), RectF{static_cast<float>(x), static_cast<float>(y), static_cast<float>(image.Width()),
                                   static_cast<float>(image.Height())});
}

void Graphics::SetTransform(const Matrix& m) {
    DrawCommand c;
    c.op = DrawCommand::Op::Transform;
    c.v[0] = static_cast<float>(m.m11);
    c.v[1] = static_cast<float>(m.m12);
    c.v[2] = static_cast<float>(m.m21);
    c.v[3] = static_cast<float>(m.m22);
    c.v[4] = static_cast<float>(m.dx);
    c.v[5] = static_cast<float>(m.dy);
    Submit(std::move(c));
}

void Graphics::ResetTransform() { SetTransform(Matrix{}); }

namespace {
DrawCommand ShapeCommand(DrawCommand::Op op, uint32_t color, float penWidth, float a, float b, float c, float d) {
    DrawCommand cmd;
    cmd.op = op;
    cmd.color = color;
    cmd.penWidth = penWidth;
    cmd.v[0] = a;
    cmd.v[1] = b;
    cmd.v[2] = c;
    cmd.v[3] = d;
    return cmd;
}
}  // namespace

void Graphics::DrawRectangle(const Pen& pen, const RectF& r) {
    Submit(ShapeCommand(DrawCommand::Op::StrokeRect, pen.color, pen.width, r.x, r.y, r.width, r.height));
}

void Graphics::DrawEllipse(const Pen& pen, const RectF& r) {
    Submit(ShapeCommand(DrawCommand::Op::StrokeEllipse, pen.color, pen.width, r.x, r.y, r.width, r.height));
}

void Graphics::FillRectangle(const SolidBrush& brush, const RectF& r) {
    Submit(ShapeCommand(DrawCommand::Op::FillRect, brush.color, 0, r.x, r.y, r.width, r.height));
}

void Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    Submit(ShapeCommand(DrawCommand::Op::Line, pen.color, pen.width, x1, y1, x2, y2));
}

void Graphics::DrawString(const std::wstring& text, const Font& font, const RectF& layout, const StringFormat&,
                          const SolidBrush& brush) {
    // Like a C string, the text ends at its first zero.
    const size_t end = text.find(L'\0');
    if (end == 0 || text.empty()) return;
    const size_t length = end == std::wstring::npos ? text.size() : end;
    // A still screen draws the same texts every pass: one that repeats the previous frame's
    // text at this place is matched where it stands, without copying it into a command.
    if (target_ && recording_ && matching_ && matched_ < previousFrame_.size()) {
        const DrawCommand& p = previousFrame_[matched_];
        const float place[6] = {layout.x, layout.y, layout.width, layout.height, 0, 0};
        if (p.op == DrawCommand::Op::Text && p.color == brush.color && p.penWidth == 0 &&
            std::equal(place, place + 6, p.v) && p.imageId == 0 && p.imageVersion == 0 && p.fontSize == font.sizePx &&
            p.fontStyle == font.style && p.fontFamily == font.family &&
            p.text.compare(0, p.text.size(), text, 0, length) == 0 && p.text.size() == length) {
            target_->PrepareWrite(this);
            ++matched_;
            return;
        }
    }
    DrawCommand c =
        ShapeCommand(DrawCommand::Op::Text, brush.color, 0, layout.x, layout.y, layout.width, layout.height);
    c.text = text.substr(0, length);
    c.fontFamily = font.family;
    c.fontSize = font.sizePx;
    c.fontStyle = font.style;
    Submit(std::move(c));
}

RectF Graphics::MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
                              const StringFormat&) const {
    const size_t end = text.find(L'\0');
    const platform::gfx::TextSize size =
        platform::gfx::MeasureText(end == std::wstring::npos ? text : text.substr(0, end),
                                   platform::gfx::FontSpec{font.family, font.sizePx, font.style}, layout.width);
    return RectF{layout.x, layout.y, size.width, size.height};
}

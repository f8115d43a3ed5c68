#pragma once
// The drawing surface: bitmaps and the graphics that draw into them. A Graphics either
// targets a bitmap (the back buffer, or a bitmap being drawn into) or the window, where
// drawing the finished back buffer presents it.
//
// A graphics on a bitmap records its drawing as a list of commands and rasterizes the
// list when the bitmap is presented or its pixels are read. When a presented frame's list
// equals the previous frame's (same values, same images in the same versions), nothing is
// rasterized or presented, so a still screen costs next to nothing. Reading a bitmap's
// pixels always gives the current picture.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::gfx {
class Canvas;
}

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    bool operator==(const RectF&) const = default;
};

class Graphics;

class Bitmap final {
public:
    Bitmap(int width, int height);  // transparent black
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Decodes a PNG or the first frame of a GIF; null when the file is missing or unreadable.
    static std::unique_ptr<Bitmap> FromFile(const std::wstring& path);
    // Decodes image file bytes shrunk to at most width x height; null when they do not decode.
    static std::unique_ptr<Bitmap> FromBytesScaled(const std::string& bytes, int width, int height);
    // A copy of the current pixels.
    std::unique_ptr<Bitmap> Clone() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Premultiplied ARGB32 pixels, row after row, with all drawing done so far. The
    // writable form counts as a change of the picture.
    uint32_t* Pixels();
    const uint32_t* Pixels() const;
    int StrideBytes() const { return width_ * 4; }
    uint32_t PixelAt(int x, int y) const;

    // Identity for the life of the bitmap (never reused) and a version that grows with every
    // change of its pixels; a recorded frame compares images by both.
    uint64_t Id() const { return id_; }
    uint64_t Version() const { return version_; }
    // True when every pixel is fully opaque.
    bool IsOpaque() const;

    // Writes the picture as a file, replacing it atomically; false on failure.
    bool SavePng(const std::wstring& path) const;
    bool SaveBmp(const std::wstring& path) const;

private:
    friend class Graphics;
    // Completes the drawing recorded into this bitmap.
    void FlushRecorder() const;
    // Before the pixels change: drawing recorded elsewhere that reads this bitmap, or recorded
    // into it by another graphics than writer, is rasterized first, so it sees the old picture.
    void PrepareWrite(const Graphics* writer);

    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
    uint64_t id_;
    uint64_t version_ = 0;
    Graphics* recorder_ = nullptr;     // the graphics recording into this bitmap, if any
    std::vector<Graphics*> graphics_;  // every graphics targeting this bitmap
    mutable uint64_t opaqueVersion_ = ~uint64_t{0};
    mutable bool opaque_ = false;
};

// A bitmap converted once for fast unscaled drawing (backgrounds, large still images).
class CachedBitmap final {
public:
    explicit CachedBitmap(const Bitmap& source);
    int Width() const { return image_->Width(); }
    int Height() const { return image_->Height(); }
    const Bitmap& Image() const { return *image_; }

private:
    std::unique_ptr<Bitmap> image_;
};

struct Pen {
    explicit Pen(uint32_t argb = 0xFF000000u, float width = 1) : color(argb), width(width) {}
    uint32_t color;
    float width;
};

struct SolidBrush {
    explicit SolidBrush(uint32_t argb = 0xFF000000u) : color(argb) {}
    uint32_t color;
};

// Font style bits, combinable.
enum FontStyle : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8
};

// A font by family name and size in pixels. A family that is not installed falls back to
// the system's sans-serif family; "Arial" resolves to a metric-compatible font.
struct Font {
    Font(std::wstring family, float sizePx, int style = FontStyleRegular)
        : family(std::move(family)), sizePx(sizePx), style(style) {}
    std::wstring family;
    float sizePx;
    int style;
};

// Text layout options; text is laid out from the top left of its box.
struct StringFormat {
    int flags = 0;
};

// A 2D affine transform (x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy). Operations
// are appended: the new one applies after the ones already in the matrix.
class Matrix final {
public:
    void Reset() { *this = Matrix{}; }
    void Translate(float dx, float dy);
    void Rotate(float degrees);  // clockwise on the canvas (y grows downwards)
    bool IsIdentity() const;
    void TransformPoint(float& x, float& y) const;

    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};

// One recorded drawing call: its operation and values, and for images the image with its
// identity and version, so two frames compare equal only when they would draw the same.
struct DrawCommand {
    enum class Op : uint8_t { Clear, Image, Transform, StrokeRect, StrokeEllipse, FillRect, Line, Text };
    Op op = Op::Clear;
    uint32_t color = 0;
    float penWidth = 0;
    float v[6] = {};                // rectangle (x, y, width, height), line ends or transform
    const Bitmap* image = nullptr;  // not owned; never outlives the bitmap (see Bitmap)
    uint64_t imageId = 0;
    uint64_t imageVersion = 0;
    std::wstring text;
    std::wstring fontFamily;
    float fontSize = 0;
    int fontStyle = 0;

    bool operator==(const DrawCommand& o) const;
};

enum class DrawMode {
    Recorded,  // drawing is kept as commands until the bitmap is presented or read
    Direct     // every call draws at once
};

class Graphics final {
public:
    explicit Graphics(Bitmap* target, DrawMode mode = DrawMode::Recorded);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    Graphics(Graphics&& other) noexcept;
    // A graphics on the main window: drawing a bitmap presents it.
    static Graphics ForWindow();

    Bitmap* Target() const { return target_; }
    bool IsRecording() const { return recording_; }

    void Clear(uint32_t argb);
    // Draws image into the rectangle; on the window graphics this presents the image.
    void DrawImage(const Bitmap& image, int x, int y, int width, int height);
    void DrawImage(const Bitmap& image, const RectF& rect);
    // Draws a cached bitmap unscaled with its top left at (x, y).
    void DrawCachedBitmap(const CachedBitmap& image, int x, int y);
    void SetTransform(const Matrix& matrix);
    void ResetTransform();
    void DrawRectangle(const Pen& pen, const RectF& rect);
    void DrawEllipse(const Pen& pen, const RectF& rect);
    void FillRectangle(const SolidBrush& brush, const RectF& rect);
    void DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    // Text in the layout box (a box of width 0 does not wrap).
    void DrawString(const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format,
                    const SolidBrush& brush);
    // The box the text needs, at the layout box's origin.
    RectF MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
                        const StringFormat& format) const;

    // Rasterizes what has been recorded so far.
    void Flush();
    // Ends a frame before its presentation: false when it equals the previous frame and
    // the picture is unchanged, so there is nothing to present.
    bool EndFrame();
    // Frames skipped as unchanged (for the benchmark and tests).
    int SkippedFrames() const { return skippedFrames_; }

private:
    Graphics() = default;
    void Submit(DrawCommand&& command);
    void Execute(const DrawCommand& command);
    bool References(const Bitmap* image) const;
    void Materialize();  // the matched start of the frame becomes part of its list
    bool CoversCanvas(const std::vector<DrawCommand>& frame) const;
    platform::gfx::Canvas& CanvasFor();
    void Detach();  // the target is going away

    friend class Bitmap;

    Bitmap* target_ = nullptr;
    bool window_ = false;
    bool recording_ = false;
    bool flushing_ = false;
    bool frameBroken_ = false;  // part of this frame was rasterized before its end
    // The frame so far equals the first matched_ commands of the previous one, which stand
    // for it; pending_ is empty meanwhile.
    bool matching_ = true;
    size_t matched_ = 0;
    bool previousCovers_ = false;  // the previous frame covers the whole canvas
    std::unique_ptr<platform::gfx::Canvas> canvas_;
    std::vector<DrawCommand> pending_;
    std::vector<DrawCommand> previousFrame_;
    Matrix transform_;            // as recorded so far
    Matrix frameStartTransform_;  // in force when the pending frame began
    Matrix previousStartTransform_;
    uint64_t versionAfterPrevious_ = ~uint64_t{0};
    int skippedFrames_ = 0;
};

#include "platform/gfx/ImageCodec.h"

#include <cairo.h>
#include <gif_lib.h>
#include <png.h>

#include <csetjmp>

#include <algorithm>
#include <cstring>

#include "platform/Files.h"

namespace platform::gfx {
namespace {

bool SizeAllowed(int64_t w, int64_t h) {
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide && w * h <= kMaxImagePixels;
}

uint32_t ReadBigEndian32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// ---- PNG ----------------------------------------------------------------------------

constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct MemoryReader {
    const std::string* bytes;
    size_t offset;
};

cairo_status_t ReadFromMemory(void* closure, unsigned char* data, unsigned int length) {
    auto* r = static_cast<MemoryReader*>(closure);
    if (r->offset + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes->data() + r->offset, length);
    r->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

bool DecodePng(const std::string& bytes, DecodedImage& out) {
    // The header chunk comes first; its size is checked before anything is allocated.
    if (bytes.size() < 33) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (std::memcmp(p + 12, "IHDR", 4) != 0) return false;
    const uint32_t w = ReadBigEndian32(p + 16);
    const uint32_t h = ReadBigEndian32(p + 20);
    if (!SizeAllowed(w, h)) return false;

    MemoryReader reader{&bytes, 0};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(ReadFromMemory, &reader);
    bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(s);
        const int sw = cairo_image_surface_get_width(s);
        const int sh = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const cairo_format_t format = cairo_image_surface_get_format(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        ok = data && SizeAllowed(sw, sh) && (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24);
        if (ok) {
            out.width = sw;
            out.height = sh;
            out.pixels.resize(static_cast<size_t>(sw) * static_cast<size_t>(sh));
            // An image without alpha leaves the top byte undefined; it is opaque.
            const uint32_t alphaFill = format == CAIRO_FORMAT_RGB24 ? 0xFF000000u : 0u;
            for (int y = 0; y < sh; ++y) {
                const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
                uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * sw;
                for (int x = 0; x < sw; ++x) dst[x] = row[x] | alphaFill;
            }
        }
    }
    cairo_surface_destroy(s);
    return ok;
}

// ---- GIF ----------------------------------------------------------------------------

struct GifSource {
    const std::string* bytes;
    size_t offset;
};

int ReadGif(GifFileType* gif, GifByteType* buffer, int length) {
    auto* src = static_cast<GifSource*>(gif->UserData);
    if (length <= 0) return 0;
    const size_t left = src->bytes->size() - src->offset;
    const size_t n = std::min(left, static_cast<size_t>(length));
    std::memcpy(buffer, src->bytes->data() + src->offset, n);
    src->offset += n;
    return static_cast<int>(n);
}

// Reads records up to the first image and decodes it onto a canvas of the logical screen
// size; pixels outside the image and pixels of the transparent colour stay 0 (transparent,
// which is also the premultiplied form of any transparent colour).
bool DecodeGifFirstFrame(GifFileType* gif, DecodedImage& out) {
    int transparent = -1;
    for (;;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return false;
        if (type == TERMINATE_RECORD_TYPE) return false;  // no image at all
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR) return false;
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4) {
                GraphicsControlBlock gcb;
                if (DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
            }
            while (ext) {
                if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR) return false;
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) return false;
        if (DGifGetImageDesc(gif) == GIF_ERROR) return false;
        const GifImageDesc& d = gif->Image;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!map || !map->Colors || d.Width <= 0 || d.Height <= 0 || d.Left < 0 || d.Top < 0) return false;
        int64_t w = gif->SWidth, h = gif->SHeight;
        if (w <= 0 || h <= 0) {  // no logical screen: the image alone
            w = int64_t{d.Left} + d.Width;
            h = int64_t{d.Top} + d.Height;
        }
        if (!SizeAllowed(w, h) || !SizeAllowed(d.Width, d.Height)) return false;
        out.width = static_cast<int>(w);
        out.height = static_cast<int>(h);
        out.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0u);

        std::vector<GifPixelType> line(static_cast<size_t>(d.Width));
        std::vector<int> rows;
        rows.reserve(static_cast<size_t>(d.Height));
        if (d.Interlace) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int r = start[pass]; r < d.Height; r += step[pass]) rows.push_back(r);
        } else {
            for (int r = 0; r < d.Height; ++r) rows.push_back(r);
        }
        for (int r : rows) {
            // A truncated image keeps the rows decoded so far, as viewers show it.
            if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) break;
            const int64_t y = int64_t{d.Top} + r;
            if (y >= h) continue;
            uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
            for (int c = 0; c < d.Width; ++c) {
                const int64_t x = int64_t{d.Left} + c;
                if (x >= w) break;
                const int index = line[static_cast<size_t>(c)];
                if (index == transparent || index >= map->ColorCount) continue;
                const GifColorType& col = map->Colors[index];
                dst[x] = 0xFF000000u | (uint32_t{col.Red} << 16) | (uint32_t{col.Green} << 8) | col.Blue;
            }
        }
        return true;
    }
}

bool DecodeGif(const std::string& bytes, DecodedImage& out) {
    GifSource src{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, ReadGif, &error);
    if (!gif) return false;
    const bool ok = DecodeGifFirstFrame(gif, out);
    DGifCloseFile(gif, &error);
    return ok;
}

// ---- encoders -----------------------------------------------------------------------

cairo_status_t WriteToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void PutLe16(std::string& s, uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void PutLe32(std::string& s, uint32_t v) {
    PutLe16(s, v & 0xFFFF);
    PutLe16(s, v >> 16);
}

}  // namespace

bool DecodeImage(const std::string& bytes, DecodedImage& out) {
    out = DecodedImage{};
    bool ok = false;
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0)
        ok = DecodePng(bytes, out);
    else if (bytes.size() >= 6 && (bytes.compare(0, 6, "GIF87a") == 0 || bytes.compare(0, 6, "GIF89a") == 0))
        ok = DecodeGif(bytes, out);
    if (!ok) out = DecodedImage{};
    return ok;
}

bool DecodeImageFile(const std::wstring& path, DecodedImage& out) {
    out = DecodedImage{};
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    return DecodeImage(bytes, out);
}

namespace {

// Shrinking a PNG as it is decoded, row by row, so the full picture is never held: each
// output pixel is the average of the source pixels its box covers (the boxes split the rows
// and columns evenly, as in DecodeImageScaled).
struct ShrinkState {
    const std::string* bytes;
    size_t offset;
    int srcW, srcH, outW, outH;
    const int* columnOf;     // output column of each source column
    const int* columnCount;  // source columns per output column
    uint64_t* sums;          // outW * 4 running sums of premultiplied channels
    unsigned char* row;      // one decoded source row, RGBA
    uint32_t* out;
};

void ReadPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* st = static_cast<ShrinkState*>(png_get_io_ptr(png));
    if (st->offset + length > st->bytes->size()) png_error(png, "truncated");
    std::memcpy(data, st->bytes->data() + st->offset, length);
    st->offset += length;
}

int BoxStart(int i, int src, int out) { return static_cast<int>(int64_t{i} * src / out); }
int BoxEnd(int i, int src, int out) {
    return std::max(BoxStart(i, src, out) + 1, static_cast<int>(int64_t{i + 1} * src / out));
}

void PngQuiet(png_structp, png_const_charp) {}
void PngFail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// 0 on success, 1 when the data is bad, 2 when the picture needs the full decoder (not
// larger than the output, or interlaced). Holds no object with a destructor, since a libpng
// error jumps out of it.
int ShrinkPng(ShrinkState& st) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, PngQuiet);
    if (!png) return 1;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return 1;
    }
    png_set_read_fn(png, &st, ReadPngBytes);
    png_read_info(png, info);
    const int w = static_cast<int>(png_get_image_width(png, info));
    const int h = static_cast<int>(png_get_image_height(png, info));
    if (w != st.srcW || h != st.srcH || png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return 2;
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        return 1;
    }
    int outRow = 0;
    int rowEnd = BoxEnd(0, h, st.outH);
    int rowsIn = 0;
    for (int y = 0; y < h; ++y) {
        png_read_row(png, st.row, nullptr);
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = st.row + static_cast<size_t>(x) * 4;
            const uint32_t a = p[3];
            uint64_t* sum = st.sums + static_cast<size_t>(st.columnOf[x]) * 4;
            sum[0] += (p[2] * a + 127) / 255;
            sum[1] += (p[1] * a + 127) / 255;
            sum[2] += (p[0] * a + 127) / 255;
            sum[3] += a;
        }
        ++rowsIn;
        if (y + 1 == rowEnd) {
            uint32_t* dst = st.out + static_cast<size_t>(outRow) * static_cast<size_t>(st.outW);
            for (int ox = 0; ox < st.outW; ++ox) {
                uint64_t* sum = st.sums + static_cast<size_t>(ox) * 4;
                const uint64_t n = static_cast<uint64_t>(rowsIn) * static_cast<uint64_t>(st.columnCount[ox]);
                uint32_t px = 0;
                for (int c = 0; c < 4; ++c) px |= static_cast<uint32_t>((sum[c] + n / 2) / n) << (8 * c);
                dst[ox] = px;
                sum[0] = sum[1] = sum[2] = sum[3] = 0;
            }
            rowsIn = 0;
            if (++outRow < st.outH) rowEnd = BoxEnd(outRow, h, st.outH);
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return outRow == st.outH ? 0 : 1;
}

}  // namespace

bool DecodeImageScaled(const std::string& bytes, int width, int height, DecodedImage& out) {
    DecodedImage full;
    out = DecodedImage{};
    if (width <= 0 || height <= 0) return false;
    // A large PNG is shrunk row by row as it is decoded.
    if (bytes.size() >= 33 && std::memcmp(bytes.data(), kPngSignature, 8) == 0 &&
        std::memcmp(bytes.data() + 12, "IHDR", 4) == 0) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        const uint32_t w = ReadBigEndian32(p + 16), h = ReadBigEndian32(p + 20);
        if (SizeAllowed(w, h) && static_cast<int>(w) >= width && static_cast<int>(h) >= height &&
            (static_cast<int>(w) > width || static_cast<int>(h) > height)) {
            std::vector<int> columnOf(w), columnCount(static_cast<size_t>(width));
            for (int ox = 0; ox < width; ++ox) {
                const int x0 = BoxStart(ox, static_cast<int>(w), width), x1 = BoxEnd(ox, static_cast<int>(w), width);
                columnCount[static_cast<size_t>(ox)] = x1 - x0;
                for (int x = x0; x < x1; ++x) columnOf[static_cast<size_t>(x)] = ox;
            }
            std::vector<uint64_t> sums(static_cast<size_t>(width) * 4, 0);
            std::vector<unsigned char> row(static_cast<size_t>(w) * 4);
            std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
            ShrinkState st{&bytes,      0,          static_cast<int>(w), static_cast<int>(h),
                           width,       height,     columnOf.data(),     columnCount.data(),
                           sums.data(), row.data(), pixels.data()};
            const int result = ShrinkPng(st);
            if (result == 1) return false;
            if (result == 0) {
                out.width = width;
                out.height = height;
                out.pixels = std::move(pixels);
                return true;
            }
        }
    }
    if (!DecodeImage(bytes, full)) return false;
    if (full.width <= width && full.height <= height) {
        out = std::move(full);
        return true;
    }
    out.width = width;
    out.height = height;
    out.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(int64_t{y} * full.height / height);
        const int y1 = std::max(y0 + 1, static_cast<int>(int64_t{y + 1} * full.height / height));
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(int64_t{x} * full.width / width);
            const int x1 = std::max(x0 + 1, static_cast<int>(int64_t{x + 1} * full.width / width));
            uint64_t sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy) {
                const uint32_t* row = &full.pixels[static_cast<size_t>(sy) * static_cast<size_t>(full.width)];
                for (int sx = x0; sx < x1; ++sx)
                    for (int c = 0; c < 4; ++c) sum[c] += (row[sx] >> (8 * c)) & 0xFF;
            }
            const uint64_t n = static_cast<uint64_t>(y1 - y0) * static_cast<uint64_t>(x1 - x0);
            uint32_t p = 0;
            for (int c = 0; c < 4; ++c) p |= static_cast<uint32_t>((sum[c] + n / 2) / n) << (8 * c);
            out.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = p;
        }
    }
    return true;
}

bool EncodePng(const uint32_t* pixels, int width, int height, int strideBytes, std::string& out) {
    out.clear();
    if (!pixels || width <= 0 || height <= 0 || strideBytes < width * 4) return false;
    cairo_surface_t* s =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pixels)),
                                            CAIRO_FORMAT_ARGB32, width, height, strideBytes);
    const bool ok = cairo_surface_write_to_png_stream(s, WriteToString, &out) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    if (!ok) out.clear();
    return ok;
}

bool EncodeBmp(const uint32_t* pixels, int width, int height, int strideBytes, std::string& out) {
    out.clear();
    if (!pixels || width <= 0 || height <= 0 || strideBytes < width * 4) return false;
    auto row = [&](int y) {
        return reinterpret_cast<const uint32_t*>(reinterpret_cast<const unsigned char*>(pixels) +
                                                 static_cast<size_t>(y) * static_cast<size_t>(strideBytes));
    };
    bool opaque = true;
    for (int y = 0; y < height && opaque; ++y)
        for (int x = 0; x < width; ++x)
            if ((row(y)[x] >> 24) != 0xFF) {
                opaque = false;
                break;
            }
    const int bits = opaque ? 24 : 32;
    const size_t rowBytes = ((static_cast<size_t>(width) * bits / 8) + 3) & ~size_t{3};
    const size_t imageBytes = rowBytes * static_cast<size_t>(height);
    const size_t fileBytes = 14 + 40 + imageBytes;
    if (fileBytes > 0xFFFFFFFFu) return false;
    out.reserve(fileBytes);
    out += "BM";
    PutLe32(out, static_cast<uint32_t>(fileBytes));
    PutLe32(out, 0);
    PutLe32(out, 14 + 40);
    PutLe32(out, 40);  // BITMAPINFOHEADER
    PutLe32(out, static_cast<uint32_t>(width));
    PutLe32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
    PutLe16(out, 1);
    PutLe16(out, static_cast<uint32_t>(bits));
    PutLe32(out, 0);  // BI_RGB
    PutLe32(out, static_cast<uint32_t>(imageBytes));
    PutLe32(out, 3780);  // 96 dpi
    PutLe32(out, 3780);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* src = row(y);
        const size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a != 0xFF && a != 0) {  // straight colour from premultiplied
                r = std::min<uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<uint32_t>(255, (b * 255 + a / 2) / a);
            }
            out.push_back(static_cast<char>(b));
            out.push_back(static_cast<char>(g));
            out.push_back(static_cast<char>(r));
            if (bits == 32) out.push_back(static_cast<char>(a));
        }
        out.append(rowBytes - (out.size() - start), '\0');
    }
    return true;
}

}  // namespace platform::gfx

#include "text/TextFile.h"

#include <cerrno>

#include "platform/Log.h"

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// control characters of the same value, both ways, so such bytes survive a round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t AnsiToWide(uint8_t b) {
    if (b >= 0x80 && b < 0xA0) return static_cast<wchar_t>(kHighControls[b - 0x80]);
    return static_cast<wchar_t>(b);
}

// The Windows-1252 byte of c; false when the code page has none.
bool WideToAnsi(char32_t c, uint8_t& b) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        b = static_cast<uint8_t>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            b = static_cast<uint8_t>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The file stores 16-bit units; inside the program a character outside the basic plane is
// one wide character, so a high and low surrogate that follow each other become one.
void JoinSurrogates(std::wstring& line) {
    size_t out = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        auto c = static_cast<char32_t>(line[i]);
        if (IsHighSurrogate(c) && i + 1 < line.size() && IsLowSurrogate(static_cast<char32_t>(line[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(line[i + 1]) - 0xDC00);
            ++i;
        }
        line[out++] = static_cast<wchar_t>(c);
    }
    line.resize(out);
}

uint32_t LastError() { return errno != 0 ? static_cast<uint32_t>(errno) : static_cast<uint32_t>(EIO); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Reading

CTextFileRead::CTextFileRead(const std::wstring& filePath) : path(filePath) {
    open = file.Open(path);
    endOfFile = !open;
    firstLine = true;
    if (open) DetectEncoding();
}

CTextFileRead::CTextFileRead(FromBytes, std::string bytes) {
    open = file.OpenBytes(std::move(bytes));
    endOfFile = !open;
    firstLine = true;
    if (open) DetectEncoding();
}

CTextFileRead::~CTextFileRead() { Close(); }

void CTextFileRead::Close() {
    file.Close();
    open = false;
}

uint8_t CTextFileRead::ReadByte() {
    if (pushback) {  // the previous line's terminator, in ANSI mode
        pushback = false;
        return static_cast<uint8_t>(pushbackChar);
    }
    if (bufferPos + 1 >= bytesInBuffer) {
        if (!open) {
            endOfFile = true;
            return 0;
        }
        errno = 0;
        const long n = file.Read(buffer, BufferSize);
        if (n < 0) {
            const uint32_t code = LastError();
            platform::LogQuietFailure("damaged file", path);
            Close();
            bytesInBuffer = 0;
            bufferPos = -1;
            endOfFile = true;
            throw CTextFileException{code};
        }
        if (n == 0) {
            endOfFile = true;
            return 0;
        }
        bytesInBuffer = static_cast<int32_t>(n);
        bufferPos = 0;
        ++refills;
        return buffer[0];
    }
    return buffer[++bufferPos];
}

char32_t CTextFileRead::ReadUnit() {
    if (pushback) {
        pushback = false;
        return pushbackChar;
    }
    switch (encoding) {
        case TextEncoding::Utf16BigEndian: {
            const char32_t hi = ReadByte();
            const char32_t lo = ReadByte();
            return hi << 8 | lo;
        }
        case TextEncoding::Utf16LittleEndian: {
            const char32_t lo = ReadByte();
            const char32_t hi = ReadByte();
            return hi << 8 | lo;
        }
        default: {
            const uint8_t b0 = ReadByte();
            if (b0 < 0x80) return b0;
            if ((b0 & 0xE0) == 0xC0) {
                const uint8_t b1 = ReadByte();
                return static_cast<char32_t>((b0 & 0x1F) << 6 | (b1 & 0x3F));
            }
            if ((b0 & 0xF0) == 0xE0) {
                const uint8_t b1 = ReadByte();
                const uint8_t b2 = ReadByte();
                return static_cast<char32_t>(((b0 << 6 | (b1 & 0x3F)) << 6 | (b2 & 0x3F)) & 0xFFFF);
            }
            // A stray continuation byte, or the lead byte of a sequence longer than three:
            // one replacement character, and the following bytes are read on their own.
            return 0xFFFD;
        }
    }
}

void CTextFileRead::DetectEncoding() {
    const uint8_t b0 = ReadByte();
    const uint8_t b1 = ReadByte();
    if (b0 == 0xFF && b1 == 0xFE) {
        encoding = TextEncoding::Utf16LittleEndian;
    } else if (b0 == 0xFE && b1 == 0xFF) {
        encoding = TextEncoding::Utf16BigEndian;
    } else if (b0 == 0xEF && b1 == 0xBB && ReadByte() == 0xBF) {
        encoding = TextEncoding::Utf8;
    } else {
        encoding = TextEncoding::Ansi;
        Rewind();
    }
}

void CTextFileRead::Rewind() {
    pushback = false;
    endOfFile = false;
    firstLine = true;
    bufferPos = -1;
    // The mark test reads at most three bytes, so the first buffer load normally still
    // holds the start of the file; otherwise the file is opened again from its start.
    if (refills <= 1) return;
    bytesInBuffer = 0;
    refills = 0;
    open = file.Open(path);
    endOfFile = !open;
}

template <class NextChar>
void CTextFileRead::CollectLine(std::wstring& line, NextChar next) {
    char32_t c = next();
    if (firstLine) {
        firstLine = false;
    } else {
        // c is the terminator of the previous line, handed back: skip CR, LF or CR LF.
        if (c == U'\r') c = next();
        if (c == U'\n') c = next();
    }
    line.clear();
    wchar_t chunk[BufferSize];
    int used = 0;
    bool surrogates = false;
    while (c != U'\r' && c != U'\n' && !endOfFile) {
        surrogates = surrogates || (c >= 0xD800 && c <= 0xDFFF);
        chunk[used++] = static_cast<wchar_t>(c);
        if (used == BufferSize - 1) {
            line.append(chunk, static_cast<size_t>(used));
            used = 0;
        }
        c = next();
    }
    line.append(chunk, static_cast<size_t>(used));
    if (surrogates) JoinSurrogates(line);
    pushbackChar = c;
    pushback = true;
}

bool CTextFileRead::ReadLine(std::wstring& line) {
    if (endOfFile) return false;
    if (encoding == TextEncoding::Ansi) {
        // An ANSI line ends at its first NUL byte, as a C string would; the rest of the
        // line is still consumed so the next line starts in the right place.
        bool sawNul = false;
        CollectLine(line, [this, &sawNul]() -> char32_t {
            const uint8_t b = ReadByte();
            if (b == 0 && !endOfFile) sawNul = true;
            return AnsiToWide(b);
        });
        if (sawNul) {
            const size_t nul = line.find(L'\0');
            if (nul != std::wstring::npos) line.resize(nul);
        }
    } else {
        CollectLine(line, [this]() { return ReadUnit(); });
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Writing

CTextFileWrite::CTextFileWrite(const std::wstring& path, TextEncoding enc) {
    encoding = enc;
    open = file.Open(path);
    if (!open) return;
    switch (encoding) {
        case TextEncoding::Utf16BigEndian:
            WriteByte(0xFE);
            WriteByte(0xFF);
            break;
        case TextEncoding::Utf16LittleEndian:
            WriteByte(0xFF);
            WriteByte(0xFE);
            break;
        case TextEncoding::Utf8:
            WriteByte(0xEF);
            WriteByte(0xBB);
            WriteByte(0xBF);
            break;
        default: break;
    }
}

CTextFileWrite::~CTextFileWrite() {
    try {
        Close();
    } catch (const CTextFileException&) {
        // A destructor cannot report; the old file stays as it was.
    }
}

void CTextFileWrite::Fail() {
    const uint32_t code = LastError();
    file.Discard();
    open = false;
    bufferPos = -1;
    throw CTextFileException{code};
}

void CTextFileWrite::Flush() {
    if (bufferPos >= 0 && open) {
        errno = 0;
        if (!file.Write(buffer, static_cast<size_t>(bufferPos) + 1)) Fail();
    }
    // Without a file the buffered bytes have nowhere to go and are dropped.
    bufferPos = -1;
}

void CTextFileWrite::Close() {
    if (!open) return;
    Flush();
    errno = 0;
    if (!file.Commit()) Fail();
    open = false;
}

void CTextFileWrite::WriteByte(uint8_t b) {
    if (bufferPos == BufferSize - 1) Flush();
    buffer[++bufferPos] = b;
}

void CTextFileWrite::WriteUnit(uint16_t u) {
    switch (encoding) {
        case TextEncoding::Utf16BigEndian:
            WriteByte(static_cast<uint8_t>(u >> 8));
            WriteByte(static_cast<uint8_t>(u & 0xFF));
            break;
        case TextEncoding::Utf16LittleEndian:
            WriteByte(static_cast<uint8_t>(u & 0xFF));
            WriteByte(static_cast<uint8_t>(u >> 8));
            break;
        default:  // Utf8: every 16-bit unit on its own, surrogate halves as three bytes each
            if (u < 0x80) {
                WriteByte(static_cast<uint8_t>(u));
            } else if (u < 0x800) {
                WriteByte(static_cast<uint8_t>(0xC0 | u >> 6));
                WriteByte(static_cast<uint8_t>(0x80 | (u & 0x3F)));
            } else {
                WriteByte(static_cast<uint8_t>(0xE0 | ((u >> 12) & 0x0F)));
                WriteByte(static_cast<uint8_t>(0x80 | ((u >> 6) & 0x3F)));
                WriteByte(static_cast<uint8_t>(0x80 | (u & 0x3F)));
            }
            break;
    }
}

void CTextFileWrite::WriteText(const wchar_t* text, size_t length) {
    for (size_t i = 0; i < length && text[i] != L'\0'; ++i) {
        auto c = static_cast<char32_t>(text[i]);
        if (encoding == TextEncoding::Ansi) {
            uint8_t b = '?';
            if (!WideToAnsi(c, b)) {
                b = '?';
                dataLost = true;
            }
            WriteByte(b);
            continue;
        }
        if (c > 0x10FFFF) c = 0xFFFD;
        if (c >= 0x10000) {  // the file holds 16-bit units: a surrogate pair
            c -= 0x10000;
            WriteUnit(static_cast<uint16_t>(0xD800 + (c >> 10)));
            WriteUnit(static_cast<uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            WriteUnit(static_cast<uint16_t>(c));
        }
    }
}

void CTextFileWrite::Write(const wchar_t* text) {
    if (text) WriteText(text, std::wstring::npos);
}

void CTextFileWrite::Write(const std::wstring& text) { WriteText(text.c_str(), text.size()); }

void CTextFileWrite::Write(int32_t value) { Write(std::to_wstring(value)); }

void CTextFileWrite::WriteEndOfLine() {
    if (encoding == TextEncoding::Ansi) {
        WriteByte('\r');
        WriteByte('\n');
    } else {
        WriteUnit(u'\r');
        WriteUnit(u'\n');
    }
}

// ---------------------------------------------------------------------------------------

bool ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines) {
    lines.clear();
    try {
        CTextFileRead file(path);
        if (!file.IsOpen()) return false;
        std::wstring line;
        while (file.ReadLine(line)) lines.push_back(line);
        file.Close();
        return true;
    } catch (const CTextFileException&) {
        lines.clear();
        return false;
    }
}

bool WriteTextLines(const std::wstring& path, TextEncoding encoding, const std::vector<std::wstring>& lines) {
    try {
        CTextFileWrite file(path, encoding);
        if (!file.IsOpen()) return false;
        for (const auto& line : lines) {
            file.Write(line);
            file.WriteEndOfLine();
        }
        file.Close();
        return true;
    } catch (const CTextFileException&) {
        return false;
    }
}

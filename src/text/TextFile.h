#pragma once
// Text files in the four encodings the program reads and writes: the ANSI code page
// (Windows-1252), UTF-16 big and little endian, and UTF-8. A reader finds the encoding from
// the byte-order mark and hands out lines as wide strings; a writer puts the mark first and
// writes strings, numbers and CR LF line ends. Both move bytes through one 1024-byte buffer.
//
// Read and write failures of an open file raise CTextFileException. Code that must not fail
// on a bad disk uses ReadTextLines / WriteTextLines below, which turn that into false.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"

enum class TextEncoding : int32_t {
    Ansi = 0,               // one byte per character, Windows-1252
    Utf16BigEndian = 1,     // mark FE FF
    Utf16LittleEndian = 2,  // mark FF FE
    Utf8 = 3,               // mark EF BB BF
};

// Raised when reading or writing an open file fails; the file is closed by then.
struct CTextFileException {
    uint32_t errorCode = 0;  // the system error number of the failed operation
};

class CTextFileBase {
public:
    static constexpr int BufferSize = 1024;

    CTextFileBase(const CTextFileBase&) = delete;
    CTextFileBase& operator=(const CTextFileBase&) = delete;
    virtual ~CTextFileBase() = default;

    bool IsOpen() const { return open; }
    TextEncoding GetEncoding() const { return encoding; }
    virtual void Close() = 0;

protected:
    CTextFileBase() = default;

    TextEncoding encoding = TextEncoding::Ansi;
    bool open = false;
    bool endOfFile = false;
    unsigned char buffer[BufferSize] = {};
    int32_t bufferPos = -1;     // last byte consumed (reader) or stored (writer); -1: none yet
    int32_t bytesInBuffer = 0;  // reader: bytes the last read delivered
    bool dataLost = false;      // writer: a character had no byte in the ANSI code page
};

class CTextFileRead final : public CTextFileBase {
public:
    explicit CTextFileRead(const std::wstring& path);
    // Reads bytes the caller has already taken from a file (with its own checks on size and
    // place) exactly as the file itself would be read.
    struct FromBytes {};
    CTextFileRead(FromBytes, std::string bytes);
    ~CTextFileRead() override;

    void Close() override;
    bool IsEndOfFile() const { return endOfFile; }
    // One line without its terminator (CR LF, CR or LF). False, with line untouched, once
    // the end of the file has been reached. Throws CTextFileException on a read error.
    bool ReadLine(std::wstring& line);

private:
    uint8_t ReadByte();
    char32_t ReadUnit();  // one 16-bit unit in the Unicode encodings
    void DetectEncoding();
    void Rewind();
    template <class NextChar>
    void CollectLine(std::wstring& line, NextChar next);

    platform::FileReader file;
    std::wstring path;
    int refills = 0;  // buffer loads that delivered bytes; rewinding in place needs just one
    bool firstLine = true;
    bool pushback = false;
    char32_t pushbackChar = 0;
};

class CTextFileWrite final : public CTextFileBase {
public:
    // Creates (or, on Close, replaces) the file. A writer whose file cannot be created
    // still accepts writes, which go nowhere; callers test IsOpen first.
    CTextFileWrite(const std::wstring& path, TextEncoding encoding);
    ~CTextFileWrite() override;  // writes out the buffer and closes as Close does, never throws

    // Writes out the buffer and replaces the file on disk in one step. Throws
    // CTextFileException when that fails; the old file then stays as it was.
    void Close() override;
    void Write(const wchar_t* text);  // up to the first NUL
    void Write(const std::wstring& text);
    void Write(int32_t value);  // decimal, a minus sign for negatives
    void WriteEndOfLine();      // CR LF
    bool DataLost() const { return dataLost; }

private:
    void WriteByte(uint8_t b);
    void WriteUnit(uint16_t u);
    void WriteText(const wchar_t* text, size_t length);
    void Flush();
    [[noreturn]] void Fail();

    platform::FileWriter file;
};

// Reads every line of a text file. False (and no lines) when the file does not open or a
// read fails, so callers keep their defaults instead of meeting an exception.
bool ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// Writes each line followed by CR LF and replaces the file in one step. False when the file
// cannot be created or written; the old file then stays as it was.
bool WriteTextLines(const std::wstring& path, TextEncoding encoding, const std::vector<std::wstring>& lines);

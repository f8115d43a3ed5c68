#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <climits>

#include "text/TextFile.h"
#include "support/TempFolder.h"

namespace {

struct ReadResult {
    TextEncoding encoding = TextEncoding::Ansi;
    std::vector<std::wstring> lines;
};

ReadResult ReadBytes(const std::string& bytes) {
    TempFolder dir;
    dir.Put("t.txt", bytes);
    ReadResult r;
    CTextFileRead file(dir.File("t.txt"));
    EXPECT_TRUE(file.IsOpen());
    r.encoding = file.GetEncoding();
    std::wstring line;
    while (file.ReadLine(line)) {
        r.lines.push_back(line);
        if (r.lines.size() > 100000) break;  // a reader that never ends fails below
    }
    EXPECT_TRUE(file.IsEndOfFile());
    line = L"kept";
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(line, L"kept");
    return r;
}

using Lines = std::vector<std::wstring>;

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

// The file's bytes after writing through a fresh writer.
template <class Fn>
std::string Written(TextEncoding encoding, Fn fill) {
    TempFolder dir;
    {
        CTextFileWrite file(dir.File("w.txt"), encoding);
        EXPECT_TRUE(file.IsOpen());
        fill(file);
        file.Close();
    }
    return dir.Get("w.txt");
}

}  // namespace

TEST(TextFileRead, ByteOrderMarkChoosesEncodingAndIsNotText) {
    auto le = ReadBytes(Bytes({0xFF, 0xFE, 'A', 0, '\r', 0, '\n', 0, 0xE5, 0, 0xAC, 0x20}));
    EXPECT_EQ(le.encoding, TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(le.lines, (Lines{L"A", L"\u00E5\u20AC"}));

    auto be = ReadBytes(Bytes({0xFE, 0xFF, 0, 'A', 0, '\r', 0, '\n', 0, 0xE5, 0x20, 0xAC}));
    EXPECT_EQ(be.encoding, TextEncoding::Utf16BigEndian);
    EXPECT_EQ(be.lines, (Lines{L"A", L"\u00E5\u20AC"}));

    auto u8 = ReadBytes(
        "\xEF\xBB\xBF"
        "A\r\n\xC3\xA5\xE2\x82\xAC");
    EXPECT_EQ(u8.encoding, TextEncoding::Utf8);
    EXPECT_EQ(u8.lines, (Lines{L"A", L"\u00E5\u20AC"}));

    auto plain = ReadBytes("A\r\nB");
    EXPECT_EQ(plain.encoding, TextEncoding::Ansi);
    EXPECT_EQ(plain.lines, (Lines{L"A", L"B"}));
}

TEST(TextFileRead, PartialUtf8MarkStaysAnsiAndLosesNoByte) {
    auto r = ReadBytes("\xEF\xBBX\r\nY");
    EXPECT_EQ(r.encoding, TextEncoding::Ansi);
    EXPECT_EQ(r.lines, (Lines{L"\u00EF\u00BBX", L"Y"}));
    // Just the two bytes, and a single byte: nothing consumed either.
    EXPECT_EQ(ReadBytes("\xEF\xBB").lines, (Lines{L"\u00EF\u00BB"}));
    EXPECT_EQ(ReadBytes("\xFF").lines, (Lines{L"\u00FF"}));
}

TEST(TextFileRead, EmptyFileAndMarkOnlyGiveOneEmptyLine) {
    for (const std::string& bytes :
         {std::string(), Bytes({0xFF, 0xFE}), Bytes({0xFE, 0xFF}), Bytes({0xEF, 0xBB, 0xBF})}) {
        EXPECT_EQ(ReadBytes(bytes).lines, (Lines{L""})) << bytes.size();
    }
}

TEST(TextFileRead, LineEnds) {
    EXPECT_EQ(ReadBytes("a\r\nb\r\n").lines, (Lines{L"a", L"b", L""}));
    EXPECT_EQ(ReadBytes("a\r\nb").lines, (Lines{L"a", L"b"}));
    EXPECT_EQ(ReadBytes("a\n\rb").lines, (Lines{L"a", L"", L"b"}));
    EXPECT_EQ(ReadBytes("a\r\rb").lines, (Lines{L"a", L"", L"b"}));
    EXPECT_EQ(ReadBytes("a\r\nb").lines, (Lines{L"a", L"b"}));
    EXPECT_EQ(ReadBytes("a\nb\rc\r\n\r\nd").lines, (Lines{L"a", L"b", L"c", L"", L"d"}));
    EXPECT_EQ(ReadBytes("\n").lines, (Lines{L"", L""}));
    // The same in the 16-bit and UTF-8 forms.
    EXPECT_EQ(ReadBytes(Bytes({0xFF, 0xFE, 'a', 0, '\n', 0, '\r', 0, 'b', 0})).lines, (Lines{L"a", L"", L"b"}));
    EXPECT_EQ(ReadBytes(Bytes({0xFE, 0xFF, 0, 'a', 0, '\r', 0, '\r', 0, 'b', 0, '\r', 0, '\n'})).lines,
              (Lines{L"a", L"", L"b", L""}));
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF"
                        "a\r\nb\n")
                  .lines,
              (Lines{L"a", L"b", L""}));
}

TEST(TextFileRead, LongLinesComeBackWhole) {
    std::wstring expected;
    std::string ansi, utf8 = "\xEF\xBB\xBF", utf16 = Bytes({0xFE, 0xFF});
    for (int i = 0; i < 5000; ++i) {
        const wchar_t c = i % 3 == 0 ? L'\u00E4' : static_cast<wchar_t>(L'a' + i % 26);
        expected += c;
        ansi += static_cast<char>(c);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
        utf16 += static_cast<char>(c >> 8);
        utf16 += static_cast<char>(c & 0xFF);
    }
    EXPECT_EQ(ReadBytes(ansi + "\r\nz").lines, (Lines{expected, L"z"}));
    EXPECT_EQ(ReadBytes(utf8 + "\nz").lines, (Lines{expected, L"z"}));
    EXPECT_EQ(ReadBytes(utf16).lines, (Lines{expected}));
}

TEST(TextFileRead, BadUtf8GivesReplacementCharacters) {
    // A stray continuation byte; a four-byte sequence (one per byte); a lead byte of five.
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF"
                        "a\x80"
                        "b")
                  .lines,
              (Lines{L"a\uFFFDb"}));
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF"
                        "\xF0\x9F\x98\x80!")
                  .lines,
              (Lines{L"\uFFFD\uFFFD\uFFFD\uFFFD!"}));
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF"
                        "\xF8x")
                  .lines,
              (Lines{L"\uFFFDx"}));
    // A sequence cut short by the end of the file is dropped, not read past the end.
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF"
                        "ab\xE2\x82")
                  .lines,
              (Lines{L"ab"}));
}

TEST(TextFileRead, Utf16SurrogatePairsBecomeOneCharacter) {
    auto r = ReadBytes(Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 'x', 0, 0x00, 0xDC}));
    EXPECT_EQ(r.lines, (Lines{std::wstring(L"\U0001F600x") + static_cast<wchar_t>(0xDC00)}));
}

TEST(TextFileRead, AnsiIsWindows1252) {
    auto r = ReadBytes("\xC5sa \xE4r h\xE4r, \xD6rjan \xF6ver \xC4lven\r\n\x80 \x8A\x9F \x81");
    EXPECT_EQ(r.lines,
              (Lines{L"\u00C5sa \u00E4r h\u00E4r, \u00D6rjan \u00F6ver \u00C4lven", L"\u20AC \u0160\u0178 \u0081"}));
    // A NUL byte ends the line's text; the line after it is still found.
    EXPECT_EQ(ReadBytes(std::string("ab\0cd\r\nef", 9)).lines, (Lines{L"ab", L"ef"}));
}

TEST(TextFileRead, MissingFileIsNotOpenAndReadsNothing) {
    TempFolder dir;
    dir.Folder("sub");
    for (const auto& path : {dir.File("absent.txt"), dir.File("sub")}) {
        CTextFileRead file(path);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_TRUE(file.IsEndOfFile());
        std::wstring line = L"kept";
        EXPECT_FALSE(file.ReadLine(line));
        EXPECT_EQ(line, L"kept");
    }
}

TEST(TextFileRead, ReadErrorClosesAndThrowsOrReportsFalse) {
    // Reading the start of the process's own memory image fails with an I/O error.
    std::string probe;
    if (platform::ReadWholeFile(L"/proc/self/mem", probe) || !platform::FileExists(L"/proc/self/mem"))
        GTEST_SKIP() << "no failing file to read here";
    try {
        CTextFileRead file(L"/proc/self/mem");
        ADD_FAILURE() << "no exception";
    } catch (const CTextFileException& e) {
        EXPECT_EQ(e.errorCode, static_cast<uint32_t>(EIO));
    }
    std::vector<std::wstring> lines{L"old"};
    EXPECT_FALSE(ReadTextLines(L"/proc/self/mem", lines));
    EXPECT_TRUE(lines.empty());
}

TEST(TextFileWrite, MarksAndLineEndsByteExact) {
    auto letterA = [](CTextFileWrite& f) {
        f.Write(L"A");
        f.WriteEndOfLine();
    };
    EXPECT_EQ(Written(TextEncoding::Utf8, letterA), Bytes({0xEF, 0xBB, 0xBF, 0x41, 0x0D, 0x0A}));
    EXPECT_EQ(Written(TextEncoding::Utf16LittleEndian, letterA), Bytes({0xFF, 0xFE, 0x41, 0, 0x0D, 0, 0x0A, 0}));
    EXPECT_EQ(Written(TextEncoding::Utf16BigEndian, letterA), Bytes({0xFE, 0xFF, 0, 0x41, 0, 0x0D, 0, 0x0A}));
    EXPECT_EQ(Written(TextEncoding::Ansi, letterA), "A\r\n");
    EXPECT_EQ(Written(TextEncoding::Utf8, [](CTextFileWrite&) {}), "\xEF\xBB\xBF");
}

TEST(TextFileWrite, NumbersAndStrings) {
    auto bytes = Written(TextEncoding::Utf8, [](CTextFileWrite& f) {
        f.Write(-12);
        f.Write(std::wstring(L" "));
        f.Write(0);
        f.Write(std::wstring(L"x\0y", 3));  // stops at the NUL
        f.Write(INT_MIN);
        f.Write(static_cast<const wchar_t*>(nullptr));
    });
    EXPECT_EQ(bytes, "\xEF\xBB\xBF-12 0x-2147483648");
}

TEST(TextFileWrite, Utf8EncodesEach16BitUnit) {
    auto bytes = Written(TextEncoding::Utf8, [](CTextFileWrite& f) { f.Write(L"\u00E5\u20AC\U0001F600"); });
    EXPECT_EQ(bytes, "\xEF\xBB\xBF\xC3\xA5\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80");
    auto le = Written(TextEncoding::Utf16LittleEndian, [](CTextFileWrite& f) { f.Write(L"\U0001F600"); });
    EXPECT_EQ(le, Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}));
}

TEST(TextFileWrite, AnsiWindows1252AndLostCharacters) {
    TempFolder dir;
    CTextFileWrite file(dir.File("a.txt"), TextEncoding::Ansi);
    file.Write(L"\u00C5sa \u00F6 \u20AC");
    EXPECT_FALSE(file.DataLost());
    file.Write(L" \u03A9\u0080");
    EXPECT_TRUE(file.DataLost());
    file.Close();
    EXPECT_EQ(dir.Get("a.txt"), "\xC5sa \xF6 \x80 ??");
}

TEST(TextFileWrite, EveryEncodingReadsBackWhatWasWritten) {
    const std::vector<std::wstring> lines = {
        L"Kestrova", L"", L"\u00C5\u00E4\u00F6 \u00E9 \u20AC", std::wstring(3000, L'\u00E4') + L"end", L"-7",
    };
    for (auto enc :
         {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
        TempFolder dir;
        ASSERT_TRUE(WriteTextLines(dir.File("r.txt"), enc, lines));
        std::vector<std::wstring> back;
        ASSERT_TRUE(ReadTextLines(dir.File("r.txt"), back));
        auto expected = lines;
        expected.push_back(L"");  // the final CR LF gives one more, empty, line
        EXPECT_EQ(back, expected) << static_cast<int>(enc);
        CTextFileRead probe(dir.File("r.txt"));
        EXPECT_EQ(probe.GetEncoding(), enc);
    }
    // Characters beyond the basic plane survive the Unicode encodings.
    for (auto enc : {TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
        TempFolder dir;
        ASSERT_TRUE(WriteTextLines(dir.File("r.txt"), enc, {L"a\U0001F600b"}));
        std::vector<std::wstring> back;
        ASSERT_TRUE(ReadTextLines(dir.File("r.txt"), back));
        EXPECT_EQ(back, (Lines{L"a\U0001F600b", L""}));
    }
}

TEST(TextFileWrite, FileAppearsWholeOnlyOnClose) {
    TempFolder dir;
    dir.Put("p.txt", "old");
    {
        CTextFileWrite file(dir.File("p.txt"), TextEncoding::Utf8);
        for (int i = 0; i < 500; ++i) file.Write(i);  // several buffer loads
        EXPECT_EQ(dir.Get("p.txt"), "old");
    }  // the destructor closes
    const std::string bytes = dir.Get("p.txt");
    EXPECT_EQ(bytes.substr(0, 8),
              "\xEF\xBB\xBF"
              "01234");
    EXPECT_EQ(bytes.size(), 3u + 10 + 90 * 2 + 400 * 3);
}

TEST(TextFileWrite, UncreatableFileAcceptsWritesAndWritesNothing) {
    TempFolder dir;
    dir.Folder("taken");
    CTextFileWrite file(dir.File("taken"), TextEncoding::Utf8);  // a folder is in the way
    EXPECT_FALSE(file.IsOpen());
    for (int i = 0; i < 2000; ++i) file.Write(L"more than one buffer");
    file.WriteEndOfLine();
    file.Close();
    EXPECT_TRUE(platform::FolderExists(dir.File("taken")));
    EXPECT_FALSE(WriteTextLines(dir.File("nofolder/x.txt"), TextEncoding::Utf8, {L"a"}));
}

TEST(TextFileWrite, WriteErrorThrowsAndKeepsTheOldFile) {
    TempFolder dir;
    dir.Put("s.txt", "previous");
    // A file-size limit makes the second buffer load fail on disk.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1500;
    bool thrown = false;
    uint32_t code = 0;
    bool helperResult = true;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        CTextFileWrite file(dir.File("s.txt"), TextEncoding::Utf8);
        for (int i = 0; i < 4000; ++i) file.Write(L"x");
        file.Close();
    } catch (const CTextFileException& e) {
        thrown = true;
        code = e.errorCode;
    }
    helperResult = WriteTextLines(dir.File("s.txt"), TextEncoding::Utf8, {std::wstring(4000, L'y')});
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(thrown);
    EXPECT_EQ(code, static_cast<uint32_t>(EFBIG));
    EXPECT_FALSE(helperResult);
    EXPECT_EQ(dir.Get("s.txt"), "previous");
}

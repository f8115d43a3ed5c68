// Any bytes as a text file: the reader must find an encoding, hand out lines and stop,
// without reading out of bounds or looping. Lines read back are written in one of the encodings
// and must read back the same (the Unicode encodings keep everything a reader can deliver).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Utf.h"
#include "text/TextFile.h"

namespace {

// The run's own folder, in memory where the system has one: the written-back file costs no
// disk time.
std::wstring TempPath(const char* what) {
    static const std::string base = std::string(platform::FolderExists(L"/dev/shm") ? "/dev/shm" : "/tmp") +
                                    "/kestrova-fuzz-textfile-" + std::to_string(::getpid()) + "-";
    return platform::WideFromUtf8(base + what);
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::wstring> lines;
    TextEncoding encoding;
    {
        // Read from memory, as the trainee's files are once their size and place are checked.
        CTextFileRead file(CTextFileRead::FromBytes{}, std::string(reinterpret_cast<const char*>(data), size));
        Check(file.IsOpen());
        encoding = file.GetEncoding();
        std::wstring line;
        while (file.ReadLine(line)) {
            lines.push_back(line);
            Check(lines.size() <= size + 1);  // every line but the last ends with a terminator byte
        }
        Check(file.IsEndOfFile());
        Check(!file.ReadLine(line));
    }
    Check(!lines.empty());

    // The ANSI decoding is one character per byte, so an ANSI file without NUL bytes or line
    // ends holds exactly one line of size characters.
    if (encoding == TextEncoding::Ansi && lines.size() == 1) {
        bool plain = true;
        for (size_t i = 0; i < size; ++i) plain = plain && data[i] != 0 && data[i] != '\r' && data[i] != '\n';
        if (plain) Check(lines[0].size() == size);
    }

    const std::wstring out = TempPath("out.txt");
    // One encoding per run (saving flushes to disk, which is slow); the input picks which.
    const TextEncoding encodings[] = {TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian,
                                      TextEncoding::Ansi};
    {
        const TextEncoding enc = encodings[size % 4];
        // A line holding a CR or LF cannot come from the reader, and NUL ends a written string,
        // so everything read is written back whole.
        Check(WriteTextLines(out, enc, lines));
        std::vector<std::wstring> back;
        Check(ReadTextLines(out, back));
        // ANSI text may itself begin with the bytes of a mark, so only the Unicode forms
        // promise the same lines back.
        if (enc != TextEncoding::Ansi) {
            Check(back.size() == lines.size() + 1 && back.back().empty());
            for (size_t i = 0; i < lines.size(); ++i) {
                std::wstring expected;
                for (wchar_t c : lines[i]) {
                    if (c == L'\0') break;
                    expected += c;
                }
                Check(back[i] == expected);
            }
        }
    }
    platform::DeleteFileAt(out);
    return 0;
}

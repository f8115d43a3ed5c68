#include "profiles/ProfileFile.h"

#include "platform/Files.h"
#include "profiles/NumberText.h"
#include "text/TextFile.h"

namespace profiles {

bool LineSource::Next(std::wstring& line) {
    if (next_ >= lines_.size()) {
        line.clear();
        return false;
    }
    line = lines_[next_++];
    return true;
}

std::wstring LineSource::Text() {
    std::wstring line;
    Next(line);
    return line;
}

int32_t LineSource::Int() {
    if (next_ >= lines_.size()) return 0;
    return ReadInt(lines_[next_++]);  // read in place: a ".sta" has 12,500 of them
}

std::optional<LineSource> ReadLines(const std::wstring& path, int maxLines) {
    std::vector<std::wstring> lines;
    try {
        CTextFileRead file(path);
        if (!file.IsOpen()) return std::nullopt;
        std::wstring line;
        while (static_cast<int>(lines.size()) < maxLines && file.ReadLine(line)) lines.push_back(line);
        file.Close();
    } catch (const CTextFileException&) {
        return std::nullopt;
    }
    return LineSource(std::move(lines));
}

std::optional<LineSource> ReadLines(const std::wstring& folder, const std::wstring& name, long long maxBytes,
                                    int maxLines) {
    std::string bytes;
    if (platform::ReadFileInFolder(folder, name, maxBytes, bytes) != platform::ReadResult::kRead) return std::nullopt;
    return ParseLines(std::move(bytes), maxLines);
}

LineSource ParseLines(std::string bytes, int maxLines) {
    std::vector<std::wstring> lines;
    CTextFileRead file(CTextFileRead::FromBytes{}, std::move(bytes));
    std::wstring line;
    while (static_cast<int>(lines.size()) < maxLines && file.ReadLine(line)) lines.push_back(line);
    return LineSource(std::move(lines));
}

bool WriteLines(const std::wstring& path, const LineSink& lines) {
    return WriteTextLines(path, TextEncoding::Utf8, lines.Lines());
}

}  // namespace profiles

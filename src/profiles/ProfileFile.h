#pragma once
// Line-by-line access to the trainee's text files. A file is read whole before its values
// are taken, and written whole from lines built in memory, so a failing disk never leaves a
// record half-loaded or a file half-written. Reading yields "" for every line past the end
// of the file: a short file reads its missing text lines as empty and its numbers as 0.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace profiles {

class LineSource final {
public:
    explicit LineSource(std::vector<std::wstring> lines) : lines_(std::move(lines)) {}
    // The next line; false (and an empty line) once the file has no more lines.
    bool Next(std::wstring& line);
    std::wstring Text();
    int32_t Int();
    bool AtEnd() const { return next_ >= lines_.size(); }

private:
    std::vector<std::wstring> lines_;
    size_t next_ = 0;
};

class LineSink final {
public:
    void Text(const std::wstring& value) { lines_.push_back(value); }
    void Int(int32_t value) { lines_.push_back(std::to_wstring(value)); }
    const std::vector<std::wstring>& Lines() const { return lines_; }

private:
    std::vector<std::wstring> lines_;
};

// The first maxLines lines of a file, through the encoded text reader (any encoding it
// accepts); nothing when the file cannot be opened or a read fails.
std::optional<LineSource> ReadLines(const std::wstring& path, int maxLines);
// The same for a trainee's file: folder + name exactly (no lookup by letter case), nothing
// when the file is larger than maxBytes or a link that leads out of the folder.
std::optional<LineSource> ReadLines(const std::wstring& folder, const std::wstring& name, long long maxBytes,
                                    int maxLines);
// The lines of a file's bytes, read as the encoded text reader reads a file.
LineSource ParseLines(std::string bytes, int maxLines);
// Writes the lines in UTF-8 with its byte-order mark, each ended by CR LF, and puts the new
// file in place of the old one only once it is complete on disk. False when that failed;
// the old file then stays as it was.
bool WriteLines(const std::wstring& path, const LineSink& lines);

}  // namespace profiles

#pragma once
// Reads a table as a spreadsheet program opens a comma-separated file, strictly: a UTF-8 byte
// order mark before the header, cells in double quotes with their quotes doubled, lines ended
// by CR LF or LF. A quote where none may stand, a quoted cell left open, or a row whose cell
// count differs from the header's makes the whole table unreadable (nullopt), so a table that
// a lenient reader would silently misread fails the test instead.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testcsv {

using Row = std::map<std::string, std::string>;  // header name -> cell

inline std::optional<std::vector<Row>> ReadTable(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false, wasQuoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else {
                quoted = false;
                wasQuoted = true;
            }
        } else if (c == '"') {
            if (wasQuoted || !cell.empty()) return std::nullopt;  // a quote inside a bare cell
            quoted = true;
        } else if (c == ',' || c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            cells.push_back(std::move(cell));
            cell.clear();
            wasQuoted = false;
            if (c == '\r') ++i;
            if (c != ',') {
                lines.push_back(std::move(cells));
                cells.clear();
            }
        } else {
            if (wasQuoted) return std::nullopt;  // text after a closing quote
            cell += c;
        }
    }
    if (quoted) return std::nullopt;
    if (!cells.empty() || !cell.empty() || wasQuoted) {
        cells.push_back(std::move(cell));
        lines.push_back(std::move(cells));
    }
    if (lines.empty()) return std::nullopt;
    std::vector<Row> rows;
    for (size_t r = 1; r < lines.size(); ++r) {
        if (lines[r].size() != lines[0].size()) return std::nullopt;
        Row row;
        for (size_t k = 0; k < lines[0].size(); ++k) row[lines[0][k]] = lines[r][k];
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace testcsv

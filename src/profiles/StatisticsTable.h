#pragma once
// The trainee's results as a table for spreadsheets, saved beside the statistics picture.
#include <string>

class Profile;

// UTF-8 with a byte-order mark, CR LF line ends, a header row: one row per training day and
// exercise with any result.
std::string StatisticsCsv(const Profile& profile);

// A text cell of such a table: quoted when it holds a separator, a quote or a line end; a
// character that a spreadsheet would take as the start of a formula is kept as text wherever
// a comma, semicolon, tab or line end could begin a cell before it.
std::string CsvText(const std::string& text);

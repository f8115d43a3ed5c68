#pragma once
// Candidate sequences of places, read from the position files: one file per exercise
// layout and span ("<folder><span><listName>"), a series of groups of span lines, one
// place number per line.
#include <string>
#include <vector>

using SequencePool = std::vector<std::vector<int>>;

namespace engine {

// Spans that have a pool (1..12).
constexpr int kMinPoolSpan = 1;
constexpr int kMaxPoolSpan = 12;

// folder + span in decimal + listName, e.g. "data\pos\cans\4pos\3cans.txt".
std::wstring SequencePoolPath(const std::wstring& folder, int span, const std::wstring& listName);

// A line's number as the C library's wide-string-to-int reads it: leading blanks skipped,
// an optional sign, the digits up to the first other character; 0 without digits. Values
// beyond the int range are clamped.
int LineNumber(const std::wstring& line);

// Reads the groups of span lines of a position file into pool. An empty line still counts
// as a line of its group but adds no number; a group whose last line is empty is dropped,
// and so is an unfinished group at the end of the file. False, with pool untouched, when
// the file does not open.
bool ReadSequencePool(const std::wstring& path, int span, SequencePool& pool);

// One round's choice: the pool is shuffled in place and the first candidate whose places
// all lie within the layout (0 .. places - 1) is taken. Without such a candidate (missing or
// empty file, or only damaged lines) a random sequence of min(span, places) distinct places
// stands in, so the round can still be played.
std::vector<int> ChooseCandidate(SequencePool& pool, int span, int places);

}  // namespace engine

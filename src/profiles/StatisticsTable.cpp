#include "profiles/StatisticsTable.h"

#include <charconv>
#include <memory>

#include "platform/Utf.h"
#include "profiles/Profile.h"

namespace {

std::string Fixed2(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string();
}

// The exercises as the English texts name them (the table's exercise column).
const char* const kEnglishNames[10] = {"",         "Cans",        "Treasure", "Big wheel", "The circle",
                                       "The pond", "Ghost house", "Space",    "Paint",     "Zoo"};

// A text cell: quoted when it holds a separator, a quote or a line end; a leading character
// that a spreadsheet would take as the start of a formula is kept as text.
std::string CsvText(const std::string& text) {
    std::string cell = text;
    if (!cell.empty() &&
        (cell[0] == '=' || cell[0] == '+' || cell[0] == '-' || cell[0] == '@' || cell[0] == '\t' || cell[0] == '\r'))
        cell.insert(cell.begin(), '\'');
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string StatisticsCsv(const Profile& profile) {
    auto stats = std::make_unique<ProfileStats>(profile.stats);
    stats->ComputeViews();
    std::string out = "\xEF\xBB\xBF";
    out +=
        "day,date,exercise,items_forward,items_backward,errors_forward,errors_backward,points,score,best_forward,"
        "best_backward\r\n";
    for (int d = 0; d < ProfileStats::kDays; ++d) {
        for (int g = 1; g < ProfileStats::kExercises; ++g) {
            int64_t sums[5] = {};
            for (int s = 0; s < ProfileStats::kSpans; ++s) {
                sums[0] += stats->itemsForward[d][g][s];
                sums[1] += stats->itemsBackward[d][g][s];
                sums[2] += stats->errorsForward[d][g][s];
                sums[3] += stats->errorsBackward[d][g][s];
                sums[4] += stats->points[d][g][s];
            }
            if (sums[0] == 0 && sums[1] == 0 && sums[2] == 0 && sums[3] == 0 && sums[4] == 0) continue;
            const std::wstring& date = profile.dayDates[static_cast<size_t>(d + 1)];
            out += std::to_string(d + 1) + ",";
            out += (date == L"-" ? std::string() : CsvText(platform::Utf8FromWide(date))) + ",";
            out += std::string(kEnglishNames[g]);
            // Appended piece by piece: "," + a temporary string trips a false overlap warning of
            // the Windows compiler.
            for (int64_t v : sums) (out += ',') += std::to_string(v);
            const float score = stats->dayScore[d][g];
            out += ',';
            if (score >= 0) out += Fixed2(score);
            for (float best : {stats->dayBestForward[d][g], stats->dayBestBackward[d][g]}) {
                out += ',';
                if (best >= 0) out += std::to_string(static_cast<int>(best));
            }
            out += "\r\n";
        }
    }
    return out;
}

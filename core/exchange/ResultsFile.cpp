#include "exchange/ResultsFile.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "exchange/CsvFields.h"

namespace vantorel {
namespace {

// The most fields a named line may have that are read (football results files run past a hundred columns).
constexpr int kMostNamedColumns = 1000;

std::string ColumnKey(std::string_view name) {
    std::string key;
    for (const char c : name)
        if (c != ' ' && c != '_')
            key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return key;
}

bool IsOneOf(const std::string& key, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return key == name; });
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of digits at pos, at least fewest and at most most of them.
bool SkipDigits(std::string_view text, std::size_t& pos, std::size_t fewest, std::size_t most) {
    std::size_t digits = 0;
    while (pos < text.size() && digits < most && IsDigit(text[pos]))
        ++pos, ++digits;
    return digits >= fewest;
}

bool SkipText(std::string_view text, std::size_t& pos, std::string_view wanted) {
    if (text.substr(pos, wanted.size()) != wanted)
        return false;
    pos += wanted.size();
    return true;
}

// Whether the text is a time of day: h:mm, h:mm:ss or h:mm:ss.fff, then blanks and at most one of AM, PM, Z
// or an offset such as +01:00.
bool IsTimeOfDay(std::string_view text) {
    std::size_t pos = 0;
    if (!SkipDigits(text, pos, 1, 2) || !SkipText(text, pos, ":") || !SkipDigits(text, pos, 2, 2))
        return false;
    if (SkipText(text, pos, ":")) {
        if (!SkipDigits(text, pos, 2, 2))
            return false;
        if (SkipText(text, pos, ".") && !SkipDigits(text, pos, 1, 9))
            return false;
    }
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos == text.size())
        return true;
    const std::string_view mark = text.substr(pos);
    for (const char* word : {"AM", "PM", "am", "pm", "Z"})
        if (mark == word)
            return true;
    if (mark.front() != '+' && mark.front() != '-')
        return false;
    pos = 1;
    if (!SkipDigits(mark, pos, 2, 2))
        return false;
    SkipText(mark, pos, ":");
    return SkipDigits(mark, pos, 2, 2) && pos == mark.size();
}

// The date of a date cell that carries the time of day after it ("13/08/2005 15:00", "2005-08-13T15:00:00Z"),
// so that the date is read in the file's layout; any other cell as it is.
std::string WithoutTimeOfDay(std::string date) {
    for (std::size_t at = 1; at < date.size(); ++at) {
        if ((date[at] != ' ' && date[at] != 'T') || !IsDigit(date[at - 1]))
            continue;
        std::string_view time(date);
        time.remove_prefix(at + 1);
        while (!time.empty() && time.front() == ' ')
            time.remove_prefix(1);
        if (IsTimeOfDay(time)) {
            date.erase(at);
            return date;
        }
    }
    return date;
}

// An attendance written with commas between its thousands ("20,000", as results lists show it) without
// them; any other cell as it is.
std::string WithoutThousandsSeparators(std::string attendance) {
    const std::size_t first = attendance.find(',');
    if (first == std::string::npos || first == 0 || first > 3)
        return attendance;
    for (std::size_t at = 0; at < attendance.size(); ++at) {
        const bool separator = at >= first && (at - first) % 4 == 0;
        if (separator ? attendance[at] != ',' : !IsDigit(attendance[at]))
            return attendance;
    }
    if ((attendance.size() - first) % 4 != 0)
        return attendance;
    attendance.erase(std::remove(attendance.begin(), attendance.end(), ','), attendance.end());
    return attendance;
}

} // namespace

int ResultsColumns::fieldsUsed() const {
    return std::max({date, home, away, homeGoals, awayGoals, attendance}) + 1;
}

std::optional<ResultsColumns> FindResultsColumns(std::string_view line) {
    const std::vector<std::string> names = SplitImportLine(line, nullptr, kMostNamedColumns);
    ResultsColumns columns;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const std::string key = ColumnKey(names[static_cast<std::size_t>(i)]);
        int* column = nullptr;
        if (key == "date")
            column = &columns.date;
        else if (IsOneOf(key, {"hometeam", "home"}))
            column = &columns.home;
        else if (IsOneOf(key, {"awayteam", "away"}))
            column = &columns.away;
        else if (IsOneOf(key, {"fthg", "hg", "homegoals"}))
            column = &columns.homeGoals;
        else if (IsOneOf(key, {"ftag", "ag", "awaygoals"}))
            column = &columns.awayGoals;
        else if (key == "attendance")
            column = &columns.attendance;
        if (column && *column < 0)
            *column = i;
    }
    if (columns.date < 0 || columns.home < 0 || columns.away < 0 || columns.homeGoals < 0 ||
        columns.awayGoals < 0)
        return std::nullopt;
    return columns;
}

ResultLineShape ReadNamedResult(std::string_view line, const ResultsColumns& columns, ResultFields& fields) {
    const int used = columns.fieldsUsed();
    const std::vector<std::string> cut = SplitImportLine(line, nullptr, used);
    auto field = [&](int column) {
        return column >= 0 && column < static_cast<int>(cut.size()) ? cut[static_cast<std::size_t>(column)]
                                                                    : std::string();
    };
    fields = {WithoutTimeOfDay(field(columns.date)),
              field(columns.home),
              field(columns.away),
              field(columns.homeGoals),
              field(columns.awayGoals),
              std::nullopt};
    // An empty attendance cell means none was recorded.
    if (std::string attendance = field(columns.attendance); !attendance.empty())
        fields.attendance = WithoutThousandsSeparators(std::move(attendance));
    if (fields.date.empty() && fields.home.empty() && fields.away.empty() && fields.homeGoals.empty() &&
        fields.awayGoals.empty() && !fields.attendance)
        return ResultLineShape::Blank;
    // The attendance may be missing at the end of a short line; the other columns may not. A comma at the
    // end of the line ends a last cell that is empty ("13/09/2005,T2,T3,,": no score yet).
    const int needed =
        std::max({columns.date, columns.home, columns.away, columns.homeGoals, columns.awayGoals}) + 1;
    const int cells = static_cast<int>(cut.size()) + (!line.empty() && line.back() == ',' ? 1 : 0);
    return cells < needed ? ResultLineShape::Bad : ResultLineShape::Result;
}

ResultLineShape ReadPlainResult(std::string_view line, ResultFields& fields) {
    int count = 0;
    const std::vector<std::string> cut = SplitImportLine(line, &count);
    if (count != 5 && count != 6)
        return ResultLineShape::Bad;
    fields = {cut[0], cut[1], cut[2], cut[3], cut[4], count == 6 ? std::optional(cut[5]) : std::nullopt};
    return ResultLineShape::Result;
}

} // namespace vantorel

#include "exchange/CsvFields.h"

#include <charconv>
#include <limits>

namespace vantorel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string CleanField(std::string_view field) {
    while (!field.empty() && IsBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back()))
        field.remove_suffix(1);
    if (field.size() <= 2 || !IsQuote(field.front()))
        return std::string(field);
    const bool doubleQuoted = field.front() == '"';
    field.remove_prefix(1);
    field.remove_suffix(1);
    if (!doubleQuoted)
        return std::string(field);
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"')
            ++i;
    }
    return text;
}

// Whether the quote at position at closes a quoted section: only blanks may stand between it and the next
// comma or the end of the line.
bool ClosesSection(std::string_view line, std::size_t at) {
    std::size_t next = at + 1;
    while (next < line.size() && IsBlank(line[next]))
        ++next;
    return next == line.size() || line[next] == ',';
}

} // namespace

std::vector<std::string> SplitImportLine(std::string_view line, int* fieldCount, int maxFields) {
    std::vector<std::string> fields;
    int count = 0;
    std::size_t start = 0;
    auto endField = [&](std::size_t end) {
        ++count;
        if (count <= maxFields)
            fields.push_back(CleanField(line.substr(start, end - start)));
        start = end + 1;
    };
    char openedBy = 0; // the quote that opened the current section, 0 outside quotes
    bool fieldStart = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (openedBy != 0) {
            if (openedBy == '"' && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                ++i;
            else if (c == openedBy && ClosesSection(line, i))
                openedBy = 0;
        } else if (c == ',') {
            endField(i);
            fieldStart = true;
        } else if (fieldStart && IsQuote(c)) {
            openedBy = c;
            fieldStart = false;
        } else if (!IsBlank(c)) {
            fieldStart = false;
        }
    }
    if (start < line.size())
        endField(line.size());
    if (fieldCount)
        *fieldCount = count;
    return fields;
}

std::optional<int> FieldInteger(const std::string& field) {
    long long value = 0;
    const char* begin = field.data();
    const char* end = begin + field.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string CsvName(std::string_view name) {
    std::size_t first = 0;
    while (first < name.size() && IsBlank(name[first]))
        ++first;
    const bool quoteFirst = first < name.size() && IsQuote(name[first]);
    if (!quoteFirst && name.find_first_of(",\"") == std::string_view::npos)
        return std::string(name);
    return CsvQuoted(name);
}

std::string CsvQuoted(std::string_view name) {
    std::string text = "\"";
    for (const char c : name) {
        text += c;
        if (c == '"')
            text += '"';
    }
    return text + "\"";
}

} // namespace vantorel

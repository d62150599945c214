#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

inline constexpr int kMaxImportFields = 10;

// Cuts a line into fields at commas outside quotes. A single or a double quote opens a quoted section only
// at the start of a field (after blanks), and the same quote closes it only where blanks, a comma or the end
// of the line follow; inside a section opened by a double quote, two double quotes stand for one. Any other
// quote is plain text, so "Queen's Park" is one field. A final empty field after a trailing comma does not
// count. At most maxFields fields are kept; fieldCount tells how many there were. Each kept field loses
// surrounding blanks, then, when it starts with a quote and is longer than two characters, its first and last
// characters; a field in double quotes also has each doubled double quote made single.
std::vector<std::string> SplitImportLine(std::string_view line, int* fieldCount = nullptr,
                                         int maxFields = kMaxImportFields);

// A field read as a whole decimal integer (a leading plus sign allowed); nothing when it is not one.
std::optional<int> FieldInteger(const std::string& field);

// A name as a field of an exported line: unchanged unless it holds a comma or a double quote or starts
// with a quote character; then in double quotes, each double quote inside doubled.
std::string CsvName(std::string_view name);
// The name in double quotes, each double quote inside doubled.
std::string CsvQuoted(std::string_view name);

} // namespace vantorel

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/CsvExport.h"

namespace vantorel::testing {

// Collects exported lines in memory.
class LineList : public LineSink {
public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// Counts the exported characters without keeping the lines, for benchmarks.
class CountingSink : public LineSink {
public:
    void WriteLine(std::string_view line) override { characters += line.size(); }
    std::size_t characters = 0;
};

// The lines of a section (or of all) exported in dd/MM/yyyy with every date included, the table being the
// plain table of all played games.
std::vector<std::string> ExportLines(const Division& division, ExportSection section);

} // namespace vantorel::testing

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Status.h"

namespace vantorel {

// A settings text of [Section] headings and key=value lines. Section and key names match without regard to
// case. Setting a value changes its line in place or adds it to its section, so every other line, comment
// and key stays as it was.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // The keys of a section, in file order.
    std::vector<std::string> keys(std::string_view section) const;

    std::string text() const;

private:
    struct Line {
        std::string text;
        std::string section; // the section the line belongs to
        std::string key;     // empty for headings, comments and blank lines
    };

    std::vector<Line> lines_;
};

// The settings text of a file; an empty text when the file is missing or unreadable.
IniFile ReadIniFile(const std::filesystem::path& file);
// Writes the settings text over a file (creating its folder), safely: see ReplaceFile.
Status WriteIniFile(const std::filesystem::path& file, const IniFile& ini);

} // namespace vantorel

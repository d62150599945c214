#include "store/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "store/FileIo.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

IniFile::IniFile(std::string_view text) {
    std::string section;
    for (const std::string_view raw : SplitLines(text)) {
        const std::string_view trimmed = Trimmed(raw);
        Line line{std::string(raw), section, {}};
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            section = std::string(Trimmed(trimmed.substr(1, trimmed.size() - 2)));
            line.section = section;
        } else if (const auto equals = trimmed.find('=');
                   equals != std::string_view::npos && trimmed[0] != ';') {
            line.key = std::string(Trimmed(trimmed.substr(0, equals)));
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    for (const Line& line : lines_)
        if (!line.key.empty() && SameName(line.section, section) && SameName(line.key, key)) {
            const std::string_view text = line.text;
            return std::string(Trimmed(text.substr(text.find('=') + 1)));
        }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string newText = std::string(key) + "=" + std::string(value);
    std::optional<std::size_t> lastOfSection;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!SameName(line.section, section))
            continue;
        if (!line.key.empty() && SameName(line.key, key)) {
            line.text = newText;
            return;
        }
        if (!Trimmed(line.text).empty())
            lastOfSection = i;
    }
    Line added{newText, std::string(section), std::string(key)};
    if (lastOfSection) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastOfSection + 1), std::move(added));
        return;
    }
    if (!lines_.empty() && !Trimmed(lines_.back().text).empty())
        lines_.push_back({"", lines_.back().section, {}});
    lines_.push_back({"[" + std::string(section) + "]", std::string(section), {}});
    lines_.push_back(std::move(added));
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> found;
    for (const Line& line : lines_)
        if (!line.key.empty() && SameName(line.section, section))
            found.push_back(line.key);
    return found;
}

std::string IniFile::text() const {
    std::string out;
    for (const Line& line : lines_)
        out += line.text + "\n";
    return out;
}

IniFile ReadIniFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return IniFile(text.str());
}

Status WriteIniFile(const std::filesystem::path& file, const IniFile& ini) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const std::string text = ini.text();
    return ReplaceFile(file.string(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

} // namespace vantorel

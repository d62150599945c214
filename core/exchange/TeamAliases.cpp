#include "exchange/TeamAliases.h"

#include "store/TextLines.h"

namespace vantorel {
namespace {

std::string SectionOf(std::string_view leagueFileName) {
    return "Team names " + std::string(leagueFileName);
}

} // namespace

std::optional<std::pair<std::string, std::string>> ParseAlias(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = Trimmed(text.substr(0, equals));
    const std::string_view team = Trimmed(text.substr(equals + 1));
    if (name.empty() || team.empty())
        return std::nullopt;
    return std::pair(std::string(name), std::string(team));
}

std::optional<TeamAliases> ParseAliasLines(std::string_view text, std::string& badLine) {
    TeamAliases aliases;
    for (const std::string_view line : SplitLines(text)) {
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;
        const auto alias = ParseAlias(trimmed);
        if (!alias) {
            badLine = std::string(trimmed);
            return std::nullopt;
        }
        aliases[alias->first] = alias->second;
    }
    return aliases;
}

TeamAliases RememberedAliases(const IniFile& settings, std::string_view leagueFileName) {
    TeamAliases aliases;
    const std::string section = SectionOf(leagueFileName);
    for (const std::string& name : settings.keys(section))
        if (const auto team = settings.value(section, name); team && !team->empty())
            aliases[name] = *team;
    return aliases;
}

void RememberAliases(IniFile& settings, std::string_view leagueFileName, const TeamAliases& aliases) {
    for (const auto& [name, team] : aliases)
        if (name.find_first_of("=\r\n[") == std::string::npos &&
            team.find_first_of("\r\n") == std::string::npos && !Trimmed(name).empty() &&
            Trimmed(name).front() != ';')
            settings.setValue(SectionOf(leagueFileName), name, team);
}

} // namespace vantorel

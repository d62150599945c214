#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "exchange/TeamNames.h"
#include "store/IniFile.h"

namespace vantorel {

// "NAME=TEAM": the name a file uses and the league's team, blanks around each dropped; nothing when there
// is no "=" or a side is empty.
std::optional<std::pair<std::string, std::string>> ParseAlias(std::string_view text);

// The aliases of a text of "NAME=TEAM" lines; blank lines and lines starting with "#" are passed over.
// Nothing, with the bad line in badLine, when another line is not an alias.
std::optional<TeamAliases> ParseAliasLines(std::string_view text, std::string& badLine);

// The names mapped to teams by hand for one league, kept in the settings file in a section of their own
// ("Team names LEAGUE.div", after the league's file name) rather than in the league file.
TeamAliases RememberedAliases(const IniFile& settings, std::string_view leagueFileName);
// Adds the aliases to the league's section, each replacing an earlier alias of that name. A name holding
// "=" or a line end cannot be a settings key and is not kept.
void RememberAliases(IniFile& settings, std::string_view leagueFileName, const TeamAliases& aliases);

} // namespace vantorel

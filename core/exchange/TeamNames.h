#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "store/Division.h"

namespace vantorel {

// Names a results file uses for the league's teams: the file's name and the team's name as the league
// stores it ("Wolves" = "Wolverhampton Wanderers").
using TeamAliases = std::map<std::string, std::string>;

// Which league team each name of a file stands for.
struct TeamNameMatches {
    std::map<std::string, int> teams;   // each name that was found, with its team (1..TeamCount)
    std::vector<std::string> unmatched; // the names no team was found for, each once, in the order given
};

// Finds the league team of each name. A name is matched exactly first, then by an alias (whose team is the
// league's of that name exactly, or the only one whose name the rules below read as the same words), then
// by rules that cannot mistake one team for another: the names are compared without regard to case (that of
// the accented capitals of the league file's character set too; their accents count) and punctuation, with
// "&" read as "and", "Utd" as "United", "Man" as "Manchester", and "FC" and "AFC" left out; failing that, a
// name that is the leading words of exactly one team's name (or whose leading words are the team's whole
// name) is that team. A rule that fits two teams matches neither, and a team that two names would share by a
// rule goes to neither of them: a wrong match is worse than none.
TeamNameMatches MatchTeamNames(const Division& division, const std::vector<std::string>& names,
                               const TeamAliases& aliases);

// The team whose name is nearest to the name (fewest letters to change, compared as the rules compare).
int ClosestTeam(const Division& division, std::string_view name);

// The refusal of a file with unmatched names: each name with the closest team.
std::string UnmatchedNamesMessage(const Division& division, const std::vector<std::string>& unmatched);

} // namespace vantorel

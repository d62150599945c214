#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/MatchDays.h"
#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// The answers the new-league wizard collects.
struct NewLeagueAnswers {
    std::string tableName;              // UTF-8; the first 30 characters are kept
    std::vector<std::string> teamNames; // UTF-8, in any order; 4..24 names
    int winPoints = 3;                  // 2 or 3
    int playTimes = 2;                  // how often each pair meets: 1, 2 or 4
    int ownTeam = 0;                    // position in the alphabetical team list, 0 = none
    int promoteCount = 0;               // 0..4
    int relegateCount = 0;              // 0..4
    int teamSize = 11;                  // 5..11
    int subsCount = 3;                  // 0..5
    // When given, the fixtures are laid on match days (RoundRobinDays), dated and numbered day by day;
    // otherwise they are undated, in the order of the pairings.
    std::optional<MatchDayPlan> matchDays;
};

inline constexpr const char* kNoTableNameMessage = "You must enter a name for this table";
inline constexpr const char* kDuplicateTeamsMessage = "Duplicate team names entered, please correct";
inline constexpr const char* kMissingTeamsMessage = "You have not yet added all the team names";

// The wizard's check of its first step: the table needs a name.
Status CheckTableName(const std::string& tableName);

// The wizard's check of its second step: exactly the wanted number of names, no two exactly equal (names
// differing in letter case are different teams).
Status CheckTeamNames(const std::vector<std::string>& names, int wantedTeams);

// The text telling how many names are still missing (negative after the team count was lowered).
std::string RemainingTeamsText(int missing);

// The team names in the order the league stores them: alphabetical without regard to case.
std::vector<std::string> SortedTeamNames(std::vector<std::string> names);

// Builds the header, the teams (alphabetical) and every fixture of a new league into the Division, which is
// replaced whole. Refused, leaving the Division as it was, when the wizard's checks fail, an answer is out of
// range or a name cannot be stored in a league file.
Status BuildNewLeague(const NewLeagueAnswers& answers, Division& division);

} // namespace vantorel

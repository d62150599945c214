#include "exchange/MatchDetailImport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "exchange/CsvFields.h"
#include "players/GoalScorers.h"
#include "players/Squads.h"
#include "results/ResultEntry.h"
#include "store/Names.h"

namespace vantorel {
namespace {

// A team of the league (not "Transferred-Out"), or 0.
int LeagueTeam(const Division& division, const std::string& name) {
    const int team = division.FindTeam(name);
    return team <= division.Header().TeamCount ? team : 0;
}

// A field that must be 0 or 1.
std::optional<bool> Mark(const std::string& field) {
    if (field == "0" || field == "1")
        return field == "1";
    return std::nullopt;
}

// A field holding a whole number from 0 to most.
std::optional<int> Count(const std::string& field, int most) {
    const auto value = FieldInteger(field);
    if (!value || *value < 0 || *value > most)
        return std::nullopt;
    return value;
}

std::optional<double> MatchDay(const std::string& field, const DateFormat& dateFormat) {
    if (field.empty())
        return 0.0;
    return dateFormat.Parse(field);
}

// The first fixture of home against away on the day (its time of day ignored); 0 if none.
int FindMatch(const Division& division, int home, int away, double day, bool mustBePlayed) {
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.HomeTeam == home && match.AwayTeam == away && std::floor(match.MatchDate) == day &&
            (match.Played || !mustBePlayed))
            return r;
    }
    return 0;
}

// The match a line names by its home, away and date fields, or 0.
int NamedMatch(const Division& division, const std::string& homeName, const std::string& awayName,
               const std::string& dateField, const DateFormat& dateFormat, bool mustBePlayed) {
    const int home = LeagueTeam(division, homeName);
    const int away = LeagueTeam(division, awayName);
    const auto day = MatchDay(dateField, dateFormat);
    if (home == 0 || away == 0 || home == away || !day)
        return 0;
    return FindMatch(division, home, away, *day, mustBePlayed);
}

// The player of that name, or else the one player whose name has the name's full stops as commas.
int ScorerNamed(const Division& division, const std::string& name) {
    if (const int player = division.FindPlayer(name))
        return player;
    if (name.find('.') == std::string::npos)
        return 0;
    for (int p = 1; p <= division.Header().PlayerCount; ++p) {
        std::string exported = PlayerName(division, p);
        std::replace(exported.begin(), exported.end(), ',', '.');
        if (exported == name)
            return p;
    }
    return 0;
}

} // namespace

bool ImportScorer(Division& division, const std::vector<std::string>& fields, int count,
                  const DateFormat& dateFormat) {
    if (count != 8)
        return false;
    const int player = ScorerNamed(division, fields[0]);
    const int teamFor = LeagueTeam(division, fields[1]);
    const int result = NamedMatch(division, fields[2], fields[3], fields[4], dateFormat, true);
    const auto minute = Count(fields[5], kLatestGoalTime);
    const auto penalty = Mark(fields[6]);
    const auto ownGoal = Mark(fields[7]);
    if (player == 0 || teamFor == 0 || result == 0 || !minute || !penalty || !ownGoal)
        return false;
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Result == result && goal.Team == teamFor && goal.Player == 0)
            return SetGoalDetails(division, g, {player, *minute, *ownGoal, *penalty}).ok();
    }
    return false;
}

bool ImportSquadLine(Division& division, const std::vector<std::string>& fields, int count,
                     const DateFormat& dateFormat) {
    if (count != kSquadLineFields)
        return false;
    const int result = NamedMatch(division, fields[1], fields[2], fields[0], dateFormat, false);
    const int team = LeagueTeam(division, fields[3]);
    const auto line = Count(fields[4], kSquadLines);
    const int player = division.FindPlayer(fields[5]);
    const auto timeOn = Count(fields[6], UINT8_MAX);
    const auto timeOff = Count(fields[7], UINT8_MAX);
    const auto yellow1 = Mark(fields[8]);
    const auto yellow2 = Mark(fields[9]);
    const auto red = Mark(fields[10]);
    if (result == 0 || team == 0 || !line || *line == 0 || player == 0 || !timeOn || !timeOff || !yellow1 ||
        !yellow2 || !red)
        return false;
    const ResultRecord& match = division.Results[result];
    if (team != match.HomeTeam && team != match.AwayTeam)
        return false;
    const int side = team == match.HomeTeam ? 0 : 1;
    const int link = side == 0 ? match.HomeSquad : match.AwaySquad;
    SquadLines lines = link != 0 ? division.Squads[link].Entries : SquadLines{};
    if (lines[static_cast<std::size_t>(*line - 1)].Player != 0)
        return false;
    lines[static_cast<std::size_t>(*line - 1)] = {static_cast<std::uint16_t>(player),
                                                  static_cast<std::uint8_t>(*timeOn),
                                                  static_cast<std::uint8_t>(*timeOff),
                                                  *yellow1,
                                                  *yellow2,
                                                  *red};
    return SaveSquad(division, result, side, lines).ok();
}

bool ImportFixtureDate(Division& division, const std::vector<std::string>& fields, int count,
                       const DateFormat& dateFormat) {
    if (count != 3)
        return false;
    const int home = LeagueTeam(division, fields[1]);
    const int away = LeagueTeam(division, fields[2]);
    const auto day = dateFormat.Parse(fields[0]);
    if (home == 0 || away == 0 || home == away || !day)
        return false;
    int undated = 0;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.HomeTeam != home || match.AwayTeam != away || match.Played)
            continue;
        if (match.MatchDate == *day)
            return false; // already there
        if (match.MatchDate == 0 && undated == 0)
            undated = r;
    }
    if (undated == 0)
        return false;
    ChangeResultDate(division, undated, *day);
    return true;
}

} // namespace vantorel

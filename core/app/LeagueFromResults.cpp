#include "app/LeagueFromResults.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "exchange/CsvHeadings.h"
#include "exchange/CsvImport.h"
#include "exchange/DateLayout.h"
#include "exchange/MatchDetailImport.h"
#include "exchange/ResultsFile.h"
#include "store/DivisionWriter.h"

namespace vantorel {
namespace {

constexpr int kFewestTeams = 4;
constexpr int kMostTeams = 24;

// Reads the results of a file one by one: the first line may name the columns, blank lines of a file with
// named columns are passed over.
class SeasonLines {
public:
    explicit SeasonLines(LineSource& source) : source_(source) { source_.Rewind(); }

    // The next result line; false at the end. A line that is not a result sets bad.
    bool Next(ResultFields& fields, bool& bad) {
        std::string line;
        while (source_.NextLine(line)) {
            ++number_;
            if (first_ && !line.empty()) {
                first_ = false;
                // The heading of an exported results section is not a result either.
                if ((columns_ = FindResultsColumns(line)) || line == kResultsHeading)
                    continue;
            }
            const ResultLineShape shape =
                columns_ ? ReadNamedResult(line, *columns_, fields) : ReadPlainResult(line, fields);
            if (shape == ResultLineShape::Blank || (!columns_ && line.empty()))
                continue;
            bad = shape == ResultLineShape::Bad || fields.home.empty() || fields.away.empty() ||
                  fields.home == fields.away;
            line_ = line;
            return true;
        }
        return false;
    }
    bool named() const { return columns_.has_value(); }
    std::string Where() const { return "Line " + std::to_string(number_) + " (\"" + line_ + "\")"; }

private:
    LineSource& source_;
    std::optional<ResultsColumns> columns_;
    bool first_ = true;
    int number_ = 0;
    std::string line_;
};

// A match still to play: the file lists it without a score.
bool NotPlayedYet(const ResultFields& fields) {
    return fields.homeGoals.empty() && fields.awayGoals.empty();
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// How often each pair may meet at one ground: once for teams meeting once or twice, twice for four times.
int MostAtOneGround(int playTimes) {
    return playTimes == 4 ? 2 : 1;
}

Status CheckMeetings(const std::map<std::pair<std::string, std::string>, int>& meetings,
                     const std::vector<std::string>& sorted, std::optional<int> given, int& playTimes) {
    auto position = [&](const std::string& name) {
        return std::find(sorted.begin(), sorted.end(), name) - sorted.begin();
    };
    int mostAtOneGround = 0;
    bool earlierAlwaysAtHome = true;
    for (const auto& [pair, count] : meetings) {
        mostAtOneGround = std::max(mostAtOneGround, count);
        if (position(pair.first) > position(pair.second) || meetings.count({pair.second, pair.first}))
            earlierAlwaysAtHome = false;
    }
    if (given)
        playTimes = *given;
    else
        playTimes = mostAtOneGround <= 1 && earlierAlwaysAtHome ? 1 : mostAtOneGround <= 1 ? 2 : 4;
    if (playTimes == 1 && !earlierAlwaysAtHome)
        return Status::Error(
            "Teams that meet once play at the ground of the team first in alphabetical order, "
            "and this file has other matches (or pairs that meet twice).");
    for (const auto& [pair, count] : meetings)
        if (count > MostAtOneGround(playTimes))
            return Status::Error(Quoted(pair.first) + " play " + Quoted(pair.second) + " at home " +
                                 std::to_string(count) + " times; in a league whose teams meet " +
                                 (playTimes == 4 ? "four times" : "twice") + " that is at most " +
                                 std::to_string(MostAtOneGround(playTimes)) + ".");
    return Status::Ok();
}

} // namespace

Status SurveySeason(LineSource& source, const SeasonReading& reading, ResultsSeason& season) {
    SeasonLines lines(source);
    DateSurvey dates(reading.dateFormat);
    std::vector<std::string> names;
    std::map<std::pair<std::string, std::string>, int> meetings;
    struct Played {
        ResultFields fields;
        std::string where;
    };
    std::vector<Played> played;
    ResultFields fields;
    int results = 0;
    for (bool bad = false; lines.Next(fields, bad);) {
        if (bad)
            return Status::Error(lines.Where() + " is not a result: date, home team, away team, home goals, "
                                                 "away goals.");
        // No league holds more results: a file with more is refused for its meetings, and a large file is
        // never kept whole in memory.
        if (!NotPlayedYet(fields) && ++results <= kMaxResults)
            played.push_back({fields, lines.Where()});
        dates.Add(fields.date);
        for (const std::string* name : {&fields.home, &fields.away})
            if (std::find(names.begin(), names.end(), *name) == names.end()) {
                if (static_cast<int>(names.size()) == kMostTeams)
                    return Status::Error("The file has more than 24 teams; a league has 4 to 24.");
                names.push_back(*name);
            }
        ++meetings[{fields.home, fields.away}];
    }
    if (static_cast<int>(names.size()) < kFewestTeams)
        return Status::Error("The file has " + std::to_string(names.size()) +
                             " teams; a league has 4 to 24.");
    ResultsSeason found;
    found.teamNames = SortedTeamNames(names);
    found.results = results;
    if (auto status = dates.Decide(reading.formatGiven, found.dateFormat); !status)
        return status;
    // Two meetings at one ground are never played on one day: such a line is a match listed twice, and not a
    // sign of more meetings. Compared by the day the dates name, however they are written.
    std::set<std::tuple<std::string, std::string, double>> days;
    for (const auto& [match, where] : played)
        if (const auto day = found.dateFormat.Parse(match.date);
            day && !days.insert({match.home, match.away, *day}).second)
            return Status::Error(where + " is the match of " + Quoted(match.home) + " at home to " +
                                 Quoted(match.away) + " on " + match.date + " again.");
    if (auto status = CheckMeetings(meetings, found.teamNames, reading.playTimes, found.playTimes); !status)
        return status;
    season = std::move(found);
    return Status::Ok();
}

Status BuildLeagueFromResults(NewLeagueAnswers answers, LineSource& source, const SeasonReading& reading,
                              Division& division) {
    ResultsSeason season;
    if (auto status = SurveySeason(source, reading, season); !status)
        return status;
    answers.teamNames = season.teamNames;
    answers.playTimes = season.playTimes;
    auto built = std::make_unique<Division>();
    if (auto status = BuildNewLeague(answers, *built); !status)
        return status;
    auto team = [&](const std::string& name) {
        const auto at = std::find(season.teamNames.begin(), season.teamNames.end(), name);
        return static_cast<int>(at - season.teamNames.begin()) + 1;
    };
    SeasonLines lines(source);
    ResultFields fields;
    for (bool bad = false; lines.Next(fields, bad);) {
        std::string fullReason;
        if (NotPlayedYet(fields))
            continue;
        if (!ImportResultFields(*built, fields, team(fields.home), team(fields.away), season.dateFormat,
                                &fullReason))
            return Status::Error(
                lines.Where() + " could not be entered" +
                (fullReason.empty() ? ": its date, score or attendance is not valid." : ": " + fullReason));
    }
    // The matches still to play date their open fixtures, once the results have taken theirs; one without a
    // date that can be read stays undated.
    SeasonLines toPlay(source);
    for (bool bad = false; toPlay.Next(fields, bad);)
        if (NotPlayedYet(fields))
            (void)ImportFixtureDate(*built, {fields.date, fields.home, fields.away}, 3, season.dateFormat);
    DivisionWriter(division).Replace(std::move(*built));
    return Status::Ok();
}

} // namespace vantorel

#include "outlook/OutlookTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Matches(int count) {
    return std::to_string(count) + (count == 1 ? " match" : " matches");
}

// "A", "A and B", "A, B and C".
std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

const Witness& WitnessOf(const Outlook& outlook, int team, bool best) {
    const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
    return best ? range.bestWitness : range.worstWitness;
}

} // namespace

std::string PercentText(double chance) {
    if (chance < 0)
        return "";
    return OneDecimal(chance * 100);
}

std::string Ordinal(int position) {
    const int lastTwo = position % 100, last = position % 10;
    const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                         : last == 1                    ? "st"
                         : last == 2                    ? "nd"
                         : last == 3                    ? "rd"
                                                        : "th";
    return std::to_string(position) + suffix;
}

std::vector<std::string> OutlookHeadings(const Division& division) {
    std::vector<std::string> headings{"Pos", "Team", "Pts", "PP", "Best", "Worst", "xPts", "Status"};
    for (const ZoneSpan& zone : LeagueZones(division.Header()))
        headings.push_back(zone.heading);
    for (int p = 1; p <= division.Header().TeamCount; ++p)
        headings.push_back(std::to_string(p));
    return headings;
}

std::vector<std::string> OutlookRow(const Division& division, const Outlook& outlook, int position) {
    const int team = outlook.start.table.TableOrder[position];
    const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
    std::vector<std::string> row{std::to_string(position),
                                 TeamName(division, team),
                                 std::to_string(outlook.start.points(team)),
                                 std::to_string(outlook.start.possiblePoints(team)),
                                 std::to_string(range.best),
                                 std::to_string(range.worst),
                                 outlook.simulated() ? OneDecimal(outlook.tally.ExpectedPoints(team)) : "",
                                 TeamStatus(division.Header(), range, outlook.start.teamCount)};
    for (const ZoneSpan& zone : LeagueZones(division.Header()))
        row.push_back(PercentText(ZoneChance(outlook, team, zone)));
    for (int p = 1; p <= outlook.start.teamCount; ++p)
        row.push_back(PercentText(PositionChance(outlook, team, p)));
    return row;
}

std::vector<std::string> OutlookCsvHeadings(const Division& division) {
    std::vector<std::string> headings{"Pos", "Team", "Pts", "Best", "Worst"};
    for (const ZoneSpan& zone : LeagueZones(division.Header()))
        headings.push_back(zone.heading);
    for (int p = 1; p <= division.Header().TeamCount; ++p)
        headings.push_back("P" + std::to_string(p));
    return headings;
}

std::vector<std::string> OutlookCsvRow(const Division& division, const Outlook& outlook, int position) {
    std::vector<std::string> row = OutlookRow(division, outlook, position);
    // Drop PP, xPts and Status: the comma-separated layout has only the figures scripts read.
    row.erase(row.begin() + 6, row.begin() + 8);
    row.erase(row.begin() + 3);
    return row;
}

std::vector<std::string> MatchForecastHeadings() {
    return {"Date", "Home", "Away", "PHome", "PDraw", "PAway", "Score"};
}

std::vector<std::vector<std::string>> MatchForecastRows(const Division& division, const Outlook& outlook,
                                                        const DateFormat& dateFormat) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < outlook.start.open.size(); ++i) {
        const OpenFixture& fixture = outlook.start.open[i];
        const FixtureForecast& forecast = outlook.forecasts[i];
        rows.push_back(
            {fixture.date > 0 ? dateFormat.Format(fixture.date) : "", TeamName(division, fixture.home),
             TeamName(division, fixture.away), PercentText(forecast.homeWin), PercentText(forecast.draw),
             PercentText(forecast.awayWin),
             std::to_string(forecast.likelyScore.first) + "-" + std::to_string(forecast.likelyScore.second)});
    }
    return rows;
}

std::string WitnessSentence(const Division& division, const Outlook& outlook, int team, bool best) {
    const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
    const std::vector<int> points = FinalPoints(outlook.start, WitnessOf(outlook, team, best));
    const int own = points[static_cast<std::size_t>(team)];
    std::vector<std::string> counted;
    for (int t = 1; t <= outlook.start.teamCount; ++t) {
        const int theirs = points[static_cast<std::size_t>(t)];
        if (t != team && (theirs > own || (!best && theirs == own)))
            counted.push_back(TeamName(division, t));
    }
    const int left = outlook.start.gamesLeft[team];
    const std::string name = TeamName(division, team);
    const std::string pointsText = std::to_string(own) + (own == 1 ? " point" : " points");
    std::string sentence;
    if (best) {
        sentence = name + " can still finish " + Ordinal(range.best) + ": ";
        sentence += left == 0 ? "with no matches left they have " + pointsText
                              : "they win " +
                                    std::string(left == 1 ? "their remaining match"
                                                          : "all " + Matches(left) + " they have left") +
                                    " for " + pointsText;
        sentence += counted.empty()
                        ? ", and the other results can leave no team above them."
                        : ", and the other results can leave only " + NameList(counted) + " above them.";
    } else {
        sentence = name + " can still finish as low as " + Ordinal(range.worst) + ": ";
        sentence += left == 0 ? "with no matches left they have " + pointsText
                              : "they lose " +
                                    std::string(left == 1 ? "their remaining match"
                                                          : "all " + Matches(left) + " they have left") +
                                    " and stay on " + pointsText;
        sentence += counted.empty() ? ", and no other team can reach them."
                                    : ", and the other results can bring " + NameList(counted) +
                                          " level with them or above.";
    }
    return sentence;
}

std::vector<std::vector<std::string>> WitnessResults(const Division& division, const Outlook& outlook,
                                                     int team, bool best, const DateFormat& dateFormat) {
    const Witness& witness = WitnessOf(outlook, team, best);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < outlook.start.open.size(); ++i) {
        const OpenFixture& fixture = outlook.start.open[i];
        const char* score = witness[i] == Outcome::HomeWin ? "1-0"
                            : witness[i] == Outcome::Draw  ? "0-0"
                                                           : "0-1";
        rows.push_back({fixture.date > 0 ? dateFormat.Format(fixture.date) : "",
                        TeamName(division, fixture.home), TeamName(division, fixture.away), score});
    }
    return rows;
}

} // namespace vantorel

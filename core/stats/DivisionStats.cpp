#include "stats/DivisionStats.h"

#include <algorithm>

#include "store/Names.h"

namespace vantorel {
namespace {

// Below this score a side's games are listed only when that is the season's highest score.
constexpr int kListedScore = 4;
constexpr std::size_t kMaxRestCharacters = 100;

std::string ScoreLineText(const Division& division, const ResultRecord& match, const DateFormat& dateFormat) {
    return dateFormat.Format(match.MatchDate) + "   " + std::to_string(match.HomeGoals) + "-" +
           std::to_string(match.AwayGoals) + " " + TeamName(division, match.HomeTeam) + " v " +
           TeamName(division, match.AwayTeam);
}

// Fills a list in passes from the highest score down: each level lists the games with that score in
// fixture order; levels below 4 are listed only when they are the highest.
std::vector<StatsLine> HighScoreList(const Division& division, const std::vector<int>& played, int maxScore,
                                     bool home, const DateFormat& dateFormat) {
    std::vector<StatsLine> lines;
    for (int level = maxScore; level >= 0 && (level == maxScore || level >= kListedScore); --level)
        for (int r : played) {
            const ResultRecord& match = division.Results[r];
            if ((home ? match.HomeGoals : match.AwayGoals) == level)
                lines.push_back({ScoreLineText(division, match, dateFormat), r});
        }
    return lines;
}

// Cuts a UTF-8 text to at most a number of characters.
std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < count; ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return std::string(text.substr(0, at));
}

} // namespace

std::string GoalsAverage(int goals, int games, char decimalSeparator) {
    if (games <= 0)
        return {};
    const long long hundredths = (200LL * goals + games) / (2LL * games);
    const long long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + decimalSeparator + (fraction < 10 ? "0" : "") +
           std::to_string(fraction);
}

DivisionStatistics DivisionStats(const Division& division, const DateFormat& dateFormat,
                                 char decimalSeparator) {
    int cleanSheets = 0, maxHome = -1, maxAway = -1, mostGoals = 0, games = 0, homeGoals = 0, awayGoals = 0;
    int homeWins = 0, awayWins = 0, scoreDraws = 0, noScoreDraws = 0;
    std::vector<int> played;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played)
            continue;
        played.push_back(r);
        const int h = match.HomeGoals, a = match.AwayGoals;
        cleanSheets += (h == 0) + (a == 0);
        maxHome = std::max(maxHome, h);
        maxAway = std::max(maxAway, a);
        mostGoals = std::max(mostGoals, h + a);
        ++games;
        homeGoals += h;
        awayGoals += a;
        if (h > a)
            ++homeWins;
        else if (h < a)
            ++awayWins;
        else if (h > 0)
            ++scoreDraws;
        else
            ++noScoreDraws;
    }

    DivisionStatistics stats;
    stats.HighHome = HighScoreList(division, played, maxHome, true, dateFormat);
    stats.HighAway = HighScoreList(division, played, maxAway, false, dateFormat);
    auto figure = [&](const char* group, const char* caption, std::string value) {
        stats.figures.push_back({group, caption, std::move(value)});
    };
    using std::to_string;
    figure("Goals", "Home:", to_string(homeGoals));
    figure("Goals", "Away:", to_string(awayGoals));
    figure("Goals", "Total:", to_string(homeGoals + awayGoals));
    figure("Goals", "Ave/Game:", GoalsAverage(homeGoals + awayGoals, games, decimalSeparator));
    figure("Goals", "Most in a match:", to_string(mostGoals));
    figure("Goals", "Clean Sheets:", to_string(cleanSheets));
    figure("Results", "Games:", to_string(games));
    figure("Results", "Home Wins:", to_string(homeWins));
    figure("Results", "Away Wins:", to_string(awayWins));
    figure("Results", "Draws:", to_string(scoreDraws + noScoreDraws));
    figure("Results", "Score:", to_string(scoreDraws));
    figure("Results", "No Score:", to_string(noScoreDraws));
    return stats;
}

OwnTeamPieces SplitAtOwnTeam(std::string_view line, std::string_view ownTeamName) {
    const std::size_t at = ownTeamName.empty() ? std::string_view::npos : line.find(ownTeamName);
    if (at == std::string_view::npos)
        return {std::string(line), {}, {}};
    return {std::string(line.substr(0, at)), std::string(ownTeamName),
            FirstCharacters(line.substr(at + ownTeamName.size()), kMaxRestCharacters)};
}

} // namespace vantorel

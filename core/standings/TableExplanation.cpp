#include "standings/TableExplanation.h"

#include <cctype>

#include "standings/SortRules.h"
#include "store/Names.h"

namespace vantorel {
namespace {

std::string Count(int figure, const char* one, const char* many) {
    return std::to_string(figure) + " " + (figure == 1 || figure == -1 ? one : many);
}

// What two teams level on a rule share: "76 points", "a goal difference of 12".
std::string LevelOn(char rule, int figure) {
    switch (rule) {
    case '1':
        return Count(figure, "point", "points");
    case '2':
        return "a goal difference of " + std::to_string(figure);
    case '3':
        return Count(figure, "goal scored", "goals scored");
    case '5':
        return Count(figure, "possible point", "possible points");
    case '6':
        return Count(figure, "head-to-head point", "head-to-head points");
    case '7':
        return "a head-to-head goal difference of " + std::to_string(figure);
    case '8':
        return Count(figure, "head-to-head goal", "head-to-head goals");
    case '9':
        return Count(figure, "head-to-head away goal", "head-to-head away goals");
    case 'A':
        return Count(figure, "game won", "games won");
    default: // 'B'
        return Count(figure, "away goal", "away goals");
    }
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// How the rule that separated them reads: "ahead on head-to-head points: 4 to 1".
std::string AheadOn(const TieBreak& tieBreak) {
    if (tieBreak.rule == 0)
        return "level on every sort rule, so in team order";
    if (tieBreak.rule == '4')
        return "placed by team name";
    std::string text = "ahead on " + LowerCase(RuleName(tieBreak.rule));
    if (IsHeadToHeadRule(tieBreak.rule) && tieBreak.miniLeagueTeams > 2)
        text += " among " + std::to_string(tieBreak.miniLeagueTeams) + " teams";
    text += ": " + std::to_string(tieBreak.above) + " to " + std::to_string(tieBreak.below);
    if (tieBreak.headToHeadWaiting)
        text += " (head-to-head waits until they have met in every match)";
    return text;
}

} // namespace

std::string ExplainTieBreak(const LeagueTable& table, int position) {
    if (position < 2 || position > table.TeamCount)
        return {};
    const TieBreak& tieBreak = table.TieBreaks[position];
    if (!tieBreak.levelOnFirstRule)
        return {};
    return "Level on " + LevelOn(table.FirstRule, tieBreak.level) + "; " + AheadOn(tieBreak);
}

std::string ExplainPosition(const Division& division, const LeagueTable& table, int position) {
    const std::string why = ExplainTieBreak(table, position);
    if (why.empty())
        return {};
    auto name = [&](int p) { return TeamName(division, table.TableOrder[p]); };
    return name(position - 1) + " above " + name(position) + ": " + why;
}

} // namespace vantorel

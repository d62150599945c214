// The commands about one match: a goal's scorer, a side's squad and the match report.

#include <memory>
#include <ostream>
#include <sstream>

#include "CommandSupport.h"
#include "Commands.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "players/Squads.h"
#include "results/ResultDetails.h"
#include "results/ResultEntry.h"
#include "store/TextLines.h"

namespace vantorel::cli {
namespace {

// 0 for --for/--side home, 1 for away.
int SideOption(Arguments& args, const std::string& option) {
    const auto side = args.value(option);
    if (side == "home")
        return 0;
    if (side == "away")
        return 1;
    throw UsageError("missing " + option + " home|away");
}

// The name of one "NAME[:ON[:OFF[:CARDS]]]" of the --players list.
std::vector<std::string> SquadMemberFields(const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream in(text);
    for (std::string field; std::getline(in, field, ':');)
        fields.push_back(field);
    if (fields.empty() || fields.size() > 4 || Trimmed(fields[0]).empty())
        throw UsageError("'" + text + "' is not NAME[:ON[:OFF[:CARDS]]]");
    fields[0] = std::string(Trimmed(fields[0]));
    return fields;
}

// The line as placed, with the times and cards the fields give; an empty time keeps the placed one.
SquadEntry ApplySquadFields(SquadEntry line, const std::vector<std::string>& fields) {
    if (fields.size() > 1 && !fields[1].empty())
        line.TimeOn = static_cast<std::uint8_t>(ParseNumber(fields[1], 0, kLatestSquadMinute, "ON"));
    if (fields.size() > 2 && !fields[2].empty())
        line.TimeOff = static_cast<std::uint8_t>(ParseNumber(fields[2], 0, kLatestSquadMinute, "OFF"));
    for (char card : fields.size() > 3 ? fields[3] : std::string()) {
        if (card == 'Y')
            line.Yellow1 = true;
        else if (card == '2')
            SetSecondYellow(line, true);
        else if (card == 'R')
            line.Red = true;
        else
            throw UsageError("cards are Y (first yellow), 2 (second yellow) and R (red), not '" +
                             std::string(1, card) + "'");
    }
    return line;
}

} // namespace

int ScorerCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {"--none", "--own-goal", "--penalty"});
    const std::string path = args.positional("league file");
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const int result = PickMatch(args, *division, true);
    const int side = SideOption(args, "--for");
    const auto number = args.number("--goal", 1, kMaxGoalsInAMatch);
    const auto playerName = args.value("--player");
    const bool none = args.flag("--none");
    const auto minute = args.number("--minute", 0, kLatestGoalTime);
    const bool ownGoal = args.flag("--own-goal");
    const bool penalty = args.flag("--penalty");
    args.finish();
    if (!number)
        throw UsageError("missing --goal K");
    if (none == playerName.has_value())
        throw UsageError("give either --player NAME or --none");

    const ResultRecord& match = division->Results[result];
    const int team = side == 0 ? match.HomeTeam : match.AwayTeam;
    const std::vector<int> goals = GoalsOfSide(*division, result, team);
    if (*number > static_cast<int>(goals.size()))
        throw UsageError(TeamName(*division, team) + " has " + std::to_string(goals.size()) +
                         " goals in this match");
    const int goal = goals[static_cast<std::size_t>(*number - 1)];
    GoalDetails details{0, minute.value_or(division->Goals[goal].GoalTime), ownGoal, penalty};
    if (playerName)
        details.player = PlayerByName(*division, *playerName);
    if (auto status = SetGoalDetails(*division, goal, details); !status)
        throw UsageError(status.message());
    SaveLeague(path, *division);
    out << GoalText(*division, goal, *number) << ": "
        << (details.player ? PlayerName(*division, details.player) : std::string("no scorer")) << "\n";
    return 0;
}

int SquadCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const int result = PickMatch(args, *division, true);
    const int side = SideOption(args, "--side");
    const auto players = args.value("--players");
    args.finish();
    if (!players)
        throw UsageError("missing --players \"NAME[:ON[:OFF[:CARDS]]];...\"");

    SquadEditor editor(*division, result);
    while (editor.Lines(side)[0].Player != 0)
        (void)editor.Remove(side, 1);
    std::stringstream in(*players);
    int line = 0;
    for (std::string text; std::getline(in, text, ';');) {
        if (Trimmed(text).empty())
            continue;
        const std::vector<std::string> fields = SquadMemberFields(text);
        const std::string& name = fields[0];
        // An unknown name is refused here: Add passes over it.
        (void)PlayerByName(*division, name);
        if (!editor.Add(side, name))
            throw UsageError(SquadRoomMessage(*division));
        ++line;
        const SquadEntry& placed = editor.Lines(side)[static_cast<std::size_t>(line - 1)];
        (void)editor.Update(side, line, ApplySquadFields(placed, fields));
    }
    if (auto status = editor.Save(*division); !status)
        throw UsageError(status.message());
    SaveLeague(path, *division);
    out << "Squad of " << TeamName(*division, editor.Team(side)) << ": " << line << " players\n";
    return 0;
}

int ReportCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const DateFormat dates = DateFormatOption(args);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const int result = PickMatch(args, *division, true);
    args.finish();
    const MatchReport report = BuildMatchReport(*division, result, dates);
    out << report.caption << "\n" << report.home << " " << report.score << " " << report.away << "\n";
    for (const std::string& line : {report.halfTime, report.attendance})
        if (!line.empty())
            out << line << "\n";
    const std::pair<const std::string*, const std::vector<std::string>*> sides[] = {
        {&report.home, &report.homeLines}, {&report.away, &report.awayLines}};
    for (const auto& [team, lines] : sides) {
        out << *team << ":\n";
        for (const std::string& line : *lines)
            out << "  " << line << "\n";
    }
    return 0;
}

} // namespace vantorel::cli

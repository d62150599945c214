// The commands of vantorel-cli. A new command is one entry here (its --help text and its manual page
// section are made from it) and one in the command table of cli/main.cpp.

#include "cmdline/Usage.h"

namespace vantorel::cmdline {

const ProgramUsage& CliUsage() {
    static const ProgramUsage usage{
        "vantorel-cli",
        "COMMAND FILE.div ...",
        {
            {"new",
             "create a league with its whole fixture list",
             {"new FILE.div --name NAME --teams TEAMS.txt [--win-points 2|3] [--meet 1|2|4] [--own-team "
              "NAME] "
              "[--promote N] [--relegate N] [--team-size N] [--subs N]"},
             "Creates a league with every fixture of its season. TEAMS.txt holds one team name per line."},
            {"import",
             "enter results, players, scorers or squads from comma-separated text",
             {"import FILE.div results|players|scorers|squads|all DATA.csv [--date-format PATTERN]"},
             "Results: date,home,away,home goals,away goals[,attendance]. Players: name,team. "
             "Scorers: player,team for,home,away,date,minute,penalty,own goal. "
             "Squads: date,home,away,team,line,player,time on,time off,yellow,second yellow,red. "
             "All: a file written by export all, read section by section, players before scorers.\n"
             "The league is saved when something was imported; exits 2 when lines were read but none could "
             "be "
             "imported."},
            {"export",
             "write the table, results, fixtures, grid, scorers, players or squads as comma-separated text",
             {"export FILE.div table|results|fixtures|grid|scorers|players|squads|all [--from DATE] [--to "
              "DATE] "
              "[TABLE OPTIONS] [--date-format PATTERN]"},
             "Writes comma-separated text (UTF-8, CR LF line ends) to standard output."},
            {"table",
             "print the league table",
             {"table FILE.div [TABLE OPTIONS] [--explain] [--date-format PATTERN]"},
             "Prints the league table with U (promoted) and D (relegated) marks. --explain adds, for each "
             "team "
             "level with the team above on the first sort rule, the rule that put it below."},
            {"stats",
             "print the division or goal statistics, a team's statistics or a player's record",
             {"stats FILE.div division|goals [--date-format PATTERN]",
              "stats FILE.div team NAME [--date-format PATTERN]",
              "stats FILE.div player NAME [--date-format PATTERN]"},
             "Prints a statistics page (each list under its caption, then each figure as group, caption and "
             "value), a team's figures, its games newest first and its players, or a player's goal totals, "
             "cautions and matches newest first."},
            {"result",
             "enter, re-score, re-date or cancel a result",
             {"result FILE.div enter HOME AWAY SCORE [--date DATE] [--attendance N] [--date-format PATTERN]",
              "result FILE.div rescore (HOME AWAY | --match N) SCORE [--attendance N]",
              "result FILE.div redate (HOME AWAY | --match N) DATE [--date-format PATTERN]",
              "result FILE.div cancel (HOME AWAY | --match N)"},
             "SCORE is written H-A. enter fills the first open fixture of the pairing, dated today unless "
             "--date "
             "is given; the others pick the pairing's latest played result, or match number N. A cancelled "
             "result's fixture is open again and keeps its score, date and prediction mark."},
            {"predict",
             "predict an open fixture's score and date, or tick and untick it",
             {"predict FILE.div (HOME AWAY | --match N) [SCORE] [--date DATE] [--untick] [--date-format "
              "PATTERN]"},
             "Predicts the pairing's first open fixture, or match number N: a SCORE (H-A) is stored and "
             "ticks "
             "it, --date dates it, and without a score it is ticked, or unticked with --untick."},
            {"list",
             "print the played results or the open fixtures",
             {"list FILE.div results|open [--sort date|attend|home|away|for|against|predicted] "
              "[--date-format PATTERN]"},
             "Prints the played results (match, date, attendance, home, away, score) or the open fixtures "
             "(match, predicted mark, date, home, away, predicted score), one a line, fields separated by "
             "tabs, "
             "sorted by home team unless --sort says otherwise."},
            {"set",
             "change deductions, points for a win, sort rules, zones and the own team",
             {"set FILE.div [--deduct TEAM=N]... [--win-points 2|3] [--sort-rules CODES] [--promote N] "
              "[--playoff N] [--relegate N] [--own-team NAME|none]"},
             "Changes the league's settings. Sort-rule codes, highest priority first: 1 points, 2 goal "
             "difference, 3 goals scored, 4 team order, 5 possible points, 6 head-to-head points, 7 "
             "head-to-head "
             "goal difference, 8 head-to-head goals scored, 9 head-to-head away goals, A games won, B away "
             "goals "
             "scored; R starts the head-to-head rules again for a smaller tie. At most 8 codes, e.g. 16723."},
            {"info",
             "print the league's settings and counts",
             {"info FILE.div"},
             "Prints the league's settings and counts."},
            {"check",
             "tell whether a league file is valid",
             {"check FILE.div"},
             "Exits 0 when the league file is valid, 1 with every broken rule on a line."},
            {"players",
             "list the players of a team or of all teams",
             {"players FILE.div [--team NAME] [--sort player|team|goals]"},
             "Lists players with their team and goals; --team \"Transferred-Out\" lists those who left."},
            {"player",
             "add, change or delete a player",
             {"player FILE.div add NAME --team TEAM",
              "player FILE.div change NAME [--name NEW] [--team TEAM]", "player FILE.div delete NAME"},
             "Names are unique without regard to letter case. A player with goals or in a squad cannot be "
             "deleted; move him to \"Transferred-Out\" instead."},
            {"scorer",
             "set the scorer, minute and marks of a goal",
             {"scorer FILE.div (HOME AWAY | --match N) --for home|away --goal K (--player NAME | --none) "
              "[--minute M] [--own-goal] [--penalty]"},
             "Sets the K-th goal of that side (in record order). Without --minute the minute is kept; the "
             "marks "
             "are set as given. An own goal's scorer is a player of the other side."},
            {"squad",
             "record the squad of one side of a match",
             {"squad FILE.div (HOME AWAY | --match N) --side home|away --players "
              "\"NAME[:ON[:OFF[:CARDS]]];...\""},
             "Replaces the side's squad. The first TeamSize players start (on 0, off 90), the rest are "
             "substitutes (on 0, off 0) unless ON and OFF are given (an empty one keeps that default). "
             "CARDS: Y first yellow, 2 second yellow (with the first and the red), R red."},
            {"report",
             "print the report of a played match",
             {"report FILE.div (HOME AWAY | --match N) [--date-format PATTERN]"},
             "Prints the match report: date, teams and score, half-time score, attendance and scorers."},
        },
        {
            {0, "The command did what it was asked; check: the league file is valid."},
            {1, "The command failed or was not understood, with the reason on standard error; check: the "
                "league file is not valid, with every broken rule on a line."},
            {2, "import: lines were read but none of them could be imported; the league is unchanged."},
        },
    };
    return usage;
}

} // namespace vantorel::cmdline

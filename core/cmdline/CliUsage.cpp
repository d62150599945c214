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
              "NAME] [--promote N] [--relegate N] [--team-size N] [--subs N] [--schedule FIRST-DATE [--every "
              "DAYS] [--skip DATE]...] [--date-format PATTERN]",
              "new FILE.div --from-results DATA.csv [--name NAME] [--win-points 2|3] [--meet 1|2|4] "
              "[--own-team NAME] [--promote N] [--relegate N] [--team-size N] [--subs N] [--date-format "
              "PATTERN]"},
             "Creates a league with every fixture of its season. TEAMS.txt holds one team name per line. "
             "--schedule lays the fixtures on match days, numbered day by day: the first on FIRST-DATE, then "
             "every DAYS days (7 unless given), passing over each --skip date.\n"
             "--from-results makes the league of a results file, read as import reads it, with every result "
             "entered (a match without a score stays open, on its date): its teams in alphabetical order, "
             "meeting once, "
             "twice or four times as the file shows "
             "unless --meet says so, its dates in the layout the whole file shows unless --date-format is "
             "given. Refused, saying why, for fewer than 4 or more than 24 teams, a match listed twice, a "
             "pair that meets more often than the league allows, a line that is not a result or dates that "
             "cannot be read safely."},
            {"schedule",
             "lay the open fixtures on match days",
             {"schedule FILE.div FIRST-DATE [--every DAYS] [--skip DATE]... [--date-format PATTERN]"},
             "Dates the open fixtures by match days: every team plays at most once a day (one rests each day "
             "when the number of teams is odd), as few teams as a round robin allows play two home or two "
             "away games running, and the second half mirrors the first. Once matches have been played the "
             "rest keep that order, each match day taking every fixture whose teams are both free, so that "
             "the days close up; played results keep their dates and every fixture keeps its home side."},
            {"import",
             "enter results, players, scorers or squads from comma-separated text",
             {"import FILE.div results|players|scorers|squads|all DATA.csv|- [--date-format PATTERN] "
              "[--alias NAME=TEAM]... [--aliases FILE]"},
             "Results: date,home,away,home goals,away goals[,attendance]. Players: name,team. "
             "Scorers: player,team for,home,away,date,minute,penalty,own goal. "
             "Squads: date,home,away,team,line,player,time on,time off,yellow,second yellow,red. "
             "All: a file written by export all, read section by section, players before scorers.\n"
             "A results file whose first line names its columns (Date, HomeTeam or Home, AwayTeam or Away, "
             "FTHG, HG or HomeGoals, FTAG, AG or AwayGoals, and Attendance) is read by those names, every "
             "other "
             "column ignored; its dates (a time of day after one left out) in the layout the whole file "
             "shows unless --date-format is given, "
             "its "
             "team names matched to the league's exactly, by --alias (or the NAME=TEAM lines of --aliases "
             "FILE) and by safe rules (case, punctuation, FC, AFC, & for and, Utd for United, Man for "
             "Manchester, the leading words of one team's name). A name not found is listed with the closest "
             "team and nothing is imported.\n"
             "Dates are read as dd/MM/yyyy unless --date-format is given, with four-digit years and as "
             "yyyy-MM-dd besides. A file whose dates could be read two ways, or have day and month the other "
             "way round from the format, is refused whole (exit 1).\n"
             "DATA.csv - reads standard input; files of any size are read line by line.\n"
             "The league is saved when something was imported; exits 2 when lines were read but none could "
             "be imported."},
            {"export",
             "write the table, results, fixtures, grid, scorers, players or squads as comma-separated text, "
             "the table or a team's summary as a web page, the table as a picture, or a calendar",
             {"export FILE.div table|results|fixtures|grid|scorers|players|squads|all [--from DATE] [--to "
              "DATE] "
              "[TABLE OPTIONS] [--date-format PATTERN]",
              "export FILE.div table --format csv|html|svg|png [TABLE OPTIONS]",
              "export FILE.div calendar [--team NAME]",
              "export FILE.div summary --team NAME [--date-format PATTERN]"},
             "Writes comma-separated text (UTF-8, CR LF line ends) to standard output, dates in dd/MM/yyyy "
             "or the --date-format pattern with the year widened to four digits. --format html writes "
             "the table as a standalone HTML5 page (a captioned table with the zone and own-team colours, no "
             "scripts), svg as a picture drawn like the printout; PNG pictures are drawn by the desktop "
             "program: vantorel --print table FILE.div --png OUT.png. calendar writes the dated fixtures, "
             "all "
             "or one team's, as an iCalendar file: one all-day event a fixture, \"Arsenal v Chelsea\" or "
             "\"Arsenal 2-1 Chelsea\" once played, each with a UID that a later export keeps. summary writes "
             "a team's figures, games and players as a web page."},
            {"table",
             "print the league table",
             {"table FILE.div [TABLE OPTIONS] [--explain] [--date-format PATTERN]"},
             "Prints the league table with U (promoted) and D (relegated) marks. --explain adds, for each "
             "team "
             "level with the team above on the first sort rule, the rule that put it below."},
            {"outlook",
             "print the best and worst positions every team can still reach and their chances",
             {"outlook FILE.div [--as-at DATE] [--simulations N] [--seed S] [--exact-only] "
              "[--with-predictions] "
              "[--matches] [--witness TEAM best|worst] [--csv] [--date-format PATTERN]"},
             "Prints, in table order, each team's points, possible points, the best and worst final position "
             "it "
             "can still reach (counted on points: level on points counts for the team in its best and "
             "against it "
             "in its worst), its expected points, what is settled, and its chance of each zone and of each "
             "position from 10000 simulated seasons (--simulations N, the same figures for the same --seed "
             "S; "
             "--exact-only simulates nothing). --with-predictions counts ticked predictions as played. "
             "--matches "
             "prints each open fixture's home, draw and away chances and likeliest score instead, also with "
             "--simulations 0. --witness prints results of the open fixtures that reach the team's best or "
             "worst "
             "position and the final table they give.\n"
             "With --csv the table's header is Pos,Team,Pts,Best,Worst, then one column per zone the league "
             "has "
             "(Title, Promotion, Play-off, Relegation), then P1 to Pn; with --matches it is "
             "Date,Home,Away,PHome,PDraw,PAway,Score, Score written H-A. Chances are percentages from 0 to "
             "100 "
             "with one decimal; a chance nothing settles or simulated is an empty field."},
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
             "scored; R starts the head-to-head rules again for a smaller tie; H applies the head-to-head "
             "rules only once the tied teams have met in every match, the later rules deciding until then "
             "(as in Spain: 1H6723). At most 8 codes, e.g. 16723. A zone holds at most the league's teams."},
            {"info",
             "print the league's settings and counts, and any changes not saved in the window",
             {"info FILE.div [--date-format PATTERN]"},
             "Prints the league's settings and counts, and how many changes made in the window are "
             "journalled beside the league but not saved, with when the last was made."},
            {"recover",
             "save or discard the changes a window left unsaved when it ended",
             {"recover FILE.div [--discard]"},
             "Applies the changes the window journalled but did not save (it ended before the league was "
             "saved) and saves the league, or with --discard removes them. A journal that no longer fits the "
             "league file (the file was changed since) is kept aside beside it as .FILE.div.journal.kept-N "
             "and the command exits with 1. While such changes are waiting, the commands that change the "
             "league refuse to run, so that the changes are not lost."},
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
            {1, "The command failed or was not understood, with the reason on standard error, or its output "
                "could not be written in full (a full disk, a closed pipe); check: the league file is not "
                "valid, with every broken rule on a line."},
            {2, "import: lines were read but none of them could be imported; the league is unchanged."},
        },
    };
    return usage;
}

} // namespace vantorel::cmdline

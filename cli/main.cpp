// vantorel-cli: the league tool without a window.

#include <iostream>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vantorel-cli COMMAND FILE.div ...\n"
    "commands:\n"
    "  new     create a league with its whole fixture list\n"
    "  import  enter results, players, scorers or squads from comma-separated text\n"
    "  export  write the table, results, fixtures, grid, scorers, players or squads as comma-separated text\n"
    "  table   print the league table\n"
    "  outlook print the best and worst positions every team can still reach and their chances\n"
    "  stats   print the division or goal statistics, a team's statistics or a player's record\n"
    "  result  enter, re-score, re-date or cancel a result\n"
    "  predict predict an open fixture's score and date, or tick and untick it\n"
    "  list    print the played results or the open fixtures\n"
    "  set     change deductions, points for a win, sort rules, zones and the own team\n"
    "  info    print the league's settings and counts\n"
    "  check   tell whether a league file is valid\n"
    "  players list the players of a team or of all teams\n"
    "  player  add, change or delete a player\n"
    "  scorer  set the scorer, minute and marks of a goal\n"
    "  squad   record the squad of one side of a match\n"
    "  report  print the report of a played match\n"
    "Run vantorel-cli COMMAND --help for the options of a command.\n";

constexpr const char* kTableOptions = "TABLE OPTIONS: [--content played|predicted|form] [--games "
                                      "all|home|away] [--as-at DATE] [--short] [--poss]\n"
                                      "               [--form-games N]\n";

struct CommandEntry {
    const char* name;
    vantorel::cli::Command run;
    std::string usage;
};

const CommandEntry kCommands[] = {
    {"new", vantorel::cli::NewCommand,
     "usage: vantorel-cli new FILE.div --name NAME --teams TEAMS.txt [--win-points 2|3] [--meet 1|2|4]\n"
     "                        [--own-team NAME] [--promote N] [--relegate N] [--team-size N] [--subs N]\n"
     "Creates a league with every fixture of its season. TEAMS.txt holds one team name per line.\n"},
    {"import", vantorel::cli::ImportCommand,
     "usage: vantorel-cli import FILE.div results|players|scorers|squads|all DATA.csv [--date-format "
     "PATTERN]\n"
     "Results: date,home,away,home goals,away goals[,attendance]. Players: name,team.\n"
     "Scorers: player,team for,home,away,date,minute,penalty,own goal.\n"
     "Squads: date,home,away,team,line,player,time on,time off,yellow,second yellow,red.\n"
     "All: a file written by export all, read section by section, players before scorers.\n"
     "The league is saved when something was imported; exits 2 when nothing could be imported.\n"},
    {"export", vantorel::cli::ExportCommand,
     std::string(
         "usage: vantorel-cli export FILE.div table|results|fixtures|grid|scorers|players|squads|all\n"
         "                           [--from DATE] [--to DATE] [TABLE OPTIONS] [--date-format PATTERN]\n") +
         kTableOptions + "Writes comma-separated text (UTF-8, CR LF line ends) to standard output.\n"},
    {"table", vantorel::cli::TableCommand,
     std::string("usage: vantorel-cli table FILE.div [TABLE OPTIONS] [--explain] [--date-format PATTERN]\n") +
         kTableOptions +
         "Prints the league table with U (promoted) and D (relegated) marks. --explain adds, for each\n"
         "team level with the team above on the first sort rule, the rule that put it below.\n"},
    {"outlook", vantorel::cli::OutlookCommand,
     "usage: vantorel-cli outlook FILE.div [--as-at DATE] [--simulations N] [--seed S] [--exact-only]\n"
     "                            [--with-predictions] [--matches] [--witness TEAM best|worst] [--csv]\n"
     "                            [--date-format PATTERN]\n"
     "Prints, in table order, each team's points, possible points, the best and worst final position it\n"
     "can still reach (counted on points: level on points counts for the team in its best and against it\n"
     "in its worst), its expected points, what is settled, its chance of each zone and of each position\n"
     "from 10000 simulated seasons (--simulations N, reproducible with --seed S; --exact-only for none).\n"
     "--with-predictions counts ticked predictions as played. --matches prints each open fixture's home,\n"
     "draw and away chances and likeliest score instead. --witness prints results that reach the best or\n"
     "worst position. --csv: Pos,Team,Pts,Best,Worst, the zones, P1..Pn (percentages with one decimal);\n"
     "with --matches Date,Home,Away,PHome,PDraw,PAway,Score (Score written H-A).\n"},
    {"stats", vantorel::cli::StatsCommand,
     "usage: vantorel-cli stats FILE.div division|goals [--date-format PATTERN]\n"
     "       vantorel-cli stats FILE.div team NAME [--date-format PATTERN]\n"
     "       vantorel-cli stats FILE.div player NAME [--date-format PATTERN]\n"
     "Prints a statistics page (each list under its caption, then each figure as group, caption and\n"
     "value), a team's figures, its games newest first and its players, or a player's goal totals,\n"
     "cautions and matches newest first.\n"},
    {"set", vantorel::cli::SetCommand,
     "usage: vantorel-cli set FILE.div [--deduct TEAM=N]... [--win-points 2|3] [--sort-rules CODES]\n"
     "                        [--promote N] [--playoff N] [--relegate N] [--own-team NAME|none]\n"
     "Changes the league's settings. Sort-rule codes, highest priority first: 1 points, 2 goal\n"
     "difference, 3 goals scored, 4 team order, 5 possible points, 6 head-to-head points, 7 head-to-head\n"
     "goal difference, 8 head-to-head goals scored, 9 head-to-head away goals, A games won, B away goals\n"
     "scored; R starts the head-to-head rules again for a smaller tie. At most 8 codes, e.g. 16723.\n"},
    {"result", vantorel::cli::ResultCommand,
     "usage: vantorel-cli result FILE.div enter HOME AWAY SCORE [--date DATE] [--attendance N]\n"
     "                                       [--date-format PATTERN]\n"
     "       vantorel-cli result FILE.div rescore (HOME AWAY | --match N) SCORE [--attendance N]\n"
     "       vantorel-cli result FILE.div redate (HOME AWAY | --match N) DATE [--date-format PATTERN]\n"
     "       vantorel-cli result FILE.div cancel (HOME AWAY | --match N)\n"
     "SCORE is written H-A. enter fills the first open fixture of the pairing, dated today unless --date\n"
     "is given; the others pick the pairing's latest played result, or match number N. A cancelled\n"
     "result's fixture is open again and keeps its score, date and prediction mark.\n"},
    {"predict", vantorel::cli::PredictCommand,
     "usage: vantorel-cli predict FILE.div (HOME AWAY | --match N) [SCORE] [--date DATE] [--untick]\n"
     "                            [--date-format PATTERN]\n"
     "Predicts the pairing's first open fixture, or match number N: a SCORE (H-A) is stored and ticks it,\n"
     "--date dates it, and without a score it is ticked, or unticked with --untick.\n"},
    {"list", vantorel::cli::ListCommand,
     "usage: vantorel-cli list FILE.div results|open [--sort date|attend|home|away|for|against|predicted]\n"
     "                         [--date-format PATTERN]\n"
     "Prints the played results (match, date, attendance, home, away, score) or the open fixtures\n"
     "(match, predicted mark, date, home, away, predicted score), one a line, fields separated by tabs,\n"
     "sorted by home team unless --sort says otherwise.\n"},
    {"info", vantorel::cli::InfoCommand,
     "usage: vantorel-cli info FILE.div\nPrints the league's settings and counts.\n"},
    {"check", vantorel::cli::CheckCommand,
     "usage: vantorel-cli check FILE.div\nExits 0 when the league file is valid, 1 with every broken rule on "
     "a line.\n"},
    {"players", vantorel::cli::PlayersCommand,
     "usage: vantorel-cli players FILE.div [--team NAME] [--sort player|team|goals]\n"
     "Lists players with their team and goals; --team \"Transferred-Out\" lists those who left.\n"},
    {"player", vantorel::cli::PlayerCommand,
     "usage: vantorel-cli player FILE.div add NAME --team TEAM\n"
     "       vantorel-cli player FILE.div change NAME [--name NEW] [--team TEAM]\n"
     "       vantorel-cli player FILE.div delete NAME\n"
     "Names are unique without regard to letter case. A player with goals or in a squad cannot be deleted;\n"
     "move him to \"Transferred-Out\" instead.\n"},
    {"scorer", vantorel::cli::ScorerCommand,
     "usage: vantorel-cli scorer FILE.div (HOME AWAY | --match N) --for home|away --goal K\n"
     "                           (--player NAME | --none) [--minute M] [--own-goal] [--penalty]\n"
     "Sets the K-th goal of that side (in record order). Without --minute the minute is kept; the marks\n"
     "are set as given. An own goal's scorer is a player of the other side.\n"},
    {"squad", vantorel::cli::SquadCommand,
     "usage: vantorel-cli squad FILE.div (HOME AWAY | --match N) --side home|away\n"
     "                          --players \"NAME[:ON[:OFF[:CARDS]]];...\"\n"
     "Replaces the side's squad. The first TeamSize players start (on 0, off 90), the rest are\n"
     "substitutes (on 0, off 0) unless ON and OFF are given (an empty one keeps that default).\n"
     "CARDS: Y first yellow, 2 second yellow (with the first and the red), R red.\n"},
    {"report", vantorel::cli::ReportCommand,
     "usage: vantorel-cli report FILE.div (HOME AWAY | --match N) [--date-format PATTERN]\n"
     "Prints the match report: date, teams and score, half-time score, attendance and scorers.\n"},
};

bool WantsHelp(const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (word == "--help" || word == "-h")
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage;
        return words.empty() ? 1 : 0;
    }
    for (const CommandEntry& command : kCommands) {
        if (words[0] != command.name)
            continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (WantsHelp(rest)) {
            std::cout << command.usage;
            return 0;
        }
        try {
            return command.run(rest, std::cout);
        } catch (const std::exception& error) {
            // A user error, reported as one line.
            std::cerr << "vantorel-cli " << command.name << ": " << error.what() << "\n";
        }
        return 1;
    }
    std::cerr << "vantorel-cli: unknown command '" << words[0] << "'; run vantorel-cli --help\n";
    return 1;
}

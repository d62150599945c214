// End-to-end runs of the built vantorel-cli.

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/Workspace.h"
#include "cmdline/Usage.h"
#include "results/ResultEntry.h"
#include "support/SampleSeason.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::FileText;

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class Cli : public ::testing::Test {
protected:
    // Runs the tool; shellPrefix runs first in the same shell (to set limits); the standard output goes to
    // outPath when one is given.
    ToolRun Tool(const std::vector<std::string>& words, const std::string& shellPrefix = "",
                 const std::string& outPath = "") {
        std::string command = shellPrefix + Quoted(VANTOREL_CLI);
        for (const std::string& word : words)
            command += " " + Quoted(word);
        command += " >" + Quoted(outPath.empty() ? folder_.file("out.txt") : outPath) + " 2>" +
                   folder_.file("err.txt");
        const int status = std::system(command.c_str());
        ToolRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = FileText(folder_.file("out.txt"));
        run.err = FileText(folder_.file("err.txt"));
        return run;
    }
    std::string File(const std::string& name, const std::string& contents) {
        std::ofstream(folder_.file(name), std::ios::binary) << contents;
        return folder_.file(name);
    }
    std::string League() const { return folder_.file("league.div"); }
    // The sample season's league, with its results unless withResults is false.
    void NewSeason(std::vector<std::string> options = {}, bool withResults = true) {
        options.insert(options.begin(),
                       {"new", League(), "--name", "Premier League", "--teams", Season("teams.txt")});
        ASSERT_EQ(Tool(options).exitCode, 0);
        if (withResults) {
            ASSERT_EQ(Tool({"import", League(), "results", Season("results.csv")}).exitCode, 0);
        }
    }
    // A league "L" of the teams given, one a line.
    void NewLeague(const std::string& teams) {
        ASSERT_EQ(Tool({"new", League(), "--name", "L", "--teams", File("teams.txt", teams)}).exitCode, 0);
    }
    std::string Season(const std::string& name) const { return testing::SampleSeasonFolder() + "/" + name; }

    void ExpectOneLineError(const std::vector<std::string>& words, const std::string& part) {
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }

    testing::TempFolder folder_;
};

TEST_F(Cli, TheWholeSampleSeasonEndsAsItsPublishedTable) {
    NewSeason({}, false);
    ASSERT_EQ(Tool({"set", League(), "--sort-rules", "123"}).exitCode, 0);
    const ToolRun import = Tool({"import", League(), "results", Season("results.csv")});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    EXPECT_EQ(import.out, "Records Read: 380\nSuccessful: 380\nErrors: 0\n");

    const ToolRun exported = Tool({"export", League(), "table", "--short"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    std::istringstream lines(exported.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        rows.push_back(line);
    }
    const std::vector<std::string> expected = testing::SampleSeasonLines("table.csv");
    ASSERT_EQ(rows.size(), expected.size());
    EXPECT_EQ(rows[0], "Pos,Team,P,W,D,L,F,A,GD,Pts");
    for (std::size_t p = 1; p < rows.size(); ++p) {
        const std::string prefix = std::to_string(p) + ",";
        ASSERT_EQ(rows[p].rfind(prefix, 0), 0u) << rows[p];
        EXPECT_EQ(rows[p].substr(prefix.size()) + ",0", expected[p]); // no deductions this season
    }
}

TEST_F(Cli, StatsPrintTheListsThenEachFigureWithItsGroup) {
    NewSeason();
    const ToolRun division = Tool({"stats", League(), "division"});
    ASSERT_EQ(division.exitCode, 0) << division.err;
    EXPECT_EQ(division.out.rfind("Highest Home Scores:\n14/01/2006   7-0 Arsenal v Middlesbrough\n", 0), 0u);
    for (const char* line :
         {"\nHighest Away Scores:\n04/12/2005   2-5 Charlton Athletic v Manchester City\n",
          "\nGoals Ave/Game: 2.48\n", "\nResults Home Wins: 192\n", "\nResults No Score: 32\n"})
        EXPECT_NE(division.out.find(line), std::string::npos) << line;
    const ToolRun goals = Tool({"stats", League(), "goals"});
    EXPECT_EQ(goals.out, "Goal statistics are only available if you enter goal scorer details\n");
    ExpectOneLineError({"stats", League(), "teams"}, "division, goals, team or player");
}

TEST_F(Cli, TheTableShowsMarksAndFollowsTheSettings) {
    NewSeason({"--promote", "1", "--relegate", "3", "--own-team", "Everton"});
    ASSERT_EQ(Tool({"set", League(), "--deduct", "Chelsea=20", "--sort-rules", "123"}).exitCode, 0);
    const ToolRun table = Tool({"table", League()});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_NE(table.out.find("  U  Manchester United"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("  D  Sunderland"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("Played games, up to 07/05/2006"), std::string::npos);
    EXPECT_NE(table.out.find("  3  Chelsea"), std::string::npos) << table.out; // 91 less 20 points

    const ToolRun halfway = Tool({"table", League(), "--as-at", "31/12/2005", "--short", "--poss"});
    EXPECT_NE(halfway.out.find("up to 31/12/2005"), std::string::npos);
    EXPECT_NE(halfway.out.find("PP"), std::string::npos);
    EXPECT_EQ(halfway.out.find("  U  "), std::string::npos);

    const ToolRun info = Tool({"info", League()});
    EXPECT_NE(info.out.find("Own team: Everton\n"), std::string::npos);
    EXPECT_NE(info.out.find("Played: 380\n"), std::string::npos);
    EXPECT_NE(info.out.find("Sort rules: 123 (Points total, Goal difference, Goals scored)"),
              std::string::npos);
    EXPECT_EQ(Tool({"check", League()}).exitCode, 0);
}

// Fulham and Middlesbrough both ended on a goal difference of -10. Between them: Middlesbrough 3-2 Fulham,
// Fulham 1-0 Middlesbrough, so 3 points and 3 goals each, but Fulham scored 2 away goals to none.
TEST_F(Cli, TheTableExplainsTiesUnderTheSortRules) {
    NewSeason();
    const std::pair<const char*, const char*> cases[] = {
        {"26789", "Fulham above Middlesbrough: Level on a goal difference of -10; ahead on head-to-head away "
                  "goals: 2 to 0\n"},
        {"21", "Fulham above Middlesbrough: Level on a goal difference of -10; ahead on points total: 48 to "
               "45\n"},
    };
    for (const auto& [rules, explanation] : cases) {
        ASSERT_EQ(Tool({"set", League(), "--sort-rules", rules}).exitCode, 0);
        const ToolRun table = Tool({"table", League(), "--explain"});
        ASSERT_EQ(table.exitCode, 0) << table.err;
        EXPECT_NE(table.out.find(explanation), std::string::npos) << table.out;
        EXPECT_EQ(table.out.find(" above "), table.out.rfind(" above ")) << "only one pair is level";
    }
    EXPECT_EQ(Tool({"table", League()}).out.find(" above "), std::string::npos);
}

TEST_F(Cli, ImportSavesOnlyWhenSomethingWasImported) {
    NewLeague("\xEF\xBB\xBF"
              "Leeds\r\n\r\n Hull \nYork\nBury\n");
    const std::string before = FileText(League());
    const ToolRun nothing =
        Tool({"import", League(), "players", File("bad.csv", "Player Name,Team\nAnn,Nowhere\n")});
    EXPECT_EQ(nothing.out, "Records Read: 2\nSuccessful: 0\nErrors: 2\n");
    EXPECT_EQ(nothing.exitCode, 2); // every line was an error
    EXPECT_EQ(FileText(League()), before);
    const ToolRun players =
        Tool({"import", League(), "players", File("good.csv", "\"Ann\",Hull\nBob,Transferred-Out\n")});
    EXPECT_EQ(players.out, "Records Read: 2\nSuccessful: 2\nErrors: 0\n");
    EXPECT_NE(FileText(League()), before);
    const ToolRun results =
        Tool({"import", League(), "results", File("r.csv", "2025-08-09,Bury,Hull,1,0,999\n"), "--date-format",
              "yyyy-MM-dd"});
    EXPECT_EQ(results.out, "Records Read: 1\nSuccessful: 1\nErrors: 0\n");
    const ToolRun exported = Tool({"export", League(), "all", "--date-format", "d.M.yy"});
    // Exports widen the year to four digits, so that no date changes its century when read back.
    EXPECT_NE(exported.out.find("9.8.2025,Bury,Hull,1,0,999\r\n"), std::string::npos) << exported.out;
    EXPECT_NE(exported.out.find("\"Ann\",Hull\r\n"), std::string::npos);

    // The whole export rebuilds the league's results and players in a new league of the same teams.
    const std::string copy = folder_.file("copy.div");
    ASSERT_EQ(Tool({"new", copy, "--name", "L", "--teams", File("teams.txt", "Leeds\nHull\nYork\nBury\n")})
                  .exitCode,
              0);
    const ToolRun all =
        Tool({"import", copy, "all", File("all.csv", exported.out), "--date-format", "d.M.yy"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_NE(all.out.find("Successful: 3\nErrors: 0\n"), std::string::npos) << all.out;
}

TEST_F(Cli, ImportExitsWithTwoWhenNothingWasUsableAndSaysWhenNothingWasSaved) {
    NewSeason({}, false);
    const std::string before = FileText(League());
    const ToolRun empty = Tool({"import", League(), "results", File("empty.csv", "")});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_EQ(empty.out, "Records Read: 0\nSuccessful: 0\nErrors: 0\n");
    const ToolRun useless = Tool({"import", League(), "results", File("bad.csv", "a,b\r\nc,d\re,f\n")});
    EXPECT_EQ(useless.exitCode, 2);
    EXPECT_EQ(useless.out, "Records Read: 3\nSuccessful: 0\nErrors: 3\n");

    // A file size limit makes the save fail as a full disk does: no success is claimed.
    const ToolRun full =
        Tool({"import", League(), "results", Season("results.csv")}, "trap '' XFSZ; ulimit -f 1; ");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.out, "");
    EXPECT_NE(full.err.find("Disk full. Nothing was saved"), std::string::npos) << full.err;
    EXPECT_EQ(FileText(League()), before);
}

TEST_F(Cli, ConcurrentCommandsChangingOneLeagueLoseNothing) {
    NewLeague("A\nB\nC\nD\n");
    // Twelve imports at once, one fixture each: each command holds the league from loading to saving.
    std::string command;
    const char* teams = "ABCD";
    for (int home = 0; home < 4; ++home)
        for (int away = 0; away < 4; ++away)
            if (home != away) {
                const std::string name = std::string("r") + teams[home] + teams[away] + ".csv";
                const std::string line =
                    "01/08/2025," + std::string(1, teams[home]) + "," + teams[away] + ",1,0\n";
                command += Quoted(VANTOREL_CLI) + " import " + Quoted(League()) + " results " +
                           Quoted(File(name, line)) + " >/dev/null 2>>" + Quoted(folder_.file("errors.txt")) +
                           " & ";
            }
    ASSERT_EQ(std::system((command + "wait").c_str()), 0);
    EXPECT_EQ(FileText(folder_.file("errors.txt")), "");
    const ToolRun info = Tool({"info", League()});
    EXPECT_NE(info.out.find("Played: 12\n"), std::string::npos) << info.out;
    EXPECT_EQ(Tool({"check", League()}).exitCode, 0);
}

TEST_F(Cli, CheckReportsEveryBrokenRuleAndOpeningRecomputesTheTotals) {
    NewLeague("A\nB\nC\nD\n");
    ASSERT_EQ(Tool({"import", League(), "results", File("r.csv", "01/08/2025,A,B,2,0\n")}).exitCode, 0);
    EXPECT_EQ(Tool({"check", League()}).exitCode, 0);
    std::string bytes = FileText(League());
    bytes[68 + 32] = 9;      // team A's Points
    bytes[68 + 36 + 31] = 5; // team B's Played
    File("league.div", bytes);
    const ToolRun check = Tool({"check", League()});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 2) << check.out;
    EXPECT_NE(check.out.find("(A) has Points 9 but its results and deduction give 3"), std::string::npos);
    EXPECT_NE(check.out.find("(B) has Played 5 but took part in 1"), std::string::npos);
    const ToolRun table = Tool({"table", League(), "--short"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_NE(table.err.find("recomputed"), std::string::npos) << table.err;
}

TEST_F(Cli, UserErrorsPrintOneLineAndExitWithOne) {
    const std::string teams = File("teams.txt", "A\nB\nC\nD\n");
    ExpectOneLineError({"new", League(), "--teams", teams}, "You must enter a name for this table");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", File("three.txt", "A\nB\nC\n")},
                       "4 to 24 teams");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", File("dup.txt", "A\nB\nA\nD\n")},
                       "Duplicate team names entered, please correct");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams, "--meet", "3"}, "--meet");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams, "--own-team", "Z"}, "--own-team");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", folder_.file("none.txt")},
                       "could not be opened");
    ExpectOneLineError(
        {"new", League(), "--name", "L", "--teams", File("long.txt", "A\nB\nC\n" + std::string(31, 'D'))},
        "longer than 30 characters");
    ExpectOneLineError({"new", folder_.file(std::string(300, 'x') + ".div"), "--name", "L", "--teams", teams},
                       "Invalid filename");
    ASSERT_EQ(Tool({"new", League(), "--name", "L", "--teams", teams}).exitCode, 0);
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams}, "already exists");
    ExpectOneLineError({"export", League(), "results", "--date-format", "yyyyMd"}, "with a separator");

    ExpectOneLineError({"table", folder_.file("missing.div")}, "File not found");
    ExpectOneLineError({"check", File("junk.div", "not a league")}, "Read beyond end of file");
    ExpectOneLineError({"check", File("text.div", std::string(200, 'x'))}, "not a league file");
    ExpectOneLineError({"table", League(), "--content", "best"}, "--content");
    ExpectOneLineError({"table", League(), "--as-at", "31/02/2006"}, "not a valid date");
    ExpectOneLineError({"table", League(), "--form-games", "1"}, "--form-games");
    ExpectOneLineError({"table", League(), "--colour"}, "needs a value");
    ExpectOneLineError({"table", League(), "--colour", "red"}, "unknown option --colour");
    ExpectOneLineError({"export", League(), "everything"}, "unknown section");
    ExpectOneLineError({"export", League(), "results", "--date-format", "MMM d"}, "--date-format");
    ExpectOneLineError({"import", League(), "results", folder_.file("none.csv")}, "could not be opened");
    ExpectOneLineError({"import", League(), "teams", teams}, "results, players, scorers, squads or all");
    ExpectOneLineError({"set", League(), "--deduct", "Z=3"}, "no team called 'Z'");
    ExpectOneLineError({"set", League(), "--deduct", "A=21"}, "--deduct");
    for (const char* rules : {"1126", "R", "", "123456789", "16x"})
        ExpectOneLineError({"set", League(), "--sort-rules", rules}, "--sort-rules");
    ExpectOneLineError({"info"}, "missing league file");
    ExpectOneLineError({"frobnicate"}, "unknown command");
}

// A downloaded results file, from a pipe: a new league of its own teams, or the results of a league named in
// full once the one name no rule may match is mapped.
TEST_F(Cli, ResultsFilesMakeALeagueOrImportThroughAliasesFromStandardInput) {
    const std::string data = File("e0.csv", "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,FTR,Referee\r\n"
                                            "E0,13/08/05,Man United,West Brom,2,1,H,M Dean\r\n"
                                            "E0,14/08/05,Wigan,Arsenal,0,0,D,M Dean\r\n"
                                            "E0,20/08/05,West Brom,Wigan,1,3,A,M Dean\r\n");
    const ToolRun made = Tool({"new", League(), "--from-results", data, "--name", "E0"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.out, "Created " + League() + ": 4 teams, 12 fixtures, 3 results\n");
    // Every result with its date in four digits, the short names kept.
    const std::string exported = Tool({"export", League(), "results"}).out;
    EXPECT_NE(exported.find("\r\n13/08/2005,Man United,West Brom,2,1,0\r\n"), std::string::npos) << exported;
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 4);

    const std::string full = folder_.file("full.div");
    ASSERT_EQ(Tool({"new", full, "--name", "Full", "--teams",
                    File("teams.txt", "Manchester United\nWest Bromwich Albion\nWigan Athletic\nArsenal\n")})
                  .exitCode,
              0);
    const std::string pipe = "cat " + Quoted(data) + " | ";
    ToolRun run = Tool({"import", full, "results", "-"}, pipe);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"West Brom\" (closest: \"West Bromwich Albion\")"), std::string::npos)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    run = Tool({"import", full, "results", "-", "--aliases",
                File("aliases.txt", "West Brom=West Bromwich Albion\n")},
               pipe);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Successful: 3"), std::string::npos) << run.out;
    // Dates that read two ways are refused unless the format is given.
    const std::string twoWays =
        File("two.csv", "Date,Home,Away,HG,AG\n04/05/2006,Arsenal,Wigan Athletic,1,0\n");
    ExpectOneLineError({"import", full, "results", twoWays}, "as dd/MM/yyyy or as MM/dd/yyyy");
    EXPECT_EQ(Tool({"import", full, "results", twoWays, "--date-format", "MM/dd/yyyy"}).exitCode, 0);
}

TEST_F(Cli, StatsPrintATeamPageAndAPlayerRecord) {
    NewSeason();
    ASSERT_EQ(Tool({"import", League(), "players", File("players.csv", "Frank Lampard,Chelsea\n")}).exitCode,
              0);
    const ToolRun team = Tool({"stats", League(), "team", "Chelsea", "--date-format", "d/M/yy"});
    ASSERT_EQ(team.exitCode, 0) << team.err;
    for (const char* line :
         {"\nWon: 29\n", "\nHighest Score (For) Home: 5 Bolton Wanderers\n", "\nSummary: Unbeaten at home\n",
          "\nClean Sheets Total: 20 (52%)\n",
          "\nDate      Attend  H/A  Opposition            F  A\n7/5/06    0       A    Newcastle",
          "\nPlayer         Appear  Goals  Penalties  Own Goals\nFrank Lampard          0"})
        EXPECT_NE(team.out.find(line), std::string::npos) << line << team.out;
    const ToolRun player = Tool({"stats", League(), "player", "Frank Lampard"});
    ASSERT_EQ(player.exitCode, 0) << player.err;
    EXPECT_EQ(player.out.rfind("Statistics for Frank Lampard (Chelsea)\nTotal: 0\n", 0), 0u) << player.out;
    EXPECT_NE(player.out.find("\nYellow: n/a\nRed: n/a\n"), std::string::npos) << player.out;
    ExpectOneLineError({"stats", League(), "team", "Chelsea FC"}, "no team called 'Chelsea FC'");
    ExpectOneLineError({"stats", League(), "coach", "Chelsea"}, "team or player");
}

TEST_F(Cli, EveryCommandHasHelp) {
    for (const cmdline::CommandUsage& command : cmdline::CliUsage().commands) {
        const std::string name(command.name);
        const ToolRun run = Tool({name, "--help"});
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.out.rfind("usage: vantorel-cli " + name, 0), 0u) << run.out;
        // Every command listed runs: without its arguments it refuses them, not the command.
        EXPECT_EQ(Tool({name}).err.find("unknown command"), std::string::npos) << name;
    }
    EXPECT_EQ(Tool({"--help"}).exitCode, 0);
    EXPECT_EQ(Tool({}).exitCode, 1);
    EXPECT_EQ(Tool({"--version"}).out, cmdline::VersionLine("vantorel-cli") + "\n");
}

TEST_F(Cli, ResultsAreEnteredCorrectedCancelledAndPredicted) {
    NewLeague("Bury\nHull\nLeeds\nYork\n");
    const ToolRun entered = Tool(
        {"result", League(), "enter", "Hull", "Bury", "2-1", "--date", "09/08/2025", "--attendance", "1500"});
    EXPECT_EQ(entered.out, "Entered match 4: Hull v Bury 2-1\n") << entered.err;
    ASSERT_EQ(Tool({"result", League(), "enter", "York", "Leeds", "0-3", "--date", "09/08/2025"}).exitCode,
              0);
    EXPECT_EQ(Tool({"result", League(), "rescore", "Hull", "Bury", "1-1"}).out,
              "Rescored match 4: Hull v Bury 1-1\n");
    ASSERT_EQ(Tool({"result", League(), "redate", "--match", "12", "02/08/2025"}).exitCode, 0);
    EXPECT_EQ(Tool({"list", League(), "results", "--sort", "date"}).out,
              "12\t02/08/2025\t0\tYork\tLeeds\t0-3\n"
              "4\t09/08/2025\t1,500\tHull\tBury\t1-1\n");

    ASSERT_EQ(Tool({"predict", League(), "Hull", "Leeds", "2-0", "--date", "16/08/2025"}).exitCode, 0);
    ASSERT_EQ(Tool({"result", League(), "cancel", "Hull", "Bury"}).exitCode, 0);
    const ToolRun open = Tool({"list", League(), "open", "--sort", "predicted"});
    EXPECT_EQ(open.out.rfind("5\tpredicted\t16/08/2025\tHull\tLeeds\t2-0\n", 0), 0u) << open.out;
    // The cancelled result is open again, keeping its score and date.
    EXPECT_NE(open.out.find("\n4\t-\t09/08/2025\tHull\tBury\t1-1\n"), std::string::npos) << open.out;

    ExpectOneLineError({"result", League(), "enter", "Hull", "Leeds", "2:0"}, "H-A");
    ExpectOneLineError({"result", League(), "enter", "Hull", "Leeds", "2-0", "--attendance", "-5"},
                       "--attendance");
    ExpectOneLineError({"result", League(), "rescore", "Hull", "Bury", "1-0"}, "has been played");
    ExpectOneLineError({"result", League(), "cancel", "--match", "99"}, "no match number 99");
    ExpectOneLineError({"predict", League(), "York", "Leeds"}, "already been played");
    ExpectOneLineError({"predict", League(), "Hull", "York", "1-0", "--untick"}, "--untick");
    ExpectOneLineError({"list", League(), "open", "--sort", "crowd"}, "--sort");
}

TEST_F(Cli, PlayersScorersSquadsAndTheMatchReport) {
    NewLeague("Bury\nHull\nLeeds\nYork\n");
    ASSERT_EQ(
        Tool({"import", League(), "results", File("r.csv", "09/08/2025,Hull,Bury,3,1,23456\n")}).exitCode, 0);
    for (auto [name, team] : {std::pair{"Ann", "Hull"}, {"Bea", "Hull"}, {"Cal", "Bury"}})
        ASSERT_EQ(Tool({"player", League(), "add", name, "--team", team}).exitCode, 0) << name;
    ExpectOneLineError({"player", League(), "add", "ANN", "--team", "York"},
                       "A player with the name \"ANN\" already exists");

    struct Goal {
        std::vector<std::string> words;
        std::string out;
    };
    const Goal goals[] = {
        {{"--for", "home", "--goal", "1", "--player", "Ann", "--minute", "67"}, "Goal 1 for Hull: Ann\n"},
        {{"--for", "home", "--goal", "2", "--player", "Ann", "--minute", "23", "--penalty"},
         "Goal 2 for Hull: Ann\n"},
        {{"--for", "home", "--goal", "3", "--player", "Cal", "--minute", "80", "--own-goal"},
         "Goal 3 for Hull: Cal\n"},
        {{"--for", "away", "--goal", "1", "--player", "Cal", "--minute", "30"}, "Goal 1 for Bury: Cal\n"},
    };
    for (const Goal& goal : goals) {
        std::vector<std::string> words = {"scorer", League(), "Hull", "Bury"};
        words.insert(words.end(), goal.words.begin(), goal.words.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.out, goal.out) << run.err;
    }
    ExpectOneLineError(
        {"scorer", League(), "Hull", "Bury", "--for", "away", "--goal", "1", "--player", "Bea"},
        "Bea is not a player of Bury");
    ExpectOneLineError({"scorer", League(), "Hull", "Bury", "--for", "away", "--goal", "2", "--none"},
                       "Bury has 1 goals in this match");
    ExpectOneLineError({"report", League(), "Bury", "Hull"}, "no result of Bury v Hull has been played");

    EXPECT_EQ(Tool({"report", League(), "Hull", "Bury"}).out,
              "Result Details (09/08/2025)\nHull 3 - 1 Bury\nHT: 1 - 1\nAtt: 23456\n"
              "Hull:\n  Ann 23 Pen,67\n  Cal 80 og\nBury:\n  Cal 30\n");
    EXPECT_EQ(Tool({"players", League(), "--sort", "goals"}).out,
              "Ann                   Hull                            2\n"
              "Cal                   Bury                            1\n"
              "Bea                   Hull                            0\n");

    const ToolRun squad =
        Tool({"squad", League(), "Hull", "Bury", "--side", "home", "--players", "Bea;Ann:0:70:2"});
    EXPECT_EQ(squad.out, "Squad of Hull: 2 players\n") << squad.err;
    EXPECT_NE(Tool({"info", League()}).out.find("Squads: 1\n"), std::string::npos);
    ExpectOneLineError({"squad", League(), "Hull", "Bury", "--side", "away", "--players", "Ann"},
                       "Ann is not a player of Bury");
    ExpectOneLineError({"player", League(), "delete", "Bea"}, "appears in a squad. Delete not performed.");
    ASSERT_EQ(Tool({"player", League(), "change", "Bea", "--team", "Transferred-Out"}).exitCode, 0);
    EXPECT_EQ(Tool({"players", League(), "--team", "Transferred-Out"}).out,
              "Bea                   Transferred-Out                 0\n");
}

// Output that does not reach its file is a failure, whatever the command: nothing may pass for success.
TEST_F(Cli, OutputThatCannotBeWrittenExitsWithAnError) {
    NewSeason();
    const std::vector<std::vector<std::string>> commands = {
        {"export", League(), "all"},
        {"export", League(), "table"},
        {"table", League(), "--explain"},
        {"list", League(), "results"},
        {"info", League()},
        {"stats", League(), "division"},
        {"check", League()},
        {"stats", League(), "team", "Arsenal"},
        {"help"},
        {"result", League(), "rescore", "Arsenal", "Aston Villa", "1-0"}};
    for (const auto& words : commands) {
        const ToolRun run = Tool(words, "", "/dev/full");
        EXPECT_NE(run.exitCode, 0) << words[0] << " " << words.back();
        EXPECT_NE(run.err.find("the output could not be written: Disk full"), std::string::npos) << run.err;
    }
}

// A small file system, where this machine lets the tests mount one: an export or a save that fills it fails.
TEST_F(Cli, AFullDiskFailsTheExportAndTheSaveAndLosesNothing) {
    const std::string small = folder_.file("small");
    std::filesystem::create_directory(small);
    if (std::system(("mount -t tmpfs -o size=64k tmpfs " + Quoted(small) + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Unmount {
        std::string folder;
        ~Unmount() {
            const int ignored = std::system(("umount " + Quoted(folder)).c_str());
            (void)ignored;
        }
    } unmount{small};
    NewSeason();
    // 20 kB are left: less than the export (about 21 kB), as much as the league (about 19 kB).
    std::ofstream(small + "/filler", std::ios::binary) << std::string(44 * 1024, 'x');
    const ToolRun exported = Tool({"export", League(), "all"}, "", small + "/all.csv");
    EXPECT_NE(exported.exitCode, 0);
    EXPECT_NE(exported.err.find("Disk full"), std::string::npos) << exported.err;

    // A league on the full disk: the change is refused, said once, and the file is as it was.
    std::filesystem::remove(small + "/all.csv");
    const std::string league = small + "/league.div";
    std::filesystem::copy_file(League(), league);
    const std::string before = FileText(league);
    const ToolRun rescore = Tool({"result", league, "rescore", "Arsenal", "Aston Villa", "9-9"});
    EXPECT_EQ(rescore.exitCode, 1);
    EXPECT_EQ(rescore.out, "");
    EXPECT_NE(rescore.err.find("Disk full"), std::string::npos) << rescore.err;
    EXPECT_EQ(FileText(league), before);
}

TEST_F(Cli, ChangesKeepABackupAndTellOfSuccessOnlyOnceSaved) {
    NewSeason({}, false);
    const std::string created = FileText(League());
    const ToolRun added = Tool({"player", League(), "add", "Ann", "--team", "Arsenal"});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "Added Ann\n");
    EXPECT_EQ(FileText(League() + ".bak"), created);

    ::chmod(League().c_str(), 0444); // the save is refused, even for the superuser
    const std::string kept = FileText(League());
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"player", League(), "add", "Bob", "--team", "Arsenal"},
          {"result", League(), "enter", "Arsenal", "Chelsea", "2-1", "--date", "01/01/2006"}}) {
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_EQ(run.out, "") << words[0];
        EXPECT_NE(run.err.find("File access denied"), std::string::npos) << run.err;
    }
    EXPECT_EQ(FileText(League()), kept);
}

TEST_F(Cli, APipeNamedLikeALeagueIsRefusedAtOnce) {
    const std::string pipe = folder_.file("pipe.div");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::vector<std::string>& words : {std::vector<std::string>{"table", pipe},
                                                  {"check", pipe},
                                                  {"info", pipe},
                                                  {"result", pipe, "enter", "A", "B", "1-0"}}) {
        const ToolRun run = Tool(words, "timeout 20 ");
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_NE(run.err.find("This is not a regular file."), std::string::npos) << run.err;
    }
}

TEST_F(Cli, NamesWithControlCharactersOrFormulaStartsAreRefused) {
    NewSeason({}, false);
    ExpectOneLineError({"player", League(), "add", "Bell\a", "--team", "Arsenal"}, "control characters");
    ExpectOneLineError({"player", League(), "add", "=cmd|'/c calc'!A1", "--team", "Arsenal"},
                       "may not begin with");
    ExpectOneLineError(
        {"new", folder_.file("other.div"), "--name", "@League", "--teams", Season("teams.txt")},
        "A league name may not begin with");
}

TEST_F(Cli, ChangesAWindowLeftUnsavedAreRecoveredBeforeAnyOtherChange) {
    NewLeague("Bury\nHull\nLeeds\nYork\n");
    {
        // A window enters a result and dies before saving.
        Workspace workspace;
        auto division = std::make_unique<Division>();
        ASSERT_TRUE(workspace.Open(League(), *division, Settings{}));
        ASSERT_TRUE(EnterResult(*division, {2, 1, 2, 1, 45000, 0}));
        ASSERT_TRUE(workspace.edits.Record("result Hull v Bury 2-1"));
    }
    ExpectOneLineError({"result", League(), "enter", "York", "Leeds", "0-3"}, "vantorel-cli recover");
    EXPECT_NE(Tool({"info", League()}).out.find("\nUnsaved changes: 1, the last made on "),
              std::string::npos);

    EXPECT_EQ(Tool({"recover", League()}).out, League() + ": 1 unsaved change recovered and saved\n");
    EXPECT_EQ(Tool({"list", League(), "results"}).out, "4\t15/03/2023\t0\tHull\tBury\t2-1\n");
    EXPECT_EQ(Tool({"info", League()}).out.find("Unsaved"), std::string::npos);
    EXPECT_EQ(Tool({"result", League(), "enter", "York", "Leeds", "0-3"}).exitCode, 0);
    EXPECT_EQ(Tool({"recover", League(), "--discard"}).out, League() + ": no unsaved changes\n");
}

TEST_F(Cli, OutlookPrintsTheLayoutScriptsRelyOnTheSameForTheSameSeed) {
    NewSeason({"--relegate", "3"});
    const std::vector<std::string> outlook{"outlook", League(), "--as-at", "01/04/2006", "--simulations",
                                           "2000",    "--seed", "9",       "--csv"};
    const ToolRun first = Tool(outlook);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, Tool(outlook).out);
    std::istringstream lines(first.out);
    std::string heading, row;
    std::getline(lines, heading);
    std::getline(lines, row);
    EXPECT_EQ(heading.rfind("Pos,Team,Pts,Best,Worst,Title,Relegation,P1,P2,", 0), 0u) << heading;
    EXPECT_NE(heading.find(",P20\r"), std::string::npos);
    EXPECT_EQ(row.rfind("1,Chelsea,", 0), 0u) << row;

    const ToolRun matches =
        Tool({"outlook", League(), "--as-at", "01/04/2006", "--simulations", "0", "--matches", "--csv"});
    ASSERT_EQ(matches.exitCode, 0) << matches.err;
    EXPECT_EQ(matches.out.rfind("Date,Home,Away,PHome,PDraw,PAway,Score\r\n", 0), 0u);
    EXPECT_EQ(std::count(matches.out.begin(), matches.out.end(), '\n'), 1 + 65);

    const ToolRun witness =
        Tool({"outlook", League(), "--as-at", "01/04/2006", "--witness", "Sunderland", "best"});
    ASSERT_EQ(witness.exitCode, 0) << witness.err;
    EXPECT_EQ(witness.out.rfind("Sunderland can still finish ", 0), 0u) << witness.out;
    ExpectOneLineError({"outlook", League(), "--witness", "Sunderland", "middle"}, "best or worst");
}

} // namespace
} // namespace vantorel

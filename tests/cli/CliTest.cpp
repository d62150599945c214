// End-to-end runs of the built vantorel-cli.

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
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
using Words = std::vector<std::string>;

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

// Whether text holds part (at its start when atStart), showing the text either way.
::testing::AssertionResult Has(const std::string& text, const std::string& part, bool atStart = false) {
    const bool found = atStart ? text.rfind(part, 0) == 0 : text.find(part) != std::string::npos;
    return (found ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << "'" << part << (found ? "' in:\n" : "' not in:\n") << text;
}

std::ptrdiff_t Lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

class Cli : public ::testing::Test {
protected:
    // Runs the tool after shellPrefix (to set limits), its standard output going to outPath if one is given.
    ToolRun Tool(const Words& words, const std::string& shellPrefix = "", const std::string& outPath = "") {
        std::string command = shellPrefix + Quoted(VANTOREL_CLI);
        for (const std::string& word : words)
            command += " " + Quoted(word);
        command += " >" + Quoted(outPath.empty() ? folder_.file("out.txt") : outPath) + " 2>" +
                   folder_.file("err.txt");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                FileText(folder_.file("out.txt")), FileText(folder_.file("err.txt"))};
    }
    std::string File(const std::string& name, const std::string& contents) {
        std::ofstream(folder_.file(name), std::ios::binary) << contents;
        return folder_.file(name);
    }
    std::string League() const { return folder_.file("league.div"); }
    // The sample season's league, with its results unless withResults is false.
    void NewSeason(Words options = {}, bool withResults = true) {
        options.insert(options.begin(),
                       {"new", League(), "--name", "Premier League", "--teams", Season("teams.txt")});
        ASSERT_EQ(Tool(options).exitCode, 0);
        if (withResults) {
            ASSERT_EQ(Tool({"import", League(), "results", Season("results.csv")}).exitCode, 0);
        }
    }
    // A league "L" of the teams given, one a line.
    void NewLeague(const std::string& teams, const std::string& path = "") {
        const Words words{
            "new", path.empty() ? League() : path, "--name", "L", "--teams", File("t.txt", teams)};
        ASSERT_EQ(Tool(words).exitCode, 0);
    }
    std::string Season(const std::string& name) const { return testing::SampleSeasonFolder() + "/" + name; }

    void ExpectOneLineError(const Words& words, const std::string& part) {
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_TRUE(Has(run.err, part));
        EXPECT_EQ(Lines(run.err), 1) << run.err;
    }

    testing::TempFolder folder_;
};

TEST_F(Cli, TheSampleSeasonEndsAsItsPublishedTableAndTheTableFollowsTheSettingsAndExplainsTies) {
    NewSeason({"--promote", "1", "--relegate", "3", "--own-team", "Everton"}, false);
    ASSERT_EQ(Tool({"set", League(), "--sort-rules", "123"}).exitCode, 0);
    const ToolRun import = Tool({"import", League(), "results", Season("results.csv")});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    EXPECT_EQ(import.out, "Records Read: 380\nSuccessful: 380\nErrors: 0\n");
    std::string published = "Pos,Team,P,W,D,L,F,A,GD,Pts\r\n";
    const std::vector<std::string> expected = testing::SampleSeasonLines("table.csv");
    for (std::size_t p = 1; p < expected.size(); ++p) {
        ASSERT_TRUE(expected[p].ends_with(",0")); // no deductions this season
        published += std::to_string(p) + "," + expected[p].substr(0, expected[p].size() - 2) + "\r\n";
    }
    EXPECT_EQ(Tool({"export", League(), "table", "--short"}).out, published);

    ASSERT_EQ(Tool({"set", League(), "--deduct", "Chelsea=20", "--sort-rules", "123"}).exitCode, 0);
    const ToolRun table = Tool({"table", League()});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    for (const char* part : {"  U  Manchester United", "  D  Sunderland", "Played games, up to 07/05/2006",
                             "  3  Chelsea"}) // 91 less 20 points
        EXPECT_TRUE(Has(table.out, part));
    const ToolRun halfway = Tool({"table", League(), "--as-at", "31/12/2005", "--short", "--poss"});
    EXPECT_TRUE(Has(halfway.out, "up to 31/12/2005"));
    EXPECT_TRUE(Has(halfway.out, "PP"));
    EXPECT_FALSE(Has(halfway.out, "  U  "));
    const std::string info = Tool({"info", League()}).out;
    for (const char* part : {"Own team: Everton\n", "Played: 380\n",
                             "Sort rules: 123 (Points total, Goal difference, Goals scored)"})
        EXPECT_TRUE(Has(info, part));
    EXPECT_EQ(Tool({"check", League()}).exitCode, 0);

    // Fulham and Middlesbrough both ended on a goal difference of -10. Between them: Middlesbrough 3-2
    // Fulham, Fulham 1-0 Middlesbrough, so 3 points and 3 goals each, but Fulham scored 2 away goals to none.
    for (const auto& [rules, why] : {std::pair{"26789", "ahead on head-to-head away goals: 2 to 0\n"},
                                     std::pair{"21", "ahead on points total: 48 to 45\n"}}) {
        ASSERT_EQ(Tool({"set", League(), "--sort-rules", rules}).exitCode, 0);
        const ToolRun run = Tool({"table", League(), "--explain"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string& explained = run.out;
        EXPECT_TRUE(Has(explained, "Fulham above Middlesbrough: Level on a goal difference of -10; " +
                                       std::string(why)));
        EXPECT_EQ(explained.find(" above "), explained.rfind(" above ")) << "only one pair is level";
    }
    EXPECT_FALSE(Has(Tool({"table", League()}).out, " above "));
}

TEST_F(Cli, StatsPrintListsFiguresATeamPageAndAPlayerRecordAndUnwritableOutputFails) {
    NewSeason();
    const ToolRun division = Tool({"stats", League(), "division"});
    ASSERT_EQ(division.exitCode, 0) << division.err;
    EXPECT_TRUE(Has(division.out, "Highest Home Scores:\n14/01/2006   7-0 Arsenal v Middlesbrough\n", true));
    for (const char* line :
         {"\nHighest Away Scores:\n04/12/2005   2-5 Charlton Athletic v Manchester City\n",
          "\nGoals Ave/Game: 2.48\n", "\nResults Home Wins: 192\n", "\nResults No Score: 32\n"})
        EXPECT_TRUE(Has(division.out, line));
    EXPECT_EQ(Tool({"stats", League(), "goals"}).out,
              "Goal statistics are only available if you enter goal scorer details\n");
    ExpectOneLineError({"stats", League(), "teams"}, "division, goals, team or player");

    ASSERT_EQ(Tool({"import", League(), "players", File("p.csv", "Frank Lampard,Chelsea\n")}).exitCode, 0);
    const ToolRun team = Tool({"stats", League(), "team", "Chelsea", "--date-format", "d/M/yy"});
    ASSERT_EQ(team.exitCode, 0) << team.err;
    for (const char* line :
         {"\nWon: 29\n", "\nHighest Score (For) Home: 5 Bolton Wanderers\n", "\nSummary: Unbeaten at home\n",
          "\nClean Sheets Total: 20 (52%)\n",
          "\nDate      Attend  H/A  Opposition            F  A\n7/5/06    0       A    Newcastle",
          "\nPlayer         Appear  Goals  Penalties  Own Goals\nFrank Lampard          0"})
        EXPECT_TRUE(Has(team.out, line));
    const ToolRun player = Tool({"stats", League(), "player", "Frank Lampard"});
    ASSERT_EQ(player.exitCode, 0) << player.err;
    EXPECT_TRUE(Has(player.out, "Statistics for Frank Lampard (Chelsea)\nTotal: 0\n", true));
    EXPECT_TRUE(Has(player.out, "\nYellow: n/a\nRed: n/a\n"));
    ExpectOneLineError({"stats", League(), "team", "Chelsea FC"}, "no team called 'Chelsea FC'");
    ExpectOneLineError({"stats", League(), "coach", "Chelsea"}, "team or player");

    // Output that does not reach its file is a failure: a long one while the command runs, a short one at
    // its end, the help's with no command to name.
    const std::vector<Words> commands = {{"export", League(), "all"},
                                         {"info", League()},
                                         {"help"},
                                         {"result", League(), "rescore", "Arsenal", "Aston Villa", "1-0"}};
    for (const Words& words : commands) {
        const ToolRun run = Tool(words, "", "/dev/full");
        EXPECT_NE(run.exitCode, 0) << words[0] << " " << words.back();
        EXPECT_TRUE(Has(run.err, "the output could not be written: Disk full"));
    }
}

TEST_F(Cli, ImportSavesOnlyWhatWasImportedAndExitsWithTwoWhenNothingWasUsable) {
    NewLeague("\xEF\xBB\xBF"
              "Leeds\r\n\r\n Hull \nYork\nBury\n");
    const std::string before = FileText(League());
    for (const auto& [what, lines, counts] :
         {std::tuple{"players", "Player Name,Team\nAnn,Nowhere\n",
                     "Records Read: 2\nSuccessful: 0\nErrors: 2\n"},
          std::tuple{"results", "a,b\r\nc,d\re,f\n", "Records Read: 3\nSuccessful: 0\nErrors: 3\n"}}) {
        const ToolRun nothing = Tool({"import", League(), what, File("bad.csv", lines)});
        EXPECT_EQ(nothing.out, counts);
        EXPECT_EQ(nothing.exitCode, 2); // every line was an error
        EXPECT_EQ(FileText(League()), before);
    }
    const ToolRun empty = Tool({"import", League(), "results", File("empty.csv", "")});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_EQ(empty.out, "Records Read: 0\nSuccessful: 0\nErrors: 0\n");
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
    EXPECT_TRUE(Has(exported.out, "9.8.2025,Bury,Hull,1,0,999\r\n"));
    EXPECT_TRUE(Has(exported.out, "\"Ann\",Hull\r\n"));

    // The whole export rebuilds the league's results and players in a new league of the same teams.
    const std::string copy = folder_.file("copy.div");
    NewLeague("Leeds\nHull\nYork\nBury\n", copy);
    const ToolRun all =
        Tool({"import", copy, "all", File("all.csv", exported.out), "--date-format", "d.M.yy"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_TRUE(Has(all.out, "Successful: 3\nErrors: 0\n"));
}

TEST_F(Cli, ConcurrentChangesLoseNothingAndCheckReportsEveryBrokenRule) {
    NewLeague("A\nB\nC\nD\n");
    // Twelve imports at once, one fixture each: each command holds the league from loading to saving.
    std::string command;
    for (const char home : std::string("ABCD"))
        for (const char away : std::string("ABCD"))
            if (home != away) {
                const std::string line = std::string("01/08/2025,") + home + "," + away + ",1,0\n";
                command += Quoted(VANTOREL_CLI) + " import " + Quoted(League()) + " results " +
                           Quoted(File(std::string("r") + home + away + ".csv", line)) + " >/dev/null 2>>" +
                           Quoted(folder_.file("errors.txt")) + " & ";
            }
    ASSERT_EQ(std::system((command + "wait").c_str()), 0);
    EXPECT_EQ(FileText(folder_.file("errors.txt")), "");
    EXPECT_TRUE(Has(Tool({"info", League()}).out, "Played: 12\n"));
    EXPECT_EQ(Tool({"check", League()}).exitCode, 0);

    // Check reports every broken rule of a league changed behind the program's back; opening recomputes.
    const std::string broken = folder_.file("broken.div");
    NewLeague("A\nB\nC\nD\n", broken);
    ASSERT_EQ(Tool({"import", broken, "results", File("r.csv", "01/08/2025,A,B,2,0\n")}).exitCode, 0);
    EXPECT_EQ(Tool({"check", broken}).exitCode, 0);
    std::string bytes = FileText(broken);
    bytes[68 + 32] = 9;      // team A's Points
    bytes[68 + 36 + 31] = 5; // team B's Played
    File("broken.div", bytes);
    const ToolRun check = Tool({"check", broken});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(Lines(check.out), 2) << check.out;
    EXPECT_TRUE(Has(check.out, "(A) has Points 9 but its results and deduction give 3"));
    EXPECT_TRUE(Has(check.out, "(B) has Played 5 but took part in 1"));
    const ToolRun table = Tool({"table", broken, "--short"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(Has(table.err, "recomputed"));
}

TEST_F(Cli, UserErrorsPrintOneLineAndExitWithOne) {
    const std::string teams = File("teams.txt", "A\nB\nC\nD\n");
    ExpectOneLineError({"new", League(), "--teams", teams}, "You must enter a name for this table");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", File("three.txt", "A\nB\nC\n")},
                       "4 to 24 teams");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams, "--meet", "3"}, "--meet");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams, "--own-team", "Z"}, "--own-team");
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", folder_.file("none.txt")},
                       "could not be opened");
    ExpectOneLineError({"new", folder_.file(std::string(300, 'x') + ".div"), "--name", "L", "--teams", teams},
                       "Invalid filename");
    ASSERT_EQ(Tool({"new", League(), "--name", "L", "--teams", teams}).exitCode, 0);
    ExpectOneLineError({"new", League(), "--name", "L", "--teams", teams}, "already exists");
    ExpectOneLineError({"export", League(), "results", "--date-format", "yyyyMd"}, "with a separator");

    ExpectOneLineError({"table", folder_.file("missing.div")}, "File not found");
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
    // Names with control characters or that a spreadsheet would read as a formula.
    ExpectOneLineError({"player", League(), "add", "Bell\a", "--team", "A"}, "control characters");
    ExpectOneLineError({"player", League(), "add", "=cmd|'/c calc'!A1", "--team", "A"}, "may not begin with");
    ExpectOneLineError({"new", folder_.file("other.div"), "--name", "@League", "--teams", teams},
                       "A league name may not begin with");

    // A pipe named like a league is refused at once.
    const std::string pipe = folder_.file("pipe.div");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const Words& words : {Words{"table", pipe},
                               {"check", pipe},
                               {"info", pipe},
                               {"result", pipe, "enter", "A", "B", "1-0"}}) {
        const ToolRun run = Tool(words, "timeout 20 ");
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_TRUE(Has(run.err, "This is not a regular file."));
    }
}

// A downloaded results file makes a league of its teams, or feeds one of full names from a pipe via aliases.
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
    EXPECT_TRUE(Has(exported, "\r\n13/08/2005,Man United,West Brom,2,1,0\r\n"));
    EXPECT_EQ(Lines(exported), 4);

    const std::string full = folder_.file("full.div");
    NewLeague("Manchester United\nWest Bromwich Albion\nWigan Athletic\nArsenal\n", full);
    const std::string pipe = "cat " + Quoted(data) + " | ";
    ToolRun run = Tool({"import", full, "results", "-"}, pipe);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Has(run.err, "\"West Brom\" (closest: \"West Bromwich Albion\")"));
    EXPECT_EQ(Lines(run.err), 1) << run.err;
    run =
        Tool({"import", full, "results", "-", "--aliases", File("a.txt", "West Brom=West Bromwich Albion\n")},
             pipe);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Successful: 3"));
    // Dates that read two ways are refused unless the format is given.
    const std::string twoWays =
        File("two.csv", "Date,Home,Away,HG,AG\n04/05/2006,Arsenal,Wigan Athletic,1,0\n");
    ExpectOneLineError({"import", full, "results", twoWays}, "as dd/MM/yyyy or as MM/dd/yyyy");
    EXPECT_EQ(Tool({"import", full, "results", twoWays, "--date-format", "MM/dd/yyyy"}).exitCode, 0);
}

TEST_F(Cli, EveryCommandHasHelp) {
    for (const cmdline::CommandUsage& command : cmdline::CliUsage().commands) {
        const std::string name(command.name);
        const ToolRun run = Tool({name, "--help"});
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_TRUE(Has(run.out, "usage: vantorel-cli " + name, true));
        // Every command listed runs: without its arguments it refuses them, not the command.
        EXPECT_FALSE(Has(Tool({name}).err, "unknown command")) << name;
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
              "12\t02/08/2025\t0\tYork\tLeeds\t0-3\n4\t09/08/2025\t1,500\tHull\tBury\t1-1\n");

    ASSERT_EQ(Tool({"predict", League(), "Hull", "Leeds", "2-0", "--date", "16/08/2025"}).exitCode, 0);
    ASSERT_EQ(Tool({"result", League(), "cancel", "Hull", "Bury"}).exitCode, 0);
    const ToolRun open = Tool({"list", League(), "open", "--sort", "predicted"});
    EXPECT_TRUE(Has(open.out, "5\tpredicted\t16/08/2025\tHull\tLeeds\t2-0\n", true));
    // The cancelled result is open again, keeping its score and date.
    EXPECT_TRUE(Has(open.out, "\n4\t-\t09/08/2025\tHull\tBury\t1-1\n"));

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

    const std::pair<Words, std::string> goals[] = {
        {{"home", "--goal", "1", "--player", "Ann", "--minute", "67"}, "Goal 1 for Hull: Ann\n"},
        {{"home", "--goal", "2", "--player", "Ann", "--minute", "23", "--penalty"}, "Goal 2 for Hull: Ann\n"},
        {{"home", "--goal", "3", "--player", "Cal", "--minute", "80", "--own-goal"},
         "Goal 3 for Hull: Cal\n"},
        {{"away", "--goal", "1", "--player", "Cal", "--minute", "30"}, "Goal 1 for Bury: Cal\n"},
    };
    for (const auto& [options, out] : goals) {
        Words words = {"scorer", League(), "Hull", "Bury", "--for"};
        words.insert(words.end(), options.begin(), options.end());
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.out, out) << run.err;
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
    EXPECT_TRUE(Has(Tool({"info", League()}).out, "Squads: 1\n"));
    ExpectOneLineError({"squad", League(), "Hull", "Bury", "--side", "away", "--players", "Ann"},
                       "Ann is not a player of Bury");
    ExpectOneLineError({"player", League(), "delete", "Bea"}, "appears in a squad. Delete not performed.");
    ASSERT_EQ(Tool({"player", League(), "change", "Bea", "--team", "Transferred-Out"}).exitCode, 0);
    EXPECT_EQ(Tool({"players", League(), "--team", "Transferred-Out"}).out,
              "Bea                   Transferred-Out                 0\n");
}

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
    // A file size limit makes the save fail as a full disk does.
    const ToolRun full =
        Tool({"import", League(), "results", Season("results.csv")}, "trap '' XFSZ; ulimit -f 1; ");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.out, "");
    EXPECT_TRUE(Has(full.err, "Disk full. Nothing was saved"));
    EXPECT_EQ(FileText(League()), created);

    const ToolRun added = Tool({"player", League(), "add", "Ann", "--team", "Arsenal"});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "Added Ann\n");
    EXPECT_EQ(FileText(League() + ".bak"), created);

    ::chmod(League().c_str(), 0444); // the save is refused, even for the superuser
    const std::string kept = FileText(League());
    for (const Words& words :
         {Words{"player", League(), "add", "Bob", "--team", "Arsenal"},
          Words{"result", League(), "enter", "Arsenal", "Chelsea", "2-1", "--date", "01/01/2006"}}) {
        const ToolRun run = Tool(words);
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_EQ(run.out, "") << words[0];
        EXPECT_TRUE(Has(run.err, "File access denied"));
    }
    EXPECT_EQ(FileText(League()), kept);
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
    EXPECT_TRUE(Has(Tool({"info", League()}).out, "\nUnsaved changes: 1, the last made on "));
    EXPECT_EQ(Tool({"recover", League()}).out, League() + ": 1 unsaved change recovered and saved\n");
    EXPECT_EQ(Tool({"list", League(), "results"}).out, "4\t15/03/2023\t0\tHull\tBury\t2-1\n");
    EXPECT_FALSE(Has(Tool({"info", League()}).out, "Unsaved"));
    EXPECT_EQ(Tool({"result", League(), "enter", "York", "Leeds", "0-3"}).exitCode, 0);
    EXPECT_EQ(Tool({"recover", League(), "--discard"}).out, League() + ": no unsaved changes\n");
}

TEST_F(Cli, OutlookPrintsTheLayoutScriptsRelyOnTheSameForTheSameSeed) {
    NewSeason({"--relegate", "3"});
    const Words outlook{"outlook", League(), "--as-at", "01/04/2006", "--simulations",
                        "2000",    "--seed", "9",       "--csv"};
    const ToolRun first = Tool(outlook);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, Tool(outlook).out);
    std::istringstream lines(first.out);
    std::string heading, row;
    std::getline(lines, heading);
    std::getline(lines, row);
    EXPECT_TRUE(Has(heading, "Pos,Team,Pts,Best,Worst,Title,Relegation,P1,P2,", true));
    EXPECT_TRUE(Has(heading, ",P20\r"));
    EXPECT_TRUE(Has(row, "1,Chelsea,", true));

    const ToolRun matches =
        Tool({"outlook", League(), "--as-at", "01/04/2006", "--simulations", "0", "--matches", "--csv"});
    ASSERT_EQ(matches.exitCode, 0) << matches.err;
    EXPECT_TRUE(Has(matches.out, "Date,Home,Away,PHome,PDraw,PAway,Score\r\n", true));
    EXPECT_EQ(Lines(matches.out), 1 + 65);
    const ToolRun witness =
        Tool({"outlook", League(), "--as-at", "01/04/2006", "--witness", "Sunderland", "best"});
    ASSERT_EQ(witness.exitCode, 0) << witness.err;
    EXPECT_TRUE(Has(witness.out, "Sunderland can still finish ", true));
    ExpectOneLineError({"outlook", League(), "--witness", "Sunderland", "middle"}, "best or worst");
}

} // namespace
} // namespace vantorel

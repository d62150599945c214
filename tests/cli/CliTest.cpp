// End-to-end runs of the built vantorel-cli.

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

#include "app/Workspace.h"
#include "cmdline/Usage.h"
#include "results/ResultEntry.h"
#include "store/Journal.h"
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

// Whether text holds every part, naming the first it lacks.
::testing::AssertionResult HasAll(const std::string& text, std::initializer_list<std::string> parts) {
    for (const std::string& part : parts)
        if (!Has(text, part))
            return Has(text, part);
    return ::testing::AssertionSuccess();
}

std::ptrdiff_t Lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

class Cli : public ::testing::Test {
protected:
    // Runs the tool after shellPrefix (to set limits), its standard output going to outPath if one is given
    // (out is then empty).
    ToolRun Tool(const Words& words, const std::string& shellPrefix = "", const std::string& outPath = "") {
        std::string command = shellPrefix + Quoted(VANTOREL_CLI);
        for (const std::string& word : words)
            command += " " + Quoted(word);
        command += " >" + Quoted(outPath.empty() ? folder_.file("out.txt") : outPath) + " 2>" +
                   folder_.file("err.txt");
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                outPath.empty() ? FileText(folder_.file("out.txt")) : "", FileText(folder_.file("err.txt"))};
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

    // The standard output of a command that must succeed.
    std::string Out(const Words& words, const std::string& shellPrefix = "") {
        const ToolRun run = Tool(words, shellPrefix);
        EXPECT_EQ(run.exitCode, 0) << words[0] << ": " << run.err;
        return run.out;
    }
    // A command that must fail with exit code 1, saying part and writing nothing to its standard output.
    ToolRun ExpectRefused(const Words& words, const std::string& part, const std::string& shellPrefix = "") {
        const ToolRun run = Tool(words, shellPrefix);
        EXPECT_EQ(run.exitCode, 1) << words[0];
        EXPECT_EQ(run.out, "") << words[0];
        EXPECT_TRUE(Has(run.err, part));
        return run;
    }
    void ExpectOneLineError(const Words& words, const std::string& part,
                            const std::string& shellPrefix = "") {
        EXPECT_EQ(Lines(ExpectRefused(words, part, shellPrefix).err), 1);
    }

    testing::TempFolder folder_;
};

TEST_F(Cli, TheSampleSeasonEndsAsItsPublishedTableAndTheTableFollowsTheSettingsAndExplainsTies) {
    NewSeason({"--promote", "1", "--relegate", "3", "--own-team", "Everton"}, false);
    ASSERT_EQ(Tool({"set", League(), "--sort-rules", "123"}).exitCode, 0);
    EXPECT_EQ(Out({"import", League(), "results", Season("results.csv")}),
              "Records Read: 380\nSuccessful: 380\nErrors: 0\n");
    // The short table's columns, led by the champions (the whole published table is the standings' own test).
    EXPECT_TRUE(Has(Out({"export", League(), "table", "--short"}),
                    "Pos,Team,P,W,D,L,F,A,GD,Pts\r\n1,Chelsea,38,29,4,5,72,22,50,91\r\n", true));

    ASSERT_EQ(Tool({"set", League(), "--deduct", "Chelsea=20", "--sort-rules", "123"}).exitCode, 0);
    EXPECT_TRUE(HasAll(Out({"table", League()}),
                       {"  U  Manchester United", "  D  Sunderland", "Played games, up to 07/05/2006",
                        "  3  Chelsea"})); // 91 less 20 points
    const std::string halfway = Out({"table", League(), "--as-at", "31/12/2005", "--short", "--poss"});
    EXPECT_TRUE(HasAll(halfway, {"up to 31/12/2005", "PP"}));
    EXPECT_FALSE(Has(halfway, "  U  "));
    EXPECT_TRUE(
        HasAll(Out({"info", League()}), {"Own team: Everton\n", "Played: 380\n",
                                         "Sort rules: 123 (Points total, Goal difference, Goals scored)"}));
    Out({"check", League()});

    // Fulham and Middlesbrough both ended on a goal difference of -10. Between them: Middlesbrough 3-2
    // Fulham, Fulham 1-0 Middlesbrough, so 3 points and 3 goals each, but Fulham scored 2 away goals to none.
    for (const auto& [rules, why] : {std::pair{"26789", "ahead on head-to-head away goals: 2 to 0\n"},
                                     std::pair{"21", "ahead on points total: 48 to 45\n"}}) {
        ASSERT_EQ(Tool({"set", League(), "--sort-rules", rules}).exitCode, 0);
        const std::string explained = Out({"table", League(), "--explain"});
        EXPECT_TRUE(Has(explained, "Fulham above Middlesbrough: Level on a goal difference of -10; " +
                                       std::string(why)));
        EXPECT_EQ(explained.find(" above "), explained.rfind(" above ")) << "only one pair is level";
    }
    EXPECT_FALSE(Has(Tool({"table", League()}).out, " above "));
}

TEST_F(Cli, StatsPrintListsFiguresATeamPageAndAPlayerRecordAndUnwritableOutputFails) {
    NewSeason();
    const std::string division = Out({"stats", League(), "division"});
    EXPECT_TRUE(Has(division, "Highest Home Scores:\n14/01/2006   7-0 Arsenal v Middlesbrough\n", true));
    EXPECT_TRUE(
        HasAll(division, {"\nHighest Away Scores:\n04/12/2005   2-5 Charlton Athletic v Manchester City\n",
                          "\nGoals Ave/Game: 2.48\n", "\nResults No Score: 32\n"}));
    EXPECT_EQ(Out({"stats", League(), "goals"}),
              "Goal statistics are only available if you enter goal scorer details\n");
    ExpectOneLineError({"stats", League(), "teams"}, "division, goals, team or player");

    ASSERT_EQ(Tool({"import", League(), "players", File("p.csv", "Frank Lampard,Chelsea\n")}).exitCode, 0);
    EXPECT_TRUE(
        HasAll(Out({"stats", "--date-format", "d/M/yy", League(), "team", "Chelsea"}),
               {"\nWon: 29\n", "\nHighest Score (For) Home: 5 Bolton Wanderers\n",
                "\nSummary: Unbeaten at home\n", "\nClean Sheets Total: 20 (52%)\n",
                "\nDate      Attend  H/A  Opposition            F  A\n7/5/06    0       A    Newcastle",
                "\nPlayer         Appear  Goals  Penalties  Own Goals\nFrank Lampard          0"}));
    const std::string player = Out({"stats", League(), "player", "Frank Lampard"});
    EXPECT_TRUE(Has(player, "Statistics for Frank Lampard (Chelsea)\nTotal: 0\n", true));
    EXPECT_TRUE(Has(player, "\nYellow: n/a\nRed: n/a\n"));
    ExpectOneLineError({"stats", League(), "team", "Chelsea FC"}, "no team called 'Chelsea FC'");

    // Output that does not reach its file is a failure: a long one while the command runs, a short one at
    // its end, the help's with no command to name.
    const std::vector<Words> commands = {{"export", League(), "all"},
                                         {"info", League()},
                                         {"help"},
                                         {"result", League(), "rescore", "Arsenal", "Aston Villa", "1-0"}};
    for (const Words& words : commands) {
        const ToolRun run = Tool(words, "", "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << words[0] << " " << words.back();
        EXPECT_TRUE(Has(run.err, "the output could not be written: Disk full"));
    }
}

TEST_F(Cli, ImportSavesOnlyWhatWasImportedAndExitsWithTwoWhenNothingWasUsable) {
    NewLeague("\xEF\xBB\xBF"
              "Leeds\r\n\r\n Hull \nYork\nBury\n");
    const std::string before = FileText(League());
    const ToolRun nothing = Tool({"import", League(), "results", File("bad.csv", "a,b\r\nc,d\re,f\n")});
    EXPECT_EQ(nothing.out, "Records Read: 3\nSuccessful: 0\nErrors: 3\n");
    EXPECT_EQ(nothing.exitCode, 2); // every line was an error
    EXPECT_EQ(FileText(League()), before);
    EXPECT_EQ(Out({"import", League(), "results", File("empty.csv", "")}),
              "Records Read: 0\nSuccessful: 0\nErrors: 0\n");
    EXPECT_EQ(Out({"import", League(), "players", File("good.csv", "\"Ann\",Hull\nBob,Transferred-Out\n")}),
              "Records Read: 2\nSuccessful: 2\nErrors: 0\n");
    EXPECT_NE(FileText(League()), before);
    EXPECT_EQ(Out({"import", League(), "results", File("r.csv", "2025-08-09,Bury,Hull,1,0,999\n"),
                   "--date-format", "yyyy-MM-dd"}),
              "Records Read: 1\nSuccessful: 1\nErrors: 0\n");
    const std::string exported = Out({"export", League(), "all", "--date-format", "d.M.yy"});
    // Exports widen the year to four digits, so that no date changes its century when read back.
    EXPECT_TRUE(HasAll(exported, {"9.8.2025,Bury,Hull,1,0,999\r\n", "\"Ann\",Hull\r\n"}));

    // The whole export rebuilds the league's results and players in a new league of the same teams.
    const std::string copy = folder_.file("copy.div");
    NewLeague("Leeds\nHull\nYork\nBury\n", copy);
    EXPECT_TRUE(Has(Out({"import", copy, "all", File("all.csv", exported), "--date-format", "d.M.yy"}),
                    "Successful: 3\nErrors: 0\n"));
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
    EXPECT_TRUE(Has(Out({"info", League()}), "Played: 12\n"));
    Out({"check", League()});

    // Check reports every broken rule of a league changed behind the program's back; opening recomputes.
    const std::string broken = folder_.file("broken.div");
    NewLeague("A\nB\nC\nD\n", broken);
    ASSERT_EQ(Tool({"import", broken, "results", File("r.csv", "01/08/2025,A,B,2,0\n")}).exitCode, 0);
    Out({"check", broken});
    std::string bytes = FileText(broken);
    bytes[68 + 32] = 9;      // team A's Points
    bytes[68 + 36 + 31] = 5; // team B's Played
    File("broken.div", bytes);
    const ToolRun check = Tool({"check", broken});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(Lines(check.out), 2) << check.out;
    EXPECT_TRUE(HasAll(check.out, {"(A) has Points 9 but its results and deduction give 3",
                                   "(B) has Played 5 but took part in 1"}));
    const ToolRun table = Tool({"table", broken, "--short"});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(Has(table.err, "recomputed"));
}

TEST_F(Cli, UserErrorsPrintOneLineAndExitWithOne) {
    const std::string teams = File("teams.txt", "A\nB\nC\nD\n");
    const std::string league = League();
    const std::pair<Words, std::string> beforeTheLeague[] = {
        {{"new", league, "--teams", teams}, "You must enter a name for this table"},
        {{"new", league, "--name", "L", "--teams", teams, "--meet", "3"}, "--meet"},
        {{"new", league, "--name", "L", "--teams", teams, "--own-team", "Z"}, "--own-team"},
        {{"new", league, "--name", "L", "--teams", folder_.file("none.txt")}, "could not be opened"},
        {{"new", folder_.file(std::string(300, 'x') + ".div"), "--name", "L", "--teams", teams},
         "Invalid filename"},
        {{"table", folder_.file("missing.div")}, "File not found"},
        {{"check", File("text.div", std::string(200, 'x'))}, "not a league file"},
        {{"info"}, "missing league file"},
        {{"frobnicate"}, "unknown command"}};
    for (const auto& [words, part] : beforeTheLeague)
        ExpectOneLineError(words, part);
    ASSERT_EQ(Tool({"new", league, "--name", "L", "--teams", teams}).exitCode, 0);
    const std::pair<Words, std::string> onTheLeague[] = {
        {{"new", league, "--name", "L", "--teams", teams}, "already exists"},
        {{"export", league, "results", "--date-format", "yyyyMd"}, "with a separator"},
        {{"table", league, "--content", "best"}, "--content"},
        {{"table", league, "--as-at", "31/02/2006"}, "not a valid date"},
        {{"table", league, "--form-games", "1"}, "--form-games"},
        {{"table", league, "--colour"}, "needs a value"},
        {{"table", league, "--colour", "red"}, "unknown option --colour"},
        {{"export", league, "everything"}, "unknown section"},
        {{"import", league, "results", folder_.file("none.csv")}, "could not be opened"},
        {{"import", league, "teams", teams}, "results, players, scorers, squads or all"},
        {{"set", league, "--deduct", "Z=3"}, "no team called 'Z'"},
        {{"set", league, "--deduct", "A=21"}, "--deduct"},
        // A name with control characters; a league name that a spreadsheet would read as a formula.
        {{"player", league, "add", "Bell\a", "--team", "A"}, "control characters"},
        {{"new", folder_.file("other.div"), "--name", "@League", "--teams", teams},
         "A league name may not begin with"}};
    for (const auto& [words, part] : onTheLeague)
        ExpectOneLineError(words, part);
    for (const char* rules : {"1126", "R", "", "123456789", "16x"})
        ExpectOneLineError({"set", league, "--sort-rules", rules}, "--sort-rules");

    // A pipe named like a league is refused at once.
    const std::string pipe = folder_.file("pipe.div");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const Words& words :
         {Words{"table", pipe}, {"check", pipe}, {"result", pipe, "enter", "A", "B", "1-0"}})
        ExpectRefused(words, "This is not a regular file.", "timeout 20 ");
}

// A downloaded results file makes a league of its teams, or feeds one of full names from a pipe via aliases.
TEST_F(Cli, ResultsFilesMakeALeagueOrImportThroughAliasesFromStandardInput) {
    const std::string data = File("e0.csv", "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,FTR,Referee\r\n"
                                            "E0,13/08/05,Man United,West Brom,2,1,H,M Dean\r\n"
                                            "E0,14/08/05,Wigan,Arsenal,0,0,D,M Dean\r\n"
                                            "E0,20/08/05,West Brom,Wigan,1,3,A,M Dean\r\n");
    EXPECT_EQ(Out({"new", League(), "--from-results", data, "--name", "E0"}),
              "Created " + League() + ": 4 teams, 12 fixtures, 3 results\n");
    // Every result with its date in four digits, the short names kept.
    const std::string exported = Out({"export", League(), "results"});
    EXPECT_TRUE(Has(exported, "\r\n13/08/2005,Man United,West Brom,2,1,0\r\n"));
    EXPECT_EQ(Lines(exported), 4);

    const std::string full = folder_.file("full.div");
    NewLeague("Manchester United\nWest Bromwich Albion\nWigan Athletic\nArsenal\n", full);
    const std::string pipe = "cat " + Quoted(data) + " | ";
    ExpectOneLineError({"import", full, "results", "-"}, "\"West Brom\" (closest: \"West Bromwich Albion\")",
                       pipe);
    EXPECT_TRUE(Has(
        Out({"import", full, "results", "-", "--aliases", File("a.txt", "West Brom=West Bromwich Albion\n")},
            pipe),
        "Successful: 3"));
    // Dates that read two ways are taken as the format given says.
    Out({"import", full, "results",
         File("two.csv", "Date,Home,Away,HG,AG\n04/05/2006,Arsenal,Wigan Athletic,1,0\n"), "--date-format",
         "MM/dd/yyyy"});
}

TEST_F(Cli, EveryCommandHasHelp) {
    for (const cmdline::CommandUsage& command : cmdline::CliUsage().commands) {
        const std::string name(command.name);
        EXPECT_TRUE(Has(Out({name, "--help"}), "usage: vantorel-cli " + name, true));
        // Every command listed runs: without its arguments it refuses them, not the command.
        EXPECT_FALSE(Has(Tool({name}).err, "unknown command")) << name;
    }
    Out({"--help"});
    EXPECT_EQ(Tool({}).exitCode, 1);
    EXPECT_EQ(Tool({"--version"}).out, cmdline::VersionLine("vantorel-cli") + "\n");
}

TEST_F(Cli, ResultsAreEnteredCorrectedCancelledAndPredicted) {
    NewLeague("Bury\nHull\nLeeds\nYork\n");
    EXPECT_EQ(Out({"result", League(), "enter", "Hull", "Bury", "2-1", "--date", "09/08/2025", "--attendance",
                   "1500"}),
              "Entered match 4: Hull v Bury 2-1\n");
    Out({"result", League(), "enter", "York", "Leeds", "0-3", "--date", "09/08/2025"});
    EXPECT_EQ(Out({"result", League(), "rescore", "Hull", "Bury", "1-1"}),
              "Rescored match 4: Hull v Bury 1-1\n");
    Out({"result", League(), "redate", "--match", "12", "02/08/2025"});
    EXPECT_EQ(Out({"list", League(), "results", "--sort", "date"}),
              "12\t02/08/2025\t0\tYork\tLeeds\t0-3\n4\t09/08/2025\t1,500\tHull\tBury\t1-1\n");

    Out({"predict", League(), "Hull", "Leeds", "2-0", "--date", "16/08/2025"});
    Out({"result", League(), "cancel", "Hull", "Bury"});
    const std::string open = Out({"list", League(), "open", "--sort", "predicted"});
    EXPECT_TRUE(Has(open, "5\tpredicted\t16/08/2025\tHull\tLeeds\t2-0\n", true));
    // The cancelled result is open again, keeping its score and date.
    EXPECT_TRUE(Has(open, "\n4\t-\t09/08/2025\tHull\tBury\t1-1\n"));
    // Match days for the open fixtures, two a day; the played result keeps its date.
    EXPECT_EQ(Out({"schedule", League(), "23/08/2025"}),
              "Scheduled 11 open fixtures from 23/08/2025 to 27/09/2025\n");
    EXPECT_EQ(Out({"list", League(), "results"}), "12\t02/08/2025\t0\tYork\tLeeds\t0-3\n");

    ExpectOneLineError({"result", League(), "enter", "Hull", "Leeds", "2:0"}, "H-A");
    ExpectOneLineError({"result", League(), "enter", "Hull", "Leeds", "2-0", "--crowd", "5"},
                       "unknown option --crowd");
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
    Out({"import", League(), "results", File("r.csv", "09/08/2025,Hull,Bury,3,1,23456\n")});
    for (auto [name, team] : {std::pair{"Ann", "Hull"}, {"Bea", "Hull"}, {"Cal", "Bury"}})
        Out({"player", League(), "add", name, "--team", team});

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
        EXPECT_EQ(Out(words), out);
    }
    ExpectOneLineError(
        {"scorer", League(), "Hull", "Bury", "--for", "away", "--goal", "1", "--player", "Bea"},
        "Bea is not a player of Bury");
    ExpectOneLineError({"scorer", League(), "Hull", "Bury", "--for", "away", "--goal", "2", "--none"},
                       "Bury has 1 goals in this match");
    ExpectOneLineError({"report", League(), "Bury", "Hull"}, "no result of Bury v Hull has been played");

    EXPECT_EQ(Out({"report", League(), "Hull", "Bury"}),
              "Result Details (09/08/2025)\nHull 3 - 1 Bury\nHT: 1 - 1\nAtt: 23456\n"
              "Hull:\n  Ann 23 Pen,67\n  Cal 80 og\nBury:\n  Cal 30\n");
    EXPECT_EQ(Out({"stats", League(), "goals"}),
              "Top Scorers\n2 Ann (Hull)\n\nThree or more goals in a match:\n\nPenalties Number Scored: 1\n"
              "Penalties Most Against: 1 (Bury)\nPenalties Most Scored: 1 (Hull)\nOwn Goals Total: 1\n"
              "Own Goals Most: 1 Cal\n");
    EXPECT_EQ(Out({"players", League(), "--sort", "goals"}),
              "Ann                   Hull                            2\n"
              "Cal                   Bury                            1\n"
              "Bea                   Hull                            0\n");

    EXPECT_EQ(Out({"squad", League(), "Hull", "Bury", "--side", "home", "--players", "Bea;Ann:0:70:2"}),
              "Squad of Hull: 2 players\n");
    EXPECT_TRUE(Has(Out({"info", League()}), "Squads: 1\n"));
    ExpectOneLineError({"squad", League(), "Hull", "Bury", "--side", "away", "--players", "Ann"},
                       "Ann is not a player of Bury");
    ExpectOneLineError({"player", League(), "delete", "Bea"}, "appears in a squad. Delete not performed.");
    Out({"player", League(), "change", "Bea", "--team", "Transferred-Out"});
    EXPECT_EQ(Out({"players", League(), "--team", "Transferred-Out"}),
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
    const ToolRun refused =
        ExpectRefused({"result", league, "rescore", "Arsenal", "Aston Villa", "9-9"}, "Disk full");
    EXPECT_FALSE(
        Has(refused.err, "is saved")); // the backup, which could not be written either, is not told of
    EXPECT_EQ(FileText(league), before);
}

TEST_F(Cli, ChangesKeepABackupAndTellOfSuccessOnlyOnceSaved) {
    NewSeason({}, false);
    const std::string created = FileText(League());
    // A file size limit makes the save fail as a full disk does.
    ExpectRefused({"import", League(), "results", Season("results.csv")}, "Disk full. Nothing was saved",
                  "trap '' XFSZ; ulimit -f 1; ");
    EXPECT_EQ(FileText(League()), created);

    EXPECT_EQ(Out({"player", League(), "add", "Ann", "--team", "Arsenal"}), "Added Ann\n");
    EXPECT_EQ(FileText(League() + ".bak"), created);

    ::chmod(League().c_str(), 0444); // the save is refused, even for the superuser
    const std::string kept = FileText(League());
    for (const Words& words :
         {Words{"player", League(), "add", "Bob", "--team", "Arsenal"},
          Words{"result", League(), "enter", "Arsenal", "Chelsea", "2-1", "--date", "01/01/2006"}})
        ExpectRefused(words, "File access denied");
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
    EXPECT_TRUE(Has(Out({"info", League()}), "\nUnsaved changes: 1, the last made on "));
    EXPECT_EQ(Out({"recover", League()}), League() + ": 1 unsaved change recovered and saved\n");
    EXPECT_EQ(Out({"list", League(), "results"}), "4\t15/03/2023\t0\tHull\tBury\t2-1\n");
    EXPECT_FALSE(Has(Out({"info", League()}), "Unsaved"));
    Out({"result", League(), "enter", "York", "Leeds", "0-3"});
    EXPECT_EQ(Out({"recover", League(), "--discard"}), League() + ": no unsaved changes\n");

    // A window still making changes keeps its journal; one whose league file has changed since it died has
    // its journal kept aside.
    const std::string other = folder_.file("other.div");
    NewLeague("Bury\nHull\nLeeds\nYork\n", other);
    {
        Workspace workspace;
        auto division = std::make_unique<Division>();
        ASSERT_TRUE(workspace.Open(League(), *division, Settings{}));
        ASSERT_TRUE(EnterResult(*division, {3, 4, 1, 1, 45001, 0}));
        ASSERT_TRUE(workspace.edits.Record("result Leeds v York 1-1"));
        EXPECT_TRUE(Has(Out({"info", League()}), "\nUnsaved changes: being made in Vantorel now\n"));
        ExpectOneLineError({"recover", League()}, "the league is open in Vantorel; save or close it there");
    }
    std::filesystem::copy_file(other, League(), std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(Has(Out({"info", League()}), "\nUnsaved changes: a journal that no longer fits this file"));
    ExpectOneLineError({"recover", League()}, "They were kept in " + JournalPathOf(League()) + ".kept-1.");
    EXPECT_EQ(Out({"recover", League()}), League() + ": no unsaved changes\n");
}

TEST_F(Cli, OutlookPrintsTheLayoutScriptsRelyOnTheSameForTheSameSeed) {
    NewSeason({"--relegate", "3"});
    const auto outlook = [&](const char* seed) {
        return Out(
            {"outlook", League(), "--as-at", "01/04/2006", "--simulations", "2000", "--seed", seed, "--csv"});
    };
    const std::string first = outlook("9");
    EXPECT_EQ(first, outlook("9"));
    EXPECT_NE(first, outlook("10")); // the chances are simulated
    EXPECT_TRUE(Has(first, "Pos,Team,Pts,Best,Worst,Title,Relegation,P1,P2,", true));
    EXPECT_TRUE(Has(first, ",P20\r\n1,Chelsea,")); // the heading's end and the first row's start

    const std::string matches =
        Out({"outlook", League(), "--as-at", "01/04/2006", "--simulations", "0", "--matches", "--csv"});
    EXPECT_TRUE(Has(matches, "Date,Home,Away,PHome,PDraw,PAway,Score\r\n", true));
    EXPECT_EQ(Lines(matches), 1 + 65);
    // The plain table is headed by the league, the date (the last match date unless given) and what was
    // simulated, and has a line a team.
    const std::string plain = Out({"outlook", League(), "--as-at", "01/04/2006", "--exact-only"});
    EXPECT_TRUE(Has(plain, "Premier League\nOutlook as at 01/04/2006, exact positions only\n", true));
    EXPECT_TRUE(Has(plain, "\n  1  Chelsea                79  97 "));
    EXPECT_EQ(Lines(plain), 5 + 20);
    EXPECT_TRUE(Has(Out({"outlook", League(), "--simulations", "50", "--seed", "9"}),
                    "Outlook as at 07/05/2006, 50 simulated seasons (seed 9)\n"));
    EXPECT_TRUE(Has(Out({"outlook", League(), "--as-at", "01/04/2006", "--witness", "Sunderland", "best"}),
                    "Sunderland can still finish ", true));
    ExpectOneLineError({"outlook", League(), "--witness", "Sunderland", "middle"}, "best or worst");
}

} // namespace
} // namespace vantorel

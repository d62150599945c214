// The commands that create a league, change its settings and describe it.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "DataFiles.h"
#include "app/LeagueEdits.h"
#include "app/LeagueFromResults.h"
#include "app/LeagueSettings.h"
#include "app/MatchDays.h"
#include "app/NewLeague.h"
#include "standings/SortRules.h"
#include "store/DivisionCheck.h"
#include "store/FileIo.h"
#include "store/LeagueFile.h"
#include "store/Names.h"
#include "store/TextCodec.h"
#include "store/TextLines.h"

namespace vantorel::cli {
namespace {

// One team name a line; blank lines are skipped and the blanks around a name dropped.
std::vector<std::string> ReadTeamNames(const std::string& path) {
    std::vector<std::string> names;
    for (const std::string& line : ReadDataLines(path))
        if (const std::string_view name = Trimmed(line); !name.empty())
            names.emplace_back(name);
    return names;
}

// The match days of --every DAYS (7 unless given) and --skip DATE..., from a first date.
MatchDayPlan MatchDayOptions(Arguments& args, double firstDate, const DateFormat& dateFormat) {
    MatchDayPlan plan;
    plan.firstDate = firstDate;
    plan.everyDays = args.number("--every", 1, 365).value_or(7);
    for (const std::string& skip : args.values("--skip"))
        plan.skipDates.push_back(ParseDateArgument(skip, dateFormat, "--skip"));
    return plan;
}

} // namespace

namespace {

// The own team named by --own-team, as its position among the sorted names.
int OwnTeamPosition(const std::vector<std::string>& names, const std::string& ownTeam) {
    const std::vector<std::string> sorted = SortedTeamNames(names);
    const auto found = std::find(sorted.begin(), sorted.end(), ownTeam);
    if (found == sorted.end())
        throw UsageError("--own-team '" + ownTeam + "' is not one of the teams");
    return static_cast<int>(found - sorted.begin()) + 1;
}

} // namespace

int NewCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    NewLeagueAnswers answers;
    answers.tableName = args.value("--name").value_or("");
    const auto teamsFile = args.value("--teams");
    const auto resultsFile = args.value("--from-results");
    if (teamsFile.has_value() == resultsFile.has_value())
        throw UsageError("give either --teams TEAMS.txt or --from-results DATA.csv");
    if (teamsFile)
        answers.teamNames = ReadTeamNames(*teamsFile);
    answers.winPoints = args.number("--win-points", 2, 3).value_or(3);
    const auto meet = args.number("--meet", 1, 4);
    if (meet == 3)
        throw UsageError("--meet must be 1, 2 or 4");
    answers.playTimes = meet.value_or(2);
    answers.promoteCount = args.number("--promote", 0, 4).value_or(0);
    answers.relegateCount = args.number("--relegate", 0, 4).value_or(0);
    answers.teamSize = args.number("--team-size", 5, 11).value_or(11);
    answers.subsCount = args.number("--subs", 0, 5).value_or(3);
    const auto ownTeam = args.value("--own-team");
    const DateFormat dateFormat = DateFormatOption(args);
    SeasonReading reading;
    reading.formatGiven = args.hasOption("--date-format");
    reading.dateFormat = dateFormat;
    reading.playTimes = meet;
    if (const auto firstDate = args.value("--schedule"))
        answers.matchDays =
            MatchDayOptions(args, ParseDateArgument(*firstDate, dateFormat, "--schedule"), dateFormat);
    args.finish();

    std::error_code existsError;
    if (std::filesystem::exists(path, existsError) || std::filesystem::is_symlink(path, existsError))
        throw UsageError(path + " already exists; choose another name");
    if (existsError && existsError != std::errc::no_such_file_or_directory)
        throw UsageError(path + ": " + IoErrorText(existsError.value()));
    auto division = std::make_unique<Division>();
    if (resultsFile) {
        DataFile data(*resultsFile);
        if (answers.tableName.empty())
            answers.tableName = std::filesystem::path(*resultsFile).stem().string();
        if (ownTeam) {
            ResultsSeason season;
            if (auto status = SurveySeason(data.lines(), reading, season); !status)
                throw UsageError(*resultsFile + ": " + status.message());
            answers.ownTeam = OwnTeamPosition(season.teamNames, *ownTeam);
        }
        if (auto status = BuildLeagueFromResults(answers, data.lines(), reading, *division); !status)
            throw UsageError(*resultsFile + ": " + status.message());
    } else {
        if (ownTeam)
            answers.ownTeam = OwnTeamPosition(answers.teamNames, *ownTeam);
        if (auto status = BuildNewLeague(answers, *division); !status)
            throw UsageError(status.message());
    }
    if (auto status = WriteNewLeague(path, *division); !status)
        throw UsageError(path + ": " + status.message());
    int played = 0;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        played += division->Results[r].Played ? 1 : 0;
    out << "Created " << path << ": " << division->Header().TeamCount << " teams, "
        << division->Header().ResultCount << " fixtures";
    if (resultsFile)
        out << ", " << played << " results";
    if (answers.matchDays)
        out << " from " << dateFormat.Format(division->Results[1].MatchDate) << " to "
            << dateFormat.Format(division->Results[division->Header().ResultCount].MatchDate);
    out << "\n";
    return 0;
}

int ScheduleCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const std::string firstDate = args.positional("first date");
    const DateFormat dateFormat = DateFormatOption(args);
    const MatchDayPlan plan =
        MatchDayOptions(args, ParseDateArgument(firstDate, dateFormat, "first date"), dateFormat);
    args.finish();
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    if (auto status = ScheduleOpenFixtures(*division, plan); !status)
        throw UsageError(status.message());
    SaveLeague(path, *division);
    double last = 0;
    int open = 0;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (!division->Results[r].Played) {
            ++open;
            last = std::max(last, division->Results[r].MatchDate);
        }
    out << "Scheduled " << open << " open fixtures from " << dateFormat.Format(plan.firstDate) << " to "
        << dateFormat.Format(last) << "\n";
    return 0;
}

int SetCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);

    for (const std::string& deduction : args.values("--deduct")) {
        const auto equals = deduction.rfind('=');
        if (equals == std::string::npos)
            throw UsageError("--deduct takes TEAM=N, not '" + deduction + "'");
        const int team = TeamByName(*division, deduction.substr(0, equals));
        const int points = ParseNumber(deduction.substr(equals + 1), 0, kMaxDeduction, "--deduct");
        if (auto status = SetDeduction(*division, team, points); !status)
            throw UsageError(status.message());
    }
    if (const auto winPoints = args.number("--win-points", 2, 3))
        SetWinPoints(*division, *winPoints);
    if (const auto rules = args.value("--sort-rules")) {
        SortRuleLists lists;
        lists.Load(*rules);
        if (ActiveRuleCodes(*rules) != *rules || !lists.SortUpdate(*division))
            throw UsageError("--sort-rules takes 1 to 8 different codes from 1-9, H, A, B and R, with at "
                             "least one rule besides H and R, not '" +
                             *rules + "'");
    }
    const std::pair<const char*, CountedZone> zones[] = {{"--promote", CountedZone::Promotion},
                                                         {"--playoff", CountedZone::Playoff},
                                                         {"--relegate", CountedZone::Relegation}};
    for (const auto& [option, zone] : zones)
        if (const auto count = args.number(option, 0, kMaxZoneCount))
            if (auto status = SetZoneCount(*division, zone, *count); !status)
                throw UsageError(option + std::string(": ") + status.message());
    if (const auto ownTeam = args.value("--own-team"))
        SetOwnTeam(*division, *ownTeam == "none" ? 0 : TeamByName(*division, *ownTeam));
    args.finish();

    if (division->DataChanged()) {
        SaveLeague(path, *division);
        out << "Saved " << path << "\n";
    } else {
        out << "Nothing changed\n";
    }
    return 0;
}

int InfoCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const DateFormat dateFormat = DateFormatOption(args);
    args.finish();
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DivisionHeader& h = division->Header();
    int played = 0;
    for (int r = 1; r <= h.ResultCount; ++r)
        played += division->Results[r].Played ? 1 : 0;
    std::string rules;
    for (char code : ActiveRuleCodes(h.SortRules.stored()))
        rules += (rules.empty() ? "" : ", ") + RuleName(code);
    out << "Name: " << LeagueName(*division) << "\n"
        << "Teams: " << h.TeamCount << "\n"
        << "Fixtures: " << h.ResultCount << "\n"
        << "Played: " << played << "\n"
        << "Goals: " << h.GoalCount << "\n"
        << "Players: " << h.PlayerCount << "\n"
        << "Squads: " << h.SquadCount << "\n"
        << "Points for a win: " << int{h.WinPoints} << "\n"
        << "Promoted: " << int{h.PromoteCount} << "\n"
        << "Play-offs: " << int{h.PlayoffCount} << "\n"
        << "Relegated: " << int{h.RelegateCount} << "\n"
        << "Own team: " << (h.OwnTeam ? TeamName(*division, h.OwnTeam) : "none") << "\n"
        << "Sort rules: " << Windows1252ToUtf8(h.SortRules.stored()) << " (" << rules << ")\n"
        << "Track goals: " << (h.TrackGoals ? "yes" : "no") << "\n"
        << "Team size: " << int{h.TeamSize} << "\n"
        << "Substitutes: " << int{h.SubsCount} << "\n";
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, kLargestFileSize + 1, bytes))
        return 0;
    const PendingJournal pending = FindPendingJournal(path, bytes);
    if (pending.contents.state == JournalContents::State::InUse)
        out << "Unsaved changes: being made in Vantorel now\n";
    else if (pending.contents.state == JournalContents::State::DoesNotFit)
        out << "Unsaved changes: a journal that no longer fits this file (vantorel-cli recover keeps it "
               "aside)\n";
    else if (pending.changes > 0)
        out << "Unsaved changes: " << pending.changes << ", the last made on "
            << ChangeTimeText(pending.lastTime, dateFormat) << " (vantorel-cli recover)\n";
    return 0;
}

int RecoverCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {"--discard"});
    const std::string path = args.positional("league file");
    const bool discard = args.flag("--discard");
    args.finish();
    const FileLock lock = TakeLeagueLock(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    std::vector<std::uint8_t> bytes;
    if (auto status = ReadFileBytes(path, kLargestFileSize + 1, bytes); !status)
        throw UsageError(path + ": " + status.message());
    const PendingJournal pending = FindPendingJournal(path, bytes);
    switch (pending.contents.state) {
    case JournalContents::State::None:
        out << path << ": no unsaved changes\n";
        return 0;
    case JournalContents::State::InUse:
        throw UsageError(path + ": the league is open in Vantorel; save or close it there");
    case JournalContents::State::DoesNotFit: {
        std::string keptAs;
        if (auto status = KeepJournalAside(pending.journalPath, keptAs); !status)
            throw UsageError(pending.journalPath + ": " + status.message());
        throw UsageError(path + ": " + JournalDoesNotFitText(keptAs));
    }
    case JournalContents::State::Fits:
        break;
    }
    if (!discard && pending.changes > 0) {
        if (auto status = ApplyJournal(pending, *division); !status)
            throw UsageError(path + ": " + status.message());
        SaveLeague(path, *division);
    }
    std::filesystem::remove(pending.journalPath);
    out << path << ": " << pending.changes
        << (pending.changes == 1 ? " unsaved change " : " unsaved changes ")
        << (discard ? "discarded" : "recovered and saved") << "\n";
    return 0;
}

int CheckCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    args.finish();
    // The league is checked as stored, before loading would recompute its running totals.
    std::vector<std::uint8_t> bytes;
    auto division = std::make_unique<Division>();
    if (auto status = ReadFileBytes(path, kLargestFileSize, bytes); !status)
        throw UsageError(path + ": " + status.message());
    if (auto status = ReadDivision(bytes, *division); !status)
        throw UsageError(path + ": " + status.message());
    const std::vector<std::string> broken = BrokenRules(*division);
    for (const std::string& rule : broken)
        out << path << ": " << rule << "\n";
    if (!broken.empty())
        return 1;
    out << path << ": valid league \"" << LeagueName(*division) << "\"\n";
    return 0;
}

} // namespace vantorel::cli

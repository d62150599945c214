// The commands that create a league, change its settings and describe it.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "app/LeagueSettings.h"
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

} // namespace

int NewCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    NewLeagueAnswers answers;
    answers.tableName = args.value("--name").value_or("");
    const auto teamsFile = args.value("--teams");
    if (!teamsFile)
        throw UsageError("missing --teams TEAMS.txt");
    answers.teamNames = ReadTeamNames(*teamsFile);
    answers.winPoints = args.number("--win-points", 2, 3).value_or(3);
    answers.playTimes = args.number("--meet", 1, 4).value_or(2);
    if (answers.playTimes == 3)
        throw UsageError("--meet must be 1, 2 or 4");
    answers.promoteCount = args.number("--promote", 0, 4).value_or(0);
    answers.relegateCount = args.number("--relegate", 0, 4).value_or(0);
    answers.teamSize = args.number("--team-size", 5, 11).value_or(11);
    answers.subsCount = args.number("--subs", 0, 5).value_or(3);
    const auto ownTeam = args.value("--own-team");
    args.finish();

    if (ownTeam) {
        const std::vector<std::string> sorted = SortedTeamNames(answers.teamNames);
        const auto found = std::find(sorted.begin(), sorted.end(), *ownTeam);
        if (found == sorted.end())
            throw UsageError("--own-team '" + *ownTeam + "' is not one of the teams");
        answers.ownTeam = static_cast<int>(found - sorted.begin()) + 1;
    }
    std::error_code existsError;
    if (std::filesystem::exists(path, existsError) || std::filesystem::is_symlink(path, existsError))
        throw UsageError(path + " already exists; choose another name");
    if (existsError && existsError != std::errc::no_such_file_or_directory)
        throw UsageError(path + ": " + IoErrorText(existsError.value()));
    auto division = std::make_unique<Division>();
    if (auto status = BuildNewLeague(answers, *division); !status)
        throw UsageError(status.message());
    if (auto status = WriteNewLeague(path, *division); !status)
        throw UsageError(path + ": " + status.message());
    out << "Created " << path << ": " << division->Header().TeamCount << " teams, "
        << division->Header().ResultCount << " fixtures\n";
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
            throw UsageError("--sort-rules takes 1 to 8 different codes from 1-9, A, B and R, with at least "
                             "one rule besides R, not '" +
                             *rules + "'");
    }
    const std::pair<const char*, Zone> zones[] = {
        {"--promote", Zone::Promotion}, {"--playoff", Zone::Playoff}, {"--relegate", Zone::Relegation}};
    for (const auto& [option, zone] : zones)
        if (const auto count = args.number(option, 0, kMaxZoneCount))
            if (auto status = SetZoneCount(*division, zone, *count); !status)
                throw UsageError(status.message());
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
    out << "Name: " << Windows1252ToUtf8(h.TableName.stored()) << "\n"
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
    out << path << ": valid league \"" << Windows1252ToUtf8(division->Header().TableName.stored()) << "\"\n";
    return 0;
}

} // namespace vantorel::cli

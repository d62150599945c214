#include "app/NewLeague.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "store/DivisionCheck.h"
#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"
#include "store/NameRules.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

std::string FoldedForSorting(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c); });
    return folded;
}

Status CheckRanges(const NewLeagueAnswers& answers) {
    const int teams = static_cast<int>(answers.teamNames.size());
    if (teams < kMinTeams || teams > kMaxTeams)
        return Status::Error("A league has 4 to 24 teams; " + std::to_string(teams) + " were given.");
    if (answers.winPoints != 2 && answers.winPoints != 3)
        return Status::Error("A win is worth 2 or 3 points.");
    if (answers.playTimes != 1 && answers.playTimes != 2 && answers.playTimes != 4)
        return Status::Error("Teams play each other once, twice or four times.");
    if (answers.ownTeam < 0 || answers.ownTeam > teams)
        return Status::Error("The own team must be one of the league's teams.");
    if (answers.promoteCount < 0 || answers.promoteCount > 4 || answers.relegateCount < 0 ||
        answers.relegateCount > 4)
        return Status::Error("Up to 4 teams go up and up to 4 go down.");
    if (answers.teamSize < 5 || answers.teamSize > 11)
        return Status::Error("A team has 5 to 11 players.");
    if (answers.subsCount < 0 || answers.subsCount > 5)
        return Status::Error("A team has 0 to 5 substitutes.");
    return Status::Ok();
}

// Stores the first characters of a UTF-8 name in a league-file text; refused when Windows-1252 cannot hold
// it.
template <std::size_t N> Status StoreName(const std::string& name, ShortString<N>& into) {
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return Status::Error(UnstorableTextMessage(name));
    into.assignStored(*stored);
    return Status::Ok();
}

void AddFixture(DivisionWriter& writer, int home, int away, double date = 0) {
    const int number = ++writer.Header().ResultCount;
    ResultRecord& fixture = writer.Result(number);
    fixture = ResultRecord{};
    fixture.MatchNo = static_cast<std::uint16_t>(number);
    fixture.HomeTeam = static_cast<std::uint8_t>(home);
    fixture.AwayTeam = static_cast<std::uint8_t>(away);
    fixture.MatchDate = date;
}

Status AddMatchDayFixtures(DivisionWriter& division, int teams, int playTimes, const MatchDayPlan& plan) {
    const std::vector<MatchDay> days = RoundRobinDays(teams, playTimes);
    const std::vector<double> dates = MatchDayDates(plan, static_cast<int>(days.size()));
    if (!IsStorableDate(dates.back()))
        return Status::Error("The match days would run past the last date a league can hold.");
    for (std::size_t d = 0; d < days.size(); ++d)
        for (const Pairing& match : days[d])
            AddFixture(division, match.home, match.away, dates[d]);
    return Status::Ok();
}

void AddFixtures(DivisionWriter& division, int teams, int playTimes) {
    if (playTimes == 1) {
        for (int home = 1; home < teams; ++home)
            for (int away = home + 1; away <= teams; ++away)
                AddFixture(division, home, away);
        return;
    }
    for (int block = 0; block < playTimes / 2; ++block)
        for (int home = 1; home <= teams; ++home)
            for (int away = 1; away <= teams; ++away)
                if (away != home)
                    AddFixture(division, home, away);
}

} // namespace

Status CheckTableName(const std::string& tableName) {
    if (tableName.empty())
        return Status::Error(kNoTableNameMessage);
    return CheckName(tableName, NameKind::League);
}

Status CheckTeamNames(const std::vector<std::string>& names, int wantedTeams) {
    if (static_cast<int>(names.size()) != wantedTeams)
        return Status::Error(kMissingTeamsMessage);
    // Names are stored in 30 characters: a longer one would be cut, and two cut names could become one.
    for (const std::string& name : names)
        if (auto status = CheckName(name, NameKind::Team); !status)
            return Status::Error("\"" + name + "\": " + status.message());
    for (const std::string& name : names)
        if (IsValidUtf8(name) && Utf8Length(name) > decltype(TeamRecord::Name)::kCapacity)
            return Status::Error("The team name \"" + name + "\" is longer than " +
                                 std::to_string(decltype(TeamRecord::Name)::kCapacity) +
                                 " characters; please shorten it");
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t k = i + 1; k < names.size(); ++k)
            if (names[i] == names[k])
                return Status::Error(kDuplicateTeamsMessage);
    return Status::Ok();
}

std::string RemainingTeamsText(int missing) {
    if (missing == 0)
        return "All teams entered";
    if (missing == 1)
        return "One more team required";
    return std::to_string(missing) + " more teams required";
}

std::vector<std::string> SortedTeamNames(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return FoldedForSorting(a) < FoldedForSorting(b);
    });
    return names;
}

Status BuildNewLeague(const NewLeagueAnswers& answers, Division& division) {
    if (auto status = CheckTableName(answers.tableName); !status)
        return status;
    if (auto status = CheckRanges(answers); !status)
        return status;
    if (auto status = CheckTeamNames(answers.teamNames, static_cast<int>(answers.teamNames.size())); !status)
        return status;
    if (answers.matchDays)
        if (auto status = CheckMatchDayPlan(*answers.matchDays); !status)
            return status;
    auto built = std::make_unique<Division>();
    DivisionWriter writer(*built);
    DivisionHeader& header = writer.Header();
    if (auto status = StoreName(answers.tableName, header.TableName); !status)
        return status;
    const std::vector<std::string> names = SortedTeamNames(answers.teamNames);
    header.TeamCount = static_cast<std::int16_t>(names.size());
    for (int t = 1; t <= header.TeamCount; ++t)
        if (auto status = StoreName(names[static_cast<std::size_t>(t - 1)], writer.Team(t).Name); !status)
            return status;
    header.WinPoints = static_cast<std::uint8_t>(answers.winPoints);
    header.OwnTeam = static_cast<std::uint8_t>(answers.ownTeam);
    header.PromoteCount = static_cast<std::uint8_t>(answers.promoteCount);
    header.RelegateCount = static_cast<std::uint8_t>(answers.relegateCount);
    header.TeamSize = static_cast<std::uint8_t>(answers.teamSize);
    header.SubsCount = static_cast<std::uint8_t>(answers.subsCount);
    if (answers.matchDays) {
        if (auto status =
                AddMatchDayFixtures(writer, header.TeamCount, answers.playTimes, *answers.matchDays);
            !status)
            return status;
    } else {
        AddFixtures(writer, header.TeamCount, answers.playTimes);
    }
    PlaceTransferredOut(*built);
    writer.MarkSaved(); // it is written to its new file before anything else happens to it
    DivisionWriter(division).Replace(std::move(*built));
    return Status::Ok();
}

} // namespace vantorel

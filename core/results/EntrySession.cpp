#include "results/EntrySession.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "store/DivisionWriter.h"
#include "store/Names.h"
#include "store/TeamOrder.h"
#include "store/TextCodec.h"

namespace vantorel {

std::optional<int> ParseAttendance(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int attendance = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), attendance);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return attendance;
}

std::string AttendanceWarning(std::string_view text) {
    return ParseAttendance(text) ? std::string() : std::string(kAttendanceNotNumeric);
}

std::vector<int> SortedByName(const Division& division, std::vector<int> teams) {
    return TeamsInNameOrder(division, std::move(teams));
}

void SetTrackGoals(Division& division, bool track) {
    DivisionWriter(division).SetTrackGoals(track);
}

void EntrySession::Start(double today) {
    EntryDate = sittingDate_ = today;
    EnteredTeams = 0;
    datePicked_ = false;
}

void EntrySession::ChangeDate(double date) {
    EntryDate = sittingDate_ = date;
    EnteredTeams = 0;
    datePicked_ = true;
}

bool EntrySession::OfferFixtureDate(const Division& division, int home, int away) {
    if (datePicked_)
        return false;
    const int fixture = division.FindFixture(home, away);
    const double offered = fixture > 0 && division.Results[fixture].MatchDate > 0
                               ? division.Results[fixture].MatchDate
                               : sittingDate_;
    if (offered == EntryDate)
        return false;
    EntryDate = offered;
    EnteredTeams = 0;
    return true;
}

std::vector<int> EntrySession::HomeTeams(const Division& division) const {
    std::vector<int> teams;
    if (!StartStatus(division).empty())
        return teams;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        if (!Withheld(t))
            teams.push_back(t);
    return SortedByName(division, std::move(teams));
}

std::vector<int> EntrySession::OpenOpponents(const Division& division, int home) const {
    std::vector<bool> marked(kTeamSlots + 1, false);
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& fixture = division.Results[r];
        if (!fixture.Played && fixture.HomeTeam == home && fixture.AwayTeam <= kTeamSlots &&
            !Withheld(fixture.AwayTeam))
            marked[fixture.AwayTeam] = true;
    }
    std::vector<int> teams;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        if (marked[t])
            teams.push_back(t);
    return SortedByName(division, std::move(teams));
}

std::string EntrySession::StartStatus(const Division& division) {
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (!division.Results[r].Played)
            return {};
    return kAllMatchesPlayed;
}

std::optional<std::string> EntrySession::PredictionHint(const Division& division, int home, int away) {
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& fixture = division.Results[r];
        if (!fixture.Played && fixture.Predicted && fixture.HomeTeam == home && fixture.AwayTeam == away)
            return "Predicted result for this match: " + std::to_string(fixture.HomeGoals) + "-" +
                   std::to_string(fixture.AwayGoals);
    }
    return std::nullopt;
}

Status EntrySession::Enter(Division& division, int home, int away, int homeGoals, int awayGoals,
                           int attendance, std::string* recorded, std::vector<int>* newGoals) {
    if (auto status = EnterResult(division, {home, away, homeGoals, awayGoals, EntryDate, attendance},
                                  nullptr, newGoals);
        !status)
        return status;
    EnteredTeams |= (1u << home) | (1u << away);
    if (recorded)
        *recorded = TeamName(division, home) + " v " + TeamName(division, away) + " Result recorded";
    return Status::Ok();
}

} // namespace vantorel

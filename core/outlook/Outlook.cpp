#include "outlook/Outlook.h"

#include <algorithm>

namespace vantorel {
namespace {

// The largest chance an unsettled event shows: one decimal of a percentage must never read 100.0.
constexpr double kBelowCertain = 0.999;

double Unsettled(double chance) {
    return std::min(chance, kBelowCertain);
}

} // namespace

Outlook ComputeExactOutlook(const Division& division, const OutlookRequest& request) {
    Outlook outlook;
    outlook.start = BuildOutlookStart(division, request.asAt, request.withPredictions);
    outlook.exact = ExactPositions(outlook.start);
    outlook.model = MatchModel::Fit(ModelMatches(division, request.asAt), outlook.start.teamCount,
                                    request.asAt, request.model);
    for (const OpenFixture& fixture : outlook.start.open) {
        const ScoreGrid grid = outlook.model.Predict(fixture.home, fixture.away);
        outlook.grids.push_back(grid);
        outlook.forecasts.push_back({grid.HomeWin(), grid.Draw(), grid.AwayWin(), grid.MostLikely()});
    }
    return outlook;
}

bool SimulateOutlook(const Division& division, Outlook& outlook, const SimulationRequest& request,
                     const SimulationProgress& progress) {
    outlook.tally = SimulateSeasons(division, outlook.start, outlook.grids, request, progress);
    return outlook.tally.seasons > 0 || request.seasons <= 0;
}

std::vector<ZoneSpan> LeagueZones(const DivisionHeader& header) {
    const int teams = header.TeamCount;
    std::vector<ZoneSpan> zones{{Zone::Title, 1, 1, "Title"}};
    const int promote = std::min<int>(header.PromoteCount, teams);
    if (promote > 0)
        zones.push_back({Zone::Promotion, 1, promote, "Promotion"});
    if (header.PlayoffCount > 0 && promote < teams)
        zones.push_back(
            {Zone::Playoff, promote + 1, std::min(teams, promote + header.PlayoffCount), "Play-off"});
    if (header.RelegateCount > 0)
        zones.push_back(
            {Zone::Relegation, std::max(1, teams - header.RelegateCount + 1), teams, "Relegation"});
    return zones;
}

ZoneState ZoneStateOf(const PositionRange& range, const ZoneSpan& span) {
    if (range.best >= span.first && range.worst <= span.last)
        return ZoneState::Clinched;
    if (range.worst < span.first || range.best > span.last)
        return ZoneState::Eliminated;
    return ZoneState::Open;
}

double ZoneChance(const Outlook& outlook, int team, const ZoneSpan& span) {
    const ZoneState state = ZoneStateOf(outlook.exact[static_cast<std::size_t>(team)], span);
    if (state != ZoneState::Open)
        return state == ZoneState::Clinched ? 1 : 0;
    if (!outlook.simulated())
        return -1;
    double chance = 0;
    for (int p = span.first; p <= span.last; ++p)
        chance += outlook.tally.PositionChance(team, p);
    return Unsettled(chance);
}

double PositionChance(const Outlook& outlook, int team, int position) {
    const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
    if (position < range.best || position > range.worst)
        return 0;
    if (range.best == range.worst)
        return 1;
    if (!outlook.simulated())
        return -1;
    return Unsettled(outlook.tally.PositionChance(team, position));
}

std::string TeamStatus(const DivisionHeader& header, const PositionRange& range, int teamCount) {
    const int promote = header.PromoteCount;
    const int playoffEnd = promote + header.PlayoffCount;
    std::string status;
    if (range.worst == 1)
        status = "Champions";
    else if (promote > 0 && range.worst <= promote)
        status = "Promoted";
    else if (header.PlayoffCount > 0 && range.best > promote && range.worst <= playoffEnd)
        status = "Play-offs";
    if (header.RelegateCount > 0) {
        const int safeUpTo = teamCount - header.RelegateCount;
        if (range.best > safeUpTo)
            status = "Relegated";
        else if (range.worst > safeUpTo)
            status += (status.empty() ? "" : ", ") + std::string("Can still go down");
        else if (status.empty())
            status = "Safe";
    }
    return status;
}

} // namespace vantorel

#pragma once

#include <string>
#include <vector>

#include "outlook/ExactPositions.h"
#include "outlook/MatchModel.h"
#include "outlook/SeasonSimulation.h"

namespace vantorel {

struct OutlookRequest {
    double asAt = 0;
    bool withPredictions = false; // ticked predictions count as played, as in the Played+Predicted table
    SimulationRequest simulation;
    MatchModelSettings model;
};

// One open fixture's forecast.
struct FixtureForecast {
    double homeWin = 0, draw = 0, awayWin = 0;
    std::pair<int, int> likelyScore{0, 0};
};

// The season outlook at a date: the exact part (best and worst positions with their witnesses), the fitted
// match model with a forecast per open fixture, and the simulated seasons (none until simulated).
struct Outlook {
    OutlookStart start;
    std::vector<PositionRange> exact; // by team, 1-based
    MatchModel model;
    std::vector<ScoreGrid> grids;           // one per start.open
    std::vector<FixtureForecast> forecasts; // one per start.open
    SimulationTally tally;

    bool simulated() const { return tally.seasons > 0; }
};

// The exact part and the match forecasts: quick enough to show at once.
Outlook ComputeExactOutlook(const Division& division, const OutlookRequest& request);
// Adds the simulated seasons; false (and no tally) when the progress callback stopped it.
bool SimulateOutlook(const Division& division, Outlook& outlook, const SimulationRequest& request,
                     const SimulationProgress& progress = {});

// The zones of the league, in the order their columns appear: the title (position 1) always, then
// promotion, play-offs and relegation where the league has them.
enum class Zone { Title, Promotion, Playoff, Relegation };
struct ZoneSpan {
    Zone zone;
    int first = 1, last = 1; // positions
    std::string heading;     // "Title", "Promotion", "Play-off", "Relegation"
};
std::vector<ZoneSpan> LeagueZones(const DivisionHeader& header);

// Whether a team's exact range settles a zone: in it whatever happens, out of it whatever happens, or open.
enum class ZoneState { Open, Clinched, Eliminated };
ZoneState ZoneStateOf(const PositionRange& range, const ZoneSpan& span);

// The chance (0 to 1) of a team ending in a zone or at a position. What the exact part settles is exactly
// 1 or 0; anything else comes from the simulation and never shows as certain. Negative when nothing is
// known (not simulated and not settled).
double ZoneChance(const Outlook& outlook, int team, const ZoneSpan& span);
double PositionChance(const Outlook& outlook, int team, int position);

// What is settled for a team at the top ("Champions", "Promoted" or "Play-offs") and at the bottom
// ("Relegated", or "Can still go down"; "Safe" only for a team with nothing settled at the top), joined by
// ", "; empty when nothing is.
std::string TeamStatus(const DivisionHeader& header, const PositionRange& range, int teamCount);

} // namespace vantorel

#pragma once

#include <array>
#include <vector>

#include "standings/Standings.h"
#include "store/Division.h"

namespace vantorel {

// A fixture still to be decided at the as-at date: unplayed, or played after that date.
struct OpenFixture {
    int result = 0; // index in the Division's results
    int home = 0, away = 0;
    double date = 0;
};

// What the season outlook starts from: the table of the results that count at the as-at date, and the
// fixtures still open.
struct OutlookStart {
    double asAt = 0;
    bool withPredictions = false;
    int teamCount = 0;
    int winPoints = 3;
    LeagueTable table;                          // the counted results, ordered by the league's sort rules
    std::vector<OpenFixture> open;              // in fixture order
    std::array<int, kMaxTeams + 1> gamesLeft{}; // open fixtures of each team

    int points(int team) const { return table.Standings[team].Points; }
    // The most points a team can still reach: its points now plus a win in each of its open fixtures.
    int possiblePoints(int team) const { return points(team) + winPoints * gamesLeft[team]; }
};

// The results that count at the as-at date are the played ones dated up to it, and with predictions also
// every ticked prediction of an unplayed fixture, whatever its date; every other fixture is open.
bool CountsAsDecided(const ResultRecord& match, double asAt, bool withPredictions);

OutlookStart BuildOutlookStart(const Division& division, double asAt, bool withPredictions);

} // namespace vantorel

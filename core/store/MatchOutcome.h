#pragma once

#include "store/Records.h"

namespace vantorel {

// How a played match went for one of its two teams.
enum class GameOutcome { Won, Drawn, Lost };

// The outcome for the side that scored goalsFor and conceded goalsAgainst.
constexpr GameOutcome OutcomeFor(int goalsFor, int goalsAgainst) {
    return goalsFor > goalsAgainst    ? GameOutcome::Won
           : goalsFor == goalsAgainst ? GameOutcome::Drawn
                                      : GameOutcome::Lost;
}

// The outcome for team, the match's home or away team.
constexpr GameOutcome OutcomeFor(const ResultRecord& match, int team) {
    return match.HomeTeam == team ? OutcomeFor(match.HomeGoals, match.AwayGoals)
                                  : OutcomeFor(match.AwayGoals, match.HomeGoals);
}

// The points an outcome earns: the league's points for a win, 1 for a draw, none for a defeat.
constexpr int PointsFor(GameOutcome outcome, int winPoints) {
    return outcome == GameOutcome::Won ? winPoints : outcome == GameOutcome::Drawn ? 1 : 0;
}

} // namespace vantorel

#pragma once

namespace vantorel {

// The title line before each section of a whole-league export, which the import also reads to tell the
// sections apart.
inline constexpr const char* kResultsTitle = "Match Results";
inline constexpr const char* kFixturesTitle = "Match Fixtures";
inline constexpr const char* kGridTitle = "Matches Grid";
inline constexpr const char* kScorersTitle = "Goal Scorers";
inline constexpr const char* kPlayersTitle = "Players";
inline constexpr const char* kSquadsTitle = "Squads";

// The heading line of each section's columns.
inline constexpr const char* kResultsHeading = "Date,Home-Team,Away-Team,For,Against,Attendance";
inline constexpr const char* kFixturesHeading = "Date,Home-Team,Away-Team,";
inline constexpr const char* kScorersHeading =
    "Player,TeamFor,HomeTeam,AwayTeam,Date,GoalTime,Penalty,OwnGoal";
inline constexpr const char* kPlayersHeading = "Player Name,Team";
inline constexpr const char* kSquadsHeading =
    "Date,HomeTeam,AwayTeam,Team,Line,Player,TimeOn,TimeOff,Yellow1,Yellow2,Red";

} // namespace vantorel

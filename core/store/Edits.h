#pragma once

// Every operation that changes a league, in one list. Each takes the Division first, checks its own rules,
// and changes nothing when it refuses; each writes only through a DivisionWriter, so every change it makes
// raises Division::Revision and sets DataChanged. An undo history or a journal wraps exactly these: a
// window, the command line and the import reach the league through nothing else. The contracts are in the
// headers named; one line each here.

#include "app/LeagueSettings.h"
#include "app/NewLeague.h"
#include "exchange/CsvImport.h"
#include "exchange/MatchDetailImport.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "players/Squads.h"
#include "results/EntrySession.h"
#include "results/Predictions.h"
#include "results/ResultEntry.h"
#include "standings/SortRules.h"
#include "store/DivisionCheck.h"
#include "store/LeagueFile.h"

namespace vantorel::edits {

// The whole league (app/NewLeague.h, store/LeagueFile.h, store/DivisionCheck.h)
using vantorel::BuildNewLeague;         // replaces the Division with a new league of teams and fixtures
using vantorel::LoadDivision;           // replaces the Division with a league file, totals recounted
using vantorel::ReadDivision;           // replaces the Division with a league file's bytes
using vantorel::RecomputeRunningTotals; // sets every running total to its recount
using vantorel::SaveDivision;           // writes the file; marks the Division saved, records unchanged

// The league's settings (app/LeagueSettings.h, standings/SortRules.h)
using vantorel::RenameTeam;    // a team's name, same index
using vantorel::SetDeduction;  // a team's deduction 0..20, its Points moved by the difference
using vantorel::SetOwnTeam;    // the own team, 0 for none
using vantorel::SetSortRules;  // the table's sort rule codes
using vantorel::SetTableName;  // the league's name
using vantorel::SetTrackGoals; // whether goals are asked for: saved with the next change, marks nothing
using vantorel::SetWinPoints;  // 2 or 3 points for a win, every winner's Points moved
using vantorel::SetZoneCount;  // teams in the promotion, play-off or relegation zone, 0..9

// Results (results/ResultEntry.h, results/EntrySession.h)
using vantorel::CancelResult;     // a played result back to an open fixture, its goals gone
using vantorel::ChangeResultDate; // a result's or fixture's date
using vantorel::EnterResult;      // a result into the first open fixture of the pairing, with its goals
using vantorel::RescoreResult;    // a played result's score and attendance, its goals renewed

// Predictions of open fixtures (results/Predictions.h)
using vantorel::ApplyQuickDate;     // an undated fixture takes the date last set
using vantorel::MarkPredicted;      // the predicted mark, as given
using vantorel::SetPrediction;      // the predicted score and date, marked
using vantorel::SpinPredictedScore; // one side's predicted goals one up or down
using vantorel::TogglePredicted;    // the predicted mark, reversed

// Players, scorers and squads (players/Players.h, players/GoalScorers.h, players/Squads.h)
using vantorel::DeletePlayer;   // a player nobody refers to, later players renumbered
using vantorel::SavePlayer;     // a new player, or a player's name and team
using vantorel::SaveSquad;      // the 16 lines of one side's squad of a result
using vantorel::SetGoalDetails; // a goal's scorer, minute and marks, the scorers' Goals kept

// CSV import, one line at a time, through the operations above (exchange/CsvImport.h,
// exchange/MatchDetailImport.h)
using vantorel::ImportFixtureDate; // a date for the first undated open fixture of the pairing
using vantorel::ImportScorer;      // a scorer for the next unassigned goal of a side
using vantorel::ImportSquadLine;   // one line of a side's squad
using vantorel::ProcessImport;     // a result, a player, a scorer or a squad line

} // namespace vantorel::edits

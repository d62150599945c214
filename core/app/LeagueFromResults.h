#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/NewLeague.h"
#include "exchange/ImportSource.h"
#include "platform/DateFormat.h"
#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// What a results file tells about the league it comes from.
struct ResultsSeason {
    std::vector<std::string> teamNames; // as the league will store them: alphabetical without regard to case
    int playTimes = 2;                  // how often each pair meets: 1, 2 or 4
    int results = 0;
    DateFormat dateFormat = DateFormat::Default();
};

// How a results file is read for a new league.
struct SeasonReading {
    DateFormat dateFormat = DateFormat::Default(); // the chosen format, taken when the user gave it
    bool formatGiven = false;     // otherwise a file with named columns is read in the layout its dates show
    std::optional<int> playTimes; // how often the teams meet; inferred from the file when not given
};

// Looks at a whole results file, with named columns or plain lines (ResultsFile.h): its teams, how often the
// teams meet (once when every pair met at most once with the alphabetically earlier team at home; twice when
// no pair met twice at the same ground; otherwise four times) and the format of its dates. Refused, saying
// why, when the file has fewer than 4 or more than 24 teams, a line is not a result of two different teams,
// a result is listed twice (the same home and away teams on the same day), a pair meets more often than the
// league allows, or its dates cannot be read safely (DateSurvey).
Status SurveySeason(LineSource& source, const SeasonReading& reading, ResultsSeason& season);

// Builds a new league from the answers (BuildNewLeague) with the teams and meetings of the results file in
// place of the answers' own, then enters every result with its date and attendance. A match the file lists
// without a score (both goal cells empty), still to play, counts for the teams and meetings; its fixture
// stays open, with the file's date for it when that can be read. Refused, the Division unchanged, as
// SurveySeason and BuildNewLeague refuse, or when a result cannot be entered (naming its line).
Status BuildLeagueFromResults(NewLeagueAnswers answers, LineSource& source, const SeasonReading& reading,
                              Division& division);

} // namespace vantorel

#pragma once

#include <string>
#include <vector>

#include "outlook/Outlook.h"
#include "platform/DateFormat.h"

namespace vantorel {

// A chance as a percentage with one decimal ("100.0", "37.5", "0.0"); empty when nothing is known.
std::string PercentText(double chance);

// The outlook table for the page and the command line: Pos, Team, Pts, PP (possible points), Best, Worst,
// xPts (expected points), Status, one column per zone, then one per position ("1" .. "n").
std::vector<std::string> OutlookHeadings(const Division& division);
// The row at a table position (teams in the order of the table at the as-at date).
std::vector<std::string> OutlookRow(const Division& division, const Outlook& outlook, int position);

// The comma-separated layout scripts rely on: Pos,Team,Pts,Best,Worst, then the zones' headings, then P1
// to Pn; one line per team in table order.
std::vector<std::string> OutlookCsvHeadings(const Division& division);
std::vector<std::string> OutlookCsvRow(const Division& division, const Outlook& outlook, int position);

// The open fixtures' forecasts: Date, Home, Away, PHome, PDraw, PAway, Score (the likeliest, "H-A").
std::vector<std::string> MatchForecastHeadings();
std::vector<std::vector<std::string>> MatchForecastRows(const Division& division, const Outlook& outlook,
                                                        const DateFormat& dateFormat);

// "1st", "2nd", "3rd", "4th", ..., "11th", "12th", "13th", "21st", ...
std::string Ordinal(int position);

// The witness of a team's best or worst position in one sentence, for example "Norwich City can still
// finish 7th: they win all 10 of their remaining matches for 52 points, and the other results can leave
// only Liverpool, ... above them."
std::string WitnessSentence(const Division& division, const Outlook& outlook, int team, bool best);

// The witness's remaining results, in fixture order, as Date, Home, Away, Score (1-0, 0-0 or 0-1).
std::vector<std::vector<std::string>> WitnessResults(const Division& division, const Outlook& outlook,
                                                     int team, bool best, const DateFormat& dateFormat);

} // namespace vantorel

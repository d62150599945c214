#pragma once

#include <string>
#include <vector>

#include "outlook/Outlook.h"
#include "platform/Canvas.h"

namespace vantorel {

// The columns of the Outlook page (see OutlookHeadings): eight fixed ones, then the zones, then positions.
inline constexpr int kOutlookBestColumn = 4;
inline constexpr int kOutlookWorstColumn = 5;
inline constexpr int kOutlookFirstZoneColumn = 8;
int OutlookFirstPositionColumn(const DivisionHeader& header);

// A heat-map cell: its background deepens with the chance, its figure (a whole percentage) shows from
// 1 % up; a certain position shows "100", a near-certain one never more than ">99".
struct HeatCell {
    std::string text;
    Colour background = kWhite;
    Colour textColour = kBlack;
};
HeatCell HeatCellOf(double chance);

// A zone cell's mark beside its percentage: "✓" when the zone is clinched, "✗" when it is out of reach.
std::string ZoneMark(ZoneState state);

// The tooltips of the cells of a team's row: the witness of its best position over the Best column, of its
// worst over the Worst column, and both elsewhere; with the rule that level on points counts for the team
// in its best and against it in its worst. The witnesses are worked out once for the whole row.
class OutlookRowTips {
public:
    OutlookRowTips(const Division& division, const Outlook& outlook, int position);

    const std::string& ForColumn(int column) const;

private:
    std::string best_, worst_, both_;
};

// The bars of a team's chart: its chance of each final position (label "1st" ...), and of each points
// total it can still end on (label the points).
struct ChartBar {
    std::string label;
    double chance = 0;
};
std::vector<ChartBar> PositionBars(const Outlook& outlook, int team);
std::vector<ChartBar> PointsBars(const Outlook& outlook, int team);

// The caption line of the page: the as-at date and how many seasons were simulated.
std::string OutlookCaption(const Outlook& outlook, const std::string& asAtText);

} // namespace vantorel

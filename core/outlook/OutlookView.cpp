#include "outlook/OutlookView.h"

#include <algorithm>
#include <cmath>

#include "outlook/OutlookTable.h"

namespace vantorel {
namespace {

// From white to a deep blue, in Canvas colours (0xBBGGRR).
Colour Blend(double depth) {
    const auto channel = [depth](int from, int to) {
        return static_cast<Colour>(std::lround(from + (to - from) * depth));
    };
    return channel(255, 40) | channel(255, 90) << 8 | channel(255, 190) << 16;
}

} // namespace

int OutlookFirstPositionColumn(const DivisionHeader& header) {
    return kOutlookFirstZoneColumn + static_cast<int>(LeagueZones(header).size());
}

HeatCell HeatCellOf(double chance) {
    HeatCell cell;
    if (chance < 0)
        return cell;
    // A square root makes small chances visible without washing out the large ones.
    const double depth = std::sqrt(std::clamp(chance, 0.0, 1.0));
    cell.background = Blend(depth);
    cell.textColour = depth > 0.6 ? kWhite : kBlack;
    if (chance >= 1)
        cell.text = "100";
    else if (chance >= 0.995)
        cell.text = ">99";
    else if (chance >= 0.01)
        cell.text = std::to_string(static_cast<int>(std::lround(chance * 100)));
    return cell;
}

std::string ZoneMark(ZoneState state) {
    return state == ZoneState::Clinched ? "\u2713" : state == ZoneState::Eliminated ? "\u2717" : "";
}

OutlookRowTips::OutlookRowTips(const Division& division, const Outlook& outlook, int position) {
    const int team = outlook.start.table.TableOrder[position];
    const std::string best = WitnessSentence(division, outlook, team, true);
    const std::string worst = WitnessSentence(division, outlook, team, false);
    const std::string rule =
        "Teams level on points count for a team in its best position and against it in its "
        "worst.";
    best_ = best + "\n" + rule;
    worst_ = worst + "\n" + rule;
    both_ = best + "\n" + worst;
}

const std::string& OutlookRowTips::ForColumn(int column) const {
    return column == kOutlookBestColumn ? best_ : column == kOutlookWorstColumn ? worst_ : both_;
}

std::vector<ChartBar> PositionBars(const Outlook& outlook, int team) {
    std::vector<ChartBar> bars;
    for (int p = 1; p <= outlook.start.teamCount; ++p)
        bars.push_back({Ordinal(p), std::max(0.0, PositionChance(outlook, team, p))});
    return bars;
}

std::vector<ChartBar> PointsBars(const Outlook& outlook, int team) {
    std::vector<ChartBar> bars;
    const int low = outlook.start.points(team);
    if (!outlook.simulated())
        return bars;
    const auto& counts = outlook.tally.points[static_cast<std::size_t>(team)];
    for (std::size_t k = 0; k < counts.size(); ++k)
        bars.push_back({std::to_string(low + static_cast<int>(k)),
                        static_cast<double>(counts[k]) / outlook.tally.seasons});
    return bars;
}

std::string OutlookCaption(const Outlook& outlook, const std::string& asAtText) {
    std::string caption =
        "As at " + asAtText + ": " + std::to_string(outlook.start.open.size()) + " matches open";
    if (outlook.simulated())
        caption += ", chances from " + std::to_string(outlook.tally.seasons) + " simulated seasons";
    return caption +
           ". Best and Worst count teams level on points for the team in its best and against it in "
           "its worst.";
}

} // namespace vantorel

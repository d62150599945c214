#include "stats/ProgressGraph.h"

#include <algorithm>

#include "stats/LeaguePositionText.h"
#include "stats/ProgressPositions.h"
#include "store/MatchOutcome.h"
#include "store/Names.h"

namespace vantorel {
namespace {

constexpr std::array<Colour, kGraphSlots> kSlotColours = {kBlue, kYellow, kRed, kWhite};
constexpr int kMinPointsScale = 3;
constexpr int kSingleTeamPointsScale = 30;
constexpr int kThinnedGames = 31; // from this many games a comparison's bars show every other game
constexpr int kMaxMarker = 12;
constexpr int kLegendFontPixels = 7;

struct LegendEntry {
    const char* label;
    int slot; // 0-based colour slot
};
constexpr std::array<LegendEntry, 3> kResultLegend = {{{"Win", 0}, {"Draw", 3}, {"Loss", 2}}};

// The own team's slot takes the own-team colour; a slot that had it takes the own team's slot colour.
void GiveOwnTeamItsColour(std::array<Colour, kGraphSlots>& colours, const GraphTeams& teams, int slots,
                          int ownTeam, Colour ownColour) {
    if (ownTeam == 0)
        return;
    for (int k = 0; k < slots; ++k) {
        if (teams[static_cast<std::size_t>(k)] != ownTeam)
            continue;
        const Colour swapped = colours[static_cast<std::size_t>(k)];
        if (swapped != ownColour) {
            for (Colour& colour : colours)
                if (colour == ownColour)
                    colour = swapped;
            colours[static_cast<std::size_t>(k)] = ownColour;
        }
        return;
    }
}

void DrawLegend(Canvas& canvas, const Division& division, const GraphTeams& teams, int slots,
                const std::array<Colour, kGraphSlots>& colours, int left) {
    const int x0 = left + 5;
    canvas.setBrush(kButtonFace);
    canvas.setPen(kBlack, 1);
    canvas.Rectangle(x0, 5, x0 + (slots == 1 ? 230 : 145), 5 + 15 * slots + 12);
    canvas.setPen(kBlack, 3);
    CanvasFont font = canvas.font();
    // A 7-pixel font: the legend rows are 15 pixels apart.
    font.size = kLegendFontPixels * 3 / 4;
    canvas.setFont(font);
    if (slots == 1) {
        const int y = 18;
        canvas.setPen(kYellow, 3);
        canvas.Line(x0 + 3, y, x0 + 8, y);
        const char* positionLabel = "League Position";
        canvas.TextOut(x0 + 12, y - 5, positionLabel);
        int x = x0 + 12 + canvas.TextWidth(positionLabel) + 8;
        for (const LegendEntry& entry : kResultLegend) {
            canvas.setPen(colours[static_cast<std::size_t>(entry.slot)], 3);
            canvas.Line(x, y, x + 8, y);
            canvas.TextOut(x + 12, y - 5, entry.label);
            x += 12 + canvas.TextWidth(entry.label) + 8;
        }
    } else {
        for (int k = 0; k < slots; ++k) {
            const int y = 18 + 15 * k;
            canvas.setPen(colours[static_cast<std::size_t>(k)], 3);
            canvas.Line(x0 + 3, y, x0 + 8, y);
            canvas.TextOut(x0 + 12, y - 5, TeamName(division, teams[static_cast<std::size_t>(k)]));
        }
    }
    canvas.setPen(kBlack, 1);
}

} // namespace

GraphTeams TeamsForGraph(GraphType type, int selectedTeam, const LeagueTable& table) {
    if (type == GraphType::PointsProgress)
        return {selectedTeam, 0, 0, 0};
    const int first = type == GraphType::TopComparison ? 1 : table.TeamCount - 2;
    GraphTeams teams{};
    bool selectedShown = false;
    for (int k = 0; k < 3; ++k) {
        const int position = first + k;
        teams[static_cast<std::size_t>(k)] =
            position >= 1 && position <= table.TeamCount ? table.TableOrder[position] : 0;
        selectedShown = selectedShown || teams[static_cast<std::size_t>(k)] == selectedTeam;
    }
    teams[3] = selectedShown ? 0 : selectedTeam;
    return teams;
}

LeagueTable ComparisonTable(const Division& division, int selectedTeam, double today) {
    const std::vector<int> games = TeamGamesByDate(division, selectedTeam);
    const double asAt = games.empty() ? today : division.Results[games.back()].MatchDate;
    return FillTable(division, {TableContent::PlayedGames, GameSelection::HomeAndAway, asAt});
}

int ProgressGraphLayout::HoverGameAt(int x, int y) const {
    if (!hoverValid || x <= left || y >= bottom || colWidth <= 0)
        return 0;
    const int game = (x - left) / colWidth + 1;
    if (game > maxPlayed || game > static_cast<int>(hover.size()))
        return 0;
    return game;
}

ProgressGraphLayout DrawProgressGraph(Canvas& canvas, const Division& division, const GraphTeams& teams,
                                      bool lineStyle, Colour ownTeamColour, int width, int height) {
    const DivisionHeader& header = division.Header();
    const int teamCount = std::max<int>(header.TeamCount, 1);
    std::array<Colour, kGraphSlots> colours = kSlotColours;
    int slots = 0, maxPlayed = 1, maxPoints = kMinPointsScale;
    while (slots < kGraphSlots && teams[static_cast<std::size_t>(slots)] != 0) {
        const TeamRecord& team = division.Teams[teams[static_cast<std::size_t>(slots)]];
        maxPlayed = std::max<int>(maxPlayed, team.Played);
        maxPoints = std::max<int>(maxPoints, team.Points);
        ++slots;
    }
    // A single team's graph is always bars: its read-out follows the bars.
    lineStyle = lineStyle && slots > 1;
    const int seasonGames = std::max(2 * (header.ResultCount / teamCount), 1);
    if (slots > 1)
        GiveOwnTeamItsColour(colours, teams, slots, header.OwnTeam, ownTeamColour);

    int colWidth = 0, graphWidth = 0;
    if (slots > 1 && !lineStyle) {
        const int cols = maxPlayed > 30 ? maxPlayed / 2 + 1 : maxPlayed;
        colWidth = (width - 20) / ((slots + 1) * cols);
        graphWidth = colWidth * cols * (slots + 1);
    } else if (slots > 1) {
        colWidth = (width - 20) / maxPlayed;
        graphWidth = colWidth * maxPlayed;
    } else {
        colWidth = (width - 20) / seasonGames;
        graphWidth = colWidth * seasonGames;
        maxPoints = std::max(maxPoints, kSingleTeamPointsScale);
    }
    const int unit = (height - 30) / maxPoints;
    const int graphHeight = unit * maxPoints;
    const int posStep = (graphHeight - 10) / teamCount;
    const int left = (width - graphWidth) / 2;
    const int top = (height - graphHeight) / 2;
    const int bottom = top + graphHeight;
    ProgressGraphLayout layout{left, bottom, colWidth, maxPlayed, false, {}};

    canvas.setPen(kBlack, 1);
    canvas.Line(left, top, left, bottom);
    canvas.Line(left, bottom, left + graphWidth, bottom);
    if (slots == 1)
        canvas.Line(left + graphWidth, bottom, left + graphWidth, top);
    if (slots > 1) {
        for (int p = 5; p <= maxPoints; p += 5)
            canvas.Line(left, bottom - p * unit, left + graphWidth, bottom - p * unit);
    } else {
        for (int p = 1; p <= header.TeamCount; ++p) {
            const int y = bottom - (header.TeamCount - p) * posStep;
            canvas.Line(left - (p % 2 == 1 ? 2 : 4), y, left, y);
        }
        for (int p = 1; p <= maxPoints; ++p)
            canvas.Line(left + graphWidth, bottom - p * unit, left + graphWidth + (p % 5 == 0 ? 4 : 2),
                        bottom - p * unit);
    }

    for (int k = 0; k < slots; ++k) {
        const int team = teams[static_cast<std::size_t>(k)];
        const Colour colour = colours[static_cast<std::size_t>(k)];
        const std::vector<int> games = TeamGamesByDate(division, team);
        const int played = std::min<int>(division.Teams[team].Played, static_cast<int>(games.size()));
        const bool thinned = slots != 1 && static_cast<int>(games.size()) >= kThinnedGames;
        int running = -division.Teams[team].Deduction;
        int penX = left, penY = bottom;
        canvas.setPen(lineStyle ? colour : kBlack, lineStyle ? 2 : 1);
        canvas.setBrush(colour);
        int col = 1;
        for (int g = 1; g <= played; ++g) {
            const int result = games[static_cast<std::size_t>(g - 1)];
            const int earned = PointsFor(OutcomeFor(division.Results[result], team), header.WinPoints);
            running += earned;
            if (lineStyle) {
                if (running > 0) {
                    canvas.Line(penX, penY, left + col * colWidth, bottom - running * unit);
                    penX = left + col * colWidth;
                    penY = bottom - running * unit;
                }
                ++col;
                continue;
            }
            if (thinned && g % 2 == 0 && g != played)
                continue;
            const int x = slots == 1 ? left + (col - 1) * colWidth
                                     : left + (col - 1) * colWidth * (slots + 1) + k * colWidth;
            if (slots == 1) {
                layout.hover.push_back({result, running, 0});
                canvas.setBrush(earned == 0 ? kRed : earned == 1 ? kWhite : kBlue);
            }
            if (running > 0)
                canvas.Rectangle(x, bottom - unit * running, x + colWidth, bottom);
            ++col;
        }
        if (slots != 1)
            continue;

        const std::vector<int> positions =
            PositionsAfterGames(division, team, std::vector<int>(games.begin(), games.begin() + played));
        const int marker = std::min(colWidth, kMaxMarker);
        int previousX = 0, previousY = 0;
        canvas.setBrush(kYellow);
        for (int g = 1; g <= played; ++g) {
            const int position = positions[static_cast<std::size_t>(g - 1)];
            layout.hover[static_cast<std::size_t>(g - 1)].Position = position;
            const int x = left + (g - 1) * colWidth + (colWidth - marker) / 2;
            const int y = bottom - (header.TeamCount - position) * posStep - marker / 2;
            canvas.setPen(kYellow, 1);
            canvas.Ellipse(x, y, x + marker, y + marker);
            const int centreX = x + marker / 2, centreY = y + marker / 2;
            if (g > 1) {
                canvas.setPen(kBlack, 2);
                canvas.Line(previousX, previousY, centreX, centreY);
            }
            previousX = centreX;
            previousY = centreY;
        }
        layout.hoverValid = true;
    }
    canvas.setPen(kBlack, 1);
    DrawLegend(canvas, division, teams, slots, colours, left);
    return layout;
}

std::string HoverText(const Division& division, const GraphHoverEntry& entry, const DateFormat& dateFormat) {
    const ResultRecord& match = division.Results[entry.Result];
    return " " + dateFormat.Format(match.MatchDate) + " " + TeamName(division, match.HomeTeam) + " " +
           std::to_string(match.HomeGoals) + " " + TeamName(division, match.AwayTeam) + " " +
           std::to_string(match.AwayGoals) + " (" + PointsText(entry.Points) + " - " +
           LeaguePositionText(entry.Position, division.Header().TeamCount) + ") ";
}

} // namespace vantorel

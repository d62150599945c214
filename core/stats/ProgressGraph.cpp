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

// The scales and the box of a graph of `slots` teams.
struct GraphFrame {
    int slots = 0, maxPlayed = 1, maxPoints = kMinPointsScale;
    bool lineStyle = false;
    int colWidth = 0, graphWidth = 0, unit = 0, posStep = 0;
    int left = 0, top = 0, bottom = 0;
};

GraphFrame MeasureGraph(const Division& division, const GraphTeams& teams, bool lineStyle, int width,
                        int height) {
    const DivisionHeader& header = division.Header();
    const int teamCount = std::max<int>(header.TeamCount, 1);
    GraphFrame f;
    while (f.slots < kGraphSlots && teams[static_cast<std::size_t>(f.slots)] != 0) {
        const TeamRecord& team = division.Teams[teams[static_cast<std::size_t>(f.slots)]];
        f.maxPlayed = std::max<int>(f.maxPlayed, team.Played);
        f.maxPoints = std::max<int>(f.maxPoints, team.Points);
        ++f.slots;
    }
    // A single team's graph is always bars: its read-out follows the bars.
    f.lineStyle = lineStyle && f.slots > 1;
    const int seasonGames = std::max(2 * (header.ResultCount / teamCount), 1);
    if (f.slots > 1 && !f.lineStyle) {
        const int cols = f.maxPlayed > 30 ? f.maxPlayed / 2 + 1 : f.maxPlayed;
        f.colWidth = (width - 20) / ((f.slots + 1) * cols);
        f.graphWidth = f.colWidth * cols * (f.slots + 1);
    } else if (f.slots > 1) {
        f.colWidth = (width - 20) / f.maxPlayed;
        f.graphWidth = f.colWidth * f.maxPlayed;
    } else {
        f.colWidth = (width - 20) / seasonGames;
        f.graphWidth = f.colWidth * seasonGames;
        f.maxPoints = std::max(f.maxPoints, kSingleTeamPointsScale);
    }
    f.unit = (height - 30) / f.maxPoints;
    const int graphHeight = f.unit * f.maxPoints;
    f.posStep = (graphHeight - 10) / teamCount;
    f.left = (width - f.graphWidth) / 2;
    f.top = (height - graphHeight) / 2;
    f.bottom = f.top + graphHeight;
    return f;
}

// The axes, with a line every five points for a comparison, or for one team the position ticks on the
// left and the points ticks on the right.
void DrawAxes(Canvas& canvas, int teamCount, const GraphFrame& f) {
    const int right = f.left + f.graphWidth;
    canvas.setPen(kBlack, 1);
    canvas.Line(f.left, f.top, f.left, f.bottom);
    canvas.Line(f.left, f.bottom, right, f.bottom);
    if (f.slots == 1)
        canvas.Line(right, f.bottom, right, f.top);
    if (f.slots > 1) {
        for (int p = 5; p <= f.maxPoints; p += 5)
            canvas.Line(f.left, f.bottom - p * f.unit, right, f.bottom - p * f.unit);
        return;
    }
    for (int p = 1; p <= teamCount; ++p) {
        const int y = f.bottom - (teamCount - p) * f.posStep;
        canvas.Line(f.left - (p % 2 == 1 ? 2 : 4), y, f.left, y);
    }
    for (int p = 1; p <= f.maxPoints; ++p)
        canvas.Line(right, f.bottom - p * f.unit, right + (p % 5 == 0 ? 4 : 2), f.bottom - p * f.unit);
}

// The running points of slot k's team after each of its first `played` games, as a line or as bars; a
// single team's bars are coloured by result and recorded for the read-out.
void DrawPointsOfTeam(Canvas& canvas, const Division& division, const GraphFrame& f, int k, int team,
                      Colour colour, const std::vector<int>& games, int played, ProgressGraphLayout& layout) {
    const bool thinned = f.slots != 1 && static_cast<int>(games.size()) >= kThinnedGames;
    int running = -division.Teams[team].Deduction;
    int penX = f.left, penY = f.bottom;
    canvas.setPen(f.lineStyle ? colour : kBlack, f.lineStyle ? 2 : 1);
    canvas.setBrush(colour);
    int col = 1;
    for (int g = 1; g <= played; ++g) {
        const int result = games[static_cast<std::size_t>(g - 1)];
        const GameOutcome outcome = OutcomeFor(division.Results[result], team);
        running += PointsFor(outcome, division.Header().WinPoints);
        if (f.lineStyle) {
            if (running > 0) {
                canvas.Line(penX, penY, f.left + col * f.colWidth, f.bottom - running * f.unit);
                penX = f.left + col * f.colWidth;
                penY = f.bottom - running * f.unit;
            }
            ++col;
            continue;
        }
        if (thinned && g % 2 == 0 && g != played)
            continue;
        const int x = f.slots == 1 ? f.left + (col - 1) * f.colWidth
                                   : f.left + (col - 1) * f.colWidth * (f.slots + 1) + k * f.colWidth;
        if (f.slots == 1) {
            layout.hover.push_back({result, running, 0});
            canvas.setBrush(outcome == GameOutcome::Lost    ? kRed
                            : outcome == GameOutcome::Drawn ? kWhite
                                                            : kBlue);
        }
        if (running > 0)
            canvas.Rectangle(x, f.bottom - f.unit * running, x + f.colWidth, f.bottom);
        ++col;
    }
}

// A single team's league position after each of its first `played` games: yellow markers joined by a
// black line, each position recorded for the read-out.
void DrawPositions(Canvas& canvas, const Division& division, const GraphFrame& f, int team,
                   const std::vector<int>& games, int played, ProgressGraphLayout& layout) {
    const int teamCount = division.Header().TeamCount;
    const std::vector<int> positions =
        PositionsAfterGames(division, team, std::vector<int>(games.begin(), games.begin() + played));
    const int marker = std::min(f.colWidth, kMaxMarker);
    int previousX = 0, previousY = 0;
    canvas.setBrush(kYellow);
    for (int g = 1; g <= played; ++g) {
        const int position = positions[static_cast<std::size_t>(g - 1)];
        layout.hover[static_cast<std::size_t>(g - 1)].Position = position;
        const int x = f.left + (g - 1) * f.colWidth + (f.colWidth - marker) / 2;
        const int y = f.bottom - (teamCount - position) * f.posStep - marker / 2;
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
    const GraphFrame frame = MeasureGraph(division, teams, lineStyle, width, height);
    std::array<Colour, kGraphSlots> colours = kSlotColours;
    if (frame.slots > 1)
        GiveOwnTeamItsColour(colours, teams, frame.slots, division.Header().OwnTeam, ownTeamColour);
    ProgressGraphLayout layout{frame.left, frame.bottom, frame.colWidth, frame.maxPlayed, false, {}};
    DrawAxes(canvas, division.Header().TeamCount, frame);
    for (int k = 0; k < frame.slots; ++k) {
        const int team = teams[static_cast<std::size_t>(k)];
        const std::vector<int> games = TeamGamesByDate(division, team);
        const int played = std::min<int>(division.Teams[team].Played, static_cast<int>(games.size()));
        DrawPointsOfTeam(canvas, division, frame, k, team, colours[static_cast<std::size_t>(k)], games,
                         played, layout);
        if (frame.slots == 1)
            DrawPositions(canvas, division, frame, team, games, played, layout);
    }
    canvas.setPen(kBlack, 1);
    DrawLegend(canvas, division, teams, frame.slots, colours, frame.left);
    return layout;
}

std::string HoverText(const Division& division, const GraphHoverEntry& entry, const DateFormat& dateFormat) {
    const ResultRecord& match = division.Results[entry.Result];
    return " " + dateFormat.Format(match.MatchDate) + " " + TeamName(division, match.HomeTeam) + " " +
           std::to_string(match.HomeGoals) + " " + TeamName(division, match.AwayTeam) + " " +
           std::to_string(match.AwayGoals) + " (" + PointsText(entry.Points) + " - " +
           LeaguePositionText(entry.Position, division.Header().TeamCount) + ") ";
}

std::string GraphPictureName(const Division& division, int team) {
    std::string name = kGraphCaption;
    if (team > 0 && team <= division.Header().TeamCount)
        name = kGraphCaptionFor + TeamName(division, team);
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|')
            c = '_';
    return name + ".png";
}

std::string WithPngExtension(std::string file) {
    std::string ending = file.size() >= 4 ? file.substr(file.size() - 4) : std::string();
    for (char& c : ending)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
    return ending == ".png" ? file : file + ".png";
}

} // namespace vantorel

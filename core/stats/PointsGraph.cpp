#include "stats/PointsGraph.h"

#include <algorithm>

namespace vantorel {

Colour OutcomeColour(GameOutcome outcome) {
    return outcome == GameOutcome::Won ? kBlue : outcome == GameOutcome::Drawn ? kWhite : kRed;
}

void DrawPointsGraph(Canvas& canvas, int width, int height, const Division& division,
                     const TeamStatistics& stats) {
    const int team = stats.summary.Team;
    if (team < 1)
        return;
    const TeamRecord& record = division.Teams[team];
    int maxPoints = 0;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        maxPoints = std::max<int>(maxPoints, division.Teams[t].Points);
    // The running total in the team record and the games listed agree; the list is what is drawn.
    const int played = std::min<int>(record.Played, static_cast<int>(stats.games.size()));
    int left = 0, columnWidth = 0, unit = 0;
    if (record.Points > 0 && played > 0) {
        columnWidth = width / played;
        unit = height / maxPoints;
        left = (width - played * columnWidth) / 2;
    }
    canvas.setPen(kBlack, 1);
    canvas.Line(left, 0, left, height - 1);
    canvas.Line(left, height - 1, columnWidth > 0 ? left + played * columnWidth : width, height - 1);
    if (record.Points < 1 || played < 1)
        return;
    // A league whose leader has more points than the box is high, or a team with more games than the box
    // is wide, would leave every bar without height or width: such bars are scaled in proportion instead.
    auto topOf = [&](int running) {
        return height - (unit > 0 ? unit * running : height * running / maxPoints);
    };
    auto xOf = [&](int game) { return columnWidth > 0 ? left + game * columnWidth : width * game / played; };
    int running = -static_cast<int>(record.Deduction);
    for (int game = 0; game < played; ++game) {
        const ResultRecord& match =
            division.Results[stats.games[static_cast<std::size_t>(played - 1 - game)]];
        running += PointsFor(OutcomeFor(match, team), division.Header().WinPoints);
        if (running <= 0)
            continue;
        canvas.setBrush(OutcomeColour(OutcomeFor(match, team)));
        canvas.Rectangle(xOf(game), topOf(running), xOf(game + 1), height);
    }
}

} // namespace vantorel

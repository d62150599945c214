#include "stats/TeamSummaryPrintout.h"

#include <algorithm>

#include "platform/CanvasText.h"
#include "stats/PointsGraph.h"
#include "store/Names.h"

namespace vantorel {
namespace {

constexpr int kMargin = 40;

// The heading of every page: table name and team at the top left, the print date at the right, a rule.
// Long names take a smaller font, down to 8 points, so that they never run into the date.
// Returns the y of the rule.
int PrintHeading(Canvas& canvas, int pageWidth, const Division& division, const TeamStatistics& stats,
                 const std::string& printDate, const CanvasFont& baseFont) {
    constexpr int kSmallestHeading = 8;
    const std::string title = LeagueName(division) + " - " + TeamName(division, stats.summary.Team);
    CanvasFont headingFont = baseFont;
    headingFont.name = "Arial";
    headingFont.size = 16;
    canvas.setFont(headingFont);
    ShrinkFontToFit(canvas, pageWidth - 40, title + "  " + printDate, kSmallestHeading);
    canvas.TextOut(20, 20, title);
    canvas.TextOut(pageWidth - 20 - canvas.TextWidth(printDate), 20, printDate);
    const int y = 20 + canvas.TextHeight("M");
    canvas.setPen(kBlack, 2);
    canvas.Line(20, y, pageWidth - 20, y);
    return y;
}

std::string HighestScoreText(const char* venue, int score, int opponent, const Division& division) {
    return std::string(venue) + std::to_string(score) + " (" + TeamName(division, opponent) + ")";
}

// The columns of the games list.
struct GameColumns {
    int date, home, score, away, bar, unit;
    int nameRoom; // the width a name is cut to
    int barRoom, maxPoints;

    // The length of the bar of a points total; in proportion when the page is too narrow for a whole
    // number of units a point.
    int BarLength(int points) const { return unit > 0 ? points * unit : barRoom * points / maxPoints; }
};

GameColumns MeasureColumns(Canvas& canvas, int pageWidth, const Division& division,
                           const TeamStatistics& stats, const DateFormat& dateFormat) {
    int widestName = 0, maxPoints = 0;
    for (int t = 1; t <= division.Header().TeamCount; ++t) {
        widestName = std::max(widestName, canvas.TextWidth(TeamName(division, t)));
        maxPoints = std::max<int>(maxPoints, division.Teams[t].Points);
    }
    // Room for a short date with a two-digit year, or for the longest date printed when that is wider.
    int dateWidth = canvas.TextWidth("00/00/00W");
    for (const int r : stats.games)
        dateWidth =
            std::max(dateWidth, canvas.TextWidth(dateFormat.Format(division.Results[r].MatchDate) + "W"));
    const int scoreWidth = canvas.TextWidth("00-00W"), gap = canvas.TextWidth("W");
    // Names so long that the away team would leave the page, or the bars keep less than a tenth of it, are
    // cut to the room that leaves the bars that tenth.
    const int roomForNames = pageWidth - kMargin - pageWidth / 10 - (kMargin + dateWidth) - scoreWidth;
    const int nameWidth = std::max(gap, std::min(widestName + gap, roomForNames / 2));
    GameColumns c{};
    c.nameRoom = nameWidth - gap;
    c.date = kMargin;
    c.home = kMargin + dateWidth;
    c.score = c.home + nameWidth;
    c.away = c.score + scoreWidth;
    c.bar = c.away + nameWidth;
    c.barRoom = std::max(0, pageWidth - kMargin - c.bar); // none on a page too narrow for the names
    c.maxPoints = maxPoints;
    c.unit = maxPoints > 0 ? c.barRoom / maxPoints : 0;
    return c;
}

// Prints the team's record, highest scores and form below the heading; returns the y of the first game.
int PrintRecord(Canvas& canvas, int pageWidth, int y, int lineHeight, const Division& division,
                const TeamStatistics& stats) {
    const TeamSummary& s = stats.summary;
    const TeamRecord& record = division.Teams[s.Team];
    const int L = lineHeight;
    PrintSummaryRow(canvas, pageWidth, kMargin, y,
                    {{"Played:", s.GameCount}, {"Won:", s.Won}, {"Drawn:", s.Drawn}, {"Lost:", s.Lost}});
    y += L;
    PrintSummaryRow(canvas, pageWidth, kMargin, y,
                    {{"Goals:", s.GoalsFor}, {"Points:", record.Points}, {"Deducted:", record.Deduction}});
    y += 2 * L;
    const int middle = (pageWidth - kMargin) / 2 + 20;
    auto highest = [&](const char* heading, int home, int homeOpp, int away, int awayOpp) {
        canvas.TextOut(kMargin, y, heading);
        y += 2 * L;
        // Each half cut at its end, so that a long name neither runs into the other half nor off the page.
        canvas.TextOut(kMargin, y,
                       CutText(canvas, middle - kMargin - canvas.TextWidth("  "),
                               HighestScoreText("    Home : ", home, homeOpp, division)));
        canvas.TextOut(middle, y,
                       CutText(canvas, pageWidth - kMargin - middle,
                               HighestScoreText("Away : ", away, awayOpp, division)));
        y += 2 * L;
    };
    highest("Highest Score for:", s.HighHomeFor, s.HighHomeForOpp, s.HighAwayFor, s.HighAwayForOpp);
    highest("Highest Score Against:", s.HighHomeAgainst, s.HighHomeAgainstOpp, s.HighAwayAgainst,
            s.HighAwayAgainstOpp);
    canvas.TextOut(kMargin, y, "Current Form");
    y += 2 * L;
    canvas.TextOut(kMargin, y, "    Home: " + s.HomeForm + "  Away: " + s.AwayForm);
    return y + 2 * L;
}

} // namespace

std::string PrintedScore(const ResultRecord& result) {
    return (result.HomeGoals < 10 ? " " : "") + std::to_string(result.HomeGoals) + "-" +
           std::to_string(result.AwayGoals);
}

void PrintSummaryRow(Canvas& canvas, int pageWidth, int x, int y, const std::vector<SummaryPair>& pairs) {
    const int column = (pageWidth - 2 * x) / 6;
    const int spare = column / 4;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0 && pairs[i].caption.empty())
            continue;
        const int start = x + static_cast<int>(i) * column;
        const std::string value = std::to_string(pairs[i].value).substr(0, 10);
        canvas.TextOut(start, y, pairs[i].caption);
        canvas.TextOut(start + column - spare - canvas.TextWidth(value), y, value);
    }
}

bool PrintTeamSummary(Canvas& canvas, int pageWidth, int pageHeight, const Division& division,
                      const TeamStatistics& stats, const DateFormat& dateFormat, const std::string& printDate,
                      int page) {
    const CanvasFont baseFont = canvas.font();
    const int rule = PrintHeading(canvas, pageWidth, division, stats, printDate, baseFont);
    CanvasFont textFont = baseFont;
    textFont.size = 10;
    canvas.setFont(textFont);
    const int L = canvas.TextHeight("M");
    const int bottom = pageHeight - 20;
    const GameColumns c = MeasureColumns(canvas, pageWidth, division, stats, dateFormat);

    // Where the games of each page start, and how many fit on a page.
    const int firstPageTop = rule + 17 * L;
    const int laterPageTop = rule + 4 * L;
    const int firstPageGames = std::max(0, (bottom - firstPageTop) / L);
    const int laterPageGames = std::max(1, (bottom - laterPageTop) / L);
    const int gameCount = static_cast<int>(stats.games.size());
    const int first = page == 0 ? 0 : firstPageGames + (page - 1) * laterPageGames;
    const int last = std::min(gameCount, first + (page == 0 ? firstPageGames : laterPageGames));

    int y;
    if (page == 0) {
        y = PrintRecord(canvas, pageWidth, rule + 2 * L, L, division, stats);
    } else {
        y = rule + 2 * L;
        canvas.TextOut(c.date, y, "Date");
        canvas.TextOut(c.home, y, "Home");
        canvas.TextOut(c.score, y, "Score");
        canvas.TextOut(c.away, y, "Away");
        canvas.TextOut(c.bar, y, "Points");
        y = laterPageTop;
    }

    const int team = stats.summary.Team;
    int running = -static_cast<int>(division.Teams[team].Deduction);
    // Oldest game first: the list runs newest first.
    for (int i = 0; i < last; ++i) {
        const ResultRecord& match =
            division.Results[stats.games[static_cast<std::size_t>(gameCount - 1 - i)]];
        running += PointsFor(OutcomeFor(match, team), division.Header().WinPoints);
        if (i < first)
            continue;
        canvas.TextOut(c.date, y, dateFormat.Format(match.MatchDate));
        canvas.TextOut(c.home, y, CutText(canvas, c.nameRoom, TeamName(division, match.HomeTeam)));
        canvas.TextOut(c.score, y, PrintedScore(match));
        canvas.TextOut(c.away, y, CutText(canvas, c.nameRoom, TeamName(division, match.AwayTeam)));
        if (running > 0) {
            canvas.setBrush(OutcomeColour(OutcomeFor(match, team)));
            canvas.Rectangle(c.bar, y, c.bar + c.BarLength(running), y + L);
            canvas.setBrush(kWhite);
        }
        y += L;
    }
    canvas.setFont(baseFont);
    return last < gameCount;
}

} // namespace vantorel

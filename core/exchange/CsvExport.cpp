#include "exchange/CsvExport.h"

#include <algorithm>
#include <vector>

#include "exchange/CsvFields.h"
#include "exchange/CsvHeadings.h"
#include "standings/DateList.h"
#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {

void ClipboardLineSink::WriteLine(std::string_view line) {
    const std::size_t length = Utf8Length(line);
    if (characters_ + length + 2 >= kClipboardLimit) {
        truncated_ = true;
        return;
    }
    text_.append(line);
    text_ += "\r\n";
    characters_ += length + 2;
}

namespace {

// A team's name as a field.
std::string TeamField(const Division& division, int team) {
    return CsvName(TeamName(division, team));
}

std::string Flag(bool set) {
    return set ? "1" : "0";
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? "," : "") + fields[i];
    return line;
}

bool InRange(double date, const ExportRequest& request) {
    return date >= request.from && date <= request.to;
}

void ExportTable(const Division& division, const ExportRequest& request, LineSink& out) {
    out.WriteLine(Joined(TableHeadings(request.format)));
    for (int position = 1; position <= request.table->TeamCount; ++position) {
        std::vector<std::string> cells = TableRowCells(division, *request.table, position, request.format);
        cells[0] = std::to_string(position);
        cells[1] = CsvName(cells[1]);
        out.WriteLine(Joined(cells));
    }
}

void ExportResults(const Division& division, const ExportRequest& request, const DateFormat& dates,
                   LineSink& out) {
    out.WriteLine(kResultsHeading);
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.Played && InRange(match.MatchDate, request))
            out.WriteLine(Joined({dates.Format(match.MatchDate), TeamField(division, match.HomeTeam),
                                  TeamField(division, match.AwayTeam), std::to_string(match.HomeGoals),
                                  std::to_string(match.AwayGoals), std::to_string(match.Attendance)}));
    }
}

void ExportFixtures(const Division& division, const ExportRequest& request, const DateFormat& dates,
                    LineSink& out) {
    out.WriteLine(kFixturesHeading);
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played && match.MatchDate != 0 && InRange(match.MatchDate, request))
            out.WriteLine(Joined({dates.Format(match.MatchDate), TeamField(division, match.HomeTeam),
                                  TeamField(division, match.AwayTeam)}));
    }
}

// The grid of one set of fixtures (first..last): a row per home team, a column per away team. The set is
// indexed once by pairing (its first fixture of each), so the cost grows with the fixtures, not beyond.
void ExportGridSet(const Division& division, int first, int last, const DateFormat& dates, LineSink& out) {
    const int teams = division.Header().TeamCount;
    const auto cell = [teams](int home, int away) {
        return static_cast<std::size_t>(home * (teams + 1) + away);
    };
    std::vector<int> fixtureOf(cell(teams, teams) + 1, 0);
    for (int r = last; r >= first; --r)
        fixtureOf[cell(division.Results[r].HomeTeam, division.Results[r].AwayTeam)] = r;

    std::string heading = "Team";
    for (int c = 1; c <= teams; ++c)
        heading += "," + CsvName(ShortTeamName(TeamName(division, c)));
    out.WriteLine(heading);
    for (int home = 1; home <= teams; ++home) {
        std::string line = TeamField(division, home);
        for (int away = 1; away <= teams; ++away) {
            line += ",";
            const int r = fixtureOf[cell(home, away)];
            if (away == home || r == 0)
                continue;
            const ResultRecord& match = division.Results[r];
            if (match.Played)
                line += std::to_string(match.HomeGoals) + "-" + std::to_string(match.AwayGoals);
            else
                line += match.MatchDate != 0 ? dates.Format(match.MatchDate) : "-";
        }
        out.WriteLine(line);
    }
}

void ExportGrid(const Division& division, const DateFormat& dates, LineSink& out) {
    const int teams = division.Header().TeamCount;
    const int results = division.Header().ResultCount;
    if (teams * (teams - 1) >= results) {
        ExportGridSet(division, 1, results, dates, out);
        return;
    }
    out.WriteLine("First Set of Matches");
    ExportGridSet(division, 1, results / 2, dates, out);
    out.WriteLine("Second Set of Matches");
    ExportGridSet(division, results / 2 + 1, results, dates, out);
}

void ExportScorers(const Division& division, const DateFormat& dates, LineSink& out) {
    out.WriteLine(kScorersHeading);
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Player == 0)
            continue;
        std::string player = PlayerName(division, goal.Player);
        std::replace(player.begin(), player.end(), ',', '.');
        const ResultRecord& match = division.Results[goal.Result];
        out.WriteLine(
            Joined({CsvName(player), TeamField(division, goal.Team), TeamField(division, match.HomeTeam),
                    TeamField(division, match.AwayTeam), dates.Format(match.MatchDate),
                    std::to_string(goal.GoalTime), Flag(goal.Penalty), Flag(goal.OwnGoal)}));
    }
}

// Players who left the division are written too, with the team "Transferred-Out", so that the goals they
// scored before leaving can be read back.
void ExportPlayers(const Division& division, LineSink& out) {
    out.WriteLine(kPlayersHeading);
    for (int p = 1; p <= division.Header().PlayerCount; ++p) {
        const PlayerRecord& player = division.Players[p];
        if (player.Team >= 1 && player.Team <= division.Header().TeamCount + 1)
            out.WriteLine(CsvQuoted(PlayerName(division, p)) + "," + TeamField(division, player.Team));
    }
}

// One line per filled squad line, squads in record order, lines in squad order.
void ExportSquads(const Division& division, const DateFormat& dates, LineSink& out) {
    out.WriteLine(kSquadsHeading);
    for (int s = 1; s <= division.Header().SquadCount; ++s) {
        const SquadRecord& squad = division.Squads[s];
        const ResultRecord& match = division.Results[squad.Result];
        for (int line = 1; line <= kSquadLines; ++line) {
            const SquadEntry& entry = squad.Entries[static_cast<std::size_t>(line - 1)];
            if (entry.Player == 0)
                continue;
            out.WriteLine(Joined({dates.Format(match.MatchDate), TeamField(division, match.HomeTeam),
                                  TeamField(division, match.AwayTeam), TeamField(division, squad.Team),
                                  std::to_string(line), CsvName(PlayerName(division, entry.Player)),
                                  std::to_string(entry.TimeOn), std::to_string(entry.TimeOff),
                                  Flag(entry.Yellow1), Flag(entry.Yellow2), Flag(entry.Red)}));
        }
    }
}

} // namespace

void DefaultExportRange(const Division& division, const DateList& dates, double today, double& from,
                        double& to) {
    if (dates.DateCount() == 0) {
        from = to = today;
        return;
    }
    from = dates.dates().front();
    to = dates.dates().back();
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const double date = division.Results[r].MatchDate;
        to = std::max(to, date);
        // Every dated result is covered, those before 30 December 1899 (below day 0) too.
        if (date != 0)
            from = std::min(from, date);
    }
}

void ExportSections(const Division& division, const ExportRequest& request, const DateFormat& shownFormat,
                    LineSink& out) {
    // Four-digit years, so that no date moves a century when it is read back.
    const DateFormat dateFormat = shownFormat.WithFourDigitYear();
    const bool all = request.section == ExportSection::All;
    auto wanted = [&](ExportSection section) { return all || request.section == section; };
    if (all)
        out.WriteLine(CsvName(LeagueName(division)));
    if (wanted(ExportSection::Table) && request.table)
        ExportTable(division, request, out);
    const std::pair<ExportSection, const char*> titled[] = {
        {ExportSection::Results, kResultsTitle}, {ExportSection::Fixtures, kFixturesTitle},
        {ExportSection::Grid, kGridTitle},       {ExportSection::Scorers, kScorersTitle},
        {ExportSection::Players, kPlayersTitle}, {ExportSection::Squads, kSquadsTitle}};
    for (const auto& [section, title] : titled) {
        if (!wanted(section))
            continue;
        if (all)
            out.WriteLine(title);
        switch (section) {
        case ExportSection::Results:
            ExportResults(division, request, dateFormat, out);
            break;
        case ExportSection::Fixtures:
            ExportFixtures(division, request, dateFormat, out);
            break;
        case ExportSection::Grid:
            ExportGrid(division, dateFormat, out);
            break;
        case ExportSection::Scorers:
            ExportScorers(division, dateFormat, out);
            break;
        case ExportSection::Players:
            ExportPlayers(division, out);
            break;
        default:
            ExportSquads(division, dateFormat, out);
            break;
        }
    }
}

std::string ShortTeamName(const std::string& name) {
    // Whole UTF-8 characters: where the character starting at a byte ends.
    auto characterEnd = [&](std::size_t at) {
        std::size_t end = at + 1;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
            ++end;
        return end;
    };
    if (name.empty())
        return name;
    const auto space = name.find(' ');
    if (space != std::string::npos && space + 1 < name.size())
        return name.substr(0, characterEnd(0)) + "." +
               name.substr(space + 1, characterEnd(space + 1) - space - 1);
    std::size_t end = 0;
    for (int characters = 0; characters < 3 && end < name.size(); ++characters)
        end = characterEnd(end);
    return name.substr(0, end);
}

} // namespace vantorel

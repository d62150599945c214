// The season outlook: exact best and worst positions, and simulated chances.

#include <algorithm>
#include <memory>
#include <ostream>
#include <thread>

#include "CommandSupport.h"
#include "Commands.h"
#include "exchange/CsvFields.h"
#include "outlook/OutlookTable.h"
#include "outlook/WitnessReplay.h"
#include "standings/DateList.h"
#include "standings/PlainTable.h"
#include "store/Names.h"

namespace vantorel::cli {
namespace {

const std::set<std::string> kOutlookFlags = {"--exact-only", "--with-predictions", "--matches", "--csv"};
constexpr int kMaxSimulations = 10000000;
constexpr int kMaxThreads = 4;

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields, std::size_t nameColumns) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i == 0 ? "" : ",") << (i < nameColumns ? CsvName(fields[i]) : fields[i]);
    out << "\r\n";
}

void PrintWitness(std::ostream& out, const Division& division, const Outlook& outlook, int team, bool best,
                  const DateFormat& dateFormat) {
    out << WitnessSentence(division, outlook, team, best) << "\n\n";
    out << FormatPlainTable({"Date", "Home", "Away", "Score"},
                            WitnessResults(division, outlook, team, best, dateFormat));
    const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
    const LeagueTable table =
        ReplayWitness(division, outlook.start, best ? range.bestWitness : range.worstWitness);
    std::vector<std::vector<std::string>> rows;
    for (int p = 1; p <= table.TeamCount; ++p) {
        const int t = table.TableOrder[p];
        rows.push_back({std::to_string(p), TeamName(division, t), std::to_string(table.Standings[t].Points)});
    }
    out << "\nFinal table of these results:\n" << FormatPlainTable({"Pos", "Team", "Pts"}, rows);
}

} // namespace

int OutlookCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, kOutlookFlags);
    const std::string path = args.positional("league file");
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);

    OutlookRequest request;
    request.asAt = DateList::Build(*division, TableContent::PlayedGames).AsAtDate();
    if (const auto asAt = args.value("--as-at"))
        request.asAt = ParseDateArgument(*asAt, dateFormat, "--as-at");
    request.withPredictions = args.flag("--with-predictions");
    const bool exactOnly = args.flag("--exact-only");
    request.simulation.seasons = args.number("--simulations", 0, kMaxSimulations).value_or(kDefaultSeasons);
    if (exactOnly)
        request.simulation.seasons = 0;
    request.simulation.seed = static_cast<std::uint64_t>(args.number("--seed", 0, 2147483647).value_or(1));
    request.simulation.threads =
        std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxThreads);
    const bool matches = args.flag("--matches");
    const bool csv = args.flag("--csv");
    int witnessTeam = 0;
    bool witnessBest = true;
    if (const auto team = args.value("--witness")) {
        witnessTeam = TeamByName(*division, *team);
        const std::string which = args.positional("best or worst after --witness TEAM");
        if (which != "best" && which != "worst")
            throw UsageError("--witness takes a team and best or worst, not '" + which + "'");
        witnessBest = which == "best";
    }
    args.finish();

    Outlook outlook = ComputeExactOutlook(*division, request);
    if (witnessTeam != 0) {
        PrintWitness(out, *division, outlook, witnessTeam, witnessBest, dateFormat);
        return 0;
    }
    if (matches) {
        const auto rows = MatchForecastRows(*division, outlook, dateFormat);
        if (csv) {
            WriteCsvLine(out, MatchForecastHeadings(), 0);
            for (const auto& row : rows)
                WriteCsvLine(out, row, 3);
        } else {
            out << FormatPlainTable(MatchForecastHeadings(), rows);
        }
        return 0;
    }
    SimulateOutlook(*division, outlook, request.simulation);
    const int teams = outlook.start.teamCount;
    if (csv) {
        WriteCsvLine(out, OutlookCsvHeadings(*division), 0);
        for (int p = 1; p <= teams; ++p)
            WriteCsvLine(out, OutlookCsvRow(*division, outlook, p), 2);
        return 0;
    }
    std::vector<std::vector<std::string>> rows;
    for (int p = 1; p <= teams; ++p)
        rows.push_back(OutlookRow(*division, outlook, p));
    out << LeagueName(*division) << "\n"
        << "Outlook as at " << (request.asAt != 0 ? dateFormat.Format(request.asAt) : "the start")
        << (request.withPredictions ? ", predictions counted" : "") << ", "
        << (outlook.simulated() ? std::to_string(outlook.tally.seasons) + " simulated seasons (seed " +
                                      std::to_string(request.simulation.seed) + ")"
                                : std::string("exact positions only"))
        << "\nBest and Worst count teams level on points for the team in its best position and against it in "
           "its "
           "worst.\n\n"
        << FormatPlainTable(OutlookHeadings(*division), rows);
    return 0;
}

} // namespace vantorel::cli

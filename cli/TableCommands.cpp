// The commands that show the table and exchange data as comma-separated text.

#include <chrono>
#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "DataFiles.h"
#include "exchange/CalendarExport.h"
#include "exchange/CsvExport.h"
#include "exchange/ExportChoice.h"
#include "exchange/ImportRun.h"
#include "standings/DateList.h"
#include "standings/PlainTable.h"
#include "standings/TableExplanation.h"
#include "standings/TablePrintout.h"
#include "store/Dates.h"
#include "store/LeagueFile.h"
#include "store/Names.h"

namespace vantorel::cli {
namespace {

const std::set<std::string> kTableFlags = {"--short", "--poss"};
const std::set<std::string> kTableCommandFlags = {"--short", "--poss", "--explain"};

ExportSection SectionByName(const std::string& name) {
    const std::pair<const char*, ExportSection> sections[] = {
        {"table", ExportSection::Table},       {"results", ExportSection::Results},
        {"fixtures", ExportSection::Fixtures}, {"grid", ExportSection::Grid},
        {"scorers", ExportSection::Scorers},   {"players", ExportSection::Players},
        {"squads", ExportSection::Squads},     {"all", ExportSection::All},
        {"calendar", ExportSection::Calendar}, {"summary", ExportSection::TeamSummary}};
    for (const auto& [text, section] : sections)
        if (name == text)
            return section;
    throw UsageError("unknown section '" + name +
                     "': table, results, fixtures, grid, scorers, players, squads, all, calendar or summary");
}

TableExportFormat TableFormatByName(const std::string& name) {
    const std::pair<const char*, TableExportFormat> formats[] = {{"csv", TableExportFormat::Csv},
                                                                 {"html", TableExportFormat::Html},
                                                                 {"svg", TableExportFormat::Svg},
                                                                 {"png", TableExportFormat::Png}};
    for (const auto& [text, format] : formats)
        if (name == text)
            return format;
    throw UsageError("--format takes csv, html, svg or png, not '" + name + "'");
}

ImportChoice ImportChoiceByName(const std::string& name) {
    const std::pair<const char*, ImportChoice> choices[] = {{"results", ImportChoice::Results},
                                                            {"players", ImportChoice::Players},
                                                            {"scorers", ImportChoice::Scorers},
                                                            {"squads", ImportChoice::Squads},
                                                            {"all", ImportChoice::All}};
    for (const auto& [text, choice] : choices)
        if (name == text)
            return choice;
    throw UsageError("import takes results, players, scorers, squads or all, not '" + name + "'");
}

} // namespace

int TableCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, kTableCommandFlags);
    const std::string path = args.positional("league file");
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);
    const TableChoice choice = TableOptions(args, *division, dateFormat);
    const bool explain = args.flag("--explain");
    args.finish();

    const LeagueTable table = FillTable(*division, choice.variant);
    out << LeagueName(*division) << "\n"
        << VariantDescription(choice.variant, dateFormat) << "\n\n"
        << FormatPlainTable(TableHeadings(choice.format), TableRows(*division, table, choice.format));
    if (explain) {
        bool any = false;
        for (int position = 2; position <= table.TeamCount; ++position)
            if (const std::string why = ExplainPosition(*division, table, position); !why.empty()) {
                out << (any ? "" : "\n") << why << "\n";
                any = true;
            }
    }
    return 0;
}

int ExportCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, kTableFlags);
    const std::string path = args.positional("league file");
    auto division = std::make_unique<Division>();
    ExportChoice choice;
    ExportRequest& request = choice.request;
    request.section = SectionByName(args.positional("section"));
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);
    const TableChoice table = TableOptions(args, *division, dateFormat);
    choice.tableFormat = TableFormatByName(args.value("--format").value_or("csv"));
    if (choice.tableFormat != TableExportFormat::Csv && !ChoiceHasFormats(request.section))
        throw UsageError("--format is for the table; the other sections have one format each");
    if (choice.tableFormat == TableExportFormat::Png)
        throw UsageError("PNG pictures are drawn by the desktop program, which has the fonts to draw them "
                         "with: vantorel --print table " +
                         path + " --png OUT.png [TABLE OPTIONS]");
    if (ChoiceHasTeam(request.section)) {
        const auto teamName = args.value("--team");
        if (teamName)
            choice.team = TeamByName(*division, *teamName);
        else if (!ChoiceTakesEveryTeam(request.section))
            throw UsageError("missing --team NAME");
    }
    request.format = table.format;
    DefaultExportRange(*division, DateList::Build(*division, TableContent::PlayedGames), Today(),
                       request.from, request.to);
    if (const auto from = args.value("--from"))
        request.from = ParseDateArgument(*from, dateFormat, "--from");
    if (const auto to = args.value("--to"))
        request.to = ParseDateArgument(*to, dateFormat, "--to");
    args.finish();

    const LeagueTable computed = FillTable(*division, table.variant);
    request.table = &computed;
    choice.stamp = CalendarStamp(std::chrono::system_clock::now());
    choice.printDate = dateFormat.Format(Today());
    StreamLineSink sink(out);
    ExportChosen(*division, choice, dateFormat, sink);
    return 0;
}

int ImportCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const ImportChoice choice = ImportChoiceByName(args.positional("what to import"));
    const std::string dataPath = args.positional("data file");
    ImportOptions options;
    options.formatGiven = args.hasOption("--date-format");
    options.dateFormat = DateFormatOption(args);
    options.aliases = AliasOptions(args);
    args.finish();

    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    DataFile data(dataPath);
    const ImportCounters counters = ImportAll(*division, choice, data.lines(), options);
    if (!counters.refusal.empty())
        throw UsageError(dataPath + ": " + counters.refusal);
    // The counts are shown only once the import is kept.
    if (counters.imported > 0)
        if (auto status = SaveWithBackup(path, *division); !status)
            throw UsageError(path + ": " + status.message() +
                             ". Nothing was saved: the league is as it was before the import.");
    out << "Records Read: " << counters.read << "\n"
        << "Successful: " << counters.imported << "\n"
        << "Errors: " << counters.errors << "\n";
    if (counters.refusedFull > 0)
        out << "Refused because the league is full: " << counters.refusedFull << " (" << counters.fullReason
            << ")\n";
    // A file of which nothing could be used is a failure that scripts should notice.
    return counters.read > 0 && counters.imported == 0 ? 2 : 0;
}

} // namespace vantorel::cli

// The commands that show the table and exchange data as comma-separated text.

#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "exchange/CsvExport.h"
#include "exchange/ImportRun.h"
#include "standings/DateList.h"
#include "standings/PlainTable.h"
#include "standings/TableExplanation.h"
#include "store/Dates.h"
#include "store/LeagueFile.h"
#include "store/TextCodec.h"

namespace vantorel::cli {
namespace {

const std::set<std::string> kTableFlags = {"--short", "--poss"};
const std::set<std::string> kTableCommandFlags = {"--short", "--poss", "--explain"};

std::string VariantDescription(const TableVariant& variant, const DateFormat& dateFormat) {
    std::string text = variant.content == TableContent::PlayedGames       ? "Played games"
                       : variant.content == TableContent::PlayedPredicted ? "Played and predicted games"
                                                                          : "Current form";
    text += variant.games == GameSelection::HomeOnly   ? ", home only"
            : variant.games == GameSelection::AwayOnly ? ", away only"
                                                       : "";
    if (!HasAsAtDate(variant.content))
        return text + ", last " + std::to_string(variant.formGames) + " games";
    return text + (variant.asAt != 0 ? ", up to " : ": ") + AsAtText(variant.asAt, dateFormat);
}

ExportSection SectionByName(const std::string& name) {
    const std::pair<const char*, ExportSection> sections[] = {
        {"table", ExportSection::Table},       {"results", ExportSection::Results},
        {"fixtures", ExportSection::Fixtures}, {"grid", ExportSection::Grid},
        {"scorers", ExportSection::Scorers},   {"players", ExportSection::Players},
        {"squads", ExportSection::Squads},     {"all", ExportSection::All}};
    for (const auto& [text, section] : sections)
        if (name == text)
            return section;
    throw UsageError("unknown section '" + name +
                     "': table, results, fixtures, grid, scorers, players, squads or all");
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
    out << Windows1252ToUtf8(division->Header().TableName.stored()) << "\n"
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
    const ExportSection section = SectionByName(args.positional("section"));
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);
    const TableChoice choice = TableOptions(args, *division, dateFormat);

    ExportRequest request;
    request.section = section;
    request.format = choice.format;
    DefaultExportRange(*division, DateList::Build(*division, TableContent::PlayedGames), Today(),
                       request.from, request.to);
    if (const auto from = args.value("--from"))
        request.from = ParseDateArgument(*from, dateFormat, "--from");
    if (const auto to = args.value("--to"))
        request.to = ParseDateArgument(*to, dateFormat, "--to");
    args.finish();

    const LeagueTable table = FillTable(*division, choice.variant);
    request.table = &table;
    StreamLineSink sink(out);
    ExportSections(*division, request, dateFormat, sink);
    return 0;
}

int ImportCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const ImportChoice choice = ImportChoiceByName(args.positional("what to import"));
    const std::string dataPath = args.positional("data file");
    const DateFormat dateFormat = DateFormatOption(args);
    args.finish();

    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const ImportCounters counters = ImportAll(*division, choice, ReadDataLines(dataPath), dateFormat);
    // The counts are shown only once the import is kept.
    if (counters.imported > 0)
        if (auto status = SaveDivision(path, *division); !status)
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

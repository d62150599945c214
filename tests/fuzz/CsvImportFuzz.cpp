// Any bytes as an imported file, into a league part-way through its season: a file refused whole changes
// nothing; otherwise every line is counted, and the league stays sound (it passes the loader's checks and
// every rule, its totals equal a recount) and saves and reloads to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "exchange/ImportRun.h"
#include "results/ResultEntry.h"
#include "store/DivisionCheck.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// Six teams meeting four times, a few results in and a few players.
const vantorel::Division& StartingLeague() {
    static const std::unique_ptr<vantorel::Division> league = [] {
        auto division = vantorel::testing::MakeLeague(6, 4);
        Require(vantorel::EnterResult(*division, {1, 2, 2, 1, 45870, 1200}).ok());
        Require(vantorel::EnterResult(*division, {3, 4, 0, 0, 45871, 800}).ok());
        for (const char* name : {"Ann", "Bob", "Cy"})
            Require(AddPlayer(*division, vantorel::PlayerRecord{vantorel::ShortString<20>(name), 1, 0}).ok());
        return division;
    }();
    return *league;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantorel;
    if (size == 0)
        return 0;
    // The first byte chooses what is imported and the date format.
    const ImportChoice choice = static_cast<ImportChoice>(data[0] % kImportChoices.size());
    const char* patterns[] = {"dd/MM/yyyy", "M/d/yy", "yyyy-MM-dd", "d.M.yyyy"};
    const DateFormat format = *DateFormat::FromPattern(patterns[(data[0] / kImportChoices.size()) % 4]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    auto division = std::make_unique<Division>(StartingLeague());
    const std::vector<std::string> lines = ImportTextLines(bytes);
    const ImportCounters counters = ImportAll(*division, choice, lines, format);
    if (!counters.refusal.empty()) {
        // A file refused whole (its dates, its team names, no section titles) changes nothing.
        Require(counters.imported == 0);
        Require(WriteDivision(*division) == WriteDivision(StartingLeague()));
        return 0;
    }
    Require(counters.read == static_cast<int>(lines.size()));
    // A whole-league file's titles and headings are read but neither imported nor errors.
    Require(counters.imported + counters.errors <= counters.read);
    Require(choice == ImportChoice::All || counters.imported + counters.errors == counters.read);
    Require(CheckDivision(*division).ok());
    Require(BrokenRules(*division).empty());

    const std::vector<std::uint8_t> saved = WriteDivision(*division);
    auto reloaded = std::make_unique<Division>();
    Require(ReadDivision(saved, *reloaded).ok());
    Require(WriteDivision(*reloaded) == saved);
    return 0;
}

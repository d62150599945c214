#include "exchange/ImportRun.h"

#include <utility>

#include "exchange/CsvHeadings.h"

namespace vantorel {
namespace {

ImportKind KindOf(ImportChoice choice) {
    switch (choice) {
    case ImportChoice::Players:
        return ImportKind::Players;
    case ImportChoice::Scorers:
        return ImportKind::Scorers;
    case ImportChoice::Squads:
        return ImportKind::Squads;
    default:
        return ImportKind::Results;
    }
}

// Lines that need players and played results go after the others.
bool ReadsLate(ImportKind kind) {
    return kind == ImportKind::Scorers || kind == ImportKind::Squads;
}

} // namespace

ImportRun::ImportRun(Division& division, ImportChoice choice, std::vector<std::string> lines,
                     const DateFormat& dateFormat)
    : division_(division), lines_(std::move(lines)), dateFormat_(dateFormat) {
    if (choice == ImportChoice::All) {
        PlanWholeFile();
        return;
    }
    plan_.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        plan_.push_back({i, KindOf(choice)});
}

void ImportRun::PlanWholeFile() {
    const std::pair<const char*, std::optional<ImportKind>> titles[] = {
        {kResultsTitle, ImportKind::Results}, {kFixturesTitle, ImportKind::Fixtures},
        {kScorersTitle, ImportKind::Scorers}, {kPlayersTitle, ImportKind::Players},
        {kSquadsTitle, ImportKind::Squads},   {kGridTitle, std::nullopt}};
    const char* headings[] = {kResultsHeading, kFixturesHeading, kScorersHeading, kPlayersHeading,
                              kSquadsHeading};
    std::optional<ImportKind> section; // nothing is read before the first title: the name and the table
    std::vector<PlannedLine> early;
    std::vector<PlannedLine> late;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        std::optional<ImportKind> kind = section;
        bool structure = false;
        for (const auto& [title, titled] : titles)
            if (line == title) {
                section = titled;
                structure = true;
            }
        for (const char* heading : headings)
            structure = structure || line == heading;
        if (structure)
            kind.reset();
        (kind && ReadsLate(*kind) ? late : early).push_back({i, kind});
    }
    plan_ = std::move(early);
    plan_.insert(plan_.end(), late.begin(), late.end());
}

bool ImportRun::Step(int count) {
    for (; count > 0 && !done(); --count, ++next_) {
        const PlannedLine& planned = plan_[next_];
        ++counters_.read;
        if (!planned.kind)
            continue;
        std::string fullReason;
        if (ProcessImport(division_, *planned.kind, lines_[planned.line], dateFormat_, &fullReason)) {
            ++counters_.imported;
            continue;
        }
        ++counters_.errors;
        if (!fullReason.empty()) {
            ++counters_.refusedFull;
            counters_.fullReason = fullReason;
        }
    }
    return !done();
}

ImportCounters ImportAll(Division& division, ImportChoice choice, std::vector<std::string> lines,
                         const DateFormat& dateFormat) {
    ImportRun run(division, choice, std::move(lines), dateFormat);
    run.Step(run.lineCount());
    return run.counters();
}

} // namespace vantorel

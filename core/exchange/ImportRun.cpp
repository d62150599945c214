#include "exchange/ImportRun.h"

#include <algorithm>
#include <utility>

#include "exchange/CsvHeadings.h"
#include "exchange/MatchDetailImport.h"

namespace vantorel {
namespace {

// The most different team names a file may hold; more are not one league's.
constexpr std::size_t kMostTeamNames = 200;

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

// The date field of a line of a kind, when it has one.
std::optional<std::string> DateField(ImportKind kind, const std::string& line) {
    if (kind == ImportKind::Players)
        return std::nullopt;
    const std::vector<std::string> fields = SplitImportLine(line, nullptr, kSquadLineFields);
    const std::size_t at = kind == ImportKind::Scorers ? 4 : 0;
    if (at >= fields.size())
        return std::nullopt;
    return fields[at];
}

} // namespace

ImportRun::ImportRun(Division& division, ImportChoice choice, LineSource& source, ImportOptions options)
    : division_(division), choice_(choice), source_(source), options_(std::move(options)),
      dates_(options_.dateFormat), dateFormat_(options_.dateFormat) {
    StartReading(Phase::Survey);
}

void ImportRun::StartReading(Phase phase) {
    phase_ = phase;
    source_.Rewind();
    firstLine_ = true;
    section_.reset();
}

double ImportRun::progress() const {
    const int readings = choice_ == ImportChoice::All ? 3 : 2;
    const int done = phase_ == Phase::Done ? readings : static_cast<int>(phase_);
    return phase_ == Phase::Done ? 1.0 : (done + source_.Progress()) / readings;
}

std::optional<ImportKind> ImportRun::Classify(const std::string& line) {
    const bool first = firstLine_ && !line.empty();
    if (!line.empty())
        firstLine_ = false;
    if (choice_ != ImportChoice::All) {
        // Only the first line can name the columns of a results file.
        if (choice_ == ImportChoice::Results && first && phase_ == Phase::Survey)
            columns_ = FindResultsColumns(line);
        if (first && columns_)
            return std::nullopt;
        return KindOf(choice_);
    }
    const std::pair<const char*, std::optional<ImportKind>> titles[] = {
        {kResultsTitle, ImportKind::Results}, {kFixturesTitle, ImportKind::Fixtures},
        {kScorersTitle, ImportKind::Scorers}, {kPlayersTitle, ImportKind::Players},
        {kSquadsTitle, ImportKind::Squads},   {kGridTitle, std::nullopt}};
    for (const auto& [title, titled] : titles)
        if (line == title) {
            section_ = titled;
            anyTitle_ = true;
            return std::nullopt;
        }
    const char* headings[] = {kResultsHeading, kFixturesHeading, kScorersHeading, kPlayersHeading,
                              kSquadsHeading};
    if (std::any_of(std::begin(headings), std::end(headings),
                    [&](const char* heading) { return line == heading; }))
        return std::nullopt;
    return section_; // nothing is read before the first title: the name and the table
}

void ImportRun::SurveyLine(const std::string& line) {
    const auto kind = Classify(line);
    if (!kind)
        return;
    if (!columns_ || *kind != ImportKind::Results) {
        if (const auto date = DateField(*kind, line))
            dates_.Add(*date);
        return;
    }
    ResultFields fields;
    if (ReadNamedResult(line, *columns_, fields) != ResultLineShape::Result)
        return;
    dates_.Add(fields.date);
    for (const std::string* name : {&fields.home, &fields.away})
        if (names_.size() < kMostTeamNames && std::find(names_.begin(), names_.end(), *name) == names_.end())
            names_.push_back(*name);
}

void ImportRun::FinishSurvey() {
    if (choice_ == ImportChoice::All && !anyTitle_) {
        counters_.refusal = kNoSectionTitles;
        phase_ = Phase::Done;
        return;
    }
    // Files without named columns are read in the chosen format, as they always were.
    if (auto status = dates_.Decide(options_.formatGiven || !columns_, dateFormat_); !status) {
        counters_.refusal = status.message();
        phase_ = Phase::Done;
        return;
    }
    if (columns_) {
        TeamNameMatches matches = MatchTeamNames(division_, names_, options_.aliases);
        teamOfName_ = std::move(matches.teams);
        unmatched_ = std::move(matches.unmatched);
        if (!unmatched_.empty()) {
            counters_.refusal = UnmatchedNamesMessage(division_, unmatched_);
            phase_ = Phase::Done;
            return;
        }
    }
    StartReading(Phase::Early);
}

int ImportRun::TeamOf(const std::string& name) const {
    if (const auto found = teamOfName_.find(name); found != teamOfName_.end())
        return found->second;
    if (const int team = division_.FindTeam(name))
        return team;
    if (const auto alias = options_.aliases.find(name); alias != options_.aliases.end())
        return division_.FindTeam(alias->second);
    return 0;
}

bool ImportRun::ImportResultLine(const std::string& line, std::string* fullReason) {
    ResultFields fields;
    const ResultLineShape shape =
        columns_ ? ReadNamedResult(line, *columns_, fields) : ReadPlainResult(line, fields);
    if (shape != ResultLineShape::Result)
        return false;
    return ImportResultFields(division_, fields, TeamOf(fields.home), TeamOf(fields.away), dateFormat_,
                              fullReason);
}

void ImportRun::ImportLine(ImportKind kind, const std::string& line) {
    std::string fullReason;
    const bool imported = kind == ImportKind::Results
                              ? ImportResultLine(line, &fullReason)
                              : ProcessImport(division_, kind, line, dateFormat_, &fullReason);
    if (imported) {
        ++counters_.imported;
        return;
    }
    ++counters_.errors;
    if (!fullReason.empty()) {
        ++counters_.refusedFull;
        counters_.fullReason = fullReason;
    }
}

bool ImportRun::Step(int count) {
    std::string line;
    while (count > 0 && !done()) {
        if (!source_.NextLine(line)) {
            if (phase_ == Phase::Survey)
                FinishSurvey();
            else if (phase_ == Phase::Early && choice_ == ImportChoice::All)
                StartReading(Phase::Late);
            else
                phase_ = Phase::Done;
            continue;
        }
        --count;
        if (phase_ == Phase::Survey) {
            SurveyLine(line);
            continue;
        }
        const auto kind = Classify(line);
        const bool late = kind && ReadsLate(*kind) && choice_ == ImportChoice::All;
        if (late != (phase_ == Phase::Late))
            continue; // read in the other pass
        ++counters_.read;
        // Blank lines of a file with named columns are not results.
        ResultFields unused;
        if (kind && !(columns_ && *kind == ImportKind::Results &&
                      ReadNamedResult(line, *columns_, unused) == ResultLineShape::Blank))
            ImportLine(*kind, line);
    }
    return !done();
}

ImportCounters ImportAll(Division& division, ImportChoice choice, LineSource& source,
                         const ImportOptions& options) {
    ImportRun run(division, choice, source, options);
    while (run.Step(1 << 16)) {
    }
    return run.counters();
}

ImportCounters ImportAll(Division& division, ImportChoice choice, std::vector<std::string> lines,
                         const DateFormat& dateFormat) {
    MemoryLineSource source(std::move(lines));
    ImportOptions options;
    options.dateFormat = dateFormat;
    return ImportAll(division, choice, source, options);
}

} // namespace vantorel

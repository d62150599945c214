// Any bytes as a league file: the loader refuses them or yields a league that saves and reloads to the same
// bytes, whose checks run, and whose running totals a recount settles once and for all.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "store/DivisionCheck.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantorel;
    auto loaded = std::make_unique<Division>();
    if (!ReadDivision(std::span(data, size), *loaded))
        return 0;
    (void)BrokenRules(*loaded);

    const std::vector<std::uint8_t> saved = WriteDivision(*loaded);
    auto reloaded = std::make_unique<Division>();
    Require(ReadDivision(saved, *reloaded).ok());
    Require(WriteDivision(*reloaded) == saved);

    RecomputeRunningTotals(*reloaded);
    testing::MarkSaved(*reloaded);
    Require(!RecomputeRunningTotals(*reloaded));
    for (const std::string& rule : BrokenRules(*reloaded))
        Require(rule.find(" has Played ") == std::string::npos &&
                rule.find(" has Points ") == std::string::npos &&
                rule.find(" has Goals ") == std::string::npos);
    return 0;
}

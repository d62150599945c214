#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "standings/Standings.h"

namespace vantorel {

// The matches a table counted, each with the sides it counted for, so that the head-to-head rules can
// replay them among a group of teams. A match appears twice when the two teams counted it separately (the
// current-form table).
class CountedMatches {
public:
    void Add(int result, bool forHome, bool forAway) {
        if (count_ < static_cast<int>(entries_.size()) && (forHome || forAway))
            entries_[static_cast<std::size_t>(count_++)] = {static_cast<std::int16_t>(result), forHome,
                                                            forAway};
    }

    struct Entry {
        std::int16_t result;
        bool forHome, forAway;
    };
    const Entry* begin() const { return entries_.data(); }
    const Entry* end() const { return entries_.data() + count_; }

private:
    std::array<Entry, 2 * kMaxResults> entries_; // only the first count_ are set
    int count_ = 0;
};

// Orders the table's teams into TableOrder by the sort rules, group by group: each rule splits the teams
// the earlier rules left level into runs of equal figures. A run of head-to-head rules works on the
// mini-league of the matches among the teams level when it is reached; with 'R' among the rules, any part
// of that group the run leaves level, but smaller than the group, goes through the run again on its own
// mini-league before the next rule. Records in TieBreaks how each pair of neighbours was told apart.
void OrderTable(const Division& division, std::string_view sortRules, const CountedMatches& counted,
                LeagueTable& table);

} // namespace vantorel

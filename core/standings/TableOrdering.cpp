#include "standings/TableOrdering.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string>

#include "standings/SortRules.h"
#include "store/MatchOutcome.h"

namespace vantorel {
namespace {

using Figures = std::array<int, kMaxTeams + 1>; // one figure per team index

int TableFigure(char code, const StandingsRow& row) {
    switch (code) {
    case '1':
        return row.Points;
    case '2':
        return row.GoalDiff;
    case '3':
        return row.GoalsFor();
    case '5':
        return row.PossiblePoints;
    case 'A':
        return row.Won();
    default: // 'B'
        return row.AwayFor;
    }
}

// One team's record in the matches among a group of teams.
struct MiniLeagueRow {
    int points = 0, goalsFor = 0, goalsAgainst = 0, awayFor = 0;

    int Figure(char code) const {
        switch (code) {
        case '6':
            return points;
        case '7':
            return goalsFor - goalsAgainst;
        case '8':
            return goalsFor;
        default: // '9'
            return awayFor;
        }
    }
};
using MiniLeague = std::array<MiniLeagueRow, kMaxTeams + 1>;

void CountMiniLeagueMatch(MiniLeagueRow& row, bool atHome, int goalsFor, int goalsAgainst, int winPoints) {
    row.goalsFor += goalsFor;
    row.goalsAgainst += goalsAgainst;
    if (!atHome)
        row.awayFor += goalsFor;
    row.points += PointsFor(OutcomeFor(goalsFor, goalsAgainst), winPoints);
}

class TableOrdering {
public:
    TableOrdering(const Division& division, std::string_view sortRules, const CountedMatches& counted,
                  LeagueTable& table)
        : division_(division), counted_(counted), table_(table) {
        for (char code : ActiveRuleCodes(sortRules)) {
            if (code == kReapplyHeadToHead)
                reapply_ = true;
            else if (code == kHeadToHeadOnceComplete)
                onceComplete_ = true;
            else
                rules_ += code;
        }
        if (onceComplete_)
            for (const CountedMatches::Entry& entry : counted_)
                countedResults_.set(static_cast<std::size_t>(entry.result));
    }

    void Run() {
        table_.FirstRule = rules_.empty() ? 0 : rules_[0];
        for (int p = 1; p <= table_.TeamCount; ++p)
            table_.TableOrder[p] = p;
        Order(1, table_.TeamCount, 0);
    }

private:
    // Orders positions first..last, which every rule before rule index `rule` left level.
    void Order(int first, int last, std::size_t rule) {
        if (first >= last || rule == rules_.size())
            return;
        const char code = rules_[rule];
        if (code == '4') {
            std::sort(table_.TableOrder.begin() + first, table_.TableOrder.begin() + last + 1);
            for (int p = first + 1; p <= last; ++p)
                table_.TieBreaks[p].rule = code;
            return;
        }
        if (IsHeadToHeadRule(code)) {
            std::size_t runEnd = rule;
            while (runEnd < rules_.size() && IsHeadToHeadRule(rules_[runEnd]))
                ++runEnd;
            OrderHeadToHead(first, last, rule, runEnd);
            return;
        }
        Figures figures;
        for (int p = first; p <= last; ++p) {
            const int team = table_.TableOrder[p];
            figures[team] = TableFigure(code, table_.Standings[team]);
        }
        Split(first, last, code, figures, 0, [&](int a, int b) { Order(a, b, rule + 1); });
    }

    // Applies the head-to-head rules runStart..runEnd-1 to positions first..last on their own mini-league.
    // With 'H', a group that has yet to meet in every match is left to the rules after the run.
    void OrderHeadToHead(int first, int last, std::size_t runStart, std::size_t runEnd) {
        if (onceComplete_ && !MeetingsComplete(MembersOf(first, last))) {
            Order(first, last, runEnd);
            for (int p = first + 1; p <= last; ++p)
                table_.TieBreaks[p].headToHeadWaiting = true;
            return;
        }
        const MiniLeague mini = MiniLeagueOf(first, last);
        ApplyHeadToHead(first, last, runStart, runStart, runEnd, last - first + 1, mini);
    }

    void ApplyHeadToHead(int first, int last, std::size_t rule, std::size_t runStart, std::size_t runEnd,
                         int groupSize, const MiniLeague& mini) {
        if (first >= last)
            return;
        if (rule == runEnd) {
            if (reapply_ && last - first + 1 < groupSize)
                OrderHeadToHead(first, last, runStart, runEnd);
            else
                Order(first, last, runEnd);
            return;
        }
        const char code = rules_[rule];
        Figures figures;
        for (int p = first; p <= last; ++p) {
            const int team = table_.TableOrder[p];
            figures[team] = mini[static_cast<std::size_t>(team)].Figure(code);
        }
        Split(first, last, code, figures, groupSize,
              [&](int a, int b) { ApplyHeadToHead(a, b, rule + 1, runStart, runEnd, groupSize, mini); });
    }

    // The teams at positions first..last, one bit per team index.
    std::uint32_t MembersOf(int first, int last) const {
        std::uint32_t members = 0;
        for (int p = first; p <= last; ++p)
            members |= 1u << table_.TableOrder[p];
        return members;
    }

    static bool IsMember(std::uint32_t members, int team) {
        return team >= 0 && team <= kMaxTeams && (members >> team) & 1u;
    }

    // True when the table counted every fixture of the league among these teams.
    bool MeetingsComplete(std::uint32_t members) const {
        for (int r = 1; r <= division_.Header().ResultCount; ++r) {
            const ResultRecord& match = division_.Results[r];
            if (IsMember(members, match.HomeTeam) && IsMember(members, match.AwayTeam) &&
                !countedResults_.test(static_cast<std::size_t>(r)))
                return false;
        }
        return true;
    }

    MiniLeague MiniLeagueOf(int first, int last) const {
        const std::uint32_t members = MembersOf(first, last);
        auto member = [members](int team) { return IsMember(members, team); };
        MiniLeague mini{};
        const int winPoints = division_.Header().WinPoints;
        for (const CountedMatches::Entry& entry : counted_) {
            const ResultRecord& match = division_.Results[entry.result];
            if (!member(match.HomeTeam) || !member(match.AwayTeam))
                continue;
            if (entry.forHome)
                CountMiniLeagueMatch(mini[match.HomeTeam], true, match.HomeGoals, match.AwayGoals, winPoints);
            if (entry.forAway)
                CountMiniLeagueMatch(mini[match.AwayTeam], false, match.AwayGoals, match.HomeGoals,
                                     winPoints);
        }
        return mini;
    }

    // Puts positions first..last in order of their figures, higher first, keeping the order of equal
    // figures; records the rule at each new boundary, and hands each run of equal figures to next.
    template <typename Next>
    void Split(int first, int last, char code, const Figures& figures, int miniLeagueTeams, Next next) {
        auto& order = table_.TableOrder;
        for (int p = first + 1; p <= last; ++p) {
            const int team = order[p];
            int q = p;
            for (; q > first && figures[order[q - 1]] < figures[team]; --q)
                order[q] = order[q - 1];
            order[q] = team;
        }
        const bool firstRule = !firstSplitDone_;
        firstSplitDone_ = true;
        int runStart = first;
        for (int p = first + 1; p <= last + 1; ++p) {
            TieBreak* between = p <= last ? &table_.TieBreaks[p] : nullptr;
            if (between && figures[order[p]] == figures[order[p - 1]]) {
                if (firstRule) {
                    between->levelOnFirstRule = true;
                    between->level = figures[order[p]];
                }
                continue;
            }
            if (between) {
                between->rule = code;
                between->above = figures[order[p - 1]];
                between->below = figures[order[p]];
                between->miniLeagueTeams = miniLeagueTeams;
            }
            next(runStart, p - 1);
            runStart = p;
        }
    }

    const Division& division_;
    const CountedMatches& counted_;
    LeagueTable& table_;
    std::string rules_; // the active rules in order, without 'R'
    bool reapply_ = false;
    bool onceComplete_ = false;
    std::bitset<kMaxResults + 1> countedResults_; // with 'H': the results the table counted
    bool firstSplitDone_ = false;
};

} // namespace

void OrderTable(const Division& division, std::string_view sortRules, const CountedMatches& counted,
                LeagueTable& table) {
    TableOrdering(division, sortRules, counted, table).Run();
}

} // namespace vantorel

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/Division.h"
#include "store/DivisionCheck.h"
#include "store/Status.h"

namespace vantorel {

// The sort rules by code, in the order the editor lists them: '1' "Points total", '2' "Goal difference",
// '3' "Goals scored", '4' "Team name", '5' "Possible Points", the head-to-head rules '6' "Head-to-head
// points", '7' "Head-to-head goal difference", '8' "Head-to-head goals scored", '9' "Head-to-head away
// goals", 'H' "Head-to-head only once all meetings are played", then 'A' "Games won",
// 'B' "Away goals scored" and 'R' "Head-to-head again for a smaller tie". 'H' and 'R' are no rules of their
// own: 'H' skips the head-to-head rules for a tie whose teams still have matches to play among themselves
// (the rules after them decide), 'R' says how the head-to-head rules treat a tie they only partly break.
inline constexpr std::string_view kRuleCodes = kSortRuleCodes;
inline constexpr char kReapplyHeadToHead = 'R';
inline constexpr char kHeadToHeadOnceComplete = 'H';
// The stored rules hold at most this many codes.
inline constexpr std::size_t kMaxActiveRules = kMaxSortRuleCodes;
std::string RuleName(char code);
// True for the rules computed in a mini-league of the tied teams' matches against each other.
constexpr bool IsHeadToHeadRule(char code) {
    return code >= '6' && code <= '9';
}

inline constexpr const char* kNoActiveRuleWarning = "You must have at least one active sort rule";

// True when the stored rules make a head-to-head rule active.
bool UsesHeadToHead(std::string_view sortRules);

inline constexpr const char* kBadSortRulesMessage =
    "Sort rules are 1 to 8 different codes from 1-9, A, B and R.";
// Stores the league's sort rules, 1 to 8 different rule codes in priority order. Refused, changing nothing,
// with kNoActiveRuleWarning when no rule besides R is given ('R' alone orders nothing), and with
// kBadSortRulesMessage for unknown or repeated codes or more than eight.
Status SetSortRules(Division& division, std::string_view codes);

// The two lists of the sort-order editor: available rules and active rules (top = applied first), holding
// rule codes. Every edit that applies sets pending(); an edit that cannot apply returns false, and the
// caller beeps.
class SortRuleLists {
public:
    enum class List { Available, Active };

    // Loads the lists from the stored rules, active ones in priority order.
    void Load(std::string_view sortRules);
    // Refills the lists from the stored rules in code order; the stored rules are not touched.
    void Restore(std::string_view sortRules);

    const std::vector<char>& available() const { return available_; }
    const std::vector<char>& active() const { return active_; }
    bool pending() const { return pending_; }

    // Move the selected rule (index in its list, -1 for none) to the end of the other list. The active list
    // takes at most kMaxActiveRules.
    bool MoveRight(int availableIndex);
    bool MoveLeft(int activeIndex);
    // Move the selected active rule one place; the new selected index is returned through the argument.
    bool MoveUp(int& activeIndex);
    bool MoveDown(int& activeIndex);
    // A drag from item dragIndex of one list dropped on a list (the same or the other): the item goes to
    // the end of the target list; refused when it would make the active list too long.
    bool Drop(List source, int dragIndex, List target);

    // Applies the active list to the Division's sort rules (SetSortRules). Refused with the warning while no
    // rule is active, leaving pending() set so the caller refuses to leave. DataChanged is set only when the
    // stored rules change.
    Status SortUpdate(Division& division);

private:
    std::vector<char>& list(List which) { return which == List::Available ? available_ : active_; }
    bool ActiveIsFull() const { return active_.size() >= kMaxActiveRules; }

    std::vector<char> available_;
    std::vector<char> active_;
    bool pending_ = false;
};

} // namespace vantorel

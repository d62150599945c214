#include "standings/SortRules.h"

#include <algorithm>

#include "store/DivisionWriter.h"

namespace vantorel {
namespace {

bool InRange(int index, const std::vector<char>& items) {
    return index >= 0 && index < static_cast<int>(items.size());
}

void MoveToEnd(std::vector<char>& from, int index, std::vector<char>& to) {
    const char code = from[static_cast<std::size_t>(index)];
    from.erase(from.begin() + index);
    to.push_back(code);
}

} // namespace

std::string RuleName(char code) {
    switch (code) {
    case '1':
        return "Points total";
    case '2':
        return "Goal difference";
    case '3':
        return "Goals scored";
    case '4':
        return "Team name";
    case '5':
        return "Possible Points";
    case '6':
        return "Head-to-head points";
    case '7':
        return "Head-to-head goal difference";
    case '8':
        return "Head-to-head goals scored";
    case '9':
        return "Head-to-head away goals";
    case 'A':
        return "Games won";
    case 'B':
        return "Away goals scored";
    case kHeadToHeadOnceComplete:
        return "Head-to-head only once all meetings are played";
    case kReapplyHeadToHead:
        return "Head-to-head again for a smaller tie";
    default:
        return {};
    }
}

bool UsesHeadToHead(std::string_view sortRules) {
    const std::string codes = ActiveRuleCodes(sortRules);
    return std::any_of(codes.begin(), codes.end(), IsHeadToHeadRule);
}

void SortRuleLists::Load(std::string_view sortRules) {
    const std::string activeCodes = ActiveRuleCodes(sortRules);
    available_.clear();
    active_.assign(activeCodes.begin(), activeCodes.end());
    for (char code : kRuleCodes)
        if (activeCodes.find(code) == std::string::npos)
            available_.push_back(code);
    pending_ = false;
}

void SortRuleLists::Restore(std::string_view sortRules) {
    const std::string activeCodes = ActiveRuleCodes(sortRules);
    available_.clear();
    active_.clear();
    for (char code : kRuleCodes)
        (activeCodes.find(code) == std::string::npos ? available_ : active_).push_back(code);
    pending_ = false;
}

bool SortRuleLists::MoveRight(int availableIndex) {
    if (!InRange(availableIndex, available_) || ActiveIsFull())
        return false;
    MoveToEnd(available_, availableIndex, active_);
    pending_ = true;
    return true;
}

bool SortRuleLists::MoveLeft(int activeIndex) {
    if (!InRange(activeIndex, active_))
        return false;
    MoveToEnd(active_, activeIndex, available_);
    pending_ = true;
    return true;
}

bool SortRuleLists::MoveUp(int& activeIndex) {
    if (!InRange(activeIndex, active_) || activeIndex == 0)
        return false;
    std::swap(active_[static_cast<std::size_t>(activeIndex)],
              active_[static_cast<std::size_t>(activeIndex - 1)]);
    --activeIndex;
    pending_ = true;
    return true;
}

bool SortRuleLists::MoveDown(int& activeIndex) {
    if (!InRange(activeIndex, active_) || activeIndex + 1 == static_cast<int>(active_.size()))
        return false;
    std::swap(active_[static_cast<std::size_t>(activeIndex)],
              active_[static_cast<std::size_t>(activeIndex + 1)]);
    ++activeIndex;
    pending_ = true;
    return true;
}

bool SortRuleLists::Drop(List source, int dragIndex, List target) {
    if (!InRange(dragIndex, list(source)) ||
        (source == List::Available && target == List::Active && ActiveIsFull()))
        return false;
    MoveToEnd(list(source), dragIndex, list(target));
    pending_ = true;
    return true;
}

Status SetSortRules(Division& division, std::string_view codes) {
    if (std::all_of(codes.begin(), codes.end(), IsSortRuleModifier))
        return Status::Error(kNoActiveRuleWarning);
    if (ActiveRuleCodes(codes) != codes)
        return Status::Error(kBadSortRulesMessage);
    if (codes != division.Header().SortRules.stored())
        DivisionWriter(division).Header().SortRules.assignStored(codes);
    return Status::Ok();
}

Status SortRuleLists::SortUpdate(Division& division) {
    if (auto status = SetSortRules(division, std::string(active_.begin(), active_.end())); !status)
        return status;
    pending_ = false;
    return Status::Ok();
}

} // namespace vantorel

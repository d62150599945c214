#include "store/TeamOrder.h"

#include <algorithm>

#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

unsigned char Folded(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 0x20) : c;
}

} // namespace

int CompareNamesIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = Folded(static_cast<unsigned char>(a[i]));
        const unsigned char y = Folded(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<int> TeamsInNameOrder(const Division& division, std::vector<int> teams,
                                  const NameCollation& collate) {
    std::vector<std::string> names(static_cast<std::size_t>(kMaxTeams) + 2);
    for (int team : teams)
        names[static_cast<std::size_t>(team)] = TeamName(division, team);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
        return collate(names[static_cast<std::size_t>(a)], names[static_cast<std::size_t>(b)]) < 0;
    });
    return teams;
}

} // namespace vantorel

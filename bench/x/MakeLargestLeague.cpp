// Writes the largest league the capacities allow (24 teams meeting four times, every goal with its scorer,
// both squads of every match) to the file named on the command line, for the real-window benchmarks.

#include <iostream>

#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: vantorel_make_largest_league OUT.div\n";
        return 2;
    }
    const auto league = vantorel::testing::MakeLargestLeague();
    if (auto status = vantorel::SaveDivision(argv[1], *league); !status) {
        std::cerr << argv[1] << ": " << status.message() << '\n';
        return 1;
    }
    return 0;
}

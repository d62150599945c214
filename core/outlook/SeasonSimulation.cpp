#include "outlook/SeasonSimulation.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "standings/SortRules.h"
#include "standings/TableOrdering.h"
#include "store/DivisionWriter.h"

namespace vantorel {
namespace {

constexpr int kBlockSeasons = 500;
constexpr int kCells = ScoreGrid::kSide * ScoreGrid::kSide;

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// xoshiro256**: fast, and the same numbers on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (auto& word : state_)
            word = SplitMix(seed);
    }
    std::uint64_t Next() {
        const std::uint64_t result = Rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotate(state_[3], 45);
        return result;
    }

private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

// Draws a score from a grid in constant time (Walker's alias method): a cell is picked uniformly, then
// kept or swapped for its alias.
class ScoreSampler {
public:
    explicit ScoreSampler(const ScoreGrid& grid) {
        std::array<double, kCells> scaled{};
        std::vector<int> small, large;
        for (int c = 0; c < kCells; ++c) {
            scaled[static_cast<std::size_t>(c)] = grid.chance[static_cast<std::size_t>(c)] * kCells;
            (scaled[static_cast<std::size_t>(c)] < 1 ? small : large).push_back(c);
        }
        threshold_.fill(UINT32_MAX);
        for (int c = 0; c < kCells; ++c)
            alias_[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c);
        while (!small.empty() && !large.empty()) {
            const int low = small.back(), high = large.back();
            small.pop_back();
            threshold_[static_cast<std::size_t>(low)] =
                static_cast<std::uint32_t>(scaled[static_cast<std::size_t>(low)] * 4294967295.0);
            alias_[static_cast<std::size_t>(low)] = static_cast<std::uint8_t>(high);
            scaled[static_cast<std::size_t>(high)] -= 1 - scaled[static_cast<std::size_t>(low)];
            if (scaled[static_cast<std::size_t>(high)] < 1) {
                large.pop_back();
                small.push_back(high);
            }
        }
    }
    int Draw(std::uint64_t random) const {
        const auto cell = static_cast<std::size_t>(((random >> 32) * kCells) >> 32);
        return static_cast<std::uint32_t>(random) < threshold_[cell] ? static_cast<int>(cell) : alias_[cell];
    }

private:
    std::array<std::uint32_t, kCells> threshold_{};
    std::array<std::uint8_t, kCells> alias_{};
};

// One thread's seasons: its own copy of the league, whose open fixtures take each season's scores so that
// the head-to-head rules read them, and its own tally.
class SeasonPlayer {
public:
    SeasonPlayer(const Division& division, const OutlookStart& start,
                 const std::vector<ScoreSampler>& samplers)
        : scratch_(std::make_unique<Division>(division)), start_(start), samplers_(samplers) {
        for (int r = 1; r <= division.Header().ResultCount; ++r)
            counted_.Add(r, true, true);
        const std::string rules = ActiveRuleCodes(division.Header().SortRules.stored());
        pointsFirst_ = !rules.empty() && rules[0] == '1';
        tally_.teamCount = start.teamCount;
        tally_.positions.assign(static_cast<std::size_t>(start.teamCount + 1),
                                std::vector<int>(static_cast<std::size_t>(start.teamCount + 1), 0));
        tally_.points.resize(static_cast<std::size_t>(start.teamCount + 1));
        for (int t = 1; t <= start.teamCount; ++t)
            tally_.points[static_cast<std::size_t>(t)].assign(
                static_cast<std::size_t>(start.possiblePoints(t) - start.points(t) + 1), 0);
        tally_.pointsSum.assign(static_cast<std::size_t>(start.teamCount + 1), 0.0);
    }

    void PlayBlock(std::uint64_t seed, int seasons) {
        Random random(seed);
        for (int s = 0; s < seasons; ++s)
            PlaySeason(random);
        tally_.seasons += seasons;
    }

    const SimulationTally& tally() const { return tally_; }

private:
    void PlaySeason(Random& random) {
        table_ = start_.table;
        const int winPoints = start_.winPoints;
        DivisionWriter scratch(*scratch_);
        for (std::size_t i = 0; i < start_.open.size(); ++i) {
            const int cell = samplers_[i].Draw(random.Next());
            ResultRecord& match = scratch.Result(start_.open[i].result);
            SetSimulatedScore(match, cell / ScoreGrid::kSide, cell % ScoreGrid::kSide);
            CountResult(table_, match, winPoints);
        }
        if (!OrderOnPointsAlone())
            CompleteTable(*scratch_, counted_, table_);
        for (int p = 1; p <= start_.teamCount; ++p) {
            const int team = table_.TableOrder[p];
            const int points = table_.Standings[team].Points;
            ++tally_.positions[static_cast<std::size_t>(team)][static_cast<std::size_t>(p)];
            ++tally_.points[static_cast<std::size_t>(team)]
                           [static_cast<std::size_t>(points - start_.points(team))];
            tally_.pointsSum[static_cast<std::size_t>(team)] += points;
        }
    }

    // The scratch copy's fixture takes the simulated score; the league itself is never touched.
    static void SetSimulatedScore(ResultRecord& match, int homeGoals, int awayGoals) {
        match.HomeGoals = static_cast<std::uint8_t>(homeGoals);
        match.AwayGoals = static_cast<std::uint8_t>(awayGoals);
    }

    // When points come first and no two teams are level on them, points alone give the order the full
    // ordering would; true when that order has been set.
    bool OrderOnPointsAlone() {
        if (!pointsFirst_)
            return false;
        auto& order = table_.TableOrder;
        for (int p = 1; p <= start_.teamCount; ++p)
            order[p] = p;
        std::sort(order.begin() + 1, order.begin() + start_.teamCount + 1,
                  [&](int a, int b) { return table_.Standings[a].Points > table_.Standings[b].Points; });
        for (int p = 2; p <= start_.teamCount; ++p)
            if (table_.Standings[order[p]].Points == table_.Standings[order[p - 1]].Points)
                return false;
        return true;
    }

    std::unique_ptr<Division> scratch_;
    const OutlookStart& start_;
    const std::vector<ScoreSampler>& samplers_;
    CountedMatches counted_;
    bool pointsFirst_ = false;
    LeagueTable table_;
    SimulationTally tally_;
};

// A tally of one season counted as seasons alike.
void Repeat(SimulationTally& tally, int seasons) {
    tally.seasons *= seasons;
    for (std::size_t t = 0; t < tally.positions.size(); ++t) {
        for (int& count : tally.positions[t])
            count *= seasons;
        for (int& count : tally.points[t])
            count *= seasons;
        tally.pointsSum[t] *= seasons;
    }
}

void AddTally(SimulationTally& into, const SimulationTally& from) {
    into.seasons += from.seasons;
    for (std::size_t t = 0; t < from.positions.size(); ++t) {
        for (std::size_t p = 0; p < from.positions[t].size(); ++p)
            into.positions[t][p] += from.positions[t][p];
        for (std::size_t k = 0; k < from.points[t].size(); ++k)
            into.points[t][k] += from.points[t][k];
        into.pointsSum[t] += from.pointsSum[t];
    }
}

} // namespace

double SimulationTally::PositionChance(int team, int position) const {
    if (seasons == 0)
        return 0;
    return static_cast<double>(
               positions[static_cast<std::size_t>(team)][static_cast<std::size_t>(position)]) /
           seasons;
}

double SimulationTally::ExpectedPoints(int team) const {
    return seasons == 0 ? 0 : pointsSum[static_cast<std::size_t>(team)] / seasons;
}

SimulationTally SimulateSeasons(const Division& division, const OutlookStart& start,
                                const std::vector<ScoreGrid>& grids, const SimulationRequest& request,
                                const SimulationProgress& progress) {
    std::vector<ScoreSampler> samplers;
    samplers.reserve(grids.size());
    for (const ScoreGrid& grid : grids)
        samplers.emplace_back(grid);
    const int seasons = std::max(request.seasons, 0);
    // With no match open every season ends alike: one is played and counted for all of them.
    if (start.open.empty() && seasons > 0) {
        SeasonPlayer player(division, start, samplers);
        player.PlayBlock(request.seed, 1);
        SimulationTally tally = player.tally();
        Repeat(tally, seasons);
        if (progress)
            progress(seasons, seasons);
        return tally;
    }
    const int blocks = (seasons + kBlockSeasons - 1) / kBlockSeasons;
    const int threads = std::clamp(request.threads, 1, std::max(blocks, 1));

    std::vector<std::unique_ptr<SeasonPlayer>> players;
    for (int w = 0; w < threads; ++w)
        players.push_back(std::make_unique<SeasonPlayer>(division, start, samplers));
    std::atomic<int> nextBlock{0}, seasonsDone{0};
    std::atomic<bool> stopped{false};
    const auto work = [&](SeasonPlayer& player, bool reports) {
        for (int block; !stopped && (block = nextBlock++) < blocks;) {
            const int size = std::min(kBlockSeasons, seasons - block * kBlockSeasons);
            std::uint64_t seed =
                request.seed ^ (0xD1B54A32D192ED03ull * static_cast<std::uint64_t>(block + 1));
            player.PlayBlock(SplitMix(seed), size);
            seasonsDone += size;
            if (reports && progress && !progress(seasonsDone, seasons))
                stopped = true;
        }
    };
    std::vector<std::thread> helpers;
    for (int w = 1; w < threads; ++w)
        helpers.emplace_back(work, std::ref(*players[static_cast<std::size_t>(w)]), false);
    work(*players[0], true);
    for (std::thread& helper : helpers)
        helper.join();

    SimulationTally tally = players[0]->tally();
    for (std::size_t w = 1; w < players.size(); ++w)
        AddTally(tally, players[w]->tally());
    if (stopped) {
        tally.seasons = 0;
        return tally;
    }
    if (progress)
        progress(seasons, seasons);
    return tally;
}

} // namespace vantorel

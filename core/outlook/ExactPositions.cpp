#include "outlook/ExactPositions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

#include "outlook/UnitFlow.h"

namespace vantorel {
namespace {

// The question, once the team's own fixtures are settled (all won for its best, all lost for its worst):
// for the best, keep as many other teams as possible at or below its points ("capped"); for the worst,
// bring as many as possible level with it or above ("demand"). A team whose question is settled is
// resolved, and its remaining games then go the way that helps the others most: a capped team that is
// over its cap, or can never get over it, wins them; a team that has reached its demand, or never can,
// loses them. Those choices never make the answer worse, so the search branches only on games between
// unresolved teams, and prunes with a flow bound in which each game hands out two units of points.
enum class Goal { Best, Worst };
enum class Status : std::int8_t { Open, Counted, Uncounted };

constexpr std::int8_t kUnassigned = -1;

struct Game {
    int home, away; // team slots
    int open;       // index in OutlookStart::open
};

struct SearchState {
    std::array<int, kMaxTeams + 1> gained{};
    std::array<int, kMaxTeams + 1> gamesLeft{};
    std::array<Status, kMaxTeams + 1> status{};
    std::array<std::int8_t, kMaxResults> outcome{};
    int counted = 0; // teams above (best) or level or above (worst)
};

// Units a capped team can take in its games within its slack of points: draws give a unit a point, wins
// two units for three points.
int UnitsWithin(int slack, int games, int winPoints) {
    if (winPoints == 2 || slack <= games)
        return std::min(slack, 2 * games);
    return games + std::min(games, (slack - games) / 2);
}

// Units a team needs to take to gain `need` points: two units make a win.
int UnitsFor(int need, int winPoints) {
    if (winPoints == 2)
        return need;
    return 2 * (need / 3) + (need % 3);
}

class PositionSearch {
public:
    PositionSearch(const OutlookStart& start, int team, Goal goal)
        : start_(start), team_(team), goal_(goal), winPoints_(start.winPoints) {
        teamPoints_ = start.points(team);
        if (goal == Goal::Best)
            teamPoints_ += winPoints_ * start.gamesLeft[team];
        root_.outcome.fill(kUnassigned);
        for (int t = 1; t <= start.teamCount; ++t) {
            base_[t] = start.points(t);
            root_.status[t] = t == team ? Status::Uncounted : Status::Open;
        }
        for (std::size_t i = 0; i < start.open.size(); ++i) {
            const OpenFixture& fixture = start.open[i];
            if (fixture.home == team || fixture.away == team) {
                if (goal == Goal::Worst)
                    base_[fixture.home == team ? fixture.away : fixture.home] += winPoints_;
                continue;
            }
            const int g = static_cast<int>(games_.size());
            games_.push_back({fixture.home, fixture.away, static_cast<int>(i)});
            gamesOf_[fixture.home].push_back(g);
            gamesOf_[fixture.away].push_back(g);
            ++root_.gamesLeft[fixture.home];
            ++root_.gamesLeft[fixture.away];
        }
    }

    // Chooses which undecided teams to hold (keep at or below the team's points for its best, bring level
    // or above for its worst) and which to drop, holding as many as possible.
    void Run() {
        Propagate(root_);
        bestCounted_ = goal_ == Goal::Best ? start_.teamCount : -1;
        std::vector<int> undecided;
        for (int t = 1; t <= start_.teamCount; ++t)
            if (root_.status[t] == Status::Open)
                undecided.push_back(t);
        // Teams with more room first, so that the first choice holds as many as it can.
        std::sort(undecided.begin(), undecided.end(),
                  [&](int a, int b) { return Room(root_, a) > Room(root_, b); });
        Select(root_, Held{}, undecided);
    }
    int counted() const { return bestCounted_; }
    int teamPoints() const { return teamPoints_; }

    Witness BuildWitness() const {
        Witness witness(start_.open.size(), Outcome::Draw);
        for (std::size_t i = 0; i < start_.open.size(); ++i) {
            const OpenFixture& fixture = start_.open[i];
            if (fixture.home == team_ || fixture.away == team_) {
                const bool teamAtHome = fixture.home == team_;
                const bool teamWins = goal_ == Goal::Best;
                witness[i] = teamAtHome == teamWins ? Outcome::HomeWin : Outcome::AwayWin;
            }
        }
        for (std::size_t g = 0; g < games_.size(); ++g)
            witness[static_cast<std::size_t>(games_[g].open)] = static_cast<Outcome>(bestOutcome_[g]);
        return witness;
    }

private:
    using Held = std::array<bool, kMaxTeams + 1>;

    int Threshold(int t) const { return teamPoints_ - base_[t]; } // the cap, or the demand, of points gained
    int Slack(const SearchState& state, int t) const { return Threshold(t) - state.gained[t]; }
    // How far a team is from settling against the team: the points it may still gain (best), or the
    // points it can gain beyond its demand (worst).
    int Room(const SearchState& state, int t) const {
        return goal_ == Goal::Best ? Slack(state, t) : winPoints_ * state.gamesLeft[t] - Slack(state, t);
    }
    // The teams counted against the team if every open held team (and `extra` more) is held.
    int FinalCount(const SearchState& state, const Held& held, int extra = 0) const {
        if (goal_ == Goal::Best)
            return state.counted;
        int count = state.counted + extra;
        for (int t = 1; t <= start_.teamCount; ++t)
            count += held[t] && state.status[t] == Status::Open;
        return count;
    }
    bool Better(int counted) const {
        return goal_ == Goal::Best ? counted < bestCounted_ : counted > bestCounted_;
    }

    void Select(SearchState state, Held held, std::vector<int> undecided) {
        // The caller's drop may have settled some of them: counted as still undecided, a team already
        // level or above would be counted twice, and a worse count could replace the best one found.
        KeepOpen(state, undecided);
        // The best this node can give: every undecided team held.
        const auto canBeat = [&] {
            return Better(FinalCount(state, held, static_cast<int>(undecided.size())));
        };
        if (!canBeat())
            return;
        // When every undecided team can be held as well, nothing here does better.
        Held all = held;
        for (int t : undecided)
            all[t] = true;
        if (const int deficit = Deficit(state, all, false); deficit == 0) {
            if (Realise(state, all)) {
                bestCounted_ = FinalCount(state, all);
                bestOutcome_ = foundOutcome_;
                return;
            }
        } else if (!Better(BoundAfterDrops(state, all, undecided, deficit))) {
            return;
        }
        if (!Relaxed(state, held, false))
            return;
        const std::array<int, kMaxTeams + 1> units = TeamUnits();
        // An undecided team that cannot be held along with those held already must be dropped.
        for (std::size_t i = 0; i < undecided.size();) {
            const int t = undecided[i];
            held[t] = true;
            // The flow just found may already hold it; otherwise the flow is solved again.
            const bool fits = HeldUnitsFit(state, t, units[t]) || Relaxed(state, held, false);
            held[t] = false;
            if (fits) {
                ++i;
                continue;
            }
            Drop(state, t);
            undecided.erase(undecided.begin() + static_cast<long>(i));
            if (!canBeat())
                return;
        }
        // Dropping may have settled some undecided teams for good.
        KeepOpen(state, undecided);
        if (!canBeat())
            return;
        if (undecided.empty()) {
            if (Realise(state, held)) {
                bestCounted_ = FinalCount(state, held);
                bestOutcome_ = foundOutcome_;
            }
            return;
        }
        const int t = undecided.front();
        undecided.erase(undecided.begin());
        Held withTeam = held;
        withTeam[t] = true;
        Select(state, withTeam, undecided);
        const int bound = goal_ == Goal::Best ? 0 : start_.teamCount - 1;
        if (bestCounted_ == bound)
            return;
        Drop(state, t);
        Select(state, held, undecided);
    }

    // Leaves only the teams still open among the undecided.
    static void KeepOpen(const SearchState& state, std::vector<int>& undecided) {
        std::erase_if(undecided, [&](int t) { return state.status[t] != Status::Open; });
    }

    // The units each team took in the flow last solved.
    std::array<int, kMaxTeams + 1> TeamUnits() const {
        std::array<int, kMaxTeams + 1> units{};
        for (int t = 1; t <= start_.teamCount; ++t)
            units[t] = flow_.TeamUnits(t);
        return units;
    }

    // Whether a team's units in an unheld flow are within what it may take when held.
    bool HeldUnitsFit(const SearchState& state, int t, int units) const {
        if (goal_ == Goal::Best)
            return units <= UnitsWithin(Slack(state, t), state.gamesLeft[t], winPoints_);
        return units >= UnitsFor(Slack(state, t), winPoints_);
    }

    void Drop(SearchState& state, int t) const {
        // A dropped team is above the team (best) or below it (worst) whatever it gains.
        Resolve(state, t, goal_ == Goal::Best ? Status::Counted : Status::Uncounted);
        Propagate(state);
    }

    void Assign(SearchState& state, int g, Outcome outcome) const {
        const Game& game = games_[static_cast<std::size_t>(g)];
        state.outcome[static_cast<std::size_t>(g)] = static_cast<std::int8_t>(outcome);
        if (outcome == Outcome::HomeWin)
            state.gained[game.home] += winPoints_;
        else if (outcome == Outcome::AwayWin)
            state.gained[game.away] += winPoints_;
        else {
            ++state.gained[game.home];
            ++state.gained[game.away];
        }
        --state.gamesLeft[game.home];
        --state.gamesLeft[game.away];
    }

    // The settled status of an open team, or Open.
    Status Settled(const SearchState& state, int t) const {
        const int slack = Slack(state, t);
        const int reachable = winPoints_ * state.gamesLeft[t];
        if (goal_ == Goal::Best)
            return slack < 0 ? Status::Counted : reachable <= slack ? Status::Uncounted : Status::Open;
        return slack <= 0 ? Status::Counted : reachable < slack ? Status::Uncounted : Status::Open;
    }

    void Resolve(SearchState& state, int t, Status status) const {
        state.status[t] = status;
        if (status == Status::Counted)
            ++state.counted;
        const bool teamWins = goal_ == Goal::Best;
        for (int g : gamesOf_[t]) {
            if (state.outcome[static_cast<std::size_t>(g)] != kUnassigned)
                continue;
            const bool atHome = games_[static_cast<std::size_t>(g)].home == t;
            Assign(state, g, atHome == teamWins ? Outcome::HomeWin : Outcome::AwayWin);
        }
    }

    void Propagate(SearchState& state) const {
        for (bool changed = true; changed;) {
            changed = false;
            for (int t = 1; t <= start_.teamCount; ++t) {
                if (state.status[t] != Status::Open)
                    continue;
                if (const Status settled = Settled(state, t); settled != Status::Open) {
                    Resolve(state, t, settled);
                    changed = true;
                }
            }
        }
    }

    // Whether the held open teams can all be kept within their caps (best) or brought to their demands
    // (worst) in the relaxation where each open game hands out two units; the other open teams take any
    // units (best) or need none (worst). With `record`, an answer of the relaxation that is a real outcome
    // is stored in foundOutcome_ and reported through found_.
    bool Relaxed(const SearchState& state, const Held& held, bool record) {
        return Deficit(state, held, record) == 0;
    }

    // The best count still possible when the relaxation with every undecided team held falls `deficit`
    // units short: dropping a team can close at most the units it may refuse when held (best) or needs
    // (worst), so at least as many teams must be dropped as close the deficit when the largest go first.
    int BoundAfterDrops(const SearchState& state, const Held& all, const std::vector<int>& undecided,
                        int deficit) const {
        std::vector<int> closes;
        for (int t : undecided) {
            const int games = state.gamesLeft[t];
            closes.push_back(goal_ == Goal::Best ? 2 * games - UnitsWithin(Slack(state, t), games, winPoints_)
                                                 : UnitsFor(Slack(state, t), winPoints_));
        }
        std::sort(closes.begin(), closes.end(), std::greater<>());
        int drops = 0;
        for (int closed = 0; closed < deficit && drops < static_cast<int>(closes.size()); ++drops)
            closed += closes[static_cast<std::size_t>(drops)];
        if (goal_ == Goal::Best)
            return state.counted + drops;
        return FinalCount(state, all) - drops;
    }

    // The units by which the relaxation (see Relaxed) falls short; 0 when it holds.
    int Deficit(const SearchState& state, const Held& held, bool record) {
        flow_.Reset(start_.teamCount + 1);
        int needed = 0;
        for (int t = 1; t <= start_.teamCount; ++t) {
            if (state.status[t] != Status::Open)
                continue;
            const int games = state.gamesLeft[t];
            int units = 0;
            if (goal_ == Goal::Best)
                units = held[t] ? UnitsWithin(Slack(state, t), games, winPoints_) : 2 * games;
            else if (held[t])
                units = UnitsFor(Slack(state, t), winPoints_);
            flow_.SetTeamCapacity(t, units);
            if (goal_ == Goal::Worst)
                needed += units;
        }
        flowGames_.clear();
        for (std::size_t g = 0; g < games_.size(); ++g) {
            if (state.outcome[g] != kUnassigned)
                continue;
            flow_.AddGame(games_[g].home, games_[g].away, 2);
            flowGames_.push_back(static_cast<int>(g));
            if (goal_ == Goal::Best)
                needed += 2;
        }
        if (const int flow = flow_.Solve(); flow < needed)
            return needed - flow;
        if (!record)
            return 0;
        SearchState filled = state;
        for (std::size_t i = 0; i < flowGames_.size(); ++i) {
            const int home = flow_.HomeUnits(static_cast<int>(i));
            const int away = flow_.AwayUnits(static_cast<int>(i));
            const Outcome outcome = home > 0 && away > 0 ? Outcome::Draw
                                    : home >= away       ? Outcome::HomeWin
                                                         : Outcome::AwayWin;
            Assign(filled, flowGames_[i], outcome);
        }
        for (int t = 1; t <= start_.teamCount; ++t) {
            if (filled.status[t] != Status::Open)
                continue;
            const int slack = Slack(filled, t);
            if (goal_ == Goal::Best ? slack < 0 : slack > 0)
                return 0; // the relaxation allows it; only the search can tell
        }
        Found(filled);
        return 0;
    }

    void Found(const SearchState& state) {
        found_ = true;
        foundOutcome_.assign(state.outcome.begin(), state.outcome.begin() + static_cast<long>(games_.size()));
    }

    // Whether the open teams, all held, can really be held at once: a search over the outcomes of their
    // games, pruned by the relaxation. The outcome found is left in foundOutcome_.
    bool Realise(const SearchState& state, const Held& held) {
        found_ = false;
        target_ = FinalCount(state, held);
        all_.fill(true);
        Search(state);
        return found_;
    }

    void Search(SearchState state) {
        Propagate(state);
        int open = 0;
        for (int t = 1; t <= start_.teamCount; ++t)
            open += state.status[t] == Status::Open;
        // Every team still open must end up held.
        if (FinalCount(state, all_) != target_)
            return;
        if (open == 0) {
            Found(state);
            return;
        }
        if (!Relaxed(state, all_, true) || found_)
            return;
        const int g = BranchGame(state);
        const Game& game = games_[static_cast<std::size_t>(g)];
        for (Outcome outcome : OutcomeOrder(state, game)) {
            SearchState child = state;
            Assign(child, g, outcome);
            Search(child);
            if (found_)
                return;
        }
    }

    // The tightest open team's first open game: it decides the most.
    int BranchGame(const SearchState& state) const {
        int tightest = 0, tightness = 0;
        for (int t = 1; t <= start_.teamCount; ++t) {
            if (state.status[t] != Status::Open)
                continue;
            if (const int room = Room(state, t); tightest == 0 || room < tightness) {
                tightest = t;
                tightness = room;
            }
        }
        for (int g : gamesOf_[tightest])
            if (state.outcome[static_cast<std::size_t>(g)] == kUnassigned)
                return g;
        return 0; // not reached: an open team has open games
    }

    // Outcomes in the order most likely to hold the tighter team: for the best, it takes as little as
    // possible; for the worst, as much as possible.
    std::array<Outcome, 3> OutcomeOrder(const SearchState& state, const Game& game) const {
        const bool homeTighter = Room(state, game.home) <= Room(state, game.away);
        const Outcome tighterWins = homeTighter ? Outcome::HomeWin : Outcome::AwayWin;
        const Outcome otherWins = homeTighter ? Outcome::AwayWin : Outcome::HomeWin;
        if (goal_ == Goal::Best)
            return {otherWins, Outcome::Draw, tighterWins};
        return {tighterWins, Outcome::Draw, otherWins};
    }

    const OutlookStart& start_;
    const int team_;
    const Goal goal_;
    const int winPoints_;
    int teamPoints_ = 0;
    std::array<int, kMaxTeams + 1> base_{};
    std::vector<Game> games_;
    std::array<std::vector<int>, kMaxTeams + 1> gamesOf_;
    SearchState root_;
    int bestCounted_ = 0;
    std::vector<std::int8_t> bestOutcome_;
    // The search that realises a choice of held teams.
    int target_ = 0;
    Held all_{};
    bool found_ = false;
    std::vector<std::int8_t> foundOutcome_;
    UnitFlow flow_;
    std::vector<int> flowGames_;
};

} // namespace

std::vector<int> FinalPoints(const OutlookStart& start, const Witness& witness) {
    std::vector<int> points(static_cast<std::size_t>(start.teamCount + 1), 0);
    for (int t = 1; t <= start.teamCount; ++t)
        points[static_cast<std::size_t>(t)] = start.points(t);
    for (std::size_t i = 0; i < start.open.size() && i < witness.size(); ++i) {
        const OpenFixture& fixture = start.open[i];
        auto& home = points[static_cast<std::size_t>(fixture.home)];
        auto& away = points[static_cast<std::size_t>(fixture.away)];
        if (witness[i] == Outcome::HomeWin)
            home += start.winPoints;
        else if (witness[i] == Outcome::AwayWin)
            away += start.winPoints;
        else {
            ++home;
            ++away;
        }
    }
    return points;
}

int PointsPosition(const std::vector<int>& finalPoints, int team, bool levelCountsAgainst) {
    int position = 1;
    const int own = finalPoints[static_cast<std::size_t>(team)];
    for (std::size_t t = 1; t < finalPoints.size(); ++t)
        if (static_cast<int>(t) != team &&
            (finalPoints[t] > own || (levelCountsAgainst && finalPoints[t] == own)))
            ++position;
    return position;
}

PositionRange ExactPositionsOf(const OutlookStart& start, int team) {
    PositionRange range;
    PositionSearch best(start, team, Goal::Best);
    best.Run();
    range.best = 1 + best.counted();
    range.bestPoints = best.teamPoints();
    range.bestWitness = best.BuildWitness();
    PositionSearch worst(start, team, Goal::Worst);
    worst.Run();
    range.worst = 1 + worst.counted();
    range.worstPoints = worst.teamPoints();
    range.worstWitness = worst.BuildWitness();
    return range;
}

std::vector<PositionRange> ExactPositions(const OutlookStart& start) {
    std::vector<PositionRange> ranges(static_cast<std::size_t>(start.teamCount + 1));
    for (int t = 1; t <= start.teamCount; ++t)
        ranges[static_cast<std::size_t>(t)] = ExactPositionsOf(start, t);
    return ranges;
}

} // namespace vantorel

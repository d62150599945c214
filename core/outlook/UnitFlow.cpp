#include "outlook/UnitFlow.h"

#include <algorithm>
#include <climits>

namespace vantorel {
namespace {
// Node numbers: 0 the source, 1 the sink, then the teams, then the games.
constexpr int kSource = 0;
constexpr int kSink = 1;
} // namespace

void UnitFlow::Reset(int teams) {
    teams_ = teams;
    edges_.clear();
    gameEdge_.clear();
    teamEdge_.assign(static_cast<std::size_t>(teams), -1);
    for (auto& list : out_)
        list.clear();
    out_.resize(static_cast<std::size_t>(2 + teams));
    for (int t = 0; t < teams; ++t) {
        teamEdge_[static_cast<std::size_t>(t)] = static_cast<int>(edges_.size());
        AddEdge(2 + t, kSink, 0);
    }
}

void UnitFlow::AddEdge(int from, int to, int capacity) {
    out_[static_cast<std::size_t>(from)].push_back(static_cast<int>(edges_.size()));
    edges_.push_back({to, capacity});
    out_[static_cast<std::size_t>(to)].push_back(static_cast<int>(edges_.size()));
    edges_.push_back({from, 0});
}

int UnitFlow::AddGame(int home, int away, int units) {
    const int node = static_cast<int>(out_.size());
    out_.emplace_back();
    AddEdge(kSource, node, units);
    gameEdge_.push_back(static_cast<int>(edges_.size()));
    AddEdge(node, 2 + home, units);
    AddEdge(node, 2 + away, units);
    return static_cast<int>(gameEdge_.size()) - 1;
}

void UnitFlow::SetTeamCapacity(int team, int capacity) {
    edges_[static_cast<std::size_t>(teamEdge_[static_cast<std::size_t>(team)])].capacity = capacity;
}

bool UnitFlow::Levels() {
    level_.assign(out_.size(), -1);
    std::vector<int> queue{kSource};
    level_[kSource] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int node = queue[head];
        for (int e : out_[static_cast<std::size_t>(node)]) {
            const Edge& edge = edges_[static_cast<std::size_t>(e)];
            if (edge.capacity > 0 && level_[static_cast<std::size_t>(edge.to)] < 0) {
                level_[static_cast<std::size_t>(edge.to)] = level_[static_cast<std::size_t>(node)] + 1;
                queue.push_back(edge.to);
            }
        }
    }
    return level_[kSink] >= 0;
}

int UnitFlow::Push(int node, int limit) {
    if (node == kSink)
        return limit;
    auto& list = out_[static_cast<std::size_t>(node)];
    for (int& i = next_[static_cast<std::size_t>(node)]; i < static_cast<int>(list.size()); ++i) {
        const int e = list[static_cast<std::size_t>(i)];
        Edge& edge = edges_[static_cast<std::size_t>(e)];
        if (edge.capacity <= 0 ||
            level_[static_cast<std::size_t>(edge.to)] != level_[static_cast<std::size_t>(node)] + 1)
            continue;
        if (const int pushed = Push(edge.to, std::min(limit, edge.capacity)); pushed > 0) {
            edge.capacity -= pushed;
            edges_[static_cast<std::size_t>(e ^ 1)].capacity += pushed;
            return pushed;
        }
    }
    return 0;
}

int UnitFlow::Solve() {
    int total = 0;
    while (Levels()) {
        next_.assign(out_.size(), 0);
        while (const int pushed = Push(kSource, INT_MAX))
            total += pushed;
    }
    return total;
}

int UnitFlow::HomeUnits(int game) const {
    // The flow on an edge is what its reverse edge has taken up.
    return edges_[static_cast<std::size_t>(gameEdge_[static_cast<std::size_t>(game)] + 1)].capacity;
}

int UnitFlow::AwayUnits(int game) const {
    return edges_[static_cast<std::size_t>(gameEdge_[static_cast<std::size_t>(game)] + 3)].capacity;
}

int UnitFlow::TeamUnits(int team) const {
    return edges_[static_cast<std::size_t>(teamEdge_[static_cast<std::size_t>(team)] + 1)].capacity;
}

} // namespace vantorel

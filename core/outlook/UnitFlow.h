#pragma once

#include <vector>

namespace vantorel {

// A maximum flow on the small graph of the position search: each open game hands out two units of points
// to its two teams, and each team takes at most its capacity. Built anew for each question, reusing its
// buffers.
class UnitFlow {
public:
    // Starts a graph of `teams` team nodes and no games.
    void Reset(int teams);
    // Adds a game between two team nodes handing out `units`; returns its index.
    int AddGame(int home, int away, int units);
    void SetTeamCapacity(int team, int capacity);
    // The largest total of units the games can hand out within the team capacities.
    int Solve();
    // After Solve: the units game g handed to its home team and to its away team.
    int HomeUnits(int game) const;
    int AwayUnits(int game) const;
    // After Solve: the units a team took.
    int TeamUnits(int team) const;

private:
    struct Edge {
        int to, capacity;
    };
    void AddEdge(int from, int to, int capacity);
    bool Levels();
    int Push(int node, int limit);

    int teams_ = 0;
    std::vector<Edge> edges_;           // each edge followed by its reverse
    std::vector<std::vector<int>> out_; // edge indices leaving each node
    std::vector<int> gameEdge_;         // the game's edge to its home team (the away edge is 2 further)
    std::vector<int> teamEdge_;         // each team's edge to the sink
    std::vector<int> level_, next_;
};

} // namespace vantorel

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/ShortString.h"

namespace vantorel {

// Capacities of the record arrays, enough for a whole real season of the largest league: 24 teams meeting
// four times, with all their goals, every player of squads of 16 and both sides' squad of every fixture. The
// team array has one slot more than the largest league for the "Transferred-Out" pseudo-team. The file
// layout does not depend on them: the counts are 16-bit fields and only records in use are written.
inline constexpr int kMinTeams = 4;
inline constexpr int kMaxTeams = 24;
inline constexpr int kTeamSlots = kMaxTeams + 1;
inline constexpr int kMaxResults = 1104;
inline constexpr int kMaxGoals = 4000;
inline constexpr int kMaxPlayers = 1500;
inline constexpr int kMaxSquads = 2208;
inline constexpr int kSquadLines = 16;

inline constexpr std::uint8_t kCurrentVersion = 20;
inline constexpr std::uint8_t kOldestVersion = 6;
inline constexpr const char* kMagic = "DIVHD";
inline constexpr const char* kTransferredOut = "Transferred-Out";

// The codes a SortRules text may hold, in the order the sort-order editor lists them (standings/SortRules.h
// gives their meaning), and the rules of a new league.
inline constexpr std::string_view kSortRuleCodes = "123456789HABR";
inline constexpr const char* kDefaultSortRules = "1234";
// The codes that are no rule of their own but change how the head-to-head rules apply.
constexpr bool IsSortRuleModifier(char code) {
    return code == 'H' || code == 'R';
}
// The most codes a SortRules text holds.
inline constexpr std::size_t kMaxSortRuleCodes = 8;

// The league's settings and record counts (68 bytes in a file).
struct DivisionHeader {
    ShortString<5> Magic{kMagic};
    std::uint8_t Version = kCurrentVersion;
    ShortString<30> TableName;
    std::int16_t TeamCount = 0;
    std::int16_t ResultCount = 0;
    std::int16_t GoalCount = 0;
    std::int16_t PlayerCount = 0;
    bool TrackGoals = false;
    std::uint8_t WinPoints = 3;
    std::uint8_t RelegateCount = 0;
    std::uint8_t PromoteCount = 0;
    std::uint8_t OwnTeam = 0;
    ShortString<8> SortRules{kDefaultSortRules};
    std::uint8_t PlayoffCount = 0;
    std::int16_t SquadCount = 0;
    std::uint8_t TeamSize = 11;
    std::uint8_t SubsCount = 3;
};

// One team with its running totals (36 bytes).
struct TeamRecord {
    ShortString<30> Name;
    std::uint8_t Played = 0; // played results the team took part in
    std::int16_t Points = 0; // points won less the deduction; negative when the deduction is larger
    std::uint16_t Deduction = 0;
};

// One fixture of the season, played or not (24 bytes). On an unplayed fixture the goals and the date are
// the user's prediction.
struct ResultRecord {
    std::uint16_t MatchNo = 0;
    bool Played = false;
    std::uint8_t HomeTeam = 0;
    std::uint8_t AwayTeam = 0;
    std::uint8_t HomeGoals = 0;
    std::uint8_t AwayGoals = 0;
    double MatchDate = 0; // day number; 0 = no date
    std::int32_t Attendance = 0;
    bool Predicted = false;
    std::uint16_t HomeSquad = 0;
    std::uint16_t AwaySquad = 0;
};

// One goal of a played result (10 bytes).
struct GoalRecord {
    std::uint16_t Result = 0;
    std::uint16_t Team = 0;   // team credited with the goal
    std::uint16_t Player = 0; // scorer, 0 = not yet assigned
    std::uint16_t GoalTime = 0;
    bool OwnGoal = false;
    bool Penalty = false;
};

// One player (23 bytes). Team is TeamCount+1 for a player who has left the division.
struct PlayerRecord {
    ShortString<20> Name;
    std::uint8_t Team = 0;
    std::uint8_t Goals = 0; // running total, own goals not counted
};

// One line of a match squad (7 bytes).
struct SquadEntry {
    std::uint16_t Player = 0; // 0 = empty line
    std::uint8_t TimeOn = 0;
    std::uint8_t TimeOff = 0;
    bool Yellow1 = false;
    bool Yellow2 = false;
    bool Red = false;
};

// The squad of one side of one match (115 bytes): the starting line-up, then the substitutes.
struct SquadRecord {
    std::uint16_t Result = 0;
    std::uint8_t Team = 0;
    std::array<SquadEntry, kSquadLines> Entries{};
};

} // namespace vantorel

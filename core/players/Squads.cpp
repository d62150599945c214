#include "players/Squads.h"

#include <algorithm>

#include "platform/Canvas.h"
#include "players/Players.h"
#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"

namespace vantorel {
namespace {

constexpr Colour kCardYellow = 0x00FFFF; // RGB FFFF00
constexpr Colour kCardRed = 0x0000FF;    // RGB FF0000

// The lines a squad may fill: the team and its substitutes.
int SquadRoom(const Division& division) {
    return std::min(division.Header().TeamSize + division.Header().SubsCount, kSquadLines);
}

const char* YesNo(bool flag) {
    return flag ? "Y" : "N";
}

} // namespace

std::string SquadGameText(const Division& division, int result, const DateFormat& dates) {
    const ResultRecord& match = division.Results[result];
    return TeamName(division, match.HomeTeam) + " v " + TeamName(division, match.AwayTeam) + " (" +
           dates.Format(match.MatchDate) + ")";
}

SquadEditor::SquadEditor(const Division& division, int result) : division_(division), result_(result) {
    const ResultRecord& match = division.Results[result];
    const std::uint16_t records[] = {match.HomeSquad, match.AwaySquad};
    for (std::size_t side = 0; side < 2; ++side)
        if (records[side] != 0)
            lines_[side] = division.Squads[records[side]].Entries;
}

std::string SquadEditor::Caption(const DateFormat& dates) const {
    const ResultRecord& match = division_.Results[result_];
    return "Squads for " + TeamName(division_, match.HomeTeam) + " vs " +
           TeamName(division_, match.AwayTeam) + " (" + dates.Format(match.MatchDate) + ")";
}

std::array<std::string, 2> SquadEditor::SideNames() const {
    return {TeamName(division_, Team(0)), TeamName(division_, Team(1))};
}

int SquadEditor::FirstSide() const {
    return Team(1) == division_.Header().OwnTeam ? 1 : 0;
}

int SquadEditor::Team(int side) const {
    const ResultRecord& match = division_.Results[result_];
    return side == 0 ? match.HomeTeam : match.AwayTeam;
}

std::vector<std::string> SquadEditor::AvailablePlayers(int side) const {
    const SquadLines& lines = Lines(side);
    std::vector<int> players;
    for (int p = 1; p <= division_.Header().PlayerCount; ++p) {
        const bool inSquad =
            std::any_of(lines.begin(), lines.end(), [p](const SquadEntry& e) { return e.Player == p; });
        if (division_.Players[p].Team == Team(side) && !inSquad)
            players.push_back(p);
    }
    return NamesInOrder(division_, players);
}

std::array<std::string, 6> SquadEditor::Row(int side, int line) const {
    const SquadEntry& entry = Lines(side)[static_cast<std::size_t>(line - 1)];
    if (entry.Player == 0)
        return {};
    return {PlayerName(division_, entry.Player),
            std::to_string(entry.TimeOn),
            std::to_string(entry.TimeOff),
            YesNo(entry.Yellow1),
            YesNo(entry.Yellow2),
            YesNo(entry.Red)};
}

bool SquadEditor::Add(int side, std::string_view name) {
    const int player = division_.FindPlayer(name);
    if (player == 0)
        return true;
    SquadLines& lines = lines_[static_cast<std::size_t>(side)];
    const int teamSize = division_.Header().TeamSize;
    for (int k = 1; k <= SquadRoom(division_); ++k) {
        SquadEntry& line = lines[static_cast<std::size_t>(k - 1)];
        if (line.Player != 0)
            continue;
        line = {static_cast<std::uint16_t>(player),
                0,
                static_cast<std::uint8_t>(k <= teamSize ? kFullTime : 0),
                false,
                false,
                false};
        changed_ = true;
        return true;
    }
    return false;
}

bool SquadEditor::Remove(int side, int line) {
    SquadLines& lines = lines_[static_cast<std::size_t>(side)];
    if (lines[static_cast<std::size_t>(line - 1)].Player == 0)
        return false;
    std::move(lines.begin() + line, lines.end(), lines.begin() + line - 1);
    lines.back() = SquadEntry{};
    changed_ = true;
    return true;
}

bool SquadEditor::Update(int side, int line, const SquadEntry& details) {
    SquadEntry& entry = lines_[static_cast<std::size_t>(side)][static_cast<std::size_t>(line - 1)];
    if (entry.Player == 0)
        return false;
    const std::uint16_t player = entry.Player;
    entry = details;
    entry.Player = player;
    changed_ = true;
    return true;
}

namespace {

bool HasPlayer(const SquadLines& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const SquadEntry& e) { return e.Player != 0; });
}

Status FullSquadArray() {
    return Status::Error("The league already holds the largest possible number of squads (" +
                         std::to_string(kMaxSquads) + "). The squads were not saved.");
}

// The squad record of a side of a result, 0 for none.
int SquadOf(const ResultRecord& match, int side) {
    return side == 0 ? match.HomeSquad : match.AwaySquad;
}

// The squad rules for the lines of one side: each player once, one who may play for the side's team (or is
// already in the side's stored squad, keeping his place after moving team), no line past the squad's size,
// times from 0 to kLatestSquadMinute.
Status CheckSquad(const Division& division, int result, int side, const SquadLines& lines) {
    const ResultRecord& match = division.Results[result];
    const int team = side == 0 ? match.HomeTeam : match.AwayTeam;
    const int stored = SquadOf(match, side);
    const auto named = [](const SquadLines& squad, int player) {
        return std::any_of(squad.begin(), squad.end(),
                           [player](const SquadEntry& e) { return e.Player == player; });
    };
    for (int k = 1; k <= kSquadLines; ++k) {
        const SquadEntry& line = lines[static_cast<std::size_t>(k - 1)];
        if (line.Player == 0)
            continue;
        if (line.Player > division.Header().PlayerCount)
            return Status::Error("There is no such player.");
        const std::string name = PlayerName(division, line.Player);
        if (k > SquadRoom(division))
            return Status::Error(SquadRoomMessage(division));
        if (!MayPlayFor(division, line.Player, team) &&
            !(stored != 0 && named(division.Squads[stored].Entries, line.Player)))
            return Status::Error(name + " is not a player of " + TeamName(division, team));
        if (std::any_of(lines.begin(), lines.begin() + k - 1,
                        [&line](const SquadEntry& e) { return e.Player == line.Player; }))
            return Status::Error(name + " is named twice");
        if (line.TimeOn > kLatestSquadMinute || line.TimeOff > kLatestSquadMinute)
            return Status::Error(name + "'s times on and off must be from 0 to " +
                                 std::to_string(kLatestSquadMinute));
    }
    return Status::Ok();
}

} // namespace

std::string SquadRoomMessage(const Division& division) {
    return "a squad has room for " +
           std::to_string(division.Header().TeamSize + division.Header().SubsCount) + " players";
}

Status SaveSquad(Division& division, int result, int side, const SquadLines& lines) {
    if (auto status = CheckSquad(division, result, side, lines); !status)
        return status;
    const ResultRecord& match = division.Results[result];
    int squad = SquadOf(match, side);
    if (squad == 0 && !HasPlayer(lines))
        return Status::Ok();
    if (squad == 0 && division.Header().SquadCount >= kMaxSquads)
        return FullSquadArray();
    DivisionWriter writer(division);
    if (squad == 0) {
        SquadRecord record;
        record.Result = static_cast<std::uint16_t>(result);
        record.Team = side == 0 ? match.HomeTeam : match.AwayTeam;
        if (auto status = AddSquad(division, record); !status)
            return status;
        squad = division.Header().SquadCount;
        ResultRecord& linked = writer.Result(result);
        (side == 0 ? linked.HomeSquad : linked.AwaySquad) = static_cast<std::uint16_t>(squad);
    }
    writer.Squad(squad).Entries = lines;
    return Status::Ok();
}

Status SquadEditor::Save(Division& division) {
    if (!changed_)
        return Status::Ok();
    const ResultRecord& match = division.Results[result_];
    int needed = 0;
    for (int side = 0; side < 2; ++side) {
        if (auto status = CheckSquad(division, result_, side, Lines(side)); !status)
            return status;
        needed += SquadOf(match, side) == 0 && HasPlayer(Lines(side)) ? 1 : 0;
    }
    if (division.Header().SquadCount + needed > kMaxSquads)
        return FullSquadArray();
    for (int side = 0; side < 2; ++side)
        if (auto status = SaveSquad(division, result_, side, Lines(side)); !status)
            return status;
    changed_ = false;
    return Status::Ok();
}

void SetSecondYellow(SquadEntry& line, bool ticked) {
    line.Yellow2 = ticked;
    if (ticked)
        line.Yellow1 = line.Red = true;
}

void DrawSquadCell(Canvas& canvas, int left, int top, int right, int bottom, int row, int column,
                   std::string_view text, bool selected, const HighlightColours& highlight) {
    const bool lit = selected && row > 0;
    canvas.setBrush(row == 0 ? kButtonFace : lit ? highlight.background : kWhite);
    canvas.FillRect(left, top, right, bottom);
    if (column >= 3) {
        if (text != "Y")
            return;
        const int width = canvas.TextWidth("W");
        const int cardLeft = left + (right - left - width) / 2;
        canvas.setPen(kBlack, 1);
        canvas.setBrush(column == 5 ? kCardRed : kCardYellow);
        canvas.Rectangle(cardLeft, top + 1, cardLeft + width, bottom - 1);
        return;
    }
    CanvasFont font = canvas.font();
    font.colour = lit ? highlight.text : kBlack;
    canvas.setFont(font);
    constexpr int kRightMargin = 4;
    const int x = column == 0 ? left : right - kRightMargin - canvas.TextWidth(text);
    canvas.TextOut(x, top, text);
}

} // namespace vantorel

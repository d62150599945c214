#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"
#include "store/Settings.h"
#include "store/Status.h"

namespace vantorel {

class Canvas;

using SquadLines = std::array<SquadEntry, kSquadLines>;

// The headings of the squad grid; the three "Y" columns are drawn as two yellow cards and a red one.
inline constexpr std::array<const char*, 6> kSquadHeadings = {"Player", "On", "Off", "Y", "Y", "Y"};
inline constexpr int kFullTime = 90;
// The times on and off a squad line may hold.
inline constexpr int kLatestSquadMinute = 100;

// "HOME v AWAY (DATE)": the game of a squad line.
std::string SquadGameText(const Division& division, int result, const DateFormat& dates);

// "a squad has room for N players", N being the team size and the substitutes.
std::string SquadRoomMessage(const Division& division);

// Writes the 16 lines of one side (0 home, 1 away) of a result into its squad record: a side without a squad
// record gets one only when a line has a player; an existing record is overwritten, even with no players, and
// never removed. Refused, changing nothing, when a player is named twice, may not play for the side's team
// (MayPlayFor; one already in the side's stored squad keeps his place after moving team), fills a line past
// the team size and substitutes, or has a time on or off above 100; or when a new record is needed and the
// squad array is full.
Status SaveSquad(Division& division, int result, int side, const SquadLines& lines);

// The two squads of one fixture while they are edited: working copies of both sides' 16 lines that reach the
// league only through Save. Side 0 is the home team, side 1 the away team. Lines are numbered 1..16; the
// first TeamSize are the starting line-up, the next SubsCount the substitutes.
class SquadEditor {
public:
    SquadEditor(const Division& division, int result);

    int result() const { return result_; }
    // "Squads for HOME vs AWAY (DATE)".
    std::string Caption(const DateFormat& dates) const;
    // The team names of the two sides.
    std::array<std::string, 2> SideNames() const;
    // The side shown first: the away side when the away team is the own team, otherwise the home side.
    int FirstSide() const;
    int Team(int side) const;
    const SquadLines& Lines(int side) const { return lines_[static_cast<std::size_t>(side)]; }
    bool changed() const { return changed_; }

    // The names of the side's team's players not yet in its squad, in name order.
    std::vector<std::string> AvailablePlayers(int side) const;
    // The cells of line k (1..16) of a side: name, time on, time off, then "Y" or "N" for the first yellow,
    // the second yellow and the red card; all empty for an empty line.
    std::array<std::string, 6> Row(int side, int line) const;

    // Puts the player of that exact name on the first empty line among the first TeamSize + SubsCount: a
    // starter plays to minute 90, a substitute has both times 0, no cards. False when no line is free (the
    // caller beeps); an unknown name changes nothing.
    bool Add(int side, std::string_view name);
    // Takes line k off, moving the lines below it up one place (the first substitute thus becomes a starter
    // with his own times and cards). False when the line is empty (the caller beeps).
    bool Remove(int side, int line);
    // Replaces the times and cards of line k, keeping its player. False when the line is empty.
    bool Update(int side, int line, const SquadEntry& details);

    // Writes both sides into the league when anything changed, as SaveSquad does. Refused, changing
    // nothing, when either side breaks SaveSquad's rules or the squad array has no room for the records
    // needed.
    Status Save(Division& division);

private:
    const Division& division_;
    int result_;
    std::array<SquadLines, 2> lines_{};
    bool changed_ = false;
};

// Ticking the second yellow card also ticks the first and the red; unticking it changes nothing else.
void SetSecondYellow(SquadEntry& line, bool ticked);

// The system's colours for a selected row.
struct HighlightColours {
    Colour background;
    Colour text;
};

// Draws cell (row, column) of the squad grid, row 0 being the headings: the heading row black on the button
// face, a selected row in the highlight colours, other rows black on white. The name sits at the cell's
// top-left corner, the times are right-aligned 4 pixels from the right edge, and a "Y" in columns 3..5 is a
// card as wide as the text "W", centred, from one pixel below the cell's top to one above its bottom,
// outlined in black and filled yellow (columns 3 and 4) or red (column 5); "N" leaves the cell empty.
void DrawSquadCell(Canvas& canvas, int left, int top, int right, int bottom, int row, int column,
                   std::string_view text, bool selected, const HighlightColours& highlight);

} // namespace vantorel

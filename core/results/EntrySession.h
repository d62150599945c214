#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/ResultEntry.h"
#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

inline constexpr const char* kAllMatchesPlayed = "All matches have been played !";
inline constexpr const char* kResultInputCanceled = "Result input canceled";
inline constexpr const char* kSelectBothTeams = "You have not selected both teams";
inline constexpr const char* kInputInvalid = "Input is invalid, please correct";
inline constexpr const char* kAttendanceNotNumeric = "Attendance figure is not numeric";

// An attendance typed by the user: a whole number of 0 or more, blanks around it allowed. Nothing for any
// other text, a negative number included.
std::optional<int> ParseAttendance(std::string_view text);

// The warning for an attendance typed in the score dialog: empty for a valid attendance, otherwise
// kAttendanceNotNumeric (a negative number included: no crowd is below zero).
std::string AttendanceWarning(std::string_view text);

// The teams ordered by name without regard to case (see TeamsInNameOrder).
std::vector<int> SortedByName(const Division& division, std::vector<int> teams);

// Switches goal tracking of the league. A choice about asking, not an edit of the results: it does not mark
// the league changed, and is saved with the next change.
void SetTrackGoals(Division& division, bool track);

// One sitting of result entry: the date given to the results entered now, and the teams that already got a
// result on it, which are withheld so that no team gets two results on one date.
class EntrySession {
public:
    double EntryDate = 0;
    std::uint32_t EnteredTeams = 0; // bit t set: team t got a result on EntryDate

    // Entering the page: the date is today, nobody is withheld.
    void Start(double today);
    // A new date picked by the user: nobody is withheld any more, and the date holds for the rest of the
    // sitting, whatever dates the fixtures have.
    void ChangeDate(double date);
    // Picking a pairing offers the date of its first open fixture when it has one and no date was picked in
    // this sitting; a pairing without a date goes back to the sitting's date. Moving to another date
    // withholds nobody. True when EntryDate changed.
    bool OfferFixtureDate(const Division& division, int home, int away);
    bool Withheld(int team) const { return (EnteredTeams >> team) & 1u; }

    // The home teams offered, in list order: every team not withheld, or none when every fixture is played.
    std::vector<int> HomeTeams(const Division& division) const;
    // The opponents the home team still has to meet at home, withheld teams left out, in list order.
    std::vector<int> OpenOpponents(const Division& division, int home) const;
    // The status text on entering the page: empty, or kAllMatchesPlayed when nothing is left to play.
    static std::string StartStatus(const Division& division);
    // "Predicted result for this match: H-A" for the first open fixture of the pairing that carries a
    // prediction; nothing when none does.
    static std::optional<std::string> PredictionHint(const Division& division, int home, int away);

    // Enters the result on EntryDate (see EnterResult) and withholds both teams. On success the status text
    // "HOME v AWAY Result recorded" comes back through recorded.
    Status Enter(Division& division, int home, int away, int homeGoals, int awayGoals, int attendance,
                 std::string* recorded = nullptr, std::vector<int>* newGoals = nullptr);

private:
    double sittingDate_ = 0; // today, or the date the user picked
    bool datePicked_ = false;
};

} // namespace vantorel

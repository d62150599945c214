#pragma once

#include <array>
#include <optional>

#include "store/Settings.h"
#include "store/Status.h"

namespace vantorel {

// The 13 colours the settings dialog offers, in list order (maroon, green, olive, navy, purple, teal,
// silver, red, lime, yellow, blue, fuchsia, aqua).
inline constexpr std::array<Colour, 13> kColourChoices = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                          0x808000, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                          0xFF0000, 0xFF00FF, 0xFFFF00};

// The first list position of a colour; nothing for a colour the list does not offer.
std::optional<int> ColourChoiceIndex(Colour colour);

inline constexpr const char* kOwnTeamColourClash =
    "Your Own Team colour cannot be the same as one of the other three";
inline constexpr const char* kFormGamesOutOfRange =
    "The number of games to include in the current form must be from 2 to 30";

// The settings dialog's working copy: the four colours being edited (element 0..3 = Colour1..Colour4) and
// the options, applied to the program's settings only when they pass the check.
struct SetupChoices {
    std::array<Colour, 4> colours{};
    bool showPoss = false;
    bool shortTab = false;
    bool showHints = true;
    int formGames = 10;

    static SetupChoices From(const Settings& settings);
    // Refused when the own-team colour equals one of the other three, or the number of current-form games
    // is outside kMinFormGames..kMaxFormGames; nothing changes then.
    Status ApplyTo(Settings& settings) const;
};

} // namespace vantorel

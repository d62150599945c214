#include "app/SetupChoices.h"

#include <algorithm>

namespace vantorel {

std::optional<int> ColourChoiceIndex(Colour colour) {
    const auto found = std::find(kColourChoices.begin(), kColourChoices.end(), colour);
    if (found == kColourChoices.end())
        return std::nullopt;
    return static_cast<int>(found - kColourChoices.begin());
}

SetupChoices SetupChoices::From(const Settings& settings) {
    SetupChoices choices;
    choices.colours = {settings.Colour1, settings.Colour2, settings.Colour3, settings.Colour4};
    choices.showPoss = settings.ShowPoss;
    choices.shortTab = settings.ShortTab;
    choices.showHints = settings.ShowHints;
    choices.formGames = settings.FormGames;
    return choices;
}

Status SetupChoices::ApplyTo(Settings& settings) const {
    if (std::find(colours.begin(), colours.begin() + 3, colours[3]) != colours.begin() + 3)
        return Status::Error(kOwnTeamColourClash);
    if (formGames < kMinFormGames || formGames > kMaxFormGames)
        return Status::Error(kFormGamesOutOfRange);
    settings.Colour1 = colours[0];
    settings.Colour2 = colours[1];
    settings.Colour3 = colours[2];
    settings.Colour4 = colours[3];
    settings.ShowPoss = showPoss;
    settings.ShortTab = shortTab;
    settings.ShowHints = showHints;
    settings.FormGames = formGames;
    return Status::Ok();
}

} // namespace vantorel

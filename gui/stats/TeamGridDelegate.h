#pragma once

#include <functional>

#include "platform/CanvasCellDelegate.h"
#include "stats/TeamStatsGrids.h"

namespace vantorel {

// Draws the cells of the team page's grids and of the player record's matches: the text in the grid's font
// at the top of the cell, aligned as the column says, black (or the colour given) on the window colour; the
// current row on the highlight colour so that it can be found from the keyboard.
class TeamGridDelegate : public CanvasCellDelegate {
public:
    using Alignment = std::function<CellAlignment(int column)>;
    using TextColour = std::function<Colour(int column, const std::string& text)>;

    TeamGridDelegate(Alignment alignment, TextColour colour, QObject* parent);
};

} // namespace vantorel

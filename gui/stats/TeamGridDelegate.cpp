#include "stats/TeamGridDelegate.h"

#include "platform/QtCanvas.h"

namespace vantorel {
namespace {

void DrawTeamGridCell(Canvas& canvas, const CanvasCell& cell, const TeamGridDelegate::Alignment& alignment,
                      const TeamGridDelegate::TextColour& colour) {
    const QPalette& palette = cell.option.palette;
    const bool current = cell.selected();
    canvas.setBrush(ToColour(palette.color(current ? QPalette::Highlight : QPalette::Base)));
    canvas.FillRect(cell.left, cell.top, cell.right, cell.bottom);
    CanvasFont font = canvas.font();
    font.colour = current  ? ToColour(palette.color(QPalette::HighlightedText))
                  : colour ? colour(cell.column, cell.text)
                           : kBlack;
    canvas.setFont(font);
    canvas.TextOut(
        AlignedTextX(alignment(cell.column), cell.left + 2, cell.right, canvas.TextWidth(cell.text)),
        cell.top + 1, cell.text);
}

} // namespace

TeamGridDelegate::TeamGridDelegate(Alignment alignment, TextColour colour, QObject* parent)
    : CanvasCellDelegate(
          [alignment = std::move(alignment), colour = std::move(colour)](
              Canvas& canvas, const CanvasCell& cell) { DrawTeamGridCell(canvas, cell, alignment, colour); },
          parent) {}

} // namespace vantorel

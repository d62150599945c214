#include "standings/TableCellDrawing.h"

#include "standings/TableCells.h"

namespace vantorel {

void DrawTableCell(Canvas& canvas, int left, int top, int right, int bottom, int row, int column,
                   const std::string& text, const DivisionHeader& header, const LeagueTable& table,
                   const Settings& settings, const HeadingColours& headings) {
    CanvasFont font = canvas.font();
    Colour background = headings.face;
    font.colour = headings.text;
    if (row > 0) {
        const RowColours colours = TableRowColours(header, table, row, settings);
        background = colours.background;
        font.colour = colours.text;
    }
    canvas.setFont(font);
    canvas.setBrush(background);
    canvas.FillRect(left, top, right, bottom);

    if (row == 0) {
        canvas.TextOut(left + (right - left - canvas.TextWidth(text)) / 2, top + 2, text);
    } else if (column == 0 && (text == "U" || text == "D")) {
        canvas.DrawBitmap(left + 1, top, text == "U" ? kUpArrowBitmap : kDownArrowBitmap, kWhite);
    } else if (column == 1) {
        canvas.TextOut(left + 2, top + 2, text);
    } else {
        canvas.TextOut(right - canvas.TextWidth(text) - 3, top + 2, text);
    }
}

} // namespace vantorel

#include "standings/TablePrintout.h"

#include "platform/CanvasText.h"
#include "standings/DateList.h"
#include "store/Names.h"

namespace vantorel {

TablePrintoutLayout::TablePrintoutLayout(int pageWidth, int pageHeight, int teamCount, int columnCount)
    : width((pageWidth / 10) * 8), left((pageWidth - width) / 2), rowHeight(((pageHeight / 10) * 8 / 54) * 2),
      textOffset(rowHeight / 4), height((teamCount + 1) * rowHeight), teamWidth(width / 3),
      columnWidth((width - teamWidth) / (columnCount - 1)) {}

TablePrintoutInput MakeTablePrintout(const Division& division, const LeagueTable& table,
                                     const TableFormat& format, const std::string& printDate) {
    TablePrintoutInput input;
    input.tableName = LeagueName(division);
    input.printDate = printDate;
    input.headings = TableHeadings(format);
    input.rows = TableRows(division, table, format);
    input.shortFormat = format.shortFormat;
    input.relegateCount = division.Header().RelegateCount;
    input.content = table.variant.content;
    input.games = table.variant.games;
    return input;
}

std::string VariantNote(TableContent content, GameSelection games) {
    if (content == TableContent::PlayedPredicted)
        return "Note: Table includes predicted results";
    if (content == TableContent::CurrentForm)
        return "Note: Table shows current form";
    if (games == GameSelection::HomeOnly)
        return "Note: Table includes home matches only";
    if (games == GameSelection::AwayOnly)
        return "Note: Table includes away matches only";
    return {};
}

std::string VariantDescription(const TableVariant& variant, const DateFormat& dateFormat) {
    std::string text = variant.content == TableContent::PlayedGames       ? "Played games"
                       : variant.content == TableContent::PlayedPredicted ? "Played and predicted games"
                                                                          : "Current form";
    text += variant.games == GameSelection::HomeOnly   ? ", home only"
            : variant.games == GameSelection::AwayOnly ? ", away only"
                                                       : "";
    if (!HasAsAtDate(variant.content))
        return text + ", last " + std::to_string(variant.formGames) + " games";
    return text + (variant.asAt != 0 ? ", up to " + dateFormat.Format(variant.asAt)
                                     : ", before the first match date");
}

namespace {

// The top of the table frame: below the title line and, in the full format, the "Home"/"Away" box. The
// title is measured in its own font, which the canvas keeps afterwards.
int TableTop(Canvas& canvas, const TablePrintoutLayout& m, const TablePrintoutInput& input) {
    CanvasFont titleFont = canvas.font();
    titleFont.name = "Ariel";
    titleFont.size = 20;
    canvas.setFont(titleFont);
    const int top = canvas.TextHeight("M") + PrinterUnits(canvas, 20) + 3 * m.rowHeight;
    return input.shortFormat ? top - m.rowHeight : top;
}

} // namespace

int TablePictureHeight(Canvas& canvas, const TablePrintoutInput& input) {
    const TablePrintoutLayout m(kTablePictureWidth, kTablePicturePageHeight,
                                static_cast<int>(input.rows.size()), static_cast<int>(input.headings.size()));
    const CanvasFont baseFont = canvas.font();
    const int top = TableTop(canvas, m, input);
    canvas.setFont(baseFont);
    return top + m.height + 2 * m.rowHeight;
}

void PrintTable(Canvas& canvas, int pageWidth, int pageHeight, const TablePrintoutInput& input) {
    const int teams = static_cast<int>(input.rows.size());
    const int columns = static_cast<int>(input.headings.size());
    const TablePrintoutLayout m(pageWidth, pageHeight, teams, columns);
    const int L = m.left, W = m.width, RowH = m.rowHeight, Q = m.textOffset, ColW = m.columnWidth,
              TeamW = m.teamWidth;

    const CanvasFont baseFont = canvas.font();
    const int T = TableTop(canvas, m, input);
    // Fixed measures are those of a 300 dpi printer, scaled to the printer's resolution; the text keeps an
    // inset from the column lines.
    const int margin = PrinterUnits(canvas, 20), inset = PrinterUnits(canvas, 10);
    const int thinPen = PrinterUnits(canvas, 1), thickPen = PrinterUnits(canvas, 5);
    // A long league name takes a smaller title font, down to 8 points, so that it never runs into the date.
    ShrinkFontToFit(canvas, W, input.tableName + "  " + input.printDate, 8);
    canvas.TextOut(L, margin, input.tableName);
    canvas.TextOut(L + W - canvas.TextWidth(input.printDate), margin, input.printDate);

    CanvasFont tableFont = baseFont;
    tableFont.size = 10;
    canvas.setFont(tableFont);
    canvas.setPen(kBlack, thinPen);
    canvas.FrameRect(L, T, L + W, T + m.height);
    for (int i = 1; i <= teams; ++i) {
        const bool relegationEdge = input.relegateCount > 0 && i == teams - input.relegateCount + 1;
        canvas.setPen(kBlack, relegationEdge ? thickPen : thinPen);
        canvas.Line(L, T + i * RowH, L + W, T + i * RowH);
    }
    canvas.setPen(kBlack, thinPen);
    canvas.Line(L + ColW, T, L + ColW, T + m.height);
    canvas.Line(L + ColW + TeamW, T, L + ColW + TeamW, T + m.height);
    for (int k = 1; k <= columns - 3; ++k)
        canvas.Line(L + TeamW + (k + 1) * ColW, T, L + TeamW + (k + 1) * ColW, T + m.height);

    if (!input.shortFormat) {
        const int X0 = L + TeamW + 2 * ColW;
        canvas.FrameRect(X0, T - RowH, X0 + 10 * ColW, T);
        canvas.Line(X0 + 5 * ColW, T - RowH, X0 + 5 * ColW, T);
        canvas.TextOut(X0 + (5 * ColW - canvas.TextWidth("Home")) / 2, T - 3 * Q, "Home");
        canvas.TextOut(X0 + 5 * ColW + (5 * ColW - canvas.TextWidth("Away")) / 2, T - 3 * Q, "Away");
    }

    for (int r = 0; r <= teams; ++r) {
        const std::vector<std::string>& cells =
            r == 0 ? input.headings : input.rows[static_cast<std::size_t>(r - 1)];
        const int y = T + r * RowH + Q;
        for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
            const std::string text =
                r >= 1 && c == 0 ? std::to_string(r) : cells[static_cast<std::size_t>(c)];
            if (c == 1) // a long name is cut at its column's edge rather than run into the next
                canvas.TextOut(L + ColW + inset, y, CutText(canvas, TeamW - 2 * inset, text));
            else if (c == 0)
                canvas.TextOut(L + ColW - canvas.TextWidth(text) - inset, y, text);
            else
                canvas.TextOut(L + TeamW + (c - 1) * ColW + ColW - canvas.TextWidth(text) - inset, y, text);
        }
    }

    const std::string note = VariantNote(input.content, input.games);
    if (!note.empty())
        canvas.TextOut(L, T + m.height + RowH, note);
    canvas.setFont(baseFont);
}

} // namespace vantorel

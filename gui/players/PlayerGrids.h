#pragma once

#include <array>
#include <string>

#include <QHeaderView>
#include <QTableWidget>

namespace vantorel {

// A read-only list grid with whole-row selection and resizable, clickable headings of the given widths.
template <std::size_t N>
QTableWidget* MakeListGrid(const std::array<const char*, N>& headings, const std::array<int, N>& widths,
                           QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(N), parent);
    QStringList labels;
    for (const char* heading : headings)
        labels << QString::fromUtf8(heading);
    grid->setHorizontalHeaderLabels(labels);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setStretchLastSection(false);
    for (int column = 0; column < static_cast<int>(N); ++column)
        grid->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    return grid;
}

// Writes one row of text cells, creating the cells the first time; the last column holds a number and is
// right-aligned.
template <std::size_t N>
void SetRowCells(QTableWidget* grid, int row, const std::array<std::string, N>& cells) {
    for (int column = 0; column < static_cast<int>(N); ++column) {
        QTableWidgetItem* item = grid->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            if (column == static_cast<int>(N) - 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(row, column, item);
        }
        item->setText(QString::fromStdString(cells[static_cast<std::size_t>(column)]));
    }
}

} // namespace vantorel

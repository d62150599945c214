#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QEvent>

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

// Keeps a grid's columns at the widths a rule gives for its width (the vertical scroll bar always shown, so
// that the columns do not jump when it comes): each section holds its grid line, the last one excepted, so
// that the columns fill the grid without a blank band and without a sideways scroll bar.
inline void KeepColumnWidths(QTableWidget* grid, std::function<std::vector<int>(int width)> widthsFor) {
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    auto apply = [grid, widthsFor] {
        const std::vector<int> widths = widthsFor(grid->viewport()->width());
        for (std::size_t c = 0; c < widths.size(); ++c)
            grid->horizontalHeader()->resizeSection(static_cast<int>(c),
                                                    widths[c] + (c + 1 < widths.size() ? 1 : 0));
    };
    struct ResizeWatch : QObject {
        std::function<void()> apply;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Resize)
                apply();
            return QObject::eventFilter(watched, event);
        }
    };
    auto* watch = new ResizeWatch;
    watch->setParent(grid);
    watch->apply = apply;
    grid->viewport()->installEventFilter(watch);
    apply();
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

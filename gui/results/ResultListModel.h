#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

#include "app/AppContext.h"
#include "results/ResultList.h"

namespace vantorel {

// The rows of the results grid (played results) or of the predictions grid (open fixtures), read from the
// league as they are painted, so that a full season's list fills at once.
class ResultListModel : public QAbstractTableModel {
public:
    enum class Kind { Played, Open };
    ResultListModel(AppContext& app, Kind kind, QObject* parent);

    // Builds the list from the league and sorts it by a key.
    void Fill(int key);
    // Drops cancelled rows and sorts again by a key.
    void Resort(int key);
    // The row's cells changed in the league.
    void RowChanged(int row);
    // Marks a row's result cancelled: it shows "  N/A" and refuses actions until the list is rebuilt.
    void MarkCancelled(int row);

    const ResultList& list() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    AppContext& app_;
    Kind kind_;
    ResultList list_;
    std::vector<int> cancelled_; // results of rows cancelled since the list was built, by row
    QPixmap tick_;
};

// The width a date column needs in a grid's font and the date format, with its cell margins.
int DateColumnWidth(const QWidget* grid, const DateFormat& format);

// A 16 by 16 tick on white, for the predicted fixtures.
QPixmap TickPicture();

} // namespace vantorel

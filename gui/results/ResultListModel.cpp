#include "results/ResultListModel.h"

#include <algorithm>
#include <array>

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace vantorel {
namespace {

constexpr std::array<const char*, 6> kResultHeadings = {"Date", "Attend", "Home Team", "Away Team", "F", "A"};
constexpr std::array<const char*, 6> kPredictHeadings = {"", "Date", "Home Team", "Away Team", "F", "A"};

} // namespace

int DateColumnWidth(const QWidget* grid, const DateFormat& format) {
    constexpr double kWideDate = 47115; // 28 December 2028: two-digit day and month
    return grid->fontMetrics().horizontalAdvance(QString::fromStdString(format.Format(kWideDate))) + 12;
}

QPixmap TickPicture() {
    QPixmap tick(16, 16);
    tick.fill(Qt::transparent);
    QPainter painter(&tick);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(3, 8.5);
    mark.lineTo(6.5, 12);
    mark.lineTo(13, 4);
    painter.drawPath(mark);
    return tick;
}

ResultListModel::ResultListModel(AppContext& app, Kind kind, QObject* parent)
    : QAbstractTableModel(parent), app_(app), kind_(kind), tick_(TickPicture()) {}

void ResultListModel::Fill(int key) {
    beginResetModel();
    list_ = kind_ == Kind::Played ? ResultList::Played(app_.division) : ResultList::Open(app_.division);
    list_.Sort(app_.division, key);
    cancelled_.assign(static_cast<std::size_t>(list_.count()), 0);
    endResetModel();
}

void ResultListModel::Resort(int key) {
    beginResetModel();
    list_.Compact();
    list_.Sort(app_.division, key);
    cancelled_.assign(static_cast<std::size_t>(list_.count()), 0);
    endResetModel();
}

void ResultListModel::RowChanged(int row) {
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ResultListModel::MarkCancelled(int row) {
    const int result = list_.At(row);
    if (result == 0)
        return;
    cancelled_[static_cast<std::size_t>(row)] = result;
    list_.MarkCancelled(row);
    RowChanged(row);
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    // The results grid with nothing played shows one empty row below its headings.
    if (parent.isValid())
        return 0;
    return kind_ == Kind::Played ? std::max(1, list_.count()) : list_.count();
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 6;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) // goals stand under their heading
        return column >= 4 && kind_ == Kind::Open ? int(Qt::AlignCenter)
                                                  : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (row < 0 || row >= list_.count())
        return {};
    const int cancelled = cancelled_[static_cast<std::size_t>(row)];
    const int result = cancelled != 0 ? cancelled : list_.At(row);
    if (result == 0)
        return {};
    if (kind_ == Kind::Open && column == 0) {
        if (role == Qt::DecorationRole && app_.division.Results[result].Predicted)
            return tick_;
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return app_.division.Results[result].Predicted ? QStringLiteral("Predicted")
                                                           : QStringLiteral("Not predicted");
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    const auto cells = kind_ == Kind::Played
                           ? ResultCells(app_.division, result, cancelled != 0, app_.dateFormat)
                           : PredictCells(app_.division, result, app_.dateFormat);
    return QString::fromStdString(cells[static_cast<std::size_t>(column)]);
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= 6)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(kind_ == Kind::Played ? kResultHeadings[static_cast<std::size_t>(section)]
                                                       : kPredictHeadings[static_cast<std::size_t>(section)]);
    if (role == Qt::DecorationRole && kind_ == Kind::Open && section == 0)
        return tick_;
    if (role == Qt::TextAlignmentRole) {
        // The results grid centres its first four headings, the predictions grid its last two (F and A).
        const bool centred = kind_ == Kind::Played ? section < 4 : section >= 4;
        return centred ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

} // namespace vantorel

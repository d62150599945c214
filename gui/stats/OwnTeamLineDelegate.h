#pragma once

#include <QStyledItemDelegate>

#include "app/AppContext.h"

namespace vantorel {

// Draws a line of a statistics list box with the own team's name in the own-team colour.
class OwnTeamLineDelegate : public QStyledItemDelegate {
public:
    OwnTeamLineDelegate(AppContext& app, QObject* parent) : QStyledItemDelegate(parent), app_(app) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // One line of text, measured through the text cache: a list of every scorer lays out without shaping
    // each line anew on each showing.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    AppContext& app_;
    mutable QFont heightFont_;
    mutable int lineHeight_ = 0; // the style's height of a line in heightFont_
};

} // namespace vantorel

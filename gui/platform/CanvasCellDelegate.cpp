#include "platform/CanvasCellDelegate.h"

#include <QPainter>

#include "platform/QtCanvas.h"

namespace vantorel {

CanvasCellDelegate::CanvasCellDelegate(DrawCell draw, QObject* parent)
    : QStyledItemDelegate(parent), draw_(std::move(draw)) {}

void CanvasCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    if (painter->font() != option.font) // the view's own font, nearly always
        painter->setFont(option.font);
    QtCanvas canvas(*painter);
    const QRect box = option.rect;
    draw_(canvas, {box.left(), box.top(), box.right() + 1, box.bottom() + 1, index.row(), index.column(),
                   index.data(Qt::DisplayRole).toString().toStdString(), option});
    painter->restore();
}

} // namespace vantorel

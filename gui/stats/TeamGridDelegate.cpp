#include "stats/TeamGridDelegate.h"

#include <QPainter>

#include "platform/QtCanvas.h"

namespace vantorel {

TeamGridDelegate::TeamGridDelegate(Alignment alignment, TextColour colour, QObject* parent)
    : QStyledItemDelegate(parent), alignment_(std::move(alignment)), colour_(std::move(colour)) {}

void TeamGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    painter->save();
    painter->setFont(option.font);
    QtCanvas canvas(*painter);
    canvas.UseScreenColours(option.palette.color(QPalette::Text), option.palette.color(QPalette::Base));
    const bool current = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    canvas.setBrush(ToColour(option.palette.color(current ? QPalette::Highlight : QPalette::Base)));
    canvas.FillRect(cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1);
    const std::string text = index.data(Qt::DisplayRole).toString().toStdString();
    CanvasFont font = canvas.font();
    font.colour = current   ? ToColour(option.palette.color(QPalette::HighlightedText))
                  : colour_ ? colour_(index.column(), text)
                            : kBlack;
    canvas.setFont(font);
    canvas.TextOut(
        AlignedTextX(alignment_(index.column()), cell.left() + 2, cell.right() + 1, canvas.TextWidth(text)),
        cell.top() + 1, text);
    painter->restore();
}

} // namespace vantorel

#pragma once

#include <functional>
#include <string>

#include <QStyledItemDelegate>

#include "platform/Canvas.h"

namespace vantorel {

// One cell of a grid as its drawing routine sees it: its box (right and bottom just past it), place, text,
// and the view's palette and state.
struct CanvasCell {
    int left, top, right, bottom;
    int row, column;
    std::string text;
    const QStyleOptionViewItem& option;

    bool selected() const { return option.state & QStyle::State_Selected; }
};

// Draws every cell of a grid, headings included, with a drawing routine on a canvas in the grid's font.
class CanvasCellDelegate : public QStyledItemDelegate {
public:
    using DrawCell = std::function<void(Canvas& canvas, const CanvasCell& cell)>;

    CanvasCellDelegate(DrawCell draw, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    DrawCell draw_;
};

} // namespace vantorel

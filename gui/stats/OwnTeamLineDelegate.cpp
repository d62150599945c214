#include "stats/OwnTeamLineDelegate.h"

#include <QPainter>

#include "platform/QtCanvas.h"
#include "platform/TextCache.h"
#include "stats/DivisionStats.h"
#include "store/Names.h"

namespace vantorel {

void OwnTeamLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->fillRect(option.rect,
                      option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setFont(option.font);
    QtCanvas canvas(*painter);
    CanvasFont font = canvas.font();
    font.colour =
        ToColour(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    canvas.setFont(font);

    const Division& division = app_.division;
    const int ownTeam = division.Header().OwnTeam;
    const std::string ownName =
        ownTeam > 0 && ownTeam <= division.Header().TeamCount ? TeamName(division, ownTeam) : std::string();
    const OwnTeamPieces pieces = SplitAtOwnTeam(index.data().toString().toStdString(), ownName);
    int x = option.rect.left() + 2;
    const int y = option.rect.top();
    canvas.TextOut(x, y, pieces.before);
    if (!pieces.name.empty()) {
        x += canvas.TextWidth(pieces.before);
        CanvasFont own = font;
        own.colour = app_.settings.Colour4;
        canvas.setFont(own);
        canvas.TextOut(x, y, pieces.name);
        x += canvas.TextWidth(pieces.name);
        canvas.setFont(font);
        canvas.TextOut(x, y, pieces.after);
    }
    painter->restore();
}

QSize OwnTeamLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (lineHeight_ == 0 || option.font != heightFont_) {
        heightFont_ = option.font;
        lineHeight_ = QStyledItemDelegate::sizeHint(option, index).height();
    }
    // The style's room either side of an item's text.
    constexpr int kTextRoom = 6;
    const QWidget* view = option.widget;
    const int width = TextCache::For(option.font, view).Width(index.data().toString(), view);
    return {width + kTextRoom, lineHeight_};
}

} // namespace vantorel

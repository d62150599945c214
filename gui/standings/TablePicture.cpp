#include "standings/TablePicture.h"

#include <QPainter>

#include "platform/QtCanvas.h"

namespace vantorel {

QImage TablePicture(const TablePrintoutInput& printout) {
    // The height is measured with the fonts of a picture of the same resolution.
    QImage probe(1, 1, QImage::Format_RGB32);
    int height = 0;
    {
        QPainter painter(&probe);
        QtCanvas canvas(painter);
        height = TablePictureHeight(canvas, printout);
    }
    QImage picture(kTablePictureWidth, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QtCanvas canvas(painter);
    PrintTable(canvas, kTablePictureWidth, kTablePicturePageHeight, printout);
    return picture;
}

} // namespace vantorel

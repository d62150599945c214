#include "platform/Printing.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/QtCanvas.h"
#include "platform/WindowModal.h"

namespace vantorel {
namespace {

bool PrintOn(QPrinter& printer, const QString& jobTitle, const PagesDrawer& draw) {
    printer.setDocName(jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    for (int number = 0;; ++number) {
        if (number > 0 && !printer.newPage())
            break;
        QtCanvas canvas(painter);
        if (!draw(canvas, page.width(), page.height(), number))
            break;
    }
    painter.end();
    QApplication::restoreOverrideCursor();
    return true;
}

PagesDrawer OnePage(const PageDrawer& draw) {
    return [draw](Canvas& canvas, int width, int height, int) {
        draw(canvas, width, height);
        return false;
    };
}

} // namespace

bool PrintWithDialog(QWidget* parent, const QString& jobTitle, const PageDrawer& draw) {
    return PrintPagesWithDialog(parent, jobTitle, OnePage(draw));
}

bool PrintToPdf(const QString& file, const QString& jobTitle, const PageDrawer& draw) {
    return PrintPagesToPdf(file, jobTitle, OnePage(draw));
}

bool PrintPagesWithDialog(QWidget* parent, const QString& jobTitle, const PagesDrawer& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, parent);
    if (ExecWindowModal(dialog) != QDialog::Accepted)
        return false;
    return PrintOn(printer, jobTitle, draw);
}

bool PrintPagesToPdf(const QString& file, const QString& jobTitle, const PagesDrawer& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(300);
    return PrintOn(printer, jobTitle, draw);
}

} // namespace vantorel

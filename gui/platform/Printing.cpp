#include "platform/Printing.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/QtCanvas.h"
#include "platform/WindowModal.h"

namespace vantorel {
namespace {

bool PrintOn(QPrinter& printer, const QString& jobTitle, const PageDrawer& draw) {
    printer.setDocName(jobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QtCanvas canvas(painter);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    draw(canvas, page.width(), page.height());
    painter.end();
    QApplication::restoreOverrideCursor();
    return true;
}

} // namespace

bool PrintWithDialog(QWidget* parent, const QString& jobTitle, const PageDrawer& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, parent);
    if (ExecWindowModal(dialog) != QDialog::Accepted)
        return false;
    return PrintOn(printer, jobTitle, draw);
}

bool PrintToPdf(const QString& file, const QString& jobTitle, const PageDrawer& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(300);
    return PrintOn(printer, jobTitle, draw);
}

} // namespace vantorel

#include "platform/Printing.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/KeptDialog.h"
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

// The printer the print dialogs choose, kept for the whole run so that the printer and the paper chosen
// for one printout are offered for the next. It lives as long as the application.
class SharedPrinter : public QObject {
public:
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
};

QPrinter& TheSharedPrinter() {
    static SharedPrinter* shared = new SharedPrinter(qApp);
    return shared->printer;
}

// The print dialog, kept with its native window between showings as the program's own dialogs are.
class KeptPrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void done(int result) override {
        const QPointer<KeptPrintDialog> alive(this);
        HideAsDone(*this, result);
        if (alive && result == Accepted)
            Q_EMIT accepted(printer());
    }
};

// Each window keeps its print dialog once it has shown one: building the dialog costs more than a frame.
QPrintDialog& PrintDialogOf(QWidget& parent) {
    QWidget* window = parent.window();
    if (auto* kept = window->findChild<QPrintDialog*>(QString(), Qt::FindDirectChildrenOnly))
        return *kept;
    return *new KeptPrintDialog(&TheSharedPrinter(), window);
}

} // namespace

bool PrintWithDialog(QWidget* parent, const QString& jobTitle, const PageDrawer& draw) {
    return PrintPagesWithDialog(parent, jobTitle, OnePage(draw));
}

bool PrintToPdf(const QString& file, const QString& jobTitle, const PageDrawer& draw) {
    return PrintPagesToPdf(file, jobTitle, OnePage(draw));
}

bool PrintPagesWithDialog(QWidget* parent, const QString& jobTitle, const PagesDrawer& draw) {
    QPrintDialog& dialog = PrintDialogOf(*parent);
    dialog.printer()->setCopyCount(1);
    if (ExecWindowModal(dialog) != QDialog::Accepted)
        return false;
    return PrintOn(*dialog.printer(), jobTitle, draw);
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

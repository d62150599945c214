#pragma once

#include <functional>

#include <QString>

#include "platform/Canvas.h"

class QWidget;

namespace vantorel {

// Draws one page on a canvas of a size in device units.
using PageDrawer = std::function<void(Canvas& canvas, int pageWidth, int pageHeight)>;

// Draws one page of a document (pages count from 0) and tells whether another page follows.
using PagesDrawer = std::function<bool(Canvas& canvas, int pageWidth, int pageHeight, int page)>;

// Asks for a printer with the print dialog (copies 1; with no printer installed it offers a PDF file) and
// prints one page there. False when the user cancels. The parent's window keeps the dialog for next time,
// and the printer chosen is offered again.
bool PrintWithDialog(QWidget* parent, const QString& jobTitle, const PageDrawer& draw);

// Prints one page to a PDF file (A4, 300 dots per inch). False when the file cannot be written.
bool PrintToPdf(const QString& file, const QString& jobTitle, const PageDrawer& draw);

// The same for a document of as many pages as the drawer asks for.
bool PrintPagesWithDialog(QWidget* parent, const QString& jobTitle, const PagesDrawer& draw);
bool PrintPagesToPdf(const QString& file, const QString& jobTitle, const PagesDrawer& draw);

} // namespace vantorel

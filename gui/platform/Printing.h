#pragma once

#include <functional>

#include <QString>

#include "platform/Canvas.h"

class QWidget;

namespace vantorel {

// Draws one page on a canvas of a size in device units.
using PageDrawer = std::function<void(Canvas& canvas, int pageWidth, int pageHeight)>;

// Asks for a printer with the print dialog (copies 1; with no printer installed it offers a PDF file) and
// prints one page there. False when the user cancels.
bool PrintWithDialog(QWidget* parent, const QString& jobTitle, const PageDrawer& draw);

// Prints one page to a PDF file (A4, 300 dots per inch). False when the file cannot be written.
bool PrintToPdf(const QString& file, const QString& jobTitle, const PageDrawer& draw);

} // namespace vantorel

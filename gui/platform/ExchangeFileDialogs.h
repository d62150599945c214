#pragma once

#include <QString>

class QWidget;

namespace vantorel {

// The file choosers of the exchange dialogs: a file of the filter's type to write (the suffix added to a
// name without one), asking before replacing one, and a file to read. Both start in a folder and return the
// empty text when cancelled.
QString ChooseExportFile(QWidget* parent, const QString& folder, const QString& filter, const QString& suffix);
QString ChooseImportFile(QWidget* parent, const QString& folder);

} // namespace vantorel

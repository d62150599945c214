#pragma once

#include <QString>

class QWidget;

namespace vantorel {

// The file choosers of the exchange dialogs: a CSV or text file to write, asking before replacing one,
// and a file to read. Both start in a folder and return the empty text when cancelled.
QString ChooseExportFile(QWidget* parent, const QString& folder);
QString ChooseImportFile(QWidget* parent, const QString& folder);

} // namespace vantorel

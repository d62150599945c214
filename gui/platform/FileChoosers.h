#pragma once

#include <QString>

class QWidget;

namespace vantorel {

// The dynamic properties by which the export dialog names the kind of file it is about to write: the
// chooser's filter ("Name (*.ext)", entries split by ";;") and the suffix added to a name without one.
inline constexpr const char* kExportFilterProperty = "exportFilter";
inline constexpr const char* kExportSuffixProperty = "exportSuffix";

// The file choosers of the exchange dialogs: a file to write, of the kind the parent names in its export
// properties (CSV or text when it names none), asking before replacing one; and a file to read. Both start
// in a folder and return the empty text when cancelled.
QString ChooseExportFile(QWidget* parent, const QString& folder);
QString ChooseImportFile(QWidget* parent, const QString& folder);
// The picture chooser of the graph and the outlook: a PNG file, offered under a suggested path,
// window-modal; empty when cancelled.
QString ChoosePictureFile(QWidget* parent, const QString& suggested);

} // namespace vantorel

#include "platform/ExchangeFileDialogs.h"

#include <QFileDialog>

namespace vantorel {

QString ChooseExportFile(QWidget* parent, const QString& folder, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, QStringLiteral("Export Table Data"), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString ChooseImportFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Import Table Data"), folder,
                       QStringLiteral("CSV files (*.CSV *.csv);;Text files (*.TXT *.txt);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("CSV"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace vantorel

#include "platform/FileChoosers.h"

#include <QFileDialog>
#include <QVariant>

#include "platform/WindowModal.h"

namespace vantorel {
namespace {

// The first file chosen in the dialog, run to the result given; empty when it was cancelled.
QString ChosenFile(const QFileDialog& dialog, int result) {
    return result == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

QString ChooseExportFile(QWidget* parent, const QString& folder) {
    QString filter = QStringLiteral("CSV (comma delimited) (*.csv);;TXT (text file) (*.txt)");
    QString suffix = QStringLiteral("csv");
    if (parent && parent->property(kExportFilterProperty).isValid()) {
        filter = parent->property(kExportFilterProperty).toString();
        suffix = parent->property(kExportSuffixProperty).toString();
    }
    QFileDialog dialog(parent, QStringLiteral("Export Table Data"), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return ChosenFile(dialog, dialog.exec());
}

QString ChooseImportFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Import Table Data"), folder,
                       QStringLiteral("CSV files (*.CSV *.csv);;Text files (*.TXT *.txt);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("CSV"));
    return ChosenFile(dialog, dialog.exec());
}

QString ChoosePictureFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), suggested,
                       QStringLiteral("PNG picture (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    return ChosenFile(dialog, ExecWindowModal(dialog));
}

} // namespace vantorel

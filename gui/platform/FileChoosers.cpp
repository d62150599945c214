#include "platform/FileChoosers.h"

#include <QFileDialog>
#include <QVariant>

#include "platform/WindowModal.h"

namespace vantorel {

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
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString ChooseImportFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Import Table Data"), folder,
                       QStringLiteral("CSV files (*.CSV *.csv);;Text files (*.TXT *.txt);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("CSV"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString ChoosePictureFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), suggested,
                       QStringLiteral("PNG picture (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (ExecWindowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace vantorel

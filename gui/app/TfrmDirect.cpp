#include "app/TfrmDirect.h"

#include <QFileDialog>

#include "platform/HelpWindow.h"
#include "platform/WindowModal.h"

namespace vantorel {

QString ChooseLeagueFolder(QWidget* parent, const QString& start, HelpViewer& help) {
    QFileDialog dialog(parent, QStringLiteral("Set League Files Location"), start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    InstallHelpKey(&dialog, help, [] { return HelpContext::FolderDialog; });
    if (ExecWindowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace vantorel

#include "platform/KeptDialog.h"

#include <QPointer>

namespace vantorel {

void KeptDialog::done(int result) {
    if (testAttribute(Qt::WA_DeleteOnClose))
        return QDialog::done(result);
    HideAsDone(*this, result);
}

void HideAsDone(QDialog& dialog, int result) {
    dialog.setResult(result);
    dialog.hide(); // ends exec(), as closing would
    // A slot may delete the dialog; nothing is sent after that.
    const QPointer<QDialog> alive(&dialog);
    if (result == QDialog::Accepted)
        Q_EMIT dialog.accepted();
    else if (result == QDialog::Rejected)
        Q_EMIT dialog.rejected();
    if (alive)
        Q_EMIT dialog.finished(result);
}

} // namespace vantorel

#include "platform/KeptDialog.h"

#include <QPointer>

namespace vantorel {

void KeptDialog::done(int result) {
    if (testAttribute(Qt::WA_DeleteOnClose))
        return QDialog::done(result);
    setResult(result);
    hide(); // ends exec(), as closing would
    // A slot may delete the dialog; nothing is sent after that.
    const QPointer<KeptDialog> alive(this);
    if (result == Accepted)
        Q_EMIT accepted();
    else if (result == Rejected)
        Q_EMIT rejected();
    if (alive)
        Q_EMIT finished(result);
}

} // namespace vantorel

#include "platform/KeptDialog.h"

namespace vantorel {

void KeptDialog::done(int result) {
    if (testAttribute(Qt::WA_DeleteOnClose))
        return QDialog::done(result);
    setResult(result);
    hide(); // ends exec(), as closing would
    if (result == Accepted)
        Q_EMIT accepted();
    else if (result == Rejected)
        Q_EMIT rejected();
    Q_EMIT finished(result);
}

} // namespace vantorel

#include "platform/WindowModal.h"

#include <QDialog>

namespace vantorel {

int ExecWindowModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

} // namespace vantorel

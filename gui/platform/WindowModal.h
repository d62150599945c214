#pragma once

class QDialog;

namespace vantorel {

// Runs a dialog until it closes, blocking only the window it belongs to, so that the help window stays
// usable beside it. Returns the dialog's result.
int ExecWindowModal(QDialog& dialog);

} // namespace vantorel

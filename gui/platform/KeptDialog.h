#pragma once

#include <QDialog>

namespace vantorel {

// A dialog built once and shown again and again. Qt closes a dialog when it is done, and closing destroys
// its native window, so every showing would create a new one for the window manager to take in and frame;
// this dialog only hides when it is done and keeps its window. One that deletes itself on close still does.
// The window modality that open() sets stays set: these dialogs are always shown with open().
class KeptDialog : public QDialog {
public:
    using QDialog::QDialog;

    void done(int result) override;
};

// Ends a dialog as done() would, with its result and its signals, but hides it rather than closing it, so
// that it keeps its native window. For dialogs that cannot derive from KeptDialog (Qt's own).
void HideAsDone(QDialog& dialog, int result);

} // namespace vantorel

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

} // namespace vantorel

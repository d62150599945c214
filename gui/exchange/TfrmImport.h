#pragma once

#include <memory>

#include <QDialog>

#include "app/AppContext.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vantorel {

class ImportRun;

// The dialog "Import Table Data": reads a comma-separated file into the league, a few hundred lines at a
// time on the event loop, so the window keeps painting its counters and progress bar while a long file
// runs. The dialog stays open for another file.
class TfrmImport : public QDialog {
public:
    TfrmImport(AppContext& app, QWidget* parent);
    ~TfrmImport() override;

    // Clears the counters of the last import: built once, the dialog is reused.
    void Prepare();

    void btnBrowseClick();
    void btnImportClick();
    // Whether an import is running.
    bool running() const;
    // Closing stops a running import; the lines read so far stay imported.
    void done(int result) override;

    QButtonGroup* RadioGroup1;
    QLineEdit* edFile;
    QPushButton* btnBrowse;
    QPushButton* btnImport;
    QPushButton* BitBtn2;
    QLineEdit* edRead;
    QLineEdit* edImported;
    QLineEdit* edErrors;
    QLabel* lbStatus;
    QProgressBar* pbStatus;

private:
    void ProcessChunk();
    void ShowCounters();
    void SetRunning(bool running);

    AppContext& app_;
    std::unique_ptr<ImportRun> run_;
    QTimer* chunkTimer_;
};

} // namespace vantorel

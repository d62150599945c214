#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "exchange/ImportSource.h"
#include "exchange/TeamNames.h"
#include "platform/KeptDialog.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vantorel {

class ImportRun;

class TfrmTeamNames;

// The dialog "Import Table Data": reads a comma-separated file into the league, a few hundred lines at a
// time on the event loop, so the window keeps painting its counters and progress bar while a long file
// runs. The dialog stays open for another file. A results file whose team names are not all the league's
// opens "Team Names" to map them; the mapping is kept in the settings for the league's file name.
class TfrmImport : public KeptDialog {
    Q_OBJECT

public:
    TfrmImport(AppContext& app, QWidget* parent);
    ~TfrmImport() override;

    // Clears the counters of the last import: built once, the dialog is reused.
    void Prepare(std::string leagueFileName = {});

    void btnBrowseClick();
    void btnImportClick();
    // Whether an import is running.
    bool running() const;
    // Closing stops a running import; the lines read so far stay imported.
    void done(int result) override;

    QButtonGroup* RadioGroup1;
    QLineEdit* edFile;
    QComboBox* cbDates; // "As the file writes them", or a format the user gives
    QPushButton* btnBrowse;
    QPushButton* btnImport;
    QPushButton* BitBtn2;
    QLineEdit* edRead;
    QLineEdit* edImported;
    QLineEdit* edErrors;
    QLabel* lbStatus;
    QProgressBar* pbStatus;

    // The team-name dialog while it is open.
    TfrmTeamNames* teamNames() const { return teamNames_; }

private:
    void ProcessChunk();
    void RunFinished();
    void MapTeamNames();
    void ShowCounters();
    void SetRunning(bool running);

    AppContext& app_;
    std::string leagueFileName_;
    TeamAliases mapped_; // names mapped in this dialog, beside those kept in the settings
    std::ifstream file_;
    std::unique_ptr<StreamLineSource> source_;
    std::unique_ptr<ImportRun> run_;
    TfrmTeamNames* teamNames_ = nullptr;
    QTimer* chunkTimer_;
};

} // namespace vantorel

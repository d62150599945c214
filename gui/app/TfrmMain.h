#pragma once

#include <vector>

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "app/AppContext.h"
#include "app/StartupArguments.h"
#include "store/LeagueFolder.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vantorel {

class TfrmProcess;

// The main window: the leagues of the league folder, and the buttons to create, open and configure.
class TfrmMain : public QWidget {
public:
    explicit TfrmMain(AppContext& app);
    ~TfrmMain() override;

    // Closes the splash window 500 ms after the main window was made.
    void setSplash(QWidget* splash);

    // Shows the main window, and opens the league the command line named over it.
    void Start(const StartupArguments& startup);
    // Opens a league file's workspace, hiding the main window; false (with the error shown) when it cannot
    // be loaded.
    bool OpenLeagueFile(const std::string& path);

    void UpdateFileTable();
    void btnOpenClick();
    void btnNewClick();
    void btnSetupClick();
    void btnDirectClick();
    void btnAboutClick();
    void btnHelpClick();

    const std::vector<LeagueFileEntry>& leagues() const { return leagues_; }
    TfrmProcess* workspace() const { return workspace_; }

    QListWidget* DivList;
    QPushButton* btnNew;
    QPushButton* btnOpen;
    QPushButton* btnExit;
    QPushButton* btnAbout;
    QPushButton* btnSetup;
    QPushButton* btnDirect;
    QPushButton* btnHelp;
    QLabel* lbDirect;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer1Timer();
    void ShowFolder();
    void WorkspaceClosed();

    AppContext& app_;
    std::vector<LeagueFileEntry> leagues_;
    QTimer* timer_;
    QPointer<QWidget> splash_;
    TfrmProcess* workspace_ = nullptr;
};

} // namespace vantorel

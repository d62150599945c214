#pragma once

#include <vector>

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "app/AppContext.h"
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
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer1Timer();
    void WorkspaceClosed();

    AppContext& app_;
    std::vector<LeagueFileEntry> leagues_;
    QTimer* timer_;
    QPointer<QWidget> splash_;
    TfrmProcess* workspace_ = nullptr;
};

} // namespace vantorel

#pragma once

#include <QDialog>

#include "app/AppContext.h"
#include "app/NewLeagueWizard.h"
#include "exchange/ImportSource.h"

#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace vantorel {

class MatchDaysBox;

// The new-league wizard: an introduction and four steps over the core wizard, ending in a league file
// written where the user chooses. It does not open the league.
class TfrmNew : public QDialog {
public:
    TfrmNew(AppContext& app, QWidget* parent);

    void btnNextClick();
    void btnBackClick();
    void btnAddClick();
    void btnEditClick();
    void btnFinishClick();
    // "From a results file...": the teams, meetings and results of a file the user chooses.
    void btnFromResultsClick();

    const NewLeagueWizard& wizard() const { return wizard_; }
    // The file the wizard wrote, empty until it has written one.
    const QString& writtenFile() const { return writtenFile_; }

    QStackedWidget* Notebook1;
    QPushButton* btnFromResults;
    QLineEdit* TableName;
    QSpinBox* edtTeams;
    QRadioButton* rbtTwo;
    QRadioButton* rbtThree;
    QButtonGroup* rgPlayTimes;
    QLineEdit* Edit1;
    QPushButton* btnAdd;
    QPushButton* btnEdit;
    QListWidget* TeamList;
    QLabel* panRemain;
    QListWidget* ChooseList;
    QSpinBox* spnUp;
    QSpinBox* spnDown;
    QSpinBox* seTeamSize;
    QSpinBox* seNumSubs;
    MatchDaysBox* gbMatchDays; // checked: the fixtures are laid on match days
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnFinish;
    QPushButton* btnCancel;

private:
    QWidget* MakeIntroduction();
    QWidget* MakeStep1();
    QWidget* MakeStep2();
    QWidget* MakeStep3();
    QWidget* MakeStep4();
    void TakeAnswers();
    void ShowPage();
    void UpdateTeamList();

    // Reads the results file chosen, from its first line.
    Status ReadResultsFile(const std::function<Status(LineSource&)>& read);

    AppContext& app_;
    NewLeagueWizard wizard_;
    QString resultsFile_;
    QString writtenFile_;
};

} // namespace vantorel

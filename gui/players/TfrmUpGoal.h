#pragma once

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vantorel {

class TfrmAddPlayer;

// The goal dialog: the scorer, minute, own-goal and penalty marks of one goal record. The scorer list's
// first, empty entry means no scorer.
class TfrmUpGoal : public KeptDialog {
    Q_OBJECT

public:
    TfrmUpGoal(AppContext& app, QWidget* parent);

    // Prepares the dialog for goal GoalToEdit; goalNumber is its place in a result just entered, or 0 when an
    // existing goal is edited. The caller then shows it.
    void FormShow(int goalToEdit, int goalNumber);
    void FillScorer();
    void cbOwnGoalClick();
    void btnAddPlayerClick();
    void BitBtn1Click();

    QLabel* lbMatch;
    QLabel* lbGoal;
    QComboBox* cbScorer;
    QCheckBox* cbOwnGoal;
    QCheckBox* cbPenalty;
    QSpinBox* edGoalTime;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* btnAddPlayer;
    TfrmAddPlayer* frmAddPlayer;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Refills the scorer list with the players of the list's team and `keep`, and selects `selected`.
    void FillScorer(int keep, const QString& selected);

    AppContext& app_;
    int goal_ = 0;
};

} // namespace vantorel

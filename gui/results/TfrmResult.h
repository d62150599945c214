#pragma once

#include <vector>

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vantorel {

// The result details dialog: one played result as a small match report (date, teams and score, half-time
// score, attendance, each side's scorers), with a button to the squads of the match.
class TfrmResult : public KeptDialog {
    Q_OBJECT

public:
    // The report of result ShownResult (a played result's index), filled at once; the caller shows it.
    TfrmResult(AppContext& app, int ShownResult, QWidget* parent);

    // Refills the report from the league (after the squads or scorers changed).
    void FormShow();
    // Shows another result: built once, the dialog is reused.
    void ShowResult(int ShownResult);
    void btnSquadsClick();

    QFrame* Panel1;
    QLabel* lbHome;
    QLabel* lbResult;
    QLabel* lbAway;
    QLabel* lbHalfTime;
    QLabel* lbAttend;
    QPushButton* BitBtn1;
    QPushButton* btnSquads;
    // The scorer lines of the report shown, home side first.
    std::vector<QLabel*> scorerLines;

private:
    AppContext& app_;
    int shownResult_;
};

} // namespace vantorel

#include "results/EnterResultsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "app/StepNames.h"
#include "players/GoalRecords.h"
#include "results/ResultEntry.h"
#include "results/SeasonDates.h"
#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

QLabel* Caption(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

// Fills a list with teams, in the order given, each carrying its index; nothing selected.
void FillTeams(QComboBox* list, const Division& division, const std::vector<int>& teams) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (int team : teams)
        list->addItem(QString::fromStdString(TeamName(division, team)), team);
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(std::max(1, static_cast<int>(teams.size())));
}

} // namespace

void AskGoalDetails(AppContext& app, QWidget* parent, const std::vector<int>& newGoals) {
    if (!app.division.Header().TrackGoals || !app.askGoalDetails || newGoals.empty())
        return;
    for (const NumberedGoal& numbered : NumberGoalsBySide(app.division, newGoals))
        app.askGoalDetails(parent, numbered.goal, numbered.number);
}

EnterResultsPage::EnterResultsPage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    HomeList = new QComboBox(this);
    AwayList = new QComboBox(this);
    for (QComboBox* list : {HomeList, AwayList}) {
        list->setMinimumWidth(180);
        list->setPlaceholderText(QStringLiteral(" "));
    }
    HomeList->setToolTip(QStringLiteral("Home team"));
    HomeList->setAccessibleName(QStringLiteral("Home team"));
    AwayList->setToolTip(QStringLiteral("Away team"));
    Score1 = new QSpinBox(this);
    Score1->setRange(0, kMostEnteredHomeGoals);
    Score2 = new QSpinBox(this);
    Score2->setRange(0, kMostEnteredAwayGoals);
    Score1->setToolTip(QStringLiteral("Home team goals"));
    Score2->setToolTip(QStringLiteral("Away team goals"));
    edAttend = new QLineEdit(QStringLiteral("0"), this);
    edAttend->setMaximumWidth(100);
    Date1 = new QLabel(this);
    btnCal = new QToolButton(this);
    btnCal->setText(QStringLiteral("..."));
    btnCal->setToolTip(QStringLiteral("Set date of results to be entered"));
    panResults = new QLabel(this);
    panResults->setFrameShape(QFrame::Panel);
    panResults->setFrameShadow(QFrame::Sunken);
    panResults->setMinimumHeight(panResults->fontMetrics().height() + 10);
    cbTrackGoals = new QCheckBox(QStringLiteral("Track Goals"), this);
    btnUpdate = new QPushButton(QStringLiteral("Update"), this);
    btnUpdate->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setAutoDefault(false);

    auto* dateRow = new QHBoxLayout;
    QLabel* dateCaption = Caption("Date matches were played:", this);
    dateCaption->setBuddy(btnCal);
    dateRow->addWidget(dateCaption);
    dateRow->addWidget(Date1);
    dateRow->addWidget(btnCal);
    dateRow->addStretch();
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* grid = new QGridLayout;
    QLabel* gameCaption = Caption("Game:", this);
    gameCaption->setBuddy(HomeList);
    grid->addWidget(gameCaption, 0, 0);
    grid->addWidget(HomeList, 0, 1);
    grid->addWidget(Caption("vs", this), 0, 2, Qt::AlignCenter);
    grid->addWidget(AwayList, 0, 3);
    QLabel* scoreCaption = Caption("Score:", this);
    scoreCaption->setBuddy(Score1);
    grid->addWidget(scoreCaption, 1, 0);
    auto* scores = new QHBoxLayout;
    scores->addWidget(Score1);
    scores->addWidget(Caption("-", this));
    scores->addWidget(Score2);
    scores->addStretch();
    grid->addLayout(scores, 1, 1);
    QLabel* attendanceCaption = Caption("Attendance:", this);
    attendanceCaption->setBuddy(edAttend);
    grid->addWidget(attendanceCaption, 2, 0);
    grid->addWidget(edAttend, 2, 1);
    grid->setColumnStretch(4, 1);

    auto* actions = new QHBoxLayout;
    actions->addWidget(cbTrackGoals);
    actions->addStretch();
    actions->addWidget(btnUpdate);
    actions->addWidget(btnCancel);

    auto* left = new QVBoxLayout;
    left->addLayout(dateRow);
    left->addWidget(separator);
    left->addLayout(grid);
    left->addLayout(actions);
    left->addWidget(panResults);
    left->addStretch();
    auto* panel = new QVBoxLayout;
    btnExit4 = StackPageButtons(*panel, *this, WorkspacePage::EnterResults);
    btnExit4->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(panel);

    connect(HomeList, &QComboBox::currentIndexChanged, this, &EnterResultsPage::HomeListChange);
    connect(AwayList, &QComboBox::currentIndexChanged, this, &EnterResultsPage::AwayListChange);
    connect(btnUpdate, &QPushButton::clicked, this, &EnterResultsPage::btnUpdateClick);
    connect(btnCancel, &QPushButton::clicked, this, &EnterResultsPage::btnCancelClick);
    connect(btnCal, &QToolButton::clicked, this, &EnterResultsPage::btnCalClick);
    connect(cbTrackGoals, &QCheckBox::clicked, this, &EnterResultsPage::cbTrackGoalsClick);
}

void EnterResultsPage::SetupResultsPage() {
    session_.Start(app_.today());
    FillHomeList();
    panResults->setText(QString::fromUtf8(EntrySession::StartStatus(app_.division)));
    Date1->setText(QString::fromStdString(app_.dateFormat.Format(session_.EntryDate)));
    ResetEntry();
    ShowTrackGoals();
}

void EnterResultsPage::ShowTrackGoals() {
    cbTrackGoals->setChecked(app_.division.Header().TrackGoals);
    // Without the goal dialog nobody could be asked for a scorer: the box says so instead of pretending.
    cbTrackGoals->setEnabled(static_cast<bool>(app_.askGoalDetails));
    cbTrackGoals->setToolTip(app_.askGoalDetails
                                 ? QStringLiteral("Ask for the scorer of each goal when a result is entered")
                                 : QStringLiteral("Goal details cannot be asked for yet: goals are recorded "
                                                  "without scorers"));
}

void EnterResultsPage::FillHomeList() {
    FillTeams(HomeList, app_.division, app_.TeamsInListOrder(session_.HomeTeams(app_.division)));
}

void EnterResultsPage::ResetEntry() {
    Score1->setValue(0);
    Score2->setValue(0);
    edAttend->setText(QStringLiteral("0"));
    FillTeams(AwayList, app_.division, {});
    {
        const QSignalBlocker blocker(HomeList);
        HomeList->setCurrentIndex(-1);
    }
    HomeList->setFocus();
    btnUpdate->setEnabled(false);
    btnCancel->setEnabled(false);
    workspace_.ResultPending = false;
}

int EnterResultsPage::SelectedTeam(const QComboBox* list) const {
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

void EnterResultsPage::HomeListChange() {
    const int home = SelectedTeam(HomeList);
    if (home == 0)
        return;
    const std::vector<int> opponents = session_.OpenOpponents(app_.division, home);
    FillTeams(AwayList, app_.division, app_.TeamsInListOrder(opponents));
    if (opponents.empty())
        return;
    btnUpdate->setEnabled(true);
    btnCancel->setEnabled(true);
    workspace_.ResultPending = true;
}

void EnterResultsPage::AwayListChange() {
    const int home = SelectedTeam(HomeList);
    const int away = SelectedTeam(AwayList);
    if (home == 0 || away == 0)
        return;
    if (session_.OfferFixtureDate(app_.division, home, away))
        Date1->setText(QString::fromStdString(app_.dateFormat.Format(session_.EntryDate)));
    if (const auto hint = EntrySession::PredictionHint(app_.division, home, away))
        panResults->setText(QString::fromStdString(*hint));
}

void EnterResultsPage::btnUpdateClick() {
    const int home = SelectedTeam(HomeList);
    const int away = SelectedTeam(AwayList);
    if (home == 0 || away == 0) {
        app_.prompts.Warn(kSelectBothTeams);
        return;
    }
    const auto attendance = ParseAttendance(edAttend->text().toStdString());
    if (!attendance) {
        app_.prompts.Warn(kInputInvalid);
        Score1->setFocus();
        return;
    }
    if (!MayStoreOnDate(app_.division, session_.EntryDate, app_.dateFormat, app_.prompts))
        return;
    std::string recorded;
    std::vector<int> newGoals;
    const CompoundEdit step(app_.edits);
    if (auto status = session_.Enter(app_.division, home, away, Score1->value(), Score2->value(), *attendance,
                                     &recorded, &newGoals);
        !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    app_.RecordEdit(ResultStep(app_.division, home, away, Score1->value(), Score2->value()));
    AskGoalDetails(app_, this, newGoals);
    FillHomeList();
    ResetEntry();
    panResults->setText(QString::fromStdString(recorded));
}

void EnterResultsPage::btnCancelClick() {
    ResetEntry();
    panResults->setText(QString::fromUtf8(kResultInputCanceled));
}

void EnterResultsPage::btnCalClick() {
    const double picked =
        app_.pickDate(this, session_.EntryDate, btnCal->mapToGlobal(btnCal->rect().bottomRight()));
    if (picked == 0)
        return;
    session_.ChangeDate(picked);
    Date1->setText(QString::fromStdString(app_.dateFormat.Format(picked)));
    FillHomeList();
    HomeList->setFocus();
}

void EnterResultsPage::cbTrackGoalsClick() {
    SetTrackGoals(app_.division, cbTrackGoals->isChecked());
    app_.RecordEdit(kGoalTrackingStep);
}

void EnterResultsPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && btnCancel->isEnabled()) {
        btnCancelClick();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && btnUpdate->isEnabled()) {
        btnUpdateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantorel

#include "app/TfrmNew.h"

#include <fstream>
#include <memory>

#include <QButtonGroup>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "exchange/CsvImport.h"
#include "platform/HelpWindow.h"
#include "results/MatchDaysBox.h"
#include "store/LeagueFile.h"

namespace vantorel {
namespace {

QLabel* Heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* Text(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

// A spin box the user steps with its arrows but cannot type into.
QSpinBox* SteppedSpin(int low, int high, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    if (auto* text = spin->findChild<QLineEdit*>())
        text->setReadOnly(true);
    return spin;
}

} // namespace

TfrmNew::TfrmNew(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Create new League Division Table"));
    Notebook1 = new QStackedWidget(this);
    for (QWidget* page : {MakeIntroduction(), MakeStep1(), MakeStep2(), MakeStep3(), MakeStep4()})
        Notebook1->addWidget(page);

    btnBack = new QPushButton(QStringLiteral("< &Back"), this);
    btnBack->setToolTip(QStringLiteral("Go back to the previous step"));
    btnNext = new QPushButton(QStringLiteral("&Next >"), this);
    btnNext->setToolTip(QStringLiteral("Go on to the next step"));
    btnFinish = new QPushButton(QStringLiteral("&Finish"), this);
    btnFinish->setToolTip(QStringLiteral("Save your table details."));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setToolTip(QStringLiteral("Cancel Creation Process"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {btnBack, btnNext, btnFinish, btnCancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Notebook1, 1);
    layout->addLayout(buttons);

    connect(btnNext, &QPushButton::clicked, this, &TfrmNew::btnNextClick);
    connect(btnBack, &QPushButton::clicked, this, &TfrmNew::btnBackClick);
    connect(btnFinish, &QPushButton::clicked, this, &TfrmNew::btnFinishClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmNew::btnAddClick);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        if (btnAdd->isEnabled())
            btnAddClick();
    });
    connect(btnEdit, &QPushButton::clicked, this, &TfrmNew::btnEditClick);
    connect(btnFromResults, &QPushButton::clicked, this, &TfrmNew::btnFromResultsClick);
    connect(TeamList, &QListWidget::itemDoubleClicked, this, &TfrmNew::btnEditClick);
    InstallHelpKey(this, app.help, [] { return HelpContext::NewLeague; });
    resize(560, 400);
    ShowPage();
}

QWidget* TfrmNew::MakeIntroduction() {
    auto* page = new QWidget;
    auto* picture = new QLabel(page);
    picture->setPixmap(BallPicture(120, 2));
    auto* words = new QVBoxLayout;
    words->addWidget(Heading("Procedure:", page));
    words->addWidget(Text("To start the league table creation process, click the Next button.", page));
    words->addWidget(Text("To cancel the entire process, click the Cancel button.", page));
    words->addWidget(Text("To make the league of a season whose results are in a file, with every result "
                          "entered, click From a results file.",
                          page));
    btnFromResults = new QPushButton(QStringLiteral("From a &results file..."), page);
    btnFromResults->setAutoDefault(false);
    words->addWidget(btnFromResults, 0, Qt::AlignLeft);
    words->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(words, 1);
    return page;
}

QWidget* TfrmNew::MakeStep1() {
    auto* page = new QWidget;
    TableName = new QLineEdit(page);
    TableName->setMaxLength(30);
    edtTeams = SteppedSpin(kMinTeams, kMaxTeams, page);
    edtTeams->setMaximumWidth(80);
    rbtTwo = new QRadioButton(QStringLiteral("Two"), page);
    rbtThree = new QRadioButton(QStringLiteral("Three"), page);
    auto* points = new QHBoxLayout;
    points->addWidget(rbtTwo);
    points->addWidget(rbtThree);
    points->addStretch();
    auto* meetings = new QGroupBox(QStringLiteral("Teams Play each other"), page);
    auto* meetingsLayout = new QHBoxLayout(meetings);
    rgPlayTimes = new QButtonGroup(page);
    const std::pair<const char*, int> choices[] = {{"Once", 1}, {"Twice", 2}, {"Four", 4}};
    for (const auto& [caption, times] : choices) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), meetings);
        rgPlayTimes->addButton(button, times);
        meetingsLayout->addWidget(button);
    }
    meetingsLayout->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), TableName);
    form->addRow(QStringLiteral("No. of Teams:"), edtTeams);
    form->addRow(QStringLiteral("Points for a Win:"), points);
    form->addRow(meetings);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading("Step 1:", page));
    for (const char* line :
         {"Enter the table name.", "Enter the number of teams (4 to 24).",
          "Indicate how many points are awarded for a win.", "Specify how many times teams play each other"})
        layout->addWidget(Text(line, page));
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* TfrmNew::MakeStep2() {
    auto* page = new QWidget;
    Edit1 = new QLineEdit(page);
    Edit1->setMaxLength(30);
    btnAdd = new QPushButton(QStringLiteral("&Add"), page);
    btnEdit = new QPushButton(QStringLiteral("&Edit"), page);
    TeamList = new QListWidget(page);
    panRemain = new QLabel(page);
    panRemain->setFrameShape(QFrame::Panel);
    panRemain->setFrameShadow(QFrame::Sunken);
    auto* entry = new QHBoxLayout;
    entry->addWidget(Edit1, 1);
    entry->addWidget(btnAdd);
    entry->addWidget(btnEdit);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading("Step 2: Enter the team Names", page));
    layout->addWidget(Text("To add a team, type the name in the top box and click the Add button.", page));
    layout->addWidget(Text("To change a name, select it in the list box and click the Edit button", page));
    layout->addLayout(entry);
    layout->addWidget(TeamList, 1);
    layout->addWidget(panRemain);
    return page;
}

QWidget* TfrmNew::MakeStep3() {
    auto* page = new QWidget;
    ChooseList = new QListWidget(page);
    spnUp = SteppedSpin(0, 4, page);
    spnDown = SteppedSpin(0, 4, page);
    auto* zones = new QGroupBox(QStringLiteral("Promotion/Relegation"), page);
    auto* zoneForm = new QFormLayout(zones);
    zoneForm->addRow(QStringLiteral("Up:"), spnUp);
    zoneForm->addRow(QStringLiteral("Down:"), spnDown);
    auto* pick = new QVBoxLayout;
    pick->addWidget(new QLabel(QStringLiteral("Pick your team"), page));
    pick->addWidget(ChooseList, 1);
    auto* choices = new QHBoxLayout;
    choices->addLayout(pick, 1);
    choices->addWidget(zones, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading("Step 3:", page));
    layout->addWidget(Text("Pick your team", page));
    layout->addWidget(Text("Indicate how many teams go up or down.", page));
    layout->addLayout(choices, 1);
    return page;
}

QWidget* TfrmNew::MakeStep4() {
    auto* page = new QWidget;
    seTeamSize = new QSpinBox(page);
    seTeamSize->setRange(5, 11);
    seNumSubs = new QSpinBox(page);
    seNumSubs->setRange(0, 5);
    auto* squad = new QGroupBox(QStringLiteral("Squad Size"), page);
    auto* form = new QFormLayout(squad);
    form->addRow(QStringLiteral("Players in a team: ( 5 to 11)"), seTeamSize);
    form->addRow(QStringLiteral("Number of Substitutes: (0 to 5)"), seNumSubs);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading("Step 4:", page));
    layout->addWidget(Text("Specify the size of the squads in this table.", page));
    layout->addWidget(
        Text("The Squad in Vantorel is the number of players in the starting lineup (5 - 11) plus "
             "the number of substitutes (0 - 5).",
             page));
    layout->addWidget(squad);
    gbMatchDays = new MatchDaysBox(app_, QStringLiteral("Lay the fixtures on match days"), page);
    gbMatchDays->setCheckable(true);
    gbMatchDays->setChecked(false);
    layout->addWidget(gbMatchDays);
    layout->addStretch();
    return page;
}

// Copies what the controls of the shown page hold into the wizard's answers.
void TfrmNew::TakeAnswers() {
    wizard_.tableName = TableName->text().toStdString();
    wizard_.teamCount = edtTeams->value();
    wizard_.winPoints = rbtTwo->isChecked() ? 2 : 3;
    wizard_.playTimes = rgPlayTimes->checkedId();
    wizard_.ownTeam = std::max(ChooseList->currentRow(), 0);
    wizard_.promoteCount = spnUp->value();
    wizard_.relegateCount = spnDown->value();
    wizard_.teamSize = seTeamSize->value();
    wizard_.subsCount = seNumSubs->value();
}

// Shows the wizard's page with its answers and the buttons' states.
void TfrmNew::ShowPage() {
    const NewLeagueWizard::Page page = wizard_.page();
    if (page == NewLeagueWizard::Introduction) {
        TableName->setText(QString::fromStdString(wizard_.tableName));
        edtTeams->setValue(wizard_.teamCount);
        rbtThree->setChecked(wizard_.winPoints == 3);
        rbtTwo->setChecked(wizard_.winPoints == 2);
        rgPlayTimes->button(wizard_.playTimes)->setChecked(true);
        seTeamSize->setValue(wizard_.teamSize);
        seNumSubs->setValue(wizard_.subsCount);
    }
    Notebook1->setCurrentIndex(page);
    // A league from a results file has the file's teams and meetings.
    const bool fixedTeams = wizard_.fromResults();
    edtTeams->setEnabled(!fixedTeams);
    for (QAbstractButton* button : rgPlayTimes->buttons())
        button->setEnabled(!fixedTeams);
    Edit1->setEnabled(!fixedTeams);
    btnEdit->setEnabled(!fixedTeams);
    btnBack->setEnabled(wizard_.backEnabled());
    btnNext->setEnabled(wizard_.nextEnabled());
    btnFinish->setEnabled(wizard_.finishEnabled());
    UpdateTeamList();
    if (page == NewLeagueWizard::Step1)
        TableName->setFocus();
    if (page == NewLeagueWizard::Step2)
        Edit1->setFocus();
    if (page == NewLeagueWizard::Step3) {
        ChooseList->clear();
        for (const std::string& choice : wizard_.OwnTeamChoices())
            ChooseList->addItem(QString::fromStdString(choice));
        ChooseList->setCurrentRow(wizard_.ownTeam);
    }
}

void TfrmNew::UpdateTeamList() {
    TeamList->clear();
    for (const std::string& name : wizard_.teamNames())
        TeamList->addItem(QString::fromStdString(name));
    panRemain->setText(QString::fromStdString(wizard_.RemainingText()));
    btnAdd->setEnabled(wizard_.addEnabled());
}

void TfrmNew::btnNextClick() {
    TakeAnswers();
    if (wizard_.Next(app_.prompts))
        ShowPage();
    else if (wizard_.page() == NewLeagueWizard::Step1)
        TableName->setFocus();
    else if (wizard_.page() == NewLeagueWizard::Step2)
        Edit1->setFocus();
}

void TfrmNew::btnBackClick() {
    TakeAnswers();
    wizard_.Back();
    ShowPage();
}

void TfrmNew::btnAddClick() {
    if (!wizard_.AddName(Edit1->text().toStdString()))
        return;
    Edit1->clear();
    UpdateTeamList();
    Edit1->setFocus();
}

void TfrmNew::btnEditClick() {
    const std::string name = wizard_.TakeName(TeamList->currentRow());
    if (name.empty())
        return;
    UpdateTeamList();
    Edit1->setText(QString::fromStdString(name));
    Edit1->setFocus();
}

Status TfrmNew::ReadResultsFile(const std::function<Status(LineSource&)>& read) {
    std::ifstream in(resultsFile_.toStdString(), std::ios::binary);
    if (!in)
        return Status::Error(kImportFileUnreadable);
    StreamLineSource source(in);
    return read(source);
}

// The file's dates are read in the layout they show.
void TfrmNew::btnFromResultsClick() {
    const QString chosen = app_.chooseImportFile(this, QString::fromStdString(app_.leagueFolder));
    if (chosen.isEmpty())
        return;
    resultsFile_ = chosen;
    ResultsSeason season;
    SeasonReading reading;
    reading.dateFormat = app_.dateFormat;
    if (auto status =
            ReadResultsFile([&](LineSource& lines) { return SurveySeason(lines, reading, season); });
        !status) {
        app_.prompts.Error(status.message());
        return;
    }
    wizard_.TakeSeason(season, QFileInfo(chosen).completeBaseName().toStdString());
    TableName->setText(QString::fromStdString(wizard_.tableName));
    edtTeams->setValue(wizard_.teamCount);
    rgPlayTimes->button(wizard_.playTimes)->setChecked(true);
    ShowPage();
}

void TfrmNew::btnFinishClick() {
    TakeAnswers();
    wizard_.matchDays.reset();
    if (gbMatchDays->isChecked()) {
        MatchDayPlan plan;
        if (auto status = gbMatchDays->Plan(plan); !status) {
            app_.prompts.Error(status.message());
            return;
        }
        wizard_.matchDays = plan;
    }
    auto division = std::make_unique<Division>();
    SeasonReading reading;
    reading.dateFormat = app_.dateFormat;
    if (auto status = wizard_.fromResults() ? ReadResultsFile([&](LineSource& lines) {
            return BuildLeagueFromResults(wizard_.Answers(), lines, reading, *division);
        })
                                            : BuildNewLeague(wizard_.Answers(), *division);
        !status) {
        app_.prompts.Error(status.message());
        return;
    }
    QString file = app_.chooseNewLeagueFile(this, QString::fromStdString(app_.leagueFolder));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".div");
    if (auto status = WriteNewLeague(file.toStdString(), *division); !status) {
        app_.prompts.Error(status.message());
        return;
    }
    writtenFile_ = file;
    accept();
}

} // namespace vantorel

#include "exchange/TfrmImport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "exchange/ImportRun.h"
#include "exchange/TeamAliases.h"
#include "exchange/TfrmTeamNames.h"
#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "platform/RadioGroupBox.h"
#include "store/FileIo.h"
#include "store/IniFile.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

constexpr int kProgressSteps = 1000;
// Date formats the user may give in place of finding the file's own.
constexpr const char* kGivenDateFormats[] = {"dd/MM/yyyy", "MM/dd/yyyy", "yyyy-MM-dd", "dd.MM.yyyy",
                                             "dd-MM-yyyy"};
constexpr const char* kNothingImported = "Nothing was imported";
// How long one chunk of lines may keep the event loop waiting.
constexpr int kChunkMilliseconds = 15;
constexpr int kLinesBetweenClockReadings = 64;

QLineEdit* Counter(QWidget* parent) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

TfrmImport::TfrmImport(AppContext& app, QWidget* parent) : KeptDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Import Table Data"));

    RadioGroup1 = new QButtonGroup(this);
    auto* what = RadioGroupBox(QStringLiteral("Import What"), kImportChoices, RadioGroup1, this);

    auto* GroupBox1 = new QGroupBox(QStringLiteral("Import From"), this);
    edFile = new QLineEdit(GroupBox1);
    btnBrowse = new QPushButton(QStringLiteral("Browse"), GroupBox1);
    auto* fileLayout = new QHBoxLayout(GroupBox1);
    auto* Label1 = new QLabel(QStringLiteral("File:"), GroupBox1);
    Label1->setBuddy(edFile);
    fileLayout->addWidget(Label1);
    fileLayout->addWidget(edFile, 1);
    fileLayout->addWidget(btnBrowse);
    cbDates = new QComboBox(GroupBox1);
    cbDates->addItem(QStringLiteral("As the file writes them"));
    for (const char* pattern : kGivenDateFormats)
        cbDates->addItem(QString::fromUtf8(pattern));
    if (cbDates->findText(QString::fromStdString(app.dateFormat.pattern())) < 0)
        cbDates->addItem(QString::fromStdString(app.dateFormat.pattern()));
    cbDates->setToolTip(
        QStringLiteral("Files with named columns are read in the layout of their dates unless "
                       "a format is chosen; other files in the system's short date format "
                       "unless a format is chosen"));
    auto* Label2 = new QLabel(QStringLiteral("&Dates:"), GroupBox1);
    Label2->setBuddy(cbDates);
    fileLayout->addWidget(Label2);
    fileLayout->addWidget(cbDates);

    auto* GroupBox2 = new QGroupBox(QStringLiteral("Status"), this);
    edRead = Counter(GroupBox2);
    edImported = Counter(GroupBox2);
    edErrors = Counter(GroupBox2);
    lbStatus = new QLabel(GroupBox2);
    pbStatus = new QProgressBar(GroupBox2);
    pbStatus->setValue(0);
    auto* counters = new QFormLayout;
    counters->addRow(QStringLiteral("Records Read:"), edRead);
    counters->addRow(QStringLiteral("Successful:"), edImported);
    counters->addRow(QStringLiteral("Errors:"), edErrors);
    auto* statusLayout = new QVBoxLayout(GroupBox2);
    statusLayout->addLayout(counters);
    statusLayout->addWidget(lbStatus);
    statusLayout->addWidget(pbStatus);

    btnImport = new QPushButton(QStringLiteral("Import"), this);
    btnImport->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Close"), this);
    auto* buttons = ButtonRow({btnImport, BitBtn2});

    auto* top = new QHBoxLayout;
    top->addWidget(what);
    top->addWidget(GroupBox2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(top);
    layout->addLayout(buttons);

    chunkTimer_ = new QTimer(this);
    chunkTimer_->setInterval(0);
    connect(chunkTimer_, &QTimer::timeout, this, &TfrmImport::ProcessChunk);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmImport::btnBrowseClick);
    connect(btnImport, &QPushButton::clicked, this, &TfrmImport::btnImportClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::Import; });
    resize(sizeHint().width() + 120, sizeHint().height());
}

TfrmImport::~TfrmImport() = default;

void TfrmImport::Prepare(std::string leagueFileName) {
    leagueFileName_ = std::move(leagueFileName);
    mapped_.clear();
    run_.reset();
    for (QLineEdit* counter : {edRead, edImported, edErrors})
        counter->clear();
    lbStatus->clear();
    pbStatus->setValue(0);
}

bool TfrmImport::running() const {
    return chunkTimer_->isActive();
}

void TfrmImport::done(int result) {
    SetRunning(false);
    KeptDialog::done(result);
}

void TfrmImport::btnBrowseClick() {
    const QString start = edFile->text().isEmpty() ? QString::fromStdString(app_.leagueFolder)
                                                   : QFileInfo(edFile->text()).absolutePath();
    if (const QString chosen = app_.chooseImportFile(this, start); !chosen.isEmpty())
        edFile->setText(chosen);
}

void TfrmImport::btnImportClick() {
    pbStatus->setValue(0);
    if (edFile->text().isEmpty()) {
        app_.prompts.Beep();
        return;
    }
    run_.reset();
    source_.reset();
    file_ = std::ifstream(edFile->text().toStdString(), std::ios::binary);
    if (!file_) {
        app_.prompts.Error(kImportFileUnreadable);
        return;
    }
    source_ = std::make_unique<StreamLineSource>(file_);
    ImportOptions options;
    options.formatGiven = cbDates->currentIndex() > 0;
    options.dateFormat =
        options.formatGiven
            ? DateFormat::FromPattern(cbDates->currentText().toStdString()).value_or(app_.dateFormat)
            : app_.dateFormat;
    if (!leagueFileName_.empty())
        options.aliases = RememberedAliases(ReadIniFile(app_.settingsFile), leagueFileName_);
    for (const auto& [name, team] : mapped_)
        options.aliases[name] = team;
    const auto choice = static_cast<ImportChoice>(RadioGroup1->checkedId());
    run_ = std::make_unique<ImportRun>(app_.division, choice, *source_, std::move(options));
    ShowCounters();
    lbStatus->setText(QStringLiteral("Processing"));
    pbStatus->setMaximum(kProgressSteps);
    SetRunning(true);
}

void TfrmImport::ProcessChunk() {
    QElapsedTimer clock;
    clock.start();
    while (run_->Step(kLinesBetweenClockReadings) && clock.elapsed() < kChunkMilliseconds) {
    }
    ShowCounters();
    if (run_->done())
        RunFinished();
}

void TfrmImport::RunFinished() {
    SetRunning(false);
    const std::string& refusal = run_->counters().refusal;
    if (refusal.empty()) {
        lbStatus->setText(QStringLiteral("Done"));
        return;
    }
    lbStatus->setText(QString::fromUtf8(kNothingImported));
    if (run_->unmatchedNames().empty())
        app_.prompts.Error(refusal);
    else
        MapTeamNames();
}

// The user maps the names; the import then runs again with them, and they are kept for the league.
void TfrmImport::MapTeamNames() {
    teamNames_ = new TfrmTeamNames(app_.division, run_->unmatchedNames(), this);
    teamNames_->setAttribute(Qt::WA_DeleteOnClose);
    connect(teamNames_, &QDialog::finished, this, [this](int result) {
        const TeamAliases chosen = teamNames_->aliases();
        teamNames_ = nullptr;
        if (result != QDialog::Accepted)
            return;
        for (const auto& [name, team] : chosen)
            mapped_[name] = team;
        if (!leagueFileName_.empty()) {
            IniFile settings = ReadIniFile(app_.settingsFile);
            RememberAliases(settings, leagueFileName_, chosen);
            if (auto status = WriteIniFile(app_.settingsFile, settings); !status)
                app_.prompts.Error(status.message());
        }
        btnImportClick();
    });
    teamNames_->open();
}

void TfrmImport::ShowCounters() {
    const ImportCounters& counters = run_->counters();
    pbStatus->setValue(static_cast<int>(run_->progress() * kProgressSteps));
    edRead->setText(QString::number(counters.read));
    edImported->setText(QString::number(counters.imported));
    edErrors->setText(QString::number(counters.errors));
}

// While lines are read the choices stay as they are.
void TfrmImport::SetRunning(bool running) {
    for (QAbstractButton* button : RadioGroup1->buttons())
        button->setEnabled(!running);
    edFile->setEnabled(!running);
    cbDates->setEnabled(!running);
    btnBrowse->setEnabled(!running);
    btnImport->setEnabled(!running);
    // An import, whole or stopped part way, is one step.
    if (!running && run_)
        app_.RecordEdit(ImportStep(kImportChoices[static_cast<std::size_t>(RadioGroup1->checkedId())]));
    if (running)
        chunkTimer_->start();
    else
        chunkTimer_->stop();
}

} // namespace vantorel

#include "exchange/TfrmImport.h"

#include <QButtonGroup>
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

#include "exchange/ImportRun.h"
#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "platform/RadioGroupBox.h"
#include "store/FileIo.h"

namespace vantorel {
namespace {

// A larger file is not a league's data.
constexpr std::size_t kLargestImportFile = 256u << 20;
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

TfrmImport::TfrmImport(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
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

void TfrmImport::Prepare() {
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
    QDialog::done(result);
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
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(edFile->text().toStdString(), kLargestImportFile, bytes)) {
        app_.prompts.Error(kImportFileUnreadable);
        return;
    }
    const auto choice = static_cast<ImportChoice>(RadioGroup1->checkedId());
    run_ = std::make_unique<ImportRun>(
        app_.division, choice,
        ImportTextLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())),
        app_.dateFormat);
    ShowCounters();
    if (run_->lineCount() == 0)
        return;
    lbStatus->setText(QStringLiteral("Processing"));
    pbStatus->setMaximum(run_->lineCount());
    SetRunning(true);
}

void TfrmImport::ProcessChunk() {
    QElapsedTimer clock;
    clock.start();
    while (run_->Step(kLinesBetweenClockReadings) && clock.elapsed() < kChunkMilliseconds) {
    }
    ShowCounters();
    if (run_->done()) {
        SetRunning(false);
        lbStatus->setText(QStringLiteral("Done"));
    }
}

void TfrmImport::ShowCounters() {
    const ImportCounters& counters = run_->counters();
    pbStatus->setValue(counters.read);
    edRead->setText(QString::number(counters.read));
    edImported->setText(QString::number(counters.imported));
    edErrors->setText(QString::number(counters.errors));
}

// While lines are read the choices stay as they are.
void TfrmImport::SetRunning(bool running) {
    for (QAbstractButton* button : RadioGroup1->buttons())
        button->setEnabled(!running);
    edFile->setEnabled(!running);
    btnBrowse->setEnabled(!running);
    btnImport->setEnabled(!running);
    if (running)
        chunkTimer_->start();
    else
        chunkTimer_->stop();
}

} // namespace vantorel

#include "exchange/TfrmExport.h"

#include <algorithm>
#include <chrono>
#include <sstream>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "exchange/CalendarExport.h"
#include "exchange/CsvExport.h"
#include "platform/ButtonRow.h"
#include "platform/FileChoosers.h"
#include "platform/HelpWindow.h"
#include "platform/RadioGroupBox.h"
#include "results/EntrySession.h"
#include "standings/TablePicture.h"
#include "stats/TeamStats.h"
#include "store/FileIo.h"
#include "store/Names.h"

namespace vantorel {
namespace {

QToolButton* CalendarButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(QStringLiteral("..."));
    button->setToolTip(QStringLiteral("Set end date of included matches"));
    return button;
}

QLineEdit* DateBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

TfrmExport::TfrmExport(AppContext& app, const Workspace& workspace, QWidget* parent)
    : KeptDialog(parent), app_(app), workspace_(workspace) {
    setWindowTitle(QStringLiteral("Export Table Data"));

    RadioGroup1 = new QButtonGroup(this);
    auto* what = RadioGroupBox(QStringLiteral("Export What"), kExportChoices, RadioGroup1, this);

    auto* GroupBox1 = new QGroupBox(QStringLiteral("Export Results/Fixtures Date Range:"), this);
    edFromDate = DateBox(GroupBox1);
    btnFromDate = CalendarButton(GroupBox1);
    edToDate = DateBox(GroupBox1);
    btnToDate = CalendarButton(GroupBox1);
    auto* range = new QHBoxLayout(GroupBox1);
    range->addWidget(edFromDate, 1);
    range->addWidget(btnFromDate);
    range->addWidget(new QLabel(QStringLiteral("to"), GroupBox1));
    range->addWidget(edToDate, 1);
    range->addWidget(btnToDate);

    auto* GroupBox3 = new QGroupBox(QStringLiteral("Format and Team:"), this);
    cbFormat = new QComboBox(GroupBox3);
    for (const char* format : kTableExportFormats)
        cbFormat->addItem(QString::fromUtf8(format));
    cbTeam = new QComboBox(GroupBox3);
    auto* kinds = new QFormLayout(GroupBox3);
    kinds->addRow(QStringLiteral("&Format:"), cbFormat);
    kinds->addRow(QStringLiteral("&Team:"), cbTeam);

    auto* GroupBox2 = new QGroupBox(QStringLiteral("Export to:"), this);
    rbFile = new QRadioButton(QStringLiteral("File"), GroupBox2);
    rbClip = new QRadioButton(QStringLiteral("Clipboard"), GroupBox2);
    rbFile->setChecked(true);
    auto* target = new QHBoxLayout(GroupBox2);
    target->addWidget(rbFile);
    target->addWidget(rbClip);

    btnExport = new QPushButton(QStringLiteral("&Export"), this);
    btnExport->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = ButtonRow({btnExport, btnCancel});

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox1);
    right->addWidget(GroupBox3);
    right->addWidget(GroupBox2);
    right->addStretch();
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(right, 1);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TfrmExport::RadioGroup1Click);
    connect(cbFormat, &QComboBox::currentIndexChanged, this, &TfrmExport::RadioGroup1Click);
    connect(btnFromDate, &QToolButton::clicked, this, &TfrmExport::btnFromDateClick);
    connect(btnToDate, &QToolButton::clicked, this, &TfrmExport::btnToDateClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmExport::btnExportClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::Export; });

    Prepare();
}

void TfrmExport::Prepare() {
    DefaultExportRange(app_.division, workspace_.dates, app_.today(), from_, to_);
    ShowDates();
    RadioGroup1Click();
}

ExportSection TfrmExport::Section() const {
    return static_cast<ExportSection>(RadioGroup1->checkedId());
}

TableExportFormat TfrmExport::Format() const {
    return ChoiceHasFormats(Section()) ? static_cast<TableExportFormat>(cbFormat->currentIndex())
                                       : TableExportFormat::Csv;
}

void TfrmExport::RadioGroup1Click() {
    const ExportSection section = Section();
    // The team chosen for the calendar or the summary stays chosen; any other choice starts at the top.
    const int team = cbTeam->isEnabled() ? cbTeam->currentData().toInt() : 0;
    cbFormat->setEnabled(ChoiceHasFormats(section));
    cbTeam->setEnabled(ChoiceHasTeam(section));
    cbTeam->clear();
    if (ChoiceTakesEveryTeam(section))
        cbTeam->addItem(QString::fromUtf8(kEveryTeamChoice), 0);
    std::vector<int> teams;
    for (int t = 1; t <= app_.division.Header().TeamCount; ++t)
        teams.push_back(t);
    for (const int t : SortedByName(app_.division, teams))
        cbTeam->addItem(QString::fromStdString(TeamName(app_.division, t)), t);
    cbTeam->setCurrentIndex(std::max(cbTeam->findData(team), 0));
    // A picture goes to a file only.
    const bool picture = Format() == TableExportFormat::Png;
    rbClip->setEnabled(!picture);
    if (picture)
        rbFile->setChecked(true);
}

void TfrmExport::ShowDates() {
    edFromDate->setText(QString::fromStdString(app_.dateFormat.Format(from_)));
    edToDate->setText(QString::fromStdString(app_.dateFormat.Format(to_)));
}

double TfrmExport::PickDate(QToolButton* button, double day) {
    const QPoint corner = button->mapToGlobal(QPoint(button->width(), button->height()));
    const double chosen = app_.pickDate(this, day, corner);
    return chosen != 0 ? chosen : day;
}

void TfrmExport::btnFromDateClick() {
    from_ = PickDate(btnFromDate, from_);
    ShowDates();
}

void TfrmExport::btnToDateClick() {
    to_ = PickDate(btnToDate, to_);
    ShowDates();
}

// Writes the chosen export to the file, or to the clipboard when the path is empty.
Status TfrmExport::WriteChoice(const QString& path, bool& truncated) {
    ExportChoice choice;
    choice.request.section = Section();
    choice.request.table = &workspace_.table;
    choice.request.format = workspace_.format();
    choice.request.from = from_;
    choice.request.to = to_;
    choice.tableFormat = Format();
    choice.team = cbTeam->currentData().toInt();
    choice.colours = app_.settings;
    choice.stamp = CalendarStamp(std::chrono::system_clock::now());
    choice.printDate = app_.dateFormat.Format(app_.today());
    if (choice.tableFormat == TableExportFormat::Png) {
        const QImage picture = TablePicture(
            MakeTablePrintout(app_.division, workspace_.table, choice.request.format, choice.printDate));
        return picture.save(path, "PNG") ? Status::Ok()
                                         : Status::Error(path.toStdString() + ": cannot be written");
    }
    if (path.isEmpty()) {
        ClipboardLineSink sink;
        ExportChosen(app_.division, choice, app_.dateFormat, sink);
        app_.putClipboard(QString::fromStdString(sink.text()));
        truncated = sink.truncated();
        return Status::Ok();
    }
    std::ostringstream text;
    StreamLineSink sink(text);
    ExportChosen(app_.division, choice, app_.dateFormat, sink);
    const std::string bytes = text.str();
    return ReplaceFile(path.toStdString(),
                       std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void TfrmExport::btnExportClick() {
    QString path;
    if (rbFile->isChecked()) {
        const ExportFileType type = ExportFileTypeOf(Section(), Format());
        setProperty(kExportFilterProperty, QString::fromStdString(type.filter));
        setProperty(kExportSuffixProperty, QString::fromStdString(type.suffix));
        path = app_.chooseExportFile(this, QString::fromStdString(app_.leagueFolder));
        if (path.isEmpty())
            return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool truncated = false;
    const Status written = WriteChoice(path, truncated);
    QApplication::restoreOverrideCursor();

    if (!written)
        app_.prompts.Error(written.message());
    else if (truncated)
        app_.prompts.Warn(kClipboardTruncatedWarning);
    else
        accept();
}

} // namespace vantorel

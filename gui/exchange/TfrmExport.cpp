#include "exchange/TfrmExport.h"

#include <sstream>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "exchange/CsvExport.h"
#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "platform/RadioGroupBox.h"
#include "store/FileIo.h"

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
    : QDialog(parent), app_(app), workspace_(workspace) {
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
    right->addWidget(GroupBox2);
    right->addStretch();
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(right, 1);

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

void TfrmExport::btnExportClick() {
    QString path;
    if (rbFile->isChecked()) {
        path = app_.chooseExportFile(this, QString::fromStdString(app_.leagueFolder));
        if (path.isEmpty())
            return;
    }
    ExportRequest request;
    request.section = static_cast<ExportSection>(RadioGroup1->checkedId());
    request.table = &workspace_.table;
    request.format = workspace_.format();
    request.from = from_;
    request.to = to_;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool truncated = false;
    Status written = Status::Ok();
    if (rbFile->isChecked()) {
        std::ostringstream text;
        StreamLineSink sink(text);
        ExportSections(app_.division, request, app_.dateFormat, sink);
        const std::string bytes = text.str();
        written = ReplaceFile(path.toStdString(),
                              std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    } else {
        ClipboardLineSink sink;
        ExportSections(app_.division, request, app_.dateFormat, sink);
        app_.putClipboard(QString::fromStdString(sink.text()));
        truncated = sink.truncated();
    }
    QApplication::restoreOverrideCursor();

    if (!written)
        app_.prompts.Error(written.message());
    else if (truncated)
        app_.prompts.Warn(kClipboardTruncatedWarning);
    else
        accept();
}

} // namespace vantorel

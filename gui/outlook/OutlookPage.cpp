#include "outlook/OutlookPage.h"

#include <fstream>

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "app/PageTitle.h"
#include "exchange/CsvFields.h"
#include "outlook/OutlookPrintout.h"
#include "outlook/OutlookTable.h"
#include "outlook/OutlookView.h"
#include "outlook/TfrmOutlookChart.h"
#include "platform/QtCanvas.h"
#include "store/Names.h"

namespace vantorel {
namespace {

// The progress bar and Cancel appear only for work that takes longer than this.
constexpr int kProgressDelayMs = 200;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

OutlookPage::OutlookPage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    panLeague = MakePageTitle(this);
    lbCaption = new QLabel(this);
    lbCaption->setWordWrap(true);
    lbCaption->setMinimumHeight(2 * lbCaption->fontMetrics().lineSpacing() + 4);

    OutlookTable = new QTableWidget(this);
    OutlookTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OutlookTable->setSelectionMode(QAbstractItemView::SingleSelection);
    OutlookTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    OutlookTable->verticalHeader()->hide();
    OutlookTable->verticalHeader()->setDefaultSectionSize(OutlookTable->fontMetrics().height() + 6);
    // The columns are fitted to their contents once a fill is done, not again for every cell set.
    OutlookTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    OutlookTable->horizontalHeader()->setMinimumSectionSize(
        OutlookTable->fontMetrics().horizontalAdvance(QStringLiteral("100")) + 8);
    OutlookTable->setToolTip(QStringLiteral("Double click or press Enter for the team's chart"));

    const AsAtDateControls date = MakeAsAtDateControls(this);
    QGroupBox* dateBox = date.box;
    lbDivDate = date.label;
    btnDivDate = date.pick;
    btnSpinUp = date.up;
    btnSpinDown = date.down;

    cbPredictions = new QCheckBox(QStringLiteral("Count &predictions"), this);
    cbPredictions->setToolTip(
        QStringLiteral("Ticked predictions count as played, as in the Played+Predicted table"));
    pbSimulation = new QProgressBar(this);
    pbSimulation->setRange(0, kDefaultSeasons);
    pbSimulation->hide();
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setToolTip(QStringLiteral("Stop simulating; the exact positions stay"));
    btnCancel->hide();

    btnPrint = new QPushButton(QStringLiteral("P&rint"), this);
    btnPrint->setToolTip(QStringLiteral("Print the outlook"));
    btnExport = new QPushButton(QStringLiteral("E&xport"), this);
    btnExport->setToolTip(QStringLiteral("Export the outlook to a CSV file"));
    btnPicture = new QPushButton(QStringLiteral("Pictur&e"), this);
    btnPicture->setToolTip(QStringLiteral("Save the outlook as a PNG picture"));

    auto* panel = new QVBoxLayout;
    panel->addWidget(dateBox);
    panel->addWidget(cbPredictions);
    panel->addWidget(pbSimulation);
    panel->addWidget(btnCancel);
    panel->addStretch(1);
    btnExit2 = StackPageButtons(*panel, *this, WorkspacePage::Outlook, {btnPrint, btnExport, btnPicture});
    auto* left = new QVBoxLayout;
    left->addWidget(panLeague);
    left->addWidget(lbCaption);
    left->addWidget(OutlookTable, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 1);
    layout->addLayout(panel);

    progressDelay_ = new QTimer(this);
    progressDelay_->setSingleShot(true);
    progressDelay_->setInterval(kProgressDelayMs);
    connect(progressDelay_, &QTimer::timeout, this, [this] {
        pbSimulation->setVisible(running_);
        btnCancel->setVisible(running_);
    });
    connect(btnSpinUp, &QToolButton::clicked, this, &OutlookPage::SpinButton1UpClick);
    connect(btnSpinDown, &QToolButton::clicked, this, &OutlookPage::SpinButton1DownClick);
    connect(btnDivDate, &QToolButton::clicked, this, &OutlookPage::btnDivDateClick);
    connect(cbPredictions, &QCheckBox::clicked, this, &OutlookPage::cbPredictionsClick);
    connect(btnCancel, &QPushButton::clicked, this, &OutlookPage::btnCancelClick);
    connect(btnPrint, &QPushButton::clicked, this, &OutlookPage::btnPrintClick);
    connect(btnExport, &QPushButton::clicked, this, &OutlookPage::btnExportClick);
    connect(btnPicture, &QPushButton::clicked, this, &OutlookPage::btnPictureClick);
    connect(OutlookTable, &QTableWidget::cellDoubleClicked, this, &OutlookPage::OutlookTableDblClick);
}

OutlookPage::~OutlookPage() {
    Stop();
}

void OutlookPage::Refresh() {
    panLeague->setText(Text(LeagueName(app_.division)));
    dates_ = DateList::Build(app_.division, TableContent::PlayedGames);
    if (workspace_.dates.AsAtDate() != dates_.AsAtDate())
        dates_.SetTo(workspace_.dates.AsAtDate());
    if (computedFor_ == CurrentInputs()) {
        // The dates shown follow the date format, which may have changed meanwhile.
        lbDivDate->setText(Text(AsAtText(dates_.AsAtDate(), app_.dateFormat)));
        if (outlook_)
            lbCaption->setText(Text(CaptionText()));
        return;
    }
    Start();
}

OutlookPage::Inputs OutlookPage::CurrentInputs() const {
    return {app_.division.Revision(), dates_.AsAtDate(), cbPredictions->isChecked()};
}

void OutlookPage::SpinButton1UpClick() {
    if (!dates_.StepForward()) {
        app_.prompts.Beep();
        return;
    }
    Start();
}

void OutlookPage::SpinButton1DownClick() {
    if (!dates_.StepBack()) {
        app_.prompts.Beep();
        return;
    }
    Start();
}

void OutlookPage::btnDivDateClick() {
    const double start = dates_.AsAtDate() != 0 ? dates_.AsAtDate() : app_.today();
    const QPoint corner = btnDivDate->mapToGlobal(QPoint(btnDivDate->width(), btnDivDate->height()));
    if (const double chosen = app_.pickDate(this, start, corner); chosen != 0) {
        dates_.SetTo(chosen);
        Start();
    }
}

void OutlookPage::cbPredictionsClick() {
    Start();
}

void OutlookPage::btnCancelClick() {
    if (cancel_)
        *cancel_ = true;
}

// Cancels the computation running, if any, and waits for its thread.
void OutlookPage::Stop() {
    if (cancel_)
        *cancel_ = true;
    if (worker_.joinable())
        worker_.join();
    running_ = false;
}

void OutlookPage::Start() {
    Stop();
    lbDivDate->setText(Text(AsAtText(dates_.AsAtDate(), app_.dateFormat)));
    OutlookRequest request;
    request.asAt = dates_.AsAtDate();
    request.withPredictions = cbPredictions->isChecked();
    request.simulation.threads = std::max(1u, std::thread::hardware_concurrency());
    // The worker has its own copy: the league is only ever read or changed on this thread.
    auto division = std::make_shared<const Division>(app_.division);
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    const int generation = ++generation_;
    computedFor_ = CurrentInputs();
    running_ = true;
    pbSimulation->setValue(0);
    progressDelay_->start();
    worker_ = std::thread([this, division, cancel, request, generation] {
        auto exact = std::make_shared<Outlook>(ComputeExactOutlook(*division, request));
        // The exact part is shown while the seasons are simulated; with no match open they take no time.
        if (!exact->start.open.empty())
            QMetaObject::invokeMethod(
                this, [this, exact, generation] { ShowOutlook(exact, generation); }, Qt::QueuedConnection);
        auto simulated = std::make_shared<Outlook>(*exact);
        const bool done =
            SimulateOutlook(*division, *simulated, request.simulation, [this, cancel](int seasons, int) {
                QMetaObject::invokeMethod(
                    this, [this, seasons] { pbSimulation->setValue(seasons); }, Qt::QueuedConnection);
                return !*cancel;
            });
        QMetaObject::invokeMethod(
            this,
            [this, simulated, done, generation] {
                if (done)
                    ShowOutlook(simulated, generation);
                Finished(generation, done);
            },
            Qt::QueuedConnection);
    });
}

void OutlookPage::Finished(int generation, bool complete) {
    if (generation != generation_)
        return;
    if (!complete)
        computedFor_.reset();
    running_ = false;
    progressDelay_->stop();
    pbSimulation->hide();
    btnCancel->hide();
}

void OutlookPage::ShowOutlook(std::shared_ptr<const Outlook> outlook, int generation) {
    if (generation != generation_)
        return;
    outlook_ = std::move(outlook);
    FillTable();
}

std::string OutlookPage::CaptionText() const {
    const double asAt = outlook_->start.asAt;
    return OutlookCaption(*outlook_, asAt == 0 ? "the start" : app_.dateFormat.Format(asAt));
}

void OutlookPage::FillTable() {
    const Division& division = app_.division;
    const Outlook& outlook = *outlook_;
    lbCaption->setText(Text(CaptionText()));
    const std::vector<std::string> headings = OutlookHeadings(division);
    const int firstPosition = OutlookFirstPositionColumn(division.Header());
    const std::vector<ZoneSpan> zones = LeagueZones(division.Header());
    const int selected = OutlookTable->currentRow();
    OutlookTable->clear();
    OutlookTable->setColumnCount(static_cast<int>(headings.size()));
    OutlookTable->setRowCount(outlook.start.teamCount);
    for (std::size_t c = 0; c < headings.size(); ++c)
        OutlookTable->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(Text(headings[c])));
    for (int position = 1; position <= outlook.start.teamCount; ++position) {
        const int team = outlook.start.table.TableOrder[position];
        const std::vector<std::string> cells = OutlookRow(division, outlook, position);
        const OutlookRowTips tips(division, outlook, position);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const int column = static_cast<int>(c);
            auto* item = new QTableWidgetItem;
            std::string text = cells[c];
            if (column >= firstPosition) {
                const HeatCell heat = HeatCellOf(PositionChance(outlook, team, column - firstPosition + 1));
                text = heat.text;
                item->setBackground(ToQColor(heat.background));
                item->setForeground(ToQColor(heat.textColour));
            } else if (column >= kOutlookFirstZoneColumn) {
                const ZoneState state = ZoneStateOf(outlook.exact[static_cast<std::size_t>(team)],
                                                    zones[c - kOutlookFirstZoneColumn]);
                text = ZoneMark(state) + (ZoneMark(state).empty() ? "" : " ") + text;
            }
            item->setText(Text(text));
            item->setTextAlignment(column == 1 || column == 7 ? Qt::AlignLeft | Qt::AlignVCenter
                                                              : Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(Text(tips.ForColumn(column)));
            OutlookTable->setItem(position - 1, column, item);
        }
    }
    OutlookTable->resizeColumnsToContents();
    if (selected >= 0 && selected < OutlookTable->rowCount())
        OutlookTable->selectRow(selected);
}

void OutlookPage::btnPrintClick() {
    if (!outlook_) {
        app_.prompts.Beep(); // nothing to print yet
        return;
    }
    const std::shared_ptr<const Outlook> outlook = outlook_;
    const std::string caption = CaptionText();
    app_.print(this, QStringLiteral("Vantorel Outlook"),
               [this, outlook, caption](Canvas& canvas, int width, int height) {
                   DrawOutlookPrintout(canvas, app_.division, *outlook, caption, width, height);
               });
}

void OutlookPage::btnExportClick() {
    if (!outlook_)
        return;
    const QString file = app_.chooseExportFile(this, QString::fromStdString(app_.leagueFolder));
    if (file.isEmpty())
        return;
    std::ofstream out(file.toStdString(), std::ios::binary);
    const auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            out << (i == 0 ? "" : ",") << (i == 1 ? CsvName(fields[i]) : fields[i]);
        out << "\r\n";
    };
    line(OutlookCsvHeadings(app_.division));
    for (int position = 1; position <= outlook_->start.teamCount; ++position)
        line(OutlookCsvRow(app_.division, *outlook_, position));
    if (!out)
        app_.prompts.Error("The outlook could not be written to " + file.toStdString());
}

void OutlookPage::btnPictureClick() {
    if (!outlook_)
        return;
    QImage picture(1600, 900, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        QtCanvas canvas(painter);
        DrawOutlookPrintout(canvas, app_.division, *outlook_, CaptionText(), picture.width(),
                            picture.height());
    }
    app_.SavePicture(this, app_.leagueFolder + kOutlookPictureName, picture);
}

void OutlookPage::OutlookTableDblClick(int row) {
    if (!outlook_ || row < 0 || row >= outlook_->start.teamCount)
        return;
    auto* chart = new TfrmOutlookChart(app_, outlook_, outlook_->start.table.TableOrder[row + 1], this);
    chart->setAttribute(Qt::WA_DeleteOnClose);
    chart->open();
}

void OutlookPage::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OutlookTable->hasFocus()) {
        OutlookTableDblClick(OutlookTable->currentRow());
        return;
    }
    if (event->key() == Qt::Key_Escape && running_) {
        btnCancelClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantorel

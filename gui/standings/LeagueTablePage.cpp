#include "standings/LeagueTablePage.h"

#include <cstdlib>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "exchange/TfrmExport.h"
#include "exchange/TfrmImport.h"
#include "platform/CanvasCellDelegate.h"
#include "platform/HintSwitch.h"
#include "platform/QtCanvas.h"
#include "platform/TextCache.h"
#include "standings/DateList.h"
#include "standings/TableCellDrawing.h"
#include "standings/TableCells.h"
#include "standings/TableExplanation.h"
#include "standings/TablePrintout.h"
#include "standings/TfrmGrid.h"
#include "standings/TableLayout.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

// The choices sit close together, so that the page fits a 640 x 480 screen.
void Compact(QBoxLayout& layout) {
    layout.setContentsMargins(6, 2, 6, 4);
    layout.setSpacing(0);
}

QGroupBox* RadioGroup(const QString& caption, const std::vector<const char*>& items, QButtonGroup* group,
                      QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    Compact(*layout);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(items[i]), box);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    return box;
}

} // namespace

LeagueTablePage::LeagueTablePage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    panLeague = new QLabel(this);
    panLeague->setAlignment(Qt::AlignCenter);
    panLeague->setFrameShape(QFrame::Panel);
    panLeague->setFrameShadow(QFrame::Raised);
    QFont titleFont = panLeague->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    panLeague->setFont(titleFont);
    panLeague->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    panLeague->setMinimumHeight(panLeague->fontMetrics().height() + 12);

    DivTable = new QTableWidget(this);
    DivTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DivTable->setSelectionMode(QAbstractItemView::SingleSelection);
    DivTable->setFocusPolicy(Qt::NoFocus);
    DivTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    DivTable->verticalHeader()->hide();
    DivTable->horizontalHeader()->hide();
    // Every cell of the grid, headings included, is drawn as the league's table says.
    DivTable->setItemDelegate(new CanvasCellDelegate(
        [&app, &workspace](Canvas& canvas, const CanvasCell& cell) {
            const HeadingColours headings{ToColour(cell.option.palette.color(QPalette::Button)),
                                          ToColour(cell.option.palette.color(QPalette::ButtonText))};
            DrawTableCell(canvas, cell.left, cell.top, cell.right, cell.bottom, cell.row, cell.column,
                          cell.text, app.division.Header(), workspace.table, app.settings, headings);
        },
        DivTable));
    // Columns that cannot fit, at their narrowest or as the user dragged them, scroll sideways.
    DivTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    DivTable->setToolTip(QStringLiteral("Double click to display team statistics"));
    DivTable->setContextMenuPolicy(Qt::CustomContextMenu);
    DivTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DivTable->verticalHeader()->setDefaultSectionSize(DivTable->fontMetrics().height() + 6);
    DivTable->viewport()->installEventFilter(this);
    DivTable->viewport()->setMouseTracking(true);
    // The rows' tooltips say why a level team is below the one above: content, shown even without hints.
    DivTable->viewport()->setProperty(HintSwitch::kContentTips, true);

    RadioGroup1 = new QButtonGroup(this);
    RadioGroup2 = new QButtonGroup(this);
    auto* content = RadioGroup(QStringLiteral("Table Content"),
                               {"Played Games", "Played+Predicted", "Current Form"}, RadioGroup1, this);
    auto* games = RadioGroup(QStringLiteral("Game Selection"), {"Home and Away", "Home Only", "Away Only"},
                             RadioGroup2, this);

    auto* dateBox = new QGroupBox(QStringLiteral("Include up to:"), this);
    lbDivDate = new QLabel(QStringLiteral("dd/mm/yy"), dateBox);
    // Whatever the label says, the panel keeps its width: a long text wraps within two lines.
    lbDivDate->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lbDivDate->setWordWrap(true);
    lbDivDate->setFixedHeight(2 * lbDivDate->fontMetrics().lineSpacing());
    btnSpinUp = new QToolButton(dateBox);
    btnSpinUp->setArrowType(Qt::UpArrow);
    btnSpinUp->setToolTip(QStringLiteral("Include the next match date"));
    btnSpinDown = new QToolButton(dateBox);
    btnSpinDown->setArrowType(Qt::DownArrow);
    btnSpinDown->setToolTip(QStringLiteral("Include up to the previous match date"));
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(btnSpinUp);
    spin->addWidget(btnSpinDown);
    btnDivDate = new QToolButton(dateBox);
    btnDivDate->setText(QStringLiteral("..."));
    btnDivDate->setToolTip(QStringLiteral("Set end date of included matches"));
    auto* dateLayout = new QHBoxLayout(dateBox);
    Compact(*dateLayout);
    dateLayout->addWidget(lbDivDate, 1);
    dateLayout->addWidget(btnDivDate);
    dateLayout->addLayout(spin);

    auto* format = new QGroupBox(QStringLiteral("Format"), this);
    cbShort = new QCheckBox(QStringLiteral("Short Format"), format);
    cbShowPoss = new QCheckBox(QStringLiteral("Show Poss Points"), format);
    auto* formatLayout = new QVBoxLayout(format);
    Compact(*formatLayout);
    formatLayout->addWidget(cbShort);
    formatLayout->addWidget(cbShowPoss);

    btnPrint = new QPushButton(QStringLiteral("Print"), this);
    btnPrint->setToolTip(QStringLiteral("Print league table"));
    btnGrid = new QPushButton(QStringLiteral("Matches"), this);
    btnGrid->setToolTip(QStringLiteral("Display matches played grid"));
    btnExport = new QPushButton(QStringLiteral("Export"), this);
    btnExport->setToolTip(QStringLiteral("Export table data to an ASCII file"));
    btnImport = new QPushButton(QStringLiteral("Import"), this);
    btnImport->setToolTip(QStringLiteral("Import data from an ASCII file"));

    // The choices scroll when the screen is too low for them all; the buttons below always show.
    auto* choices = new QWidget;
    auto* choicesLayout = new QVBoxLayout(choices);
    choicesLayout->setContentsMargins(0, 0, 0, 0);
    choicesLayout->setSpacing(4);
    for (QWidget* box : std::initializer_list<QWidget*>{content, games, dateBox, format})
        choicesLayout->addWidget(box);
    choicesLayout->addStretch();
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(choices);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setMinimumWidth(choices->minimumSizeHint().width() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto* panel = new QVBoxLayout;
    panel->addWidget(scroller, 1);
    btnExit1 = StackPageButtons(*panel, *this, WorkspacePage::LeagueTable,
                                {btnPrint, btnGrid, btnExport, btnImport});
    auto* left = new QVBoxLayout;
    left->addWidget(panLeague);
    left->addWidget(DivTable, 1);
    left->addStretch(0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 1);
    layout->addLayout(panel);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, &LeagueTablePage::RadioGroup1Click);
    connect(RadioGroup2, &QButtonGroup::idClicked, this, &LeagueTablePage::RadioGroup1Click);
    connect(cbShort, &QCheckBox::clicked, this, &LeagueTablePage::cbShortClick);
    connect(cbShowPoss, &QCheckBox::clicked, this, &LeagueTablePage::cbShowPossClick);
    connect(btnSpinUp, &QToolButton::clicked, this, &LeagueTablePage::SpinButton1UpClick);
    connect(btnSpinDown, &QToolButton::clicked, this, &LeagueTablePage::SpinButton1DownClick);
    connect(btnDivDate, &QToolButton::clicked, this, &LeagueTablePage::btnDivDateClick);
    connect(btnPrint, &QPushButton::clicked, this, &LeagueTablePage::btnPrintClick);
    connect(btnGrid, &QPushButton::clicked, this, &LeagueTablePage::btnGridClick);
    connect(btnExport, &QPushButton::clicked, this, &LeagueTablePage::btnExportClick);
    connect(btnImport, &QPushButton::clicked, this, &LeagueTablePage::btnImportClick);
    connect(DivTable, &QTableWidget::cellDoubleClicked, this, &LeagueTablePage::DivTableDblClick);
}

void LeagueTablePage::PageEntry() {
    RadioGroup1->button(0)->setChecked(true);
    RadioGroup2->button(0)->setChecked(true);
    cbShowPoss->setChecked(workspace_.ShowPossNow);
    cbShort->setChecked(workspace_.ShortTabNow);
    panLeague->setText(QString::fromStdString(Windows1252ToUtf8(app_.division.Header().TableName.stored())));
    Refresh();
}

void LeagueTablePage::Refresh() {
    workspace_.content = static_cast<TableContent>(RadioGroup1->checkedId());
    workspace_.games = static_cast<GameSelection>(RadioGroup2->checkedId());
    workspace_.formGames = app_.settings.FormGames;
    const bool dated = HasAsAtDate(workspace_.content);
    btnSpinUp->setEnabled(dated);
    btnSpinDown->setEnabled(dated);
    btnDivDate->setEnabled(dated);
    workspace_.RefreshTable(app_.division);
    ShowDate();
    FillGrid();
}

void LeagueTablePage::Recompute() {
    workspace_.formGames = app_.settings.FormGames;
    workspace_.RecomputeTable(app_.division);
    ShowDate();
    FillGrid();
}

void LeagueTablePage::RadioGroup1Click() {
    Refresh();
}

void LeagueTablePage::cbShortClick() {
    workspace_.ShortTabNow = cbShort->isChecked();
    FillGrid();
}

void LeagueTablePage::cbShowPossClick() {
    workspace_.ShowPossNow = cbShowPoss->isChecked();
    FillGrid();
}

void LeagueTablePage::SpinButton1UpClick() {
    if (!workspace_.dates.StepForward()) {
        app_.prompts.Beep();
        return;
    }
    Recompute();
}

void LeagueTablePage::SpinButton1DownClick() {
    if (!workspace_.dates.StepBack()) {
        app_.prompts.Beep();
        return;
    }
    Recompute();
}

void LeagueTablePage::ShowDate() {
    lbDivDate->setText(QString::fromStdString(AsAtText(workspace_.dates.AsAtDate(), app_.dateFormat)));
}

void LeagueTablePage::FillGrid() {
    const Division& division = app_.division;
    const LeagueTable& table = workspace_.table;
    const TableFormat format = workspace_.format();
    const std::vector<std::string> headings = TableHeadings(format);
    DivTable->clearSelection();
    if (DivTable->columnCount() != static_cast<int>(headings.size()))
        draggedWidths_.clear();
    DivTable->setColumnCount(static_cast<int>(headings.size()));
    DivTable->setRowCount(table.TeamCount + 1);
    // The cells are kept and only their texts change: a table change then repaints without rebuilding
    // the grid.
    auto put = [this](int row, const std::vector<std::string>& cells, const QString& tip) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QString text = QString::fromStdString(cells[c]);
            QTableWidgetItem* item = DivTable->item(row, static_cast<int>(c));
            if (item == nullptr) {
                item = new QTableWidgetItem(text);
                DivTable->setItem(row, static_cast<int>(c), item);
            } else if (item->text() != text) {
                item->setText(text);
            }
            if (item->toolTip() != tip)
                item->setToolTip(tip);
        }
    };
    put(0, headings, {});
    for (int position = 1; position <= table.TeamCount; ++position) {
        // A team level with the one above on the first rule says which rule put it below.
        put(position, TableRowCells(division, table, position, format),
            QString::fromStdString(ExplainPosition(division, table, position)));
    }
    LayOut();
}

void LeagueTablePage::LayOut() {
    if (DivTable->columnCount() < 2)
        return;
    // The grid is never taller than its rows need (and a sideways scroll bar when one is shown).
    const QScrollBar* sideways = DivTable->horizontalScrollBar();
    DivTable->setMaximumHeight(DivTable->rowCount() * DivTable->verticalHeader()->defaultSectionSize() +
                               2 * DivTable->frameWidth() + (sideways->isVisible() ? sideways->height() : 0));
    TextCache& texts = TextCache::For(DivTable->font(), DivTable->viewport());
    auto width = [this, &texts](const QTableWidgetItem& item) {
        return texts.Width(item.text(), DivTable->viewport());
    };
    int widestName = 0;
    for (int row = 1; row < DivTable->rowCount(); ++row)
        if (const QTableWidgetItem* item = DivTable->item(row, 1))
            widestName = std::max(widestName, width(*item));
    // The viewport already leaves out a vertical scroll bar when one is shown; cells have a few pixels of
    // margin that the name's width does not include.
    const std::vector<int> widths = TableColumnWidths(DivTable->viewport()->width(), widestName + 8,
                                                      DivTable->columnCount(), 0, 0, workspace_.ShowPossNow);
    // No column is narrower than its widest text; a column the user dragged keeps its width.
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        int widest = 0;
        for (int row = 0; row < DivTable->rowCount(); ++row)
            if (const QTableWidgetItem* item = DivTable->item(row, c))
                widest = std::max(widest, width(*item) + 6);
        const auto dragged = draggedWidths_.find(c);
        DivTable->setColumnWidth(c, dragged != draggedWidths_.end()
                                        ? dragged->second
                                        : std::max(widths[static_cast<std::size_t>(c)], widest));
    }
}

void LeagueTablePage::btnDivDateClick() {
    const double start = workspace_.dates.AsAtDate() != 0 ? workspace_.dates.AsAtDate() : app_.today();
    const QPoint corner = btnDivDate->mapToGlobal(QPoint(btnDivDate->width(), btnDivDate->height()));
    if (const double chosen = app_.pickDate(this, start, corner); chosen != 0)
        workspace_.dates.SetTo(chosen);
    Recompute();
}

void LeagueTablePage::btnPrintClick() {
    const TablePrintoutInput printout = MakeTablePrintout(
        app_.division, workspace_.table, workspace_.format(), app_.dateFormat.Format(app_.today()));
    app_.print(
        this, QStringLiteral("Vantorel League Table"),
        [&printout](Canvas& canvas, int width, int height) { PrintTable(canvas, width, height, printout); });
}

void LeagueTablePage::btnGridClick() {
    if (grid_ == nullptr)
        grid_ = new TfrmGrid(app_, this);
    grid_->Prepare();
    grid_->open();
}

void LeagueTablePage::btnExportClick() {
    if (exporter_ == nullptr)
        exporter_ = new TfrmExport(app_, workspace_, this);
    exporter_->Prepare();
    exporter_->open();
}

// After an import the match dates and the table are rebuilt, whatever the dialog brought in.
void LeagueTablePage::btnImportClick() {
    if (importer_ == nullptr) {
        importer_ = new TfrmImport(app_, this);
        connect(importer_, &QDialog::finished, this, &LeagueTablePage::Refresh);
    }
    importer_->Prepare();
    importer_->open();
}

void LeagueTablePage::DivTableDblClick(int row) {
    if (row >= 1 && row <= workspace_.table.TeamCount && onTeamStatistics)
        onTeamStatistics(workspace_.table.TableOrder[row]);
}

int LeagueTablePage::ColumnBorderAt(int x) const {
    constexpr int kGrip = 3;
    for (int c = 0; c < DivTable->columnCount(); ++c) {
        const int border = DivTable->columnViewportPosition(c) + DivTable->columnWidth(c);
        if (std::abs(x - border) <= kGrip)
            return c;
    }
    return -1;
}

bool LeagueTablePage::DragColumnBorder(QMouseEvent& event) {
    constexpr int kNarrowest = 8;
    const int x = event.position().toPoint().x();
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (event.button() != Qt::LeftButton || (dragged_.column = ColumnBorderAt(x)) < 0)
            return false;
        dragged_.startX = x;
        dragged_.startWidth = DivTable->columnWidth(dragged_.column);
        return true;
    case QEvent::MouseMove:
        if (dragged_.column < 0) {
            if (ColumnBorderAt(x) >= 0)
                DivTable->viewport()->setCursor(Qt::SplitHCursor);
            else
                DivTable->viewport()->unsetCursor();
            return false;
        }
        draggedWidths_[dragged_.column] = std::max(kNarrowest, dragged_.startWidth + x - dragged_.startX);
        DivTable->setColumnWidth(dragged_.column, draggedWidths_[dragged_.column]);
        return true;
    case QEvent::MouseButtonRelease:
        if (dragged_.column < 0)
            return false;
        dragged_.column = -1;
        return true;
    default:
        return false;
    }
}

bool LeagueTablePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DivTable->viewport()) {
        if (event->type() == QEvent::Resize)
            LayOut();
        else if (auto* mouse = dynamic_cast<QMouseEvent*>(event); mouse && DragColumnBorder(*mouse))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantorel

#include "standings/LeagueTablePage.h"

#include <cstdlib>
#include <filesystem>

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "app/PageTitle.h"
#include "exchange/TfrmExport.h"
#include "exchange/TfrmImport.h"
#include "platform/CanvasCellDelegate.h"
#include "platform/HintSwitch.h"
#include "platform/QtCanvas.h"
#include "platform/RadioGroupBox.h"
#include "platform/RepaintOnce.h"
#include "platform/TextCache.h"
#include "standings/DateList.h"
#include "standings/TableCellDrawing.h"
#include "standings/TableCells.h"
#include "standings/TableExplanation.h"
#include "standings/TableLayout.h"
#include "standings/TablePrintout.h"
#include "standings/TfrmGrid.h"
#include "store/Names.h"

namespace vantorel {
namespace {

// Draws one cell of the league table as the league's table says: row 0 is the heading row, row p the team
// at position p.
void DrawDivTableCell(QPainter& painter, const QFont& font, const QPalette& palette, const QRect& cell,
                      int row, int column, const QString& text, const AppContext& app,
                      const Workspace& workspace) {
    painter.setFont(font);
    QtCanvas canvas(painter);
    const HeadingColours headings{ToColour(palette.color(QPalette::Active, QPalette::Button)),
                                  ToColour(palette.color(QPalette::Active, QPalette::ButtonText))};
    DrawTableCell(canvas, cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1, row, column,
                  text.toStdString(), app.division.Header(), workspace.table, app.settings, headings);
}

// A line of one pixel round the keyboard's row, on the cells' edges, so that the zone colours still show.
void DrawRowFrame(Canvas& canvas, const CanvasCell& cell, Colour colour, bool lastColumn) {
    canvas.setPen(colour, 1);
    canvas.Line(cell.left, cell.top, cell.right - 1, cell.top);
    canvas.Line(cell.left, cell.bottom - 1, cell.right - 1, cell.bottom - 1);
    if (cell.column == 0)
        canvas.Line(cell.left, cell.top, cell.left, cell.bottom - 1);
    if (lastColumn)
        canvas.Line(cell.right - 1, cell.top, cell.right - 1, cell.bottom - 1);
}

// The heading row of the table: a real header (so that it is read as the columns' names), drawn as the rest.
class DivTableHeader : public QHeaderView {
public:
    DivTableHeader(AppContext& app, Workspace& workspace, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent), app_(app), workspace_(workspace) {
        setSectionsClickable(false);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        DrawDivTableCell(*painter, font(), palette(), rect, 0, logicalIndex,
                         model()->headerData(logicalIndex, Qt::Horizontal).toString(), app_, workspace_);
        painter->restore();
    }

private:
    AppContext& app_;
    Workspace& workspace_;
};

// The choices sit close together, so that the page fits a 640 x 480 screen.
void Compact(QLayout& layout) {
    layout.setContentsMargins(6, 2, 6, 4);
    layout.setSpacing(0);
}

QGroupBox* RadioGroup(const QString& caption, const std::vector<const char*>& items, QButtonGroup* group,
                      QWidget* parent) {
    QGroupBox* box = RadioGroupBox(caption, items, group, parent);
    Compact(*box->layout());
    return box;
}

} // namespace

LeagueTablePage::LeagueTablePage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    panLeague = MakePageTitle(this);

    DivTable = new QTableWidget(this);
    DivTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DivTable->setSelectionMode(QAbstractItemView::SingleSelection);
    // The keyboard reaches the table: arrows move, Enter opens the team's statistics, the Menu key the menu.
    DivTable->setFocusPolicy(Qt::StrongFocus);
    DivTable->setTabKeyNavigation(false);
    DivTable->installEventFilter(this);
    DivTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    DivTable->verticalHeader()->hide();
    DivTable->setHorizontalHeader(new DivTableHeader(app, workspace, DivTable));
    DivTable->setAccessibleName(QStringLiteral("League table"));
    // Every team row is drawn as the league's table says; the row the keyboard is on is framed, over the
    // zone colours, while the table has the focus.
    DivTable->setItemDelegate(new CanvasCellDelegate(
        [&app, &workspace](Canvas& canvas, const CanvasCell& cell) {
            const QPalette& palette = cell.option.palette;
            const HeadingColours headings{ToColour(palette.color(QPalette::Active, QPalette::Button)),
                                          ToColour(palette.color(QPalette::Active, QPalette::ButtonText))};
            DrawTableCell(canvas, cell.left, cell.top, cell.right, cell.bottom, cell.row + 1, cell.column,
                          cell.text, app.division.Header(), workspace.table, app.settings, headings);
            const QWidget* grid = cell.option.widget;
            if (cell.selected() && grid != nullptr && grid->hasFocus())
                DrawRowFrame(canvas, cell, ToColour(palette.color(QPalette::Highlight)),
                             cell.column == static_cast<const QTableWidget*>(grid)->columnCount() - 1);
        },
        DivTable));
    // Columns that cannot fit, at their narrowest or as the user dragged them, scroll sideways.
    DivTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    DivTable->setToolTip(QStringLiteral("Double click to display team statistics"));
    DivTable->setContextMenuPolicy(Qt::CustomContextMenu);
    DivTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DivTable->horizontalHeader()->setMinimumSectionSize(8);
    DivTable->verticalHeader()->setDefaultSectionSize(DivTable->fontMetrics().height() + 6);
    DivTable->horizontalHeader()->setFixedHeight(DivTable->verticalHeader()->defaultSectionSize());
    // A heading the user drags keeps its width until the format changes.
    connect(DivTable->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!layingOut_)
                    draggedWidths_[column] = width;
            });
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

    const AsAtDateControls date = MakeAsAtDateControls(this);
    QGroupBox* dateBox = date.box;
    lbDivDate = date.label;
    btnDivDate = date.pick;
    btnSpinUp = date.up;
    btnSpinDown = date.down;

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
    connect(DivTable, &QTableWidget::cellDoubleClicked, this, [this](int row) { DivTableDblClick(row + 1); });
}

void LeagueTablePage::PageEntry() {
    RadioGroup1->button(0)->setChecked(true);
    RadioGroup2->button(0)->setChecked(true);
    cbShowPoss->setChecked(workspace_.ShowPossNow);
    cbShort->setChecked(workspace_.ShortTabNow);
    panLeague->setText(QString::fromStdString(LeagueName(app_.division)));
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
    const int current = DivTable->currentRow();
    layingOut_ = true; // columns made afresh are not dragged by the user
    const RepaintOnce once(*DivTable);
    DivTable->clearSelection();
    if (DivTable->columnCount() != static_cast<int>(headings.size()))
        draggedWidths_.clear();
    DivTable->setColumnCount(static_cast<int>(headings.size()));
    // Row r shows the team at position r + 1; the headings are the header's.
    DivTable->setRowCount(table.TeamCount);
    QStringList headingTexts;
    for (const std::string& heading : headings)
        headingTexts.append(QString::fromStdString(heading));
    DivTable->setHorizontalHeaderLabels(headingTexts);
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
    for (int position = 1; position <= table.TeamCount; ++position) {
        // A team level with the one above on the first rule says which rule put it below.
        put(position - 1, TableRowCells(division, table, position, format),
            QString::fromStdString(ExplainPosition(division, table, position)));
    }
    if (current >= 0 && current < DivTable->rowCount())
        DivTable->setCurrentCell(current, 1);
    layingOut_ = false;
    LayOut();
}

void LeagueTablePage::LayOut() {
    if (DivTable->columnCount() < 2)
        return;
    layingOut_ = true;
    // The grid is never taller than its rows and headings need (and a sideways scroll bar when one is shown).
    const QScrollBar* sideways = DivTable->horizontalScrollBar();
    DivTable->setMaximumHeight((DivTable->rowCount() + 1) * DivTable->verticalHeader()->defaultSectionSize() +
                               2 * DivTable->frameWidth() + (sideways->isVisible() ? sideways->height() : 0));
    TextCache& texts = TextCache::For(DivTable->font(), DivTable->viewport());
    auto width = [this, &texts](const QTableWidgetItem& item) {
        return texts.Width(item.text(), DivTable->viewport());
    };
    int widestName = 0;
    for (int row = 0; row < DivTable->rowCount(); ++row)
        if (const QTableWidgetItem* item = DivTable->item(row, 1))
            widestName = std::max(widestName, width(*item));
    // The viewport already leaves out a vertical scroll bar when one is shown; cells have a few pixels of
    // margin that the name's width does not include.
    const std::vector<int> widths = TableColumnWidths(DivTable->viewport()->width(), widestName + 8,
                                                      DivTable->columnCount(), 0, 0, workspace_.ShowPossNow);
    // No column is narrower than its widest text; a column the user dragged keeps its width.
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        int widest = 0;
        if (const QTableWidgetItem* heading = DivTable->horizontalHeaderItem(c))
            widest = DivTable->fontMetrics().horizontalAdvance(heading->text()) + 6;
        for (int row = 0; row < DivTable->rowCount(); ++row)
            if (const QTableWidgetItem* item = DivTable->item(row, c))
                widest = std::max(widest, width(*item) + 6);
        const auto dragged = draggedWidths_.find(c);
        DivTable->setColumnWidth(c, dragged != draggedWidths_.end()
                                        ? dragged->second
                                        : std::max(widths[static_cast<std::size_t>(c)], widest));
    }
    layingOut_ = false;
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

// After an import the match dates and the table are rebuilt, whatever the dialog brought in; a dialog that
// changed nothing leaves them be.
void LeagueTablePage::btnImportClick() {
    if (importer_ == nullptr) {
        importer_ = new TfrmImport(app_, this);
        connect(importer_, &QDialog::finished, this, [this] {
            if (app_.division.Revision() != revisionBeforeImport_)
                Refresh();
        });
    }
    revisionBeforeImport_ = app_.division.Revision();
    importer_->Prepare(std::filesystem::path(workspace_.leaguePath).filename().string());
    importer_->open();
}

void LeagueTablePage::DivTableDblClick(int position) {
    if (position >= 1 && position <= workspace_.table.TeamCount && onTeamStatistics)
        onTeamStatistics(workspace_.table.TableOrder[position]);
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

bool LeagueTablePage::DivTableKeyPress(const QKeyEvent& key) {
    const int row = DivTable->currentRow();
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        DivTableDblClick(row + 1);
        return true;
    case Qt::Key_Menu: {
        const QRect cell = DivTable->visualRect(DivTable->model()->index(std::max(row, 0), 1));
        Q_EMIT DivTable->customContextMenuRequested(cell.center());
        return true;
    }
    default:
        return false;
    }
}

bool LeagueTablePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DivTable) {
        if (event->type() == QEvent::KeyPress && DivTableKeyPress(static_cast<QKeyEvent&>(*event)))
            return true;
        // The keyboard lands on a team, the first one when it had none yet.
        if (event->type() == QEvent::FocusIn && DivTable->currentRow() < 0 && DivTable->rowCount() > 0)
            DivTable->setCurrentCell(0, 1);
    }
    if (watched == DivTable->viewport()) {
        if (event->type() == QEvent::Resize)
            LayOut();
        else if (auto* mouse = dynamic_cast<QMouseEvent*>(event); mouse && DragColumnBorder(*mouse))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantorel

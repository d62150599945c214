#include "stats/TeamStatisticsPage.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "platform/QtCanvas.h"
#include "platform/RepaintOnce.h"
#include "stats/PointsGraph.h"
#include "stats/TeamGridDelegate.h"
#include "stats/TeamStatsGrids.h"
#include "stats/TeamSummaryPrintout.h"
#include "stats/TfrmPlayer.h"
#include "store/Names.h"

namespace vantorel {
namespace {

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Caption and value labels in rows of a group box, under a heading line when one is given.
QGroupBox* FigureBox(const QString& title, const std::vector<std::pair<const char*, QLabel**>>& figures,
                     QWidget* parent, const QString& heading = {}) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const int first = heading.isEmpty() ? 0 : 1;
    if (!heading.isEmpty())
        grid->addWidget(new QLabel(heading, box), 0, 0, 1, 2);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const int row = first + static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromUtf8(figures[i].first), box), row, 0);
        *figures[i].second = new QLabel(box);
        (*figures[i].second)->setMinimumWidth(24);
        grid->addWidget(*figures[i].second, row, 1);
    }
    return box;
}

QTableWidget* StatsGrid(const std::vector<std::string>& headings, TeamGridDelegate* delegate,
                        QWidget* parent) {
    auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    // Headings sit at the left of their sections unless a grid centres them.
    for (std::size_t c = 0; c < headings.size(); ++c) {
        auto* heading = new QTableWidgetItem(Qs(headings[c]));
        heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->setHorizontalHeaderItem(static_cast<int>(c), heading);
    }
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setShowGrid(true);
    delegate->setParent(grid);
    grid->setItemDelegate(delegate);
    return grid;
}

void FillRows(QTableWidget* grid, const std::vector<std::vector<std::string>>& rows) {
    const RepaintOnce once(*grid);
    grid->clearContents();
    // An empty list keeps one blank row.
    grid->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(Qs(rows[r][c])));
}

// A tab sheet holding a grid 10 pixels in from each side.
QWidget* Inset(QWidget* grid, QWidget* parent) {
    auto* sheet = new QWidget(parent);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->addWidget(grid);
    return sheet;
}

void SetWidths(QTableWidget* grid, const std::vector<int>& widths) {
    for (std::size_t c = 0; c < widths.size(); ++c)
        grid->setColumnWidth(static_cast<int>(c), widths[c]);
}

} // namespace

PointsGraphBox::PointsGraphBox(const Division& division, const TeamStatistics& stats, QWidget* parent)
    : QWidget(parent), division_(division), stats_(stats) {
    setToolTip(QStringLiteral("Double Click for expanded view"));
    setMinimumSize(160, 70);
}

void PointsGraphBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    canvas.UseScreenColours(palette());
    DrawPointsGraph(canvas, width(), height(), division_, stats_);
}

void PointsGraphBox::mouseDoubleClickEvent(QMouseEvent*) {
    if (onDoubleClick)
        onDoubleClick();
}

TeamStatisticsPage::TeamStatisticsPage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    btnGraph = new QPushButton(QStringLiteral("Graph"), this);
    btnGraph->setToolTip(QStringLiteral("Display the progress graph"));
    btnTSPrint = new QPushButton(QStringLiteral("Print"), this);
    btnTSPrint->setToolTip(QStringLiteral("Print team summary"));
    auto* buttons = new QVBoxLayout;
    btnExit2 = StackPageButtons(*buttons, *this, WorkspacePage::TeamStatistics, {btnTSPrint, btnGraph});

    // The figures are centred above the tabs; on a small screen they scroll rather than push the window
    // past the screen's edges.
    auto* centred = new QWidget(this);
    auto* top = new QHBoxLayout(centred);
    top->setContentsMargins(0, 0, 0, 0);
    top->addStretch();
    figuresPanel_ = MakeFigures();
    top->addWidget(figuresPanel_);
    top->addStretch();
    auto* figures = new QScrollArea(this);
    figures->setWidget(centred);
    figures->setWidgetResizable(true);
    figures->setFrameShape(QFrame::NoFrame);
    figures->setMinimumSize(120, 80);
    auto* left = new QVBoxLayout;
    left->addWidget(figures);
    // The tabs are 20 pixels narrower than the space beside the buttons, and the grids 20 narrower again.
    auto* tabs = new QHBoxLayout;
    tabs->setContentsMargins(10, 0, 10, 8);
    tabs->addWidget(MakeTabs());
    left->addLayout(tabs, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(SelTeamList, &QComboBox::activated, this, &TeamStatisticsPage::SelTeamListChange);
    connect(hcGames, &QHeaderView::sectionClicked, this, &TeamStatisticsPage::hcGamesSectionClick);
    connect(hcTmPlayers, &QHeaderView::sectionClicked, this, &TeamStatisticsPage::hcTmPlayersSectionClick);
    connect(sgGames, &QTableWidget::cellDoubleClicked, this, &TeamStatisticsPage::sgGamesDblClick);
    connect(sgTmPlayers, &QTableWidget::cellDoubleClicked, this, &TeamStatisticsPage::sgTmPlayersDblClick);
    connect(btnTSPrint, &QPushButton::clicked, this, &TeamStatisticsPage::btnTSPrintClick);
    connect(btnGraph, &QPushButton::clicked, this, &TeamStatisticsPage::btnGraphClick);
    PointsGraph->onDoubleClick = [this] { btnGraphClick(); };
    for (QTableWidget* grid : {sgGames, sgTmPlayers}) {
        grid->viewport()->installEventFilter(this);
        grid->installEventFilter(this);
    }
}

QWidget* TeamStatisticsPage::MakeFigures() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* chooser = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Select Team:"), panel);
    SelTeamList = new QComboBox(panel);
    SelTeamList->setMinimumContentsLength(20);
    caption->setBuddy(SelTeamList);
    chooser->addWidget(caption);
    chooser->addWidget(SelTeamList, 1);
    grid->addLayout(chooser, 0, 0, 1, 3);

    grid->addWidget(FigureBox({},
                              {{"Points:", &lblPoints},
                               {"Played:", &lblPlayed},
                               {"Goals:", &lblGoals},
                               {"Won:", &lblWon},
                               {"Drawn:", &lblDrawn},
                               {"Lost:", &lblLost},
                               {"Deducted Points:", &lbDeducted}},
                              panel),
                    1, 0, 2, 1);
    auto* highest = new QVBoxLayout;
    auto scoreBox = [panel](const QString& title, QLabel*& home, QLabel*& homeTeam, QLabel*& away,
                            QLabel*& awayTeam) {
        auto* box = new QGroupBox(title, panel);
        auto* rows = new QGridLayout(box);
        rows->setVerticalSpacing(2);
        rows->setColumnStretch(2, 1);
        QLabel** cells[2][2] = {{&home, &homeTeam}, {&away, &awayTeam}};
        const char* venues[2] = {"Home:", "Away:"};
        for (int r = 0; r < 2; ++r) {
            rows->addWidget(new QLabel(QString::fromUtf8(venues[r]), box), r, 0);
            for (int c = 0; c < 2; ++c) {
                *cells[r][c] = new QLabel(box);
                rows->addWidget(*cells[r][c], r, c + 1);
            }
            (*cells[r][0])->setMinimumWidth(20);
            (*cells[r][0])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            (*cells[r][1])->setMinimumWidth(150);
        }
        return box;
    };
    highest->addWidget(
        scoreBox(QStringLiteral("Highest Score (For)"), hfHome, hfHomeTeam, hfAway, hfAwayTeam));
    highest->addWidget(
        scoreBox(QStringLiteral("Highest Score (Against)"), haHome, haHomeTeam, haAway, haAwayTeam));
    grid->addLayout(highest, 1, 1, 2, 1);

    auto* progress = new QGroupBox(QStringLiteral("Points Progress"), panel);
    PointsGraph = new PointsGraphBox(app_.division, stats_, progress);
    auto* progressLayout = new QVBoxLayout(progress);
    progressLayout->addWidget(PointsGraph);
    grid->addWidget(progress, 1, 2);
    auto* form = FigureBox(QStringLiteral("Current Form"),
                           {{"Home:", &hForm}, {"Away:", &aForm}, {"Summary:", &labFormSum}}, panel);
    labFormSum->setMinimumWidth(170);
    grid->addWidget(form, 2, 2);
    return panel;
}

QWidget* TeamStatisticsPage::MakeTabs() {
    pcTeamStat = new QTabWidget(this);
    auto* games = new TeamGridDelegate(
        GamesColumnAlignment,
        [this](int column, const std::string& text) {
            return column == 3 ? OppositionColour(app_.division, app_.settings, text) : kBlack;
        },
        nullptr);
    sgGames = StatsGrid(kGamesHeadings, games, pcTeamStat);
    hcGames = sgGames->horizontalHeader();
    for (int c : {2, 4, 5})
        sgGames->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignCenter);
    sgTmPlayers = StatsGrid(kTeamPlayersHeadings,
                            new TeamGridDelegate(TeamPlayersColumnAlignment, {}, nullptr), pcTeamStat);
    sgGames->setAccessibleName(QStringLiteral("Games"));
    sgTmPlayers->setAccessibleName(QStringLiteral("Players"));
    hcTmPlayers = sgTmPlayers->horizontalHeader();
    pcTeamStat->addTab(Inset(sgGames, pcTeamStat), QStringLiteral("Games"));
    pcTeamStat->addTab(Inset(sgTmPlayers, pcTeamStat), QStringLiteral("Players"));

    auto* misc = new QWidget(pcTeamStat);
    auto* attendances =
        FigureBox(QStringLiteral("Attendances"),
                  {{"Highest:", &labAttHigh}, {"Lowest:", &labAttLow}, {"Average:", &labAttAve}}, misc);
    auto* clean = FigureBox({}, {{"Total:", &labTotClean}, {"Home:", &labHmClean}, {"Away:", &labAwClean}},
                            misc, QStringLiteral("Clean Sheets:"));
    for (QLabel* label : {labAttHigh, labAttLow, labAttAve, labTotClean, labHmClean, labAwClean})
        label->setMinimumWidth(90);
    auto* miscLayout = new QHBoxLayout(misc);
    miscLayout->addStretch();
    miscLayout->addWidget(attendances, 0, Qt::AlignTop);
    miscLayout->addWidget(clean, 0, Qt::AlignTop);
    miscLayout->addStretch();
    pcTeamStat->addTab(misc, QStringLiteral("Miscellaneous"));
    return pcTeamStat;
}

void TeamStatisticsPage::PageEntry() {
    const Division& division = app_.division;
    GamesSortKey = 1;
    PlayersSortKey = 1;
    stats_ = {};
    workspace_.ShownTeam = 0;
    // Only the team is chosen here: the figures are worked out when the page is entered, so that opening a
    // league does not pay for a page out of sight.
    const QSignalBlocker quiet(SelTeamList);
    FillTeamList();
    SelectTeam(division.Header().OwnTeam > 0 ? division.Header().OwnTeam : 1);
    if (division.Header().OwnTeam == 0)
        SelTeamList->setCurrentIndex(0);
}

// The team names in name order, each line holding its team's index: two teams of one name stay apart.
void TeamStatisticsPage::FillTeamList() {
    const Division& division = app_.division;
    SelTeamList->clear();
    // Every team name fits the highest-score lines from the start.
    int widestName = 150;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        widestName =
            std::max(widestName, hfHomeTeam->fontMetrics().horizontalAdvance(Qs(TeamName(division, t))));
    for (QLabel* name : {hfHomeTeam, hfAwayTeam, haHomeTeam, haAwayTeam})
        name->setMinimumWidth(widestName + 4);
    figuresPanel_->setMinimumWidth(0);
    std::vector<int> teams;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        teams.push_back(t);
    // Each entry keeps its team's index, so that a renamed team is still found.
    for (int t : app_.TeamsInListOrder(teams))
        SelTeamList->addItem(Qs(TeamName(division, t)), t);
}

void TeamStatisticsPage::SelectTeam(int team) {
    SelTeamList->setCurrentIndex(SelTeamList->findData(team));
}

void TeamStatisticsPage::TeamRenamed() {
    const int selected = SelTeamList->currentData().toInt();
    FillTeamList();
    SelectTeam(selected > 0 ? selected : 1);
}

void TeamStatisticsPage::Refresh() {
    SelTeamListChange();
    SelTeamList->setFocus();
}

void TeamStatisticsPage::SelTeamListChange() {
    if (SelTeamList->currentIndex() < 0)
        return;
    if (const int team = SelTeamList->currentData().toInt(); team > 0)
        TeamStats(team);
}

void TeamStatisticsPage::TeamStats(int team) {
    stats_ = vantorel::TeamStats(app_.division, team);
    workspace_.ShownTeam = team;
    gamesOrder_ = stats_.games;
    playerOrder_ = stats_.players;
    sgGames->scrollToTop();
    ShowLabels();
    FillGames();
    FillTmPlayer();
    PointsGraph->update();
}

void TeamStatisticsPage::ShowLabels() {
    const TeamStatsTexts t = TeamStatsLabels(app_.division, stats_);
    const std::pair<QLabel*, const std::string*> labels[] = {
        {lblPoints, &t.points},      {lblPlayed, &t.played},
        {lblGoals, &t.goals},        {lblWon, &t.won},
        {lblDrawn, &t.drawn},        {lblLost, &t.lost},
        {lbDeducted, &t.deducted},   {hfHome, &t.hfHome},
        {hfHomeTeam, &t.hfHomeTeam}, {hfAway, &t.hfAway},
        {hfAwayTeam, &t.hfAwayTeam}, {haHome, &t.haHome},
        {haHomeTeam, &t.haHomeTeam}, {haAway, &t.haAway},
        {haAwayTeam, &t.haAwayTeam}, {hForm, &t.hForm},
        {aForm, &t.aForm},           {labFormSum, &t.formSummary},
        {labAttHigh, &t.attHigh},    {labAttLow, &t.attLow},
        {labAttAve, &t.attAverage},  {labTotClean, &t.totalClean},
        {labHmClean, &t.homeClean},  {labAwClean, &t.awayClean}};
    for (const auto& [label, text] : labels)
        label->setText(Qs(*text));
    // The figures keep the widest place they took for this league, so that they stand still as the team
    // changes.
    figuresPanel_->setMinimumWidth(
        std::max(figuresPanel_->minimumWidth(), figuresPanel_->sizeHint().width()));
}

void TeamStatisticsPage::FillGames() {
    const int team = stats_.summary.Team;
    SortTeamGames(app_.division, team, gamesOrder_, GamesSortKey);
    std::vector<std::vector<std::string>> rows;
    for (const int r : gamesOrder_)
        rows.push_back(TeamGameCells(app_.division, team, r, app_.dateFormat));
    FillRows(sgGames, rows);
}

void TeamStatisticsPage::FillTmPlayer() {
    SortTeamPlayers(app_.division, playerOrder_, PlayersSortKey);
    std::vector<std::vector<std::string>> rows;
    for (const TeamPlayerLine& line : playerOrder_)
        rows.push_back(TeamPlayerCells(app_.division, line));
    FillRows(sgTmPlayers, rows);
}

void TeamStatisticsPage::hcGamesSectionClick(int section) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    GamesSortKey = NextGamesSortKey(GamesSortKey, section + 1);
    FillGames();
    QApplication::restoreOverrideCursor();
}

void TeamStatisticsPage::hcTmPlayersSectionClick(int section) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PlayersSortKey = section + 1;
    FillTmPlayer();
    QApplication::restoreOverrideCursor();
}

void TeamStatisticsPage::sgGamesDblClick() {
    const int row = sgGames->currentRow();
    if (row < 0 || row + 1 > static_cast<int>(gamesOrder_.size())) {
        app_.prompts.Beep();
        return;
    }
    if (onShowResult)
        onShowResult(gamesOrder_[static_cast<std::size_t>(row)]);
}

void TeamStatisticsPage::sgTmPlayersDblClick() {
    const int row = sgTmPlayers->currentRow();
    if (row < 0 || row >= static_cast<int>(playerOrder_.size()))
        return;
    const int player = playerOrder_[static_cast<std::size_t>(row)].Player;
    if (record_ == nullptr)
        record_ = new TfrmPlayer(app_, player, this);
    else
        record_->ShowPlayer(player);
    record_->onShowResult = onShowResult;
    record_->open();
}

void TeamStatisticsPage::btnTSPrintClick() {
    if (stats_.summary.Team < 1) {
        app_.prompts.Beep();
        return;
    }
    const std::string today = app_.dateFormat.Format(app_.today());
    app_.printPages(this, QStringLiteral("Vantorel Team Summary"),
                    [this, today](Canvas& canvas, int width, int height, int page) {
                        return PrintTeamSummary(canvas, width, height, app_.division, stats_, app_.dateFormat,
                                                today, page);
                    });
}

void TeamStatisticsPage::btnGraphClick() {
    if (onShowGraph && stats_.summary.Team > 0)
        onShowGraph(stats_.summary.Team);
    else
        app_.prompts.Beep();
}

void TeamStatisticsPage::LayOutGrids() {
    SetWidths(sgGames, GamesColumnWidths(sgGames->viewport()->width(), 0, 0));
    SetWidths(sgTmPlayers, TeamPlayersColumnWidths(sgTmPlayers->viewport()->width(), 0, 0));
}

bool TeamStatisticsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize)
        LayOutGrids();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == sgGames)
                sgGamesDblClick();
            else if (watched == sgTmPlayers)
                sgTmPlayersDblClick();
            return watched == sgGames || watched == sgTmPlayers;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantorel

#include "stats/GoalStatsPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "platform/QtCanvas.h"
#include "platform/RepaintOnce.h"
#include "stats/GoalTimeChart.h"
#include "stats/OwnTeamLineDelegate.h"

namespace vantorel {
namespace {

// Labels of a figure group, in the order of the core's figures.
std::vector<QLabel*> FigureLabels(QGroupBox* box, const std::vector<const char*>& captions) {
    auto* form = new QFormLayout(box);
    std::vector<QLabel*> values;
    for (const char* caption : captions) {
        auto* value = new QLabel(box);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromUtf8(caption), value);
        values.push_back(value);
    }
    return values;
}

} // namespace

GoalTimeBox::GoalTimeBox(const Division& division, QWidget* parent) : QWidget(parent), division_(division) {
    setMinimumSize(190, 80);
    setToolTip(
        QStringLiteral("Goals by five minutes: first half blue, second half red, after 90 minutes yellow"));
}

void GoalTimeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    canvas.UseScreenColours(palette());
    DrawGoalTimeChart(canvas, division_, width(), height());
}

GoalStatsPage::GoalStatsPage(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    GroupBox15 = new QGroupBox(QString::fromUtf8(kTopScorersCaption), this);
    GroupBox14 = new QGroupBox(QString::fromUtf8(kGoalsPerMatchCaption), this);
    lbTopScorers = new QListWidget(GroupBox15);
    lbTopScorers->setItemDelegate(new OwnTeamLineDelegate(app, lbTopScorers));
    // Lines of any length: a long one scrolls sideways rather than being cut.
    lbTopScorers->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lbTopScorers->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lbTopScorers->setToolTip(QStringLiteral("Double click to display the player's record"));
    (new QVBoxLayout(GroupBox15))->addWidget(lbTopScorers);

    GroupBox16 = new QGroupBox(QStringLiteral("Goal Time Distribution"), this);
    pbGoals = new GoalTimeBox(app.division, GroupBox16);
    (new QVBoxLayout(GroupBox16))->addWidget(pbGoals);

    GroupBox18 = new QGroupBox(QStringLiteral("Penalties:"), this);
    const auto penalties = FigureLabels(GroupBox18, {"Number Scored:", "Most Against:", "Most Scored:"});
    lbPenTot = penalties[0], lbPenCon = penalties[1], lbPenAward = penalties[2];
    GroupBox19 = new QGroupBox(QStringLiteral("Own Goals"), this);
    const auto ownGoals = FigureLabels(GroupBox19, {"Total:", "Most:"});
    lbOwnTot = ownGoals[0], lbOwnMost = ownGoals[1];

    lvGoalsPerMatch = new QTreeWidget(GroupBox14);
    lvGoalsPerMatch->setRootIsDecorated(false);
    lvGoalsPerMatch->setHeaderLabels({QStringLiteral("Goals"), QStringLiteral("Player"),
                                      QStringLiteral("For"), QStringLiteral("Against"),
                                      QStringLiteral("Date")});
    lvGoalsPerMatch->header()->setSectionsClickable(false);
    lvGoalsPerMatch->header()->setStretchLastSection(false);
    lvGoalsPerMatch->header()->setSectionResizeMode(QHeaderView::Interactive);
    lvGoalsPerMatch->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    lvGoalsPerMatch->headerItem()->setTextAlignment(4, Qt::AlignCenter);
    lvGoalsPerMatch->setToolTip(QStringLiteral("Double click to display the player's record"));
    auto* perMatch = new QVBoxLayout(GroupBox14);
    perMatch->setContentsMargins(8, 8, 8, 8);
    perMatch->addWidget(lvGoalsPerMatch);

    Panel21 = new QWidget(this);
    Label70 = new QLabel(QString::fromUtf8(kNoScorersExplanation), Panel21);
    Label70->setWordWrap(true);
    Label70->setAlignment(Qt::AlignCenter);
    QFont bigger = Label70->font();
    bigger.setPointSize(bigger.pointSize() + 4);
    Label70->setFont(bigger);
    (new QVBoxLayout(Panel21))->addWidget(Label70);

    auto* figures = new QVBoxLayout;
    figures->addWidget(GroupBox18);
    figures->addWidget(GroupBox19);
    figures->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox15, 3);
    top->addWidget(GroupBox16, 3);
    top->addLayout(figures, 2);
    // The statistics give way to the explanation as a whole while no scorer is known.
    statistics_ = new QWidget(this);
    auto* statistics = new QVBoxLayout(statistics_);
    statistics->setContentsMargins(0, 0, 0, 0);
    statistics->addLayout(top, 1);
    statistics->addWidget(GroupBox14, 1);
    auto* page = new QVBoxLayout;
    page->addWidget(statistics_, 1);
    page->addWidget(Panel21, 1);
    auto* buttons = new QVBoxLayout;
    btnExit7 = StackPageButtons(*buttons, *this, WorkspacePage::GoalStatistics);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(page, 1);
    layout->addLayout(buttons);

    connect(lbTopScorers, &QListWidget::itemActivated, this, &GoalStatsPage::lbTopScorersDblClick);
    connect(lvGoalsPerMatch, &QTreeWidget::itemActivated, this, &GoalStatsPage::lvGoalsPerMatchDblClick);
}

void GoalStatsPage::GoalStats() {
    shown_ = vantorel::GoalStats(app_.division, app_.dateFormat);
    for (QWidget* box :
         std::initializer_list<QWidget*>{GroupBox14, GroupBox15, GroupBox16, GroupBox18, GroupBox19})
        box->setVisible(shown_.HasScorers);
    statistics_->setVisible(shown_.HasScorers);
    Panel21->setVisible(!shown_.HasScorers);
    if (!shown_.HasScorers)
        return;

    QStringList scorers;
    for (const StatsLine& line : shown_.TopScorers)
        scorers.append(QString::fromStdString(line.text));
    lbTopScorers->clear();
    lbTopScorers->addItems(scorers);

    const RepaintOnce once(*lvGoalsPerMatch);
    lvGoalsPerMatch->clear();
    for (const HatTrickRow& row : shown_.GoalsPerMatch) {
        auto* item = new QTreeWidgetItem(lvGoalsPerMatch);
        const std::vector<std::string> cells = {row.goals, row.player, row.forTeam, row.against, row.date};
        for (std::size_t c = 0; c < cells.size(); ++c)
            item->setText(static_cast<int>(c), QString::fromStdString(cells[c]));
        item->setTextAlignment(0, Qt::AlignCenter);
        item->setTextAlignment(4, Qt::AlignCenter);
    }
    // Each column as wide as its widest line or heading with room either side.
    constexpr int kColumnRoom = 20;
    for (int c = 0; c < lvGoalsPerMatch->columnCount(); ++c) {
        lvGoalsPerMatch->resizeColumnToContents(c);
        lvGoalsPerMatch->setColumnWidth(c, lvGoalsPerMatch->columnWidth(c) + kColumnRoom);
    }
    lvGoalsPerMatch->setHeaderHidden(shown_.GoalsPerMatch.empty());

    const std::vector<QLabel*> labels = {lbPenTot, lbPenCon, lbPenAward, lbOwnTot, lbOwnMost};
    for (std::size_t i = 0; i < labels.size() && i < shown_.figures.size(); ++i)
        labels[i]->setText(QString::fromStdString(shown_.figures[i].value));
    pbGoals->update();
}

void GoalStatsPage::lbTopScorersDblClick() {
    const int row = lbTopScorers->currentRow();
    if (row >= 0 && row < static_cast<int>(shown_.TopScorers.size()) && onShowPlayer)
        onShowPlayer(shown_.TopScorers[static_cast<std::size_t>(row)].record);
}

void GoalStatsPage::lvGoalsPerMatchDblClick() {
    const int row = lvGoalsPerMatch->indexOfTopLevelItem(lvGoalsPerMatch->currentItem());
    if (row >= 0 && row < static_cast<int>(shown_.GoalsPerMatch.size()) && onShowPlayer)
        onShowPlayer(shown_.GoalsPerMatch[static_cast<std::size_t>(row)].playerIndex);
}

} // namespace vantorel

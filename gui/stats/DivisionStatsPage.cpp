#include "stats/DivisionStatsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "stats/OwnTeamLineDelegate.h"

namespace vantorel {
namespace {

QListWidget* ScoreList(AppContext& app, const char* caption, QWidget* parent, QHBoxLayout* row) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    auto* list = new QListWidget(box);
    list->setItemDelegate(new OwnTeamLineDelegate(app, list));
    list->setUniformItemSizes(true);
    list->setToolTip(QStringLiteral("Double click to display the match details"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(list);
    row->addWidget(box, 1);
    return list;
}

// A group of two rows of three captioned read-only figures.
std::vector<QLineEdit*> FigureGroup(const char* caption, const std::vector<const char*>& labels,
                                    QWidget* parent, QVBoxLayout* column) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    auto* grid = new QGridLayout(box);
    std::vector<QLineEdit*> edits;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* edit = new QLineEdit(box);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setMaximumWidth(70);
        edit->setBackgroundRole(QPalette::Button);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        edit->setPalette(palette);
        auto* label = new QLabel(QString::fromUtf8(labels[i]), box);
        label->setBuddy(edit);
        const int row = static_cast<int>(i / 3), col = static_cast<int>(i % 3) * 2;
        grid->addWidget(label, row, col, Qt::AlignRight);
        grid->addWidget(edit, row, col + 1);
        edits.push_back(edit);
    }
    column->addWidget(box);
    return edits;
}

} // namespace

DivisionStatsPage::DivisionStatsPage(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    auto* lists = new QHBoxLayout;
    column->addLayout(lists, 1);
    HighHome = ScoreList(app, kHighHomeCaption, panel, lists);
    HighAway = ScoreList(app, kHighAwayCaption, panel, lists);
    const auto goals =
        FigureGroup("Goals", {"Home:", "Away:", "Total:", "Ave/Game:", "Most in a match:", "Clean Sheets:"},
                    panel, column);
    const auto results = FigureGroup(
        "Results", {"Games:", "Home Wins:", "Away Wins:", "Draws:", "Score:", "No Score:"}, panel, column);
    HomeTot = goals[0], AwayTot = goals[1], TotTot = goals[2];
    edAveGoals = goals[3], edMostGoals = goals[4], edClnShts = goals[5];
    edtGames = results[0], edtHmWins = results[1], edtAwWins = results[2];
    edtDraws = results[3], edtScDraws = results[4], edtNsDraws = results[5];
    panel->setMaximumWidth(900);

    auto* buttons = new QVBoxLayout;
    btnExit3 = StackPageButtons(*buttons, *this, WorkspacePage::DivisionStatistics);
    auto* layout = new QHBoxLayout(this);
    // The statistics panel sits centred in the space left of the buttons.
    layout->addStretch(1);
    layout->addWidget(panel, 40);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(HighHome, &QListWidget::itemActivated, this, &DivisionStatsPage::HighHomeDblClick);
    connect(HighAway, &QListWidget::itemActivated, this, &DivisionStatsPage::HighAwayDblClick);
}

void DivisionStatsPage::DivisionStats() {
    const char separator = QLocale().decimalPoint().at(0).toLatin1();
    shown_ = vantorel::DivisionStats(app_.division, app_.dateFormat, separator ? separator : '.');
    auto fill = [](QListWidget* list, const std::vector<StatsLine>& lines) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(lines.size()));
        for (const StatsLine& line : lines)
            texts.append(QString::fromStdString(line.text));
        list->clear();
        list->addItems(texts);
    };
    fill(HighHome, shown_.HighHome);
    fill(HighAway, shown_.HighAway);
    const std::vector<QLineEdit*> edits = {HomeTot,     AwayTot,   TotTot,     edAveGoals,
                                           edMostGoals, edClnShts, edtGames,   edtHmWins,
                                           edtAwWins,   edtDraws,  edtScDraws, edtNsDraws};
    for (std::size_t i = 0; i < edits.size() && i < shown_.figures.size(); ++i)
        edits[i]->setText(QString::fromStdString(shown_.figures[i].value));
}

void DivisionStatsPage::ShowLineResult(QListWidget* list, const std::vector<StatsLine>& lines) {
    const int row = list->currentRow();
    if (row < 0 || row >= static_cast<int>(lines.size())) {
        app_.prompts.Beep();
        return;
    }
    if (onShowResult)
        onShowResult(lines[static_cast<std::size_t>(row)].record);
}

void DivisionStatsPage::HighHomeDblClick() {
    ShowLineResult(HighHome, shown_.HighHome);
}

void DivisionStatsPage::HighAwayDblClick() {
    ShowLineResult(HighAway, shown_.HighAway);
}

} // namespace vantorel

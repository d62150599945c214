#include "players/TfrmSquad.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "platform/ButtonRow.h"
#include "platform/CanvasCellDelegate.h"
#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "platform/WindowPlaces.h"
#include "players/Squads.h"
#include "players/TfrmAddPlayer.h"
#include "players/TfrmUpSquad.h"

namespace vantorel {
namespace {

// Draws every cell of the squad grid, the heading row included.
void DrawSquadGridCell(Canvas& canvas, const CanvasCell& cell) {
    const HighlightColours highlight{ToColour(cell.option.palette.color(QPalette::Highlight)),
                                     ToColour(cell.option.palette.color(QPalette::HighlightedText))};
    DrawSquadCell(canvas, cell.left, cell.top, cell.right, cell.bottom, cell.row, cell.column, cell.text,
                  cell.selected(), highlight);
}

constexpr int kGridRows = kSquadLines + 1;

} // namespace

TfrmSquad::TfrmSquad(AppContext& app, int result, QWidget* parent)
    : QDialog(parent), app_(app), editor_(std::make_unique<SquadEditor>(app.division, result)) {
    setWindowTitle(QString::fromStdString(editor_->Caption(app.dateFormat)));
    RememberPlace(this, QStringLiteral("Squad"), app.settingsFile);
    cbTeams = new QComboBox(this);
    for (const std::string& name : editor_->SideNames())
        cbTeams->addItem(QString::fromStdString(name));
    cbTeams->setCurrentIndex(editor_->FirstSide());

    auto* available = new QGroupBox(QStringLiteral("Available Players"), this);
    lbPlayers = new QListWidget(available);
    lbPlayers->setSortingEnabled(true);
    btnAddPlayer = new QPushButton(QStringLiteral("A&dd"), available);
    btnAddPlayer->setToolTip(QStringLiteral("Add a new player to the selected team"));
    auto* availableLayout = new QVBoxLayout(available);
    availableLayout->addWidget(lbPlayers);
    availableLayout->addWidget(btnAddPlayer);

    btnAdd = new QPushButton(QStringLiteral(">>"), this);
    btnAdd->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    btnAdd->setToolTip(QStringLiteral("Put the selected player in the squad (Alt+Right)"));
    btnRemove = new QPushButton(QStringLiteral("<<"), this);
    btnRemove->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    btnRemove->setToolTip(QStringLiteral("Take the selected line off the squad (Alt+Left)"));
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(btnAdd);
    moves->addWidget(btnRemove);
    moves->addStretch();

    sgSquad = new QTableWidget(kGridRows, static_cast<int>(kSquadHeadings.size()), this);
    sgSquad->horizontalHeader()->hide();
    sgSquad->verticalHeader()->hide();
    sgSquad->setShowGrid(true);
    sgSquad->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgSquad->setSelectionMode(QAbstractItemView::SingleSelection);
    sgSquad->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgSquad->setItemDelegate(new CanvasCellDelegate(DrawSquadGridCell, sgSquad));
    sgSquad->verticalHeader()->setDefaultSectionSize(sgSquad->fontMetrics().height() + 4);
    sgSquad->setColumnWidth(0, 170);
    for (int column = 1; column < static_cast<int>(kSquadHeadings.size()); ++column)
        sgSquad->setColumnWidth(column, column < 3 ? 40 : 28);
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < static_cast<int>(kSquadHeadings.size()); ++column)
            sgSquad->setItem(row, column, new QTableWidgetItem);
    for (int column = 0; column < static_cast<int>(kSquadHeadings.size()); ++column)
        sgSquad->item(0, column)->setText(
            QString::fromUtf8(kSquadHeadings[static_cast<std::size_t>(column)]));
    // Every line shows without scrolling.
    const int frame = 2 * sgSquad->frameWidth();
    sgSquad->setMinimumSize(sgSquad->horizontalHeader()->length() + frame + 2,
                            sgSquad->verticalHeader()->length() + frame + 2);

    btnUpdate = new QPushButton(QStringLiteral("&Update"), this);
    btnUpdate->setToolTip(QStringLiteral("Update details for the selected squad member"));
    auto* buttons = OkCancelRow(this, btnOK, btnCancel);
    buttons->insertWidget(0, btnUpdate);
    frmUpSquad = new TfrmUpSquad(app, this);
    frmAddPlayer = new TfrmAddPlayer(app, this);

    auto* teamRow = new QHBoxLayout;
    auto* teamLabel = new QLabel(QStringLiteral("&Team:"), this);
    teamLabel->setBuddy(cbTeams);
    teamRow->addWidget(teamLabel);
    teamRow->addWidget(cbTeams, 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(available);
    columns->addLayout(moves);
    columns->addWidget(sgSquad, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(teamRow);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(cbTeams, &QComboBox::currentIndexChanged, this, &TfrmSquad::cbTeamsChange);
    connect(lbPlayers, &QListWidget::itemDoubleClicked, this, &TfrmSquad::btnAddClick);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmSquad::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmSquad::btnRemoveClick);
    connect(sgSquad, &QTableWidget::cellDoubleClicked, this, &TfrmSquad::btnUpdateClick);
    connect(btnUpdate, &QPushButton::clicked, this, &TfrmSquad::btnUpdateClick);
    connect(btnAddPlayer, &QPushButton::clicked, this, &TfrmSquad::btnAddPlayerClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSquad::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(frmAddPlayer, &QDialog::finished, this, &TfrmSquad::FillAvailable);
    connect(frmUpSquad, &QDialog::accepted, this, [this] {
        if (const int line = selectedLine())
            editor_->Update(side(), line, frmUpSquad->line());
        FillGrid();
    });
    InstallHelpKey(this, app.help, [] { return HelpContext::Squad; });
    FillGrid();
}

TfrmSquad::~TfrmSquad() = default;

int TfrmSquad::side() const {
    return cbTeams->currentIndex();
}

int TfrmSquad::selectedLine() const {
    const int row = sgSquad->currentRow();
    return row >= 1 && row <= kSquadLines ? row : 0;
}

void TfrmSquad::cbTeamsChange() {
    FillGrid();
}

void TfrmSquad::FillAvailable() {
    lbPlayers->clear();
    for (const std::string& name : editor_->AvailablePlayers(side()))
        lbPlayers->addItem(QString::fromStdString(name));
}

void TfrmSquad::FillGrid() {
    FillAvailable();
    for (int line = 1; line <= kSquadLines; ++line) {
        const auto cells = editor_->Row(side(), line);
        for (int column = 0; column < static_cast<int>(cells.size()); ++column)
            sgSquad->item(line, column)
                ->setText(QString::fromStdString(cells[static_cast<std::size_t>(column)]));
    }
}

void TfrmSquad::btnAddClick() {
    const QListWidgetItem* chosen = lbPlayers->currentItem();
    if (!chosen)
        return;
    if (!editor_->Add(side(), chosen->text().toStdString())) {
        app_.prompts.Beep();
        return;
    }
    FillGrid();
}

void TfrmSquad::btnRemoveClick() {
    const int line = selectedLine();
    if (line == 0)
        return;
    if (!editor_->Remove(side(), line)) {
        app_.prompts.Beep();
        return;
    }
    FillGrid();
}

void TfrmSquad::btnUpdateClick() {
    const int line = selectedLine();
    if (line == 0)
        return;
    const SquadEntry& entry = editor_->Lines(side())[static_cast<std::size_t>(line - 1)];
    if (entry.Player == 0) {
        app_.prompts.Beep();
        return;
    }
    frmUpSquad->FormShow(editor_->result(), editor_->Team(side()), entry);
    frmUpSquad->open();
}

void TfrmSquad::btnAddPlayerClick() {
    frmAddPlayer->FormShow(0, editor_->Team(side()));
    frmAddPlayer->open();
}

void TfrmSquad::btnOKClick() {
    if (auto status = editor_->Save(app_.division); !status) {
        app_.prompts.Error(status.message());
        return;
    }
    app_.RecordEdit(MatchStep(app_.division, "squads", editor_->result()));
    accept();
}

void ShowSquads(AppContext& app, QWidget* parent, int result, std::function<void()> done) {
    auto* dialog = new TfrmSquad(app, result, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (done)
        QObject::connect(dialog, &QDialog::finished, dialog, [done] { done(); });
    dialog->open();
}

} // namespace vantorel

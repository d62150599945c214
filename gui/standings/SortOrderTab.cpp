#include "standings/SortOrderTab.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorel {
namespace {

const QString kRuleMime = QString::fromLatin1(kRuleMimeType);

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    return button;
}

QLabel* Note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

QByteArray RuleDragPayload(SortRuleLists::List from, int index) {
    return QByteArray::number(static_cast<int>(from)) + " " + QByteArray::number(index);
}

RuleListBox::RuleListBox(SortRuleLists::List which, QWidget* parent) : QListWidget(parent), which_(which) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

void RuleListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    dragIndex_ = index.isValid() ? index.row() : -1;
    pressedAt_ = event->position().toPoint();
}

void RuleListBox::mouseMoveEvent(QMouseEvent* event) {
    // A drag starts only from an item, and only once the pointer has moved.
    if (!(event->buttons() & Qt::LeftButton) || dragIndex_ < 0 ||
        (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    auto* data = new QMimeData;
    data->setData(kRuleMime, RuleDragPayload(which_, dragIndex_));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    dragIndex_ = -1;
    drag->exec(Qt::MoveAction);
}

void RuleListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kRuleMime))
        event->acceptProposedAction();
}

void RuleListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kRuleMime))
        event->acceptProposedAction();
}

void RuleListBox::dropEvent(QDropEvent* event) {
    const QList<QByteArray> parts = event->mimeData()->data(kRuleMime).split(' ');
    if (parts.size() != 2)
        return;
    event->acceptProposedAction();
    if (onDrop)
        onDrop(static_cast<SortRuleLists::List>(parts[0].toInt()), parts[1].toInt());
}

SortOrderTab::SortOrderTab(AppContext& app, SortRuleLists& lists, QWidget* parent)
    : QWidget(parent), app_(app), lists_(lists) {
    auto* available = new QGroupBox(QStringLiteral("Available Rules:"), this);
    lbAvail = new RuleListBox(SortRuleLists::List::Available, available);
    (new QVBoxLayout(available))->addWidget(lbAvail);
    auto* active = new QGroupBox(QStringLiteral("Active Rules:"), this);
    lbActive = new RuleListBox(SortRuleLists::List::Active, active);
    (new QVBoxLayout(active))->addWidget(lbActive);

    btnRight = ArrowButton(Qt::RightArrow, this);
    btnRight->setToolTip(QStringLiteral("Make the selected rule active"));
    btnLeft = ArrowButton(Qt::LeftArrow, this);
    btnLeft->setToolTip(QStringLiteral("Stop using the selected rule"));
    btnUp = ArrowButton(Qt::UpArrow, this);
    btnUp->setToolTip(QStringLiteral("Apply the selected rule earlier"));
    btnDown = ArrowButton(Qt::DownArrow, this);
    btnDown->setToolTip(QStringLiteral("Apply the selected rule later"));
    btnRestore = new QPushButton(QStringLiteral("Restore"), this);
    btnRestore->setToolTip(QStringLiteral("Undo any changes"));

    auto* across = new QVBoxLayout;
    across->addStretch();
    across->addWidget(btnRight);
    across->addWidget(btnLeft);
    across->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(btnUp);
    order->addWidget(btnDown);
    order->addStretch();
    auto* lists_row = new QHBoxLayout;
    lists_row->addWidget(available, 1);
    lists_row->addLayout(across);
    lists_row->addWidget(active, 1);
    lists_row->addLayout(order);
    auto* notes = new QVBoxLayout;
    notes->addWidget(
        Note("The active sort rules determine the order of teams within the league table", this));
    notes->addWidget(Note(
        "The position of an active rule, from top to bottom, determines the order that the rules are applied",
        this));
    notes->addWidget(Note("There must be at least one active sort rule.", this));
    notes->addWidget(Note("At most eight rules can be active.", this));
    notes->addWidget(btnRestore, 0, Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists_row, 1);
    layout->addLayout(notes);

    connect(btnRight, &QToolButton::clicked, this, &SortOrderTab::btnRightClick);
    connect(btnLeft, &QToolButton::clicked, this, &SortOrderTab::btnLeftClick);
    connect(btnUp, &QToolButton::clicked, this, &SortOrderTab::btnUpClick);
    connect(btnDown, &QToolButton::clicked, this, &SortOrderTab::btnDownClick);
    connect(btnRestore, &QPushButton::clicked, this, &SortOrderTab::btnRestoreClick);
    lbAvail->onDrop = [this](SortRuleLists::List source, int index) {
        ListDrop(source, index, SortRuleLists::List::Available);
    };
    lbActive->onDrop = [this](SortRuleLists::List source, int index) {
        ListDrop(source, index, SortRuleLists::List::Active);
    };
}

void SortOrderTab::Setup() {
    lists_.Load(app_.division.Header().SortRules.stored());
    ShowLists();
}

void SortOrderTab::ShowLists() {
    auto fill = [](QListWidget* box, const std::vector<char>& codes) {
        box->clear();
        for (char code : codes)
            box->addItem(QString::fromStdString(RuleName(code)));
    };
    fill(lbAvail, lists_.available());
    fill(lbActive, lists_.active());
}

void SortOrderTab::btnRightClick() {
    if (!lists_.MoveRight(lbAvail->currentRow()))
        return Beep();
    ShowLists();
}

void SortOrderTab::btnLeftClick() {
    if (!lists_.MoveLeft(lbActive->currentRow()))
        return Beep();
    ShowLists();
}

void SortOrderTab::btnUpClick() {
    int selected = lbActive->currentRow();
    if (!lists_.MoveUp(selected))
        return Beep();
    ShowLists();
    lbActive->setCurrentRow(selected);
}

void SortOrderTab::btnDownClick() {
    int selected = lbActive->currentRow();
    if (!lists_.MoveDown(selected))
        return Beep();
    ShowLists();
    lbActive->setCurrentRow(selected);
}

void SortOrderTab::btnRestoreClick() {
    lists_.Restore(app_.division.Header().SortRules.stored());
    ShowLists();
}

void SortOrderTab::ListDrop(SortRuleLists::List source, int dragIndex, SortRuleLists::List target) {
    if (lists_.Drop(source, dragIndex, target))
        ShowLists();
}

} // namespace vantorel

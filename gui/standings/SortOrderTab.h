#pragma once

#include <functional>

#include <QByteArray>
#include <QListWidget>
#include <QWidget>

#include "app/AppContext.h"
#include "standings/SortRules.h"

class QPushButton;
class QToolButton;

namespace vantorel {

// A rule's drag: the list it comes from and its index there, as "1 3", under its own MIME type.
inline constexpr const char* kRuleMimeType = "application/x-vantorel-sort-rule";
QByteArray RuleDragPayload(SortRuleLists::List from, int index);

// A list of sort rules whose items can be dragged to the end of this list or of the other one.
class RuleListBox : public QListWidget {
public:
    RuleListBox(SortRuleLists::List which, QWidget* parent);

    // Called on a drop onto this list with the list and item the drag came from.
    std::function<void(SortRuleLists::List source, int dragIndex)> onDrop;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    SortRuleLists::List which_;
    int dragIndex_ = -1;
    QPoint pressedAt_;
};

// The "Sort &Order" tab: the available and active sort rules of the league, edited in the workspace's
// sort-rule lists and applied when the user leaves the tab.
class SortOrderTab : public QWidget {
public:
    SortOrderTab(AppContext& app, SortRuleLists& lists, QWidget* parent);

    // Loads the lists from the league's stored rules.
    void Setup();
    // Shows the lists as they stand.
    void ShowLists();

    void btnRightClick();
    void btnLeftClick();
    void btnUpClick();
    void btnDownClick();
    void btnRestoreClick();
    void ListDrop(SortRuleLists::List source, int dragIndex, SortRuleLists::List target);

    RuleListBox* lbAvail;
    RuleListBox* lbActive;
    QToolButton* btnRight;
    QToolButton* btnLeft;
    QToolButton* btnUp;
    QToolButton* btnDown;
    QPushButton* btnRestore;

private:
    void Beep() { app_.prompts.Beep(); }

    AppContext& app_;
    SortRuleLists& lists_;
};

} // namespace vantorel

#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QToolButton;

namespace vantorel {

class HelpViewer;

// The date picker: a borderless month calendar. A mouse click on a day or Enter accepts the day, Esc
// cancels; keypad + and - move a day, Tab and Shift+Tab a month, the arrows move the selection only.
class TfrmCal : public QDialog {
public:
    TfrmCal(HelpViewer& help, QWidget* parent);

    // Opens on a day (a day number) with its top-left corner at a screen position.
    void Start(double day, const QPoint& topLeft);
    // The chosen day once accepted; 0 when cancelled.
    double CalDate() const { return calDate_; }

    // Shows the picker modally and returns the chosen day, or 0.
    static double Pick(HelpViewer& help, QWidget* parent, double day, const QPoint& topLeft);

    QCalendarWidget* Calendar1;
    QLabel* Panel1;
    QToolButton* btnPrev;
    QToolButton* btnNext;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void ShowMonth();
    void MoveMonth(int months);

    double calDate_ = 0;
};

} // namespace vantorel

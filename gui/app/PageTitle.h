#pragma once

class QLabel;
class QWidget;

namespace vantorel {

// The raised panel with the league's name in large bold type that tops the table pages.
QLabel* MakePageTitle(QWidget* parent);

} // namespace vantorel

class QGroupBox;
class QToolButton;

namespace vantorel {

// The as-at date control of the table pages, "Include up to:": the date's label, the calendar button and
// the arrows that step from match date to match date.
struct AsAtDateControls {
    QGroupBox* box;
    QLabel* label;
    QToolButton* pick;
    QToolButton* up;
    QToolButton* down;
};
AsAtDateControls MakeAsAtDateControls(QWidget* parent);

} // namespace vantorel

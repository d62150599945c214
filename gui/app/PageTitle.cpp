#include "app/PageTitle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantorel {

QLabel* MakePageTitle(QWidget* parent) {
    auto* title = new QLabel(parent);
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::Panel);
    title->setFrameShadow(QFrame::Raised);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    title->setFont(font);
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    title->setMinimumHeight(title->fontMetrics().height() + 12);
    return title;
}

} // namespace vantorel

namespace vantorel {

AsAtDateControls MakeAsAtDateControls(QWidget* parent) {
    AsAtDateControls controls{};
    controls.box = new QGroupBox(QStringLiteral("Include up to:"), parent);
    controls.label = new QLabel(QStringLiteral("dd/mm/yy"), controls.box);
    // Whatever the label says, the panel keeps its width: a long text wraps within two lines.
    controls.label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    controls.label->setWordWrap(true);
    controls.label->setFixedHeight(2 * controls.label->fontMetrics().lineSpacing());
    // A date always shows whole, however narrow the page's panel.
    controls.label->setMinimumWidth(
        controls.label->fontMetrics().horizontalAdvance(QStringLiteral("28/12/2026 ")));
    controls.up = new QToolButton(controls.box);
    controls.up->setArrowType(Qt::UpArrow);
    controls.up->setToolTip(QStringLiteral("Include the next match date"));
    controls.up->setAccessibleName(QStringLiteral("Include up to the next match date"));
    controls.down = new QToolButton(controls.box);
    controls.down->setArrowType(Qt::DownArrow);
    controls.down->setToolTip(QStringLiteral("Include up to the previous match date"));
    controls.down->setAccessibleName(QStringLiteral("Include up to the previous match date"));
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(controls.up);
    spin->addWidget(controls.down);
    controls.pick = new QToolButton(controls.box);
    controls.pick->setText(QStringLiteral("..."));
    controls.pick->setToolTip(QStringLiteral("Set end date of included matches"));
    auto* layout = new QHBoxLayout(controls.box);
    // The choices sit close together, so that the page fits a 640 x 480 screen.
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(0);
    layout->addWidget(controls.label, 1);
    layout->addWidget(controls.pick);
    layout->addLayout(spin);
    return controls;
}

} // namespace vantorel

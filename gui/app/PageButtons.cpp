#include "app/PageButtons.h"

#include <vector>

#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

QPushButton* StackPageButtons(QVBoxLayout& panel, QWidget& page, WorkspacePage number,
                              std::initializer_list<QPushButton*> upwards) {
    auto* exit = new QPushButton(QStringLiteral("Exit"), &page);
    exit->setObjectName(QStringLiteral("btnExit%1").arg(static_cast<int>(number) + 1));
    exit->setToolTip(QStringLiteral("Exit back to main form"));
    QObject::connect(exit, &QPushButton::clicked, &page, [&page] { page.window()->close(); });

    auto* stack = new QVBoxLayout;
    stack->setSpacing(5);
    const std::vector<QPushButton*> buttons(upwards);
    for (auto button = buttons.rbegin(); button != buttons.rend(); ++button)
        stack->addWidget(*button);
    stack->addWidget(exit);
    panel.addStretch();
    panel.addLayout(stack);
    return exit;
}

} // namespace vantorel

#include "app/TfrmSplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Pictures.h"

namespace vantorel {

TfrmSplash::TfrmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* title = new QLabel(QStringLiteral("Vantorel 2.1"), panel);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 10);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Football Vantorel"), panel);
    auto* picture = new QLabel(panel);
    picture->setPixmap(BallPicture(96, 0));
    auto* credit = new QLabel(QStringLiteral("Follow your league through the season"), panel);
    auto* inner = new QVBoxLayout(panel);
    for (QLabel* label : {title, subtitle, picture, credit}) {
        label->setAlignment(Qt::AlignCenter);
        inner->addWidget(label);
    }
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    resize(360, 260);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace vantorel

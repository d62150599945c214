#include "app/TAboutBox.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "platform/HelpWindow.h"

namespace vantorel {

TAboutBox::TAboutBox(HelpViewer& help, QWidget* parent)
    : QDialog(parent), PaintBox1(new QLabel(this)), timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("About"));
    auto* product = new QLabel(QStringLiteral("<b>Vantorel</b>"), this);
    auto* version = new QLabel(QStringLiteral("Version 2.1"), this);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelText = new QVBoxLayout(panel);
    panelText->addWidget(new QLabel(QStringLiteral("Football Vantorel for Windows 95"), panel));
    panelText->addWidget(
        new QLabel(QStringLiteral("Made for fans who follow their league all season"), panel));
    PaintBox1->setFixedSize(64, 64);

    auto* top = new QHBoxLayout;
    top->addWidget(PaintBox1);
    auto* names = new QVBoxLayout;
    names->addWidget(product);
    names->addWidget(version);
    top->addLayout(names, 1);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(panel);
    layout->addWidget(ok);
    setFixedSize(sizeHint());

    connect(timer_, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
    InstallHelpKey(this, help, [] { return HelpContext::About; });
}

void TAboutBox::showEvent(QShowEvent* event) {
    pictureNumber_ = 0;
    Timer1Timer();
    timer_->start(100);
    QDialog::showEvent(event);
}

void TAboutBox::hideEvent(QHideEvent* event) {
    timer_->stop();
    QDialog::hideEvent(event);
}

void TAboutBox::Timer1Timer() {
    PaintBox1->setPixmap(BallPicture(PaintBox1->width(), pictureNumber_));
    pictureNumber_ = (pictureNumber_ + 1) % kBallFrames;
}

} // namespace vantorel

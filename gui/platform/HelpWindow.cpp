#include "platform/HelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

namespace vantorel {

HelpWindow::~HelpWindow() {
    delete browser_;
}

void HelpWindow::ShowContext(int context) {
    ShowAnchor(AnchorOf(context));
}

void HelpWindow::ShowContents() {
    ShowAnchor(QStringLiteral("contents"));
}

void HelpWindow::Close() {
    if (browser_)
        browser_->close();
}

void HelpWindow::ShowAnchor(const QString& anchor) {
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setWindowTitle(QStringLiteral("Vantorel Help"));
        browser_->setOpenExternalLinks(true);
        // Wholly on the screen of the window that asked, however small that screen is.
        const QWidget* asking = QApplication::activeWindow();
        const QScreen* screen = asking != nullptr ? asking->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 720, 640);
        constexpr int kFrameAllowance = 40; // the title bar and borders the window manager adds
        const QSize size = QSize(720, 640).boundedTo(area.size() - QSize(kFrameAllowance, kFrameAllowance));
        browser_->resize(size);
        browser_->move(area.center() - QPoint(size.width() / 2, (size.height() + kFrameAllowance) / 2));
    }
    if (!QFileInfo::exists(helpFile_)) {
        browser_->setHtml(QStringLiteral("<h2>Help is missing</h2><p>The help file %1 was not found.</p>")
                              .arg(helpFile_.toHtmlEscaped()));
    } else {
        QUrl url = QUrl::fromLocalFile(helpFile_);
        url.setFragment(anchor);
        browser_->setSource(url);
        browser_->scrollToAnchor(anchor);
    }
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void InstallHelpKey(QWidget* window, HelpViewer& help, std::function<int()> context) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [&help, context] { help.ShowContext(context()); });
}

} // namespace vantorel

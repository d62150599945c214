#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QTextBrowser>

#include "platform/HelpViewer.h"

class QWidget;

namespace vantorel {

// The help system: one window showing the help file, opened at a context's section or at the contents.
class HelpWindow : public HelpViewer {
public:
    explicit HelpWindow(QString helpFile) : helpFile_(std::move(helpFile)) {}
    ~HelpWindow() override;

    void ShowContext(int context) override;
    void ShowContents() override;
    void Close() override;

    // The anchor of a context's section in the help file.
    static QString AnchorOf(int context) { return QStringLiteral("context-%1").arg(context); }
    // The window showing the help; none before the help was first asked for.
    QTextBrowser* browser() const { return browser_; }

private:
    void ShowAnchor(const QString& anchor);

    QString helpFile_;
    QPointer<QTextBrowser> browser_;
};

// Makes F1 in a window open the help at the context the window reports at that moment.
void InstallHelpKey(QWidget* window, HelpViewer& help, std::function<int()> context);

} // namespace vantorel

// The platform's own floor for the harness: a dialog, the same dialog maximised (as the matches grid opens)
// and a workspace-sized window with nothing of ours in them, opened as the program opens its own, with the
// same window habits and a kept dialog. What an action of the program costs beyond these is the program's.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

namespace vantorel {
namespace {

// A workspace-sized window with empty pages; closing it brings the starting window back, as the program's
// workspace does.
class BareWorkspace : public QMainWindow {
public:
    explicit BareWorkspace(QWidget& start) : start_(start) {
        setWindowTitle(QStringLiteral("Bare - Workspace"));
        auto* pages = new QTabWidget;
        for (const char* caption :
             {"League Table", "Team Statistics", "Goal Statistics", "Division Statistics", "Enter Results",
              "Predict Results", "Table Maintenance"})
            pages->addTab(new QWidget, QString::fromUtf8(caption));
        setCentralWidget(pages);
        resize(1000, 680);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        QMainWindow::closeEvent(event);
        QTimer::singleShot(0, &start_, [this] { start_.show(); });
    }

private:
    QWidget& start_;
};

KeptDialog* MakeBareDialog(QWidget* parent, const QString& title) {
    auto* dialog = new KeptDialog(parent);
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("A dialog with nothing in it"), dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog;
}

} // namespace
} // namespace vantorel

int main(int argc, char** argv) {
    using namespace vantorel;
    QApplication application(argc, argv);
    // The harness stops the program; the moment between the workspace closing and the start window
    // showing again must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallWindowHabits();

    QWidget start;
    start.setWindowTitle(QStringLiteral("Bare"));
    auto* openDialog = new QPushButton(QStringLiteral("Dialog"), &start);
    auto* openMaximized = new QPushButton(QStringLiteral("Maximized"), &start);
    auto* openWindow = new QPushButton(QStringLiteral("Window"), &start);
    auto* layout = new QVBoxLayout(&start);
    layout->addWidget(openDialog);
    layout->addWidget(openMaximized);
    layout->addWidget(openWindow);
    start.resize(360, 240);

    KeptDialog* dialog = MakeBareDialog(&start, QStringLiteral("Bare Dialog"));
    KeptDialog* maximized = MakeBareDialog(&start, QStringLiteral("Bare Maximized"));
    maximized->setWindowState(Qt::WindowMaximized);
    BareWorkspace workspace(start);
    QObject::connect(openDialog, &QPushButton::clicked, dialog, &QDialog::open);
    QObject::connect(openMaximized, &QPushButton::clicked, maximized, &QDialog::open);
    QObject::connect(openWindow, &QPushButton::clicked, &start, [&] {
        start.hide();
        workspace.show();
    });
    start.show();
    return application.exec();
}

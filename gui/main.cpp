// vantorel: the desktop program. Reads its settings, shows the splash and the main window, and runs.

#include <cstdlib>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QCollator>
#include <QFileDialog>

#include "app/AppContext.h"
#include "app/HeadlessPrint.h"
#include "app/StartupArguments.h"
#include "app/TfrmDirect.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "cmdline/Usage.h"
#include "platform/AccessibleNames.h"
#include "platform/Clipboard.h"
#include "platform/FileChoosers.h"
#include "platform/HelpWindow.h"
#include "platform/HintSwitch.h"
#include "platform/QtPrompts.h"
#include "platform/SystemDateFormat.h"
#include "platform/WaveSound.h"
#include "platform/WindowModal.h"
#include "players/PlayerDialogs.h"
#include "results/TfrmCal.h"
#include "store/Dates.h"
#include "store/ProgramPlaces.h"

namespace {

QString ChooseNewLeagueFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Save the new league"), folder,
                       QStringLiteral("League Division (*.div)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("div"));
    if (vantorel::ExecWindowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace vantorel;
    StartupArguments startup = ReadStartupArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (startup.action == StartupAction::Help || startup.action == StartupAction::Version) {
        std::cout << (startup.action == StartupAction::Help ? cmdline::HelpText(cmdline::DesktopUsage())
                                                            : cmdline::VersionLine("vantorel") + "\n");
        return 0;
    }
    const bool headless = startup.action != StartupAction::Open;
    // Printing to a file needs no window, and no display; a screenshot is taken offscreen, so that it looks
    // the same on every desktop, unless a platform is named.
    if ((startup.action == StartupAction::Screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) ||
        (startup.action == StartupAction::Print && qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Headless runs keep their options to themselves: Qt would read "--style" as its own.
    int qtArgc = headless ? 1 : argc;
    QApplication application(qtArgc, argv);
    if (headless)
        return RunWithoutWindow(startup);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    // The desktop ties every window to the program's launcher.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopFileName));
    InstallWindowHabits();
    // What is left of the command line once Qt has taken its own options.
    startup = ReadStartupArguments(std::vector<std::string>(argv + 1, argv + qtArgc));
    if (!startup.error.empty()) {
        std::cerr << startup.error << '\n';
        return startup.exitCode;
    }

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    QApplication::processEvents();

    const ProgramPlaces places = LocateProgramPlaces(QApplication::applicationDirPath().toStdString(),
                                                     std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    auto division = std::make_unique<Division>();
    QtPrompts prompts;
    HelpWindow help(QString::fromStdString(places.helpFile.string()));
    HintSwitch hints;
    application.installEventFilter(&hints);
    AccessibleNamer namer;
    application.installEventFilter(&namer);

    AppContext app(*division, prompts, help);
    app.hints = &hints;
    app.settingsFile = places.settingsFile;
    app.settings = ReadSettings(app.settingsFile, places.leagueFolder);
    if (auto status = PrepareLeagueFolder(places, app.settings.LeagueFolder); !status)
        std::cerr << "vantorel: " << app.settings.LeagueFolder << ": " << status.message() << '\n';
    app.leagueFolder = startup.leagueFolder.empty() ? app.settings.LeagueFolder : startup.leagueFolder;
    app.dateFormat = SystemDateFormat();
    auto collator = std::make_shared<QCollator>(QLocale());
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    app.collate = [collator](const std::string& a, const std::string& b) {
        return collator->compare(QString::fromStdString(a), QString::fromStdString(b));
    };
    app.chooseFolder = [&help](QWidget* parent, const QString& start) {
        return ChooseLeagueFolder(parent, start, help);
    };
    app.chooseNewLeagueFile = ChooseNewLeagueFile;
    app.playSound = PlayWave;
    app.print = PrintWithDialog;
    app.printPages = PrintPagesWithDialog;
    app.pickDate = [&help](QWidget* parent, double day, const QPoint& topLeft) {
        return TfrmCal::Pick(help, parent, day, topLeft);
    };
    app.today = Today;
    app.chooseExportFile = ChooseExportFile;
    app.chooseImportFile = ChooseImportFile;
    app.putClipboard = PutClipboardText;
    app.choosePictureFile = ChoosePictureFile;
    InstallPlayerDialogs(app);

    TfrmMain mainWindow(app);
    prompts.setParent(&mainWindow);
    mainWindow.setSplash(splash.release());
    mainWindow.Start(startup);
    return application.exec();
}

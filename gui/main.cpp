// vantorel: the desktop program. Reads its settings, shows the splash and the main window, and runs.

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "app/AppContext.h"
#include "app/HeadlessPrint.h"
#include "app/HeadlessScreenshot.h"
#include "app/TfrmDirect.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "platform/Clipboard.h"
#include "platform/ExchangeFileDialogs.h"
#include "platform/HelpWindow.h"
#include "platform/HintSwitch.h"
#include "platform/QtPrompts.h"
#include "platform/SystemDateFormat.h"
#include "platform/Today.h"
#include "platform/WaveSound.h"
#include "results/TfrmCal.h"

namespace {

// The league folder given by "--folder DIR" for this run only; empty when none was given.
QString FolderArgument(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--folder"));
    if (at < 0 || at + 1 >= arguments.size())
        return {};
    return QDir(arguments[at + 1]).absolutePath();
}

QString ChooseNewLeagueFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Save the new league"), folder,
                       QStringLiteral("League Division (*.div)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("div"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace vantorel;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const bool printOnly = std::find(words.begin(), words.end(), "--print") != words.end();
    const bool screenshotOnly = WantsScreenshot(words);
    // Printing to a file needs no window, and no display; a screenshot is taken offscreen, so that it looks
    // the same on every desktop, unless a platform is named.
    if ((screenshotOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) ||
        (printOnly && qEnvironmentVariableIsEmpty("DISPLAY") &&
         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (printOnly)
        return PrintLeagueToPdf(words);
    if (screenshotOnly)
        return ScreenshotLeague(words);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    QApplication::processEvents();

    const std::string programFolder = WithTrailingSeparator(QApplication::applicationDirPath().toStdString());
    auto division = std::make_unique<Division>();
    QtPrompts prompts;
    HelpWindow help(QString::fromStdString(programFolder) + QStringLiteral("vantorel.html"));
    HintSwitch hints;
    application.installEventFilter(&hints);

    AppContext app(*division, prompts, help);
    app.hints = &hints;
    app.settingsFile = SettingsFilePath(programFolder, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    app.settings = ReadSettings(app.settingsFile, programFolder);
    const QString folder = FolderArgument(QApplication::arguments());
    app.leagueFolder =
        folder.isEmpty() ? app.settings.LeagueFolder : WithTrailingSeparator(folder.toStdString());
    app.dateFormat = SystemDateFormat();
    app.chooseFolder = [&help](QWidget* parent, const QString& start) {
        return ChooseLeagueFolder(parent, start, help);
    };
    app.chooseNewLeagueFile = ChooseNewLeagueFile;
    app.playSound = PlayWave;
    app.print = PrintWithDialog;
    app.pickDate = [&help](QWidget* parent, double day, const QPoint& topLeft) {
        return TfrmCal::Pick(help, parent, day, topLeft);
    };
    app.today = Today;
    app.chooseExportFile = ChooseExportFile;
    app.chooseImportFile = ChooseImportFile;
    app.putClipboard = PutClipboardText;

    TfrmMain mainWindow(app);
    prompts.setParent(&mainWindow);
    mainWindow.setSplash(splash.release());
    mainWindow.show();
    return application.exec();
}

#include "app/HeadlessScreenshot.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLayout>
#include <QPalette>
#include <QTabBar>
#include <QTabWidget>

#include "app/AppContext.h"
#include "app/HeadlessWindows.h"
#include "app/MaintenancePage.h"
#include "app/TfrmProcess.h"
#include "cmdline/LeagueArguments.h"
#include "outlook/OutlookPage.h"
#include "platform/SystemDateFormat.h"
#include "players/PlayerDialogs.h"
#include "stats/TeamStatisticsPage.h"
#include "store/Dates.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

constexpr int kOutlookWaitMs = 30000;

// Messages have nobody to answer them: they go to standard error, questions are answered No.
class StandardErrorPrompts : public Prompts {
public:
    void Warn(const std::string& text) override { std::cerr << text << "\n"; }
    void Error(const std::string& text) override { std::cerr << text << "\n"; }
    void Info(const std::string& text) override { std::cerr << text << "\n"; }
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    void Beep() override {}
};

// A dark desktop's colours, to see that every page stays readable on one.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), button(60, 60, 64);
    const QColor grey(120, 120, 120);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, button);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, button);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, grey);
    return dark;
}

} // namespace

int ScreenshotLeague(const StartupArguments& startup) {
    try {
        if (startup.dark)
            QApplication::setPalette(DarkPalette());
        auto division = std::make_unique<Division>();
        StandardErrorPrompts prompts;
        NoHelp help;
        AppContext app(*division, prompts, help);
        app.dateFormat = SystemDateFormat();
        app.leagueFolder =
            WithTrailingSeparator(std::filesystem::path(startup.leagueFile).parent_path().string());
        app.today = Today;
        app.pickDate = [](QWidget*, double, const QPoint&) { return 0.0; };
        InstallPlayerDialogs(app);
        TfrmProcess window(app);
        if (!window.OpenLeague(startup.leagueFile))
            return 1;
        const int team = startup.team ? cmdline::TeamByName(*division, *startup.team) : 0;
        if (startup.team)
            window.teamStatsPage->SelectTeam(team);
        // The picture has the size asked for, even below what the pages' layouts want: it shows how the
        // window looks at that size.
        window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
        window.setMinimumSize(0, 0);
        window.resize(startup.width, startup.height);
        window.maintenancePage->TabbedNotebook1->setCurrentIndex(static_cast<int>(startup.tab));
        window.show();
        window.TabSet1->setCurrentIndex(static_cast<int>(startup.page.value_or(WorkspacePage::LeagueTable)));
        QApplication::processEvents();
        // The outlook arrives from its worker thread: the picture waits for the whole of it.
        QElapsedTimer waited;
        waited.start();
        while (window.outlookPage->busy() && waited.elapsed() < kOutlookWaitMs)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QWidget* shown = &window;
        std::unique_ptr<QWidget> other;
        if (startup.window) {
            other = MakeScreenshotWindow(*startup.window, app, window, team);
            if (!other)
                throw cmdline::UsageError("the league has nothing to show in the " + *startup.window +
                                          " window");
            if (startup.sized)
                other->resize(startup.width, startup.height);
            other->show();
            QApplication::processEvents();
            shown = other.get();
        }
        if (!shown->grab().toImage().save(QString::fromStdString(startup.output), "PNG"))
            throw cmdline::UsageError(startup.output + ": cannot be written");
        return 0;
    } catch (const cmdline::UsageError& error) {
        std::cerr << "vantorel --screenshot: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel

#include "app/HeadlessScreenshot.h"

#include <iostream>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QTabBar>
#include <QTabWidget>

#include "app/AppContext.h"
#include "app/MaintenancePage.h"
#include "app/TfrmProcess.h"
#include "cmdline/LeagueArguments.h"
#include "platform/SystemDateFormat.h"
#include "players/PlayerDialogs.h"
#include "stats/TeamStatisticsPage.h"
#include "store/Dates.h"

namespace vantorel {
namespace {

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

} // namespace

int ScreenshotLeague(const StartupArguments& startup) {
    try {
        auto division = std::make_unique<Division>();
        StandardErrorPrompts prompts;
        NoHelp help;
        AppContext app(*division, prompts, help);
        app.dateFormat = SystemDateFormat();
        app.today = Today;
        app.pickDate = [](QWidget*, double, const QPoint&) { return 0.0; };
        InstallPlayerDialogs(app);
        TfrmProcess window(app);
        if (!window.OpenLeague(startup.leagueFile))
            return 1;
        if (startup.team)
            window.teamStatsPage->SelectTeam(cmdline::TeamByName(*division, *startup.team));
        // The picture has the size asked for, even below what the pages' layouts want: it shows how the
        // window looks at that size.
        window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
        window.setMinimumSize(0, 0);
        window.resize(startup.width, startup.height);
        window.maintenancePage->TabbedNotebook1->setCurrentIndex(static_cast<int>(startup.tab));
        window.show();
        window.TabSet1->setCurrentIndex(static_cast<int>(startup.page.value_or(WorkspacePage::LeagueTable)));
        QApplication::processEvents();
        if (!window.grab().toImage().save(QString::fromStdString(startup.output), "PNG"))
            throw cmdline::UsageError(startup.output + ": cannot be written");
        return 0;
    } catch (const cmdline::UsageError& error) {
        std::cerr << "vantorel --screenshot: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel

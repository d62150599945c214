#include "app/HeadlessScreenshot.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <utility>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLayout>
#include <QTabBar>
#include <QTabWidget>

#include "Arguments.h"
#include "CommandSupport.h"
#include "app/AppContext.h"
#include "app/MaintenancePage.h"
#include "outlook/OutlookPage.h"
#include "app/TfrmProcess.h"
#include "platform/SystemDateFormat.h"
#include "platform/Today.h"
#include "players/PlayerDialogs.h"
#include "stats/TeamStatisticsPage.h"

namespace vantorel {
namespace {

constexpr int kOutlookWaitMs = 30000;
constexpr std::array<const char*, 8> kPageNames = {"table", "outlook", "team",    "goals",
                                                   "division", "enter", "predict", "maintenance"};
constexpr std::array<const char*, 6> kTabNames = {"table", "results", "goals", "players", "teams", "sort"};

template <std::size_t N>
int IndexOfName(const std::array<const char*, N>& names, const std::string& name, const std::string& option) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        std::string known;
        for (const char* each : names)
            known += std::string(known.empty() ? "" : ", ") + each;
        throw cli::UsageError(option + " takes one of " + known + ", not '" + name + "'");
    }
    return static_cast<int>(found - names.begin());
}

QSize SizeOption(cli::Arguments& args) {
    const auto text = args.value("--size");
    if (!text)
        return {960, 680};
    const std::size_t x = text->find('x');
    if (x == std::string::npos)
        throw cli::UsageError("--size takes WIDTHxHEIGHT, not '" + *text + "'");
    return {cli::ParseNumber(text->substr(0, x), 320, 8000, "--size width"),
            cli::ParseNumber(text->substr(x + 1), 240, 8000, "--size height")};
}

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

bool WantsScreenshot(const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), "--screenshot") != words.end();
}

int ScreenshotLeague(const std::vector<std::string>& words) {
    try {
        cli::Arguments args(words, {});
        const std::string path = args.positional("league file");
        const auto out = args.value("--screenshot");
        if (!out)
            throw cli::UsageError("missing --screenshot OUT.png");
        const auto pageName = args.value("--page");
        const int page = pageName ? IndexOfName(kPageNames, *pageName, "--page") : 0;
        const auto tabName = args.value("--tab");
        const int tab = tabName ? IndexOfName(kTabNames, *tabName, "--tab") : 0;
        const QSize size = SizeOption(args);
        const auto teamName = args.value("--team");
        args.finish();

        auto division = std::make_unique<Division>();
        StandardErrorPrompts prompts;
        NoHelp help;
        AppContext app(*division, prompts, help);
        app.dateFormat = SystemDateFormat();
        app.today = Today;
        app.pickDate = [](QWidget*, double, const QPoint&) { return 0.0; };
        InstallPlayerDialogs(app);
        TfrmProcess window(app);
        if (!window.OpenLeague(path))
            return 1;
        if (teamName)
            window.teamStatsPage->SelectTeam(cli::TeamByName(*division, *teamName));
        // The picture has the size asked for, even below what the pages' layouts want: it shows how the
        // window looks at that size.
        window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
        window.setMinimumSize(0, 0);
        window.resize(size);
        window.maintenancePage->TabbedNotebook1->setCurrentIndex(tab);
        window.show();
        window.TabSet1->setCurrentIndex(page);
        QApplication::processEvents();
        // The outlook arrives from its worker thread: the picture waits for the whole of it.
        QElapsedTimer waited;
        waited.start();
        while (window.outlookPage->busy() && waited.elapsed() < kOutlookWaitMs)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!window.grab().toImage().save(QString::fromStdString(*out), "PNG"))
            throw cli::UsageError(*out + ": cannot be written");
        return 0;
    } catch (const cli::UsageError& error) {
        std::cerr << "vantorel --screenshot: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel

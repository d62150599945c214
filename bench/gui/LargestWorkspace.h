#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <benchmark/benchmark.h>

#include "app/AppContext.h"
#include "app/TfrmProcess.h"
#include "platform/HelpViewer.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel::bench {

// A shown workspace on the largest league, with the league's own sort rules or the given ones.
struct LargestWorkspace {
    explicit LargestWorkspace(const char* sortRules = nullptr) : app(*division, prompts, help) {
        const std::string path = folder.file("largest.div");
        auto league = testing::MakeLargestLeague();
        if (sortRules)
            testing::Edit(*league).Header().SortRules.assignStored(sortRules);
        if (!SaveDivision(path, *league))
            throw std::runtime_error("cannot write the league");
        app.today = [] { return 46000.0; };
        window = std::make_unique<TfrmProcess>(app);
        window->OpenLeague(path);
        window->resize(image.size());
        window->show();
    }
    testing::TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
    std::unique_ptr<TfrmProcess> window;

    // Lets the pending layout run, as the event loop would, then paints the whole window.
    void Paint() {
        QCoreApplication::processEvents();
        window->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    void Click(QWidget* widget, QPoint at = {}) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    QImage image{QSize(960, 680), QImage::Format_ARGB32_Premultiplied};
};

} // namespace vantorel::bench

#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "app/AppContext.h"
#include "app/TfrmProcess.h"
#include "platform/HelpViewer.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel::bench {

// A shown workspace on the largest league.
struct LargestWorkspace {
    LargestWorkspace() : app(*division, prompts, help) {
        const std::string path = folder.file("largest.div");
        if (!SaveDivision(path, *testing::MakeLargestLeague()))
            throw std::runtime_error("cannot write the league");
        app.today = [] { return 46000.0; };
        window = std::make_unique<TfrmProcess>(app);
        window->OpenLeague(path);
        window->show();
    }
    testing::TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
    std::unique_ptr<TfrmProcess> window;
};

} // namespace vantorel::bench

#pragma once

#include <memory>
#include <string>

class QWidget;

namespace vantorel {

struct AppContext;
class TfrmProcess;

// Makes one of the program's windows (kScreenshotWindows) for a picture, over a workspace with its league
// open: "main" (the league's folder listed), "wizard", "graph" (of the team given, else the first), "player"
// (the top scorer), "details" and "squad" (the last played result with both squads, else the last played),
// "export", "import". Nothing for another name.
std::unique_ptr<QWidget> MakeScreenshotWindow(const std::string& name, AppContext& app,
                                              TfrmProcess& workspace, int team);

} // namespace vantorel

#pragma once

#include <memory>
#include <string>

class QWidget;

namespace vantorel {

struct AppContext;
class TfrmProcess;

// The names --window takes: the main window, the wizard and the dialogs a workspace opens.
inline constexpr const char* kScreenshotWindows =
    "main, wizard, graph, player, details, squad, export, import";

// Makes one of the program's windows for a picture, over a workspace with its league open: "main" (the
// league's folder listed), "wizard", "graph" (of the team given, else the first), "player" (the top scorer),
// "details" and "squad" (the last played result with both squads, else the last played), "export",
// "import". Nothing for another name.
std::unique_ptr<QWidget> MakeScreenshotWindow(const std::string& name, AppContext& app,
                                              TfrmProcess& workspace, int team);

} // namespace vantorel

#pragma once

namespace vantorel {

// The help system: a window showing the help text at a context number or at its contents.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void ShowContext(int context) = 0;
    virtual void ShowContents() = 0;
    virtual void Close() = 0;
};

// Help for a run without a window (a screenshot, a benchmark): nothing is shown.
class NoHelp : public HelpViewer {
public:
    void ShowContext(int) override {}
    void ShowContents() override {}
    void Close() override {}
};

// The help context numbers of the windows.
namespace HelpContext {
inline constexpr int MainWindow = 200;
inline constexpr int Workspace = 300;
inline constexpr int AddPlayer = 1000;
inline constexpr int Calendar = 1010;
inline constexpr int ChangeScore = 1020;
inline constexpr int FolderDialog = 1030;
inline constexpr int UpdateGoal = 1040;
inline constexpr int ResultDetails = 1050;
inline constexpr int UpdateSquad = 1055;
inline constexpr int Setup = 1058;
inline constexpr int About = 1060;
inline constexpr int NewLeague = 1100;
inline constexpr int Export = 1200;
inline constexpr int Import = 1250;
inline constexpr int Graph = 1300;
inline constexpr int Grid = 1400;
inline constexpr int Squad = 1500;
} // namespace HelpContext

} // namespace vantorel

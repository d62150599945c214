#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <QImage>
#include <QPoint>
#include <QString>

#include "app/LeagueEdits.h"
#include "platform/DateFormat.h"
#include "platform/HelpViewer.h"
#include "platform/Printing.h"
#include "platform/Prompts.h"
#include "store/Division.h"
#include "store/Settings.h"
#include "store/TeamOrder.h"

class QWidget;

namespace vantorel {

class HintSwitch;

// What the windows of one run share: the one Division, the settings, the folders, and the platform services.
// The file choosers and the sound are functions so that tests can stand in for dialogs that would block.
struct AppContext {
    AppContext(Division& division, Prompts& prompts, HelpViewer& help)
        : division(division), prompts(prompts), help(help) {}

    Division& division;
    Prompts& prompts;
    HelpViewer& help;
    HintSwitch* hints = nullptr;
    Settings settings;
    std::filesystem::path settingsFile;
    std::string leagueFolder; // ends in the platform's separator
    bool warnedInvalid = false;
    DateFormat dateFormat = DateFormat::Default();
    // The order of names in the user's locale; team lists are sorted by it.
    NameCollation collate = CompareNamesIgnoringCase;

    // A folder chosen by the user, starting from a folder; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& start)> chooseFolder;
    // A new league file name chosen by the user in a folder; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> chooseNewLeagueFile;
    // Plays a wave sound of the program's resources.
    std::function<void(const QString& resource)> playSound;
    // Prints one page, asking for the printer first; false when the user cancels.
    std::function<bool(QWidget* parent, const QString& jobTitle, const PageDrawer& draw)> print;
    // Prints a document of one or more pages, asking for the printer first; false when the user cancels.
    std::function<bool(QWidget* parent, const QString& jobTitle, const PagesDrawer& draw)> printPages;
    // Picks a date with the calendar, starting on a day, placed at a screen position; 0 when cancelled.
    std::function<double(QWidget* parent, double day, const QPoint& topLeft)> pickDate;
    // Today's date as a day number.
    std::function<double()> today;
    // Asks, modally, for the details of one new goal record of a result just entered or re-scored (scorer,
    // minute, penalty, own goal); goalNumber counts that team's goals of the match from 1. Called once per
    // goal, home goals first, when the league tracks goals. Unset: goals cannot be tracked yet.
    std::function<void(QWidget* parent, int goal, int goalNumber)> askGoalDetails;
    // Shows, modally, the squads of a played result. Unset: the Squads button does nothing.
    std::function<void(QWidget* parent, int result)> showSquads;
    // The exchange dialogs' file choosers, starting in a folder (empty when cancelled), and the clipboard.
    std::function<QString(QWidget* parent, const QString& folder)> chooseExportFile;
    std::function<QString(QWidget* parent, const QString& folder)> chooseImportFile;
    std::function<void(const QString& text)> putClipboard;
    // A picture's file, offered under a suggested path; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> choosePictureFile;

    // Switches the application's pop-up hints as the settings say.
    void ApplyHints() const;
    // Asks for a file, offered under `suggested`, and saves the picture there as PNG, ".png" added when the
    // name lacks it; false when cancelled, or when the file could not be written, which is said.
    bool SavePicture(QWidget* parent, const std::string& suggested, const QImage& picture) const;

    // The undo history and journal of the league open in the workspace; none while no league is open.
    LeagueEdits* edits = nullptr;
    // Records a finished edit of the open league as an undo step named step, written to the journal before
    // it returns: every edit site calls it once after its core operation succeeds. An error writing the
    // journal is shown.
    void RecordEdit(const std::string& step, StepMerge merge = StepMerge::Never) const;
    // Teams in the order the team lists show them: by name, in the user's locale, without regard to case.
    std::vector<int> TeamsInListOrder(std::vector<int> teams) const {
        return TeamsInNameOrder(division, std::move(teams), collate);
    }
};

inline constexpr const char* kProgramCaption = "Vantorel 2.1";
inline constexpr const char* kOwnTeamSound = ":/sounds/own-team-chime.wav";
// The name of the desktop entry, which is also the application's id on the desktop.
inline constexpr const char* kDesktopFileName = "org.vantorel.Vantorel";

// What every window of the running application shares: the icon, mnemonics that act at once, one set of
// colours whether a window is active or not, and the widget map when the benchmark harness asks for it.
void InstallWindowHabits();

} // namespace vantorel

#pragma once

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

// The widgets the windows are built of, which every test drives.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "GuiTests.h"
#include "app/AppContext.h"
#include "app/MaintenancePage.h"
#include "app/TfrmProcess.h"
#include "platform/HelpViewer.h"
#include "results/EnterResultsPage.h"
#include "standings/LeagueTablePage.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel::testing {

using namespace Qt::StringLiterals;
using namespace std::string_literals;

// Records what the windows asked of the help system.
class RecordedHelp : public HelpViewer {
public:
    void ShowContext(int context) override { contexts.push_back(context); }
    void ShowContents() override { contexts.push_back(0); }
    void Close() override { ++closes; }
    std::vector<int> contexts; // 0 = the contents
    int closes = 0;
};

// Everything a window needs, in a temporary folder: a league folder, a settings file, scripted prompts,
// recorded help and sounds, and file choosers that answer from lists.
struct GuiHarness {
    // The help goes to `help` when one is given, else it is recorded.
    explicit GuiHarness(HelpViewer* help = nullptr);
    // With `league` as the program's league.
    explicit GuiHarness(std::unique_ptr<Division> league) : GuiHarness() {
        Replace(*division, std::move(league));
    }

    // Writes a league into the league folder and returns its path.
    std::string Save(const Division& league, const std::string& fileName);
    // Writes a league of numbered teams with the given table name into the league folder.
    std::string WriteLeague(const std::string& fileName, const std::string& tableName, int teams = 4,
                            int playTimes = 2);
    // The text of the last message or question shown.
    QString lastPrompt() const { return QString::fromStdString(prompts.last()); }

    TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    ScriptedPrompts prompts;
    RecordedHelp help;
    AppContext app;
    QStringList chosenFolders; // answers of the folder chooser, first first; empty = cancel
    QStringList chosenFiles;   // answers of the new-league file chooser
    QStringList playedSounds;
    QStringList printJobs;              // titles of the pages printed
    int printedPages = 0;               // pages of the last document of several pages
    QImage printedPage;                 // the last page printed
    QList<double> pickedDates;          // answers of the calendar, first first; none = cancel
    std::vector<double> calendarStarts; // the days the calendar opened on
    QStringList chosenExportFiles;      // answers of the export's save dialog; empty = cancel
    QStringList chosenImportFiles;      // answers of the import's open dialog
    QStringList clipboard;              // texts put on the clipboard
    QStringList offeredPictureFiles;    // the names the picture's save dialog offered
    QStringList chosenPictureFiles;     // its answers; empty = cancel
};

// A workspace window open on the league at `path`, shown unless `shown` is false.
struct OpenWorkspace : TfrmProcess {
    OpenWorkspace(GuiHarness& harness, const std::string& path, bool shown = true);
    // Shown on `league`, written to the league folder as league.div, and turned to `page`.
    OpenWorkspace(GuiHarness& harness, const Division& league, WorkspacePage page);
    void ShowPage(WorkspacePage page);
    void ShowTab(MaintenanceTab tab); // a tab of the maintenance page, which it turns to first
};

// Chooses the entry of `list` with the text `name`; the test fails if there is none.
void Choose(QComboBox* list, const QString& name);
// The texts of a list's entries, first first.
QStringList Items(const QComboBox* list);
QStringList Items(const QListWidget* list);
// The texts of labels, buttons or edit boxes, in the order given.
template <typename... Widgets> QStringList Texts(const Widgets*... widgets) {
    return {widgets->text()...};
}
// The texts of a grid's column, top down; a cell without an item reads as empty.
QStringList Column(const QTableWidget* grid, int column);
// The widgets inside `root` that their parent's layout does not hold, as one left out of it would be,
// named by class and object name.
QStringList Unplaced(const QWidget& root);
// The dialog or window of type T that `parent` holds, or none. It goes by the C++ type, so that a dialog
// class without Q_OBJECT (whose meta-object is QDialog's) is not mistaken for another dialog.
template <typename T> T* FindOpened(const QObject& parent) {
    for (QObject* object : parent.findChildren<QObject*>())
        if (auto* child = dynamic_cast<T*>(object))
            return child;
    return nullptr;
}
// The dialog or window of type T that `parent` has opened; a test without one, or with one that leaves a
// widget out of its layout, fails by the exception.
template <typename T> T& Opened(const QObject& parent) {
    T* child = FindOpened<T>(parent);
    if (!child)
        throw std::runtime_error(std::string("nothing open of type ") + typeid(T).name());
    if (const QStringList unplaced = Unplaced(*child); !unplaced.isEmpty())
        throw std::runtime_error("outside the layout: " + unplaced.join(u", "_s).toStdString());
    return *child;
}
// Whether any pixel of `image` within `area` (all of it when empty) has the colour `colour`.
bool Drawn(const QImage& image, const QColor& colour, QRect area = {});

// Runs a printout's or a screenshot's command line as the desktop program does: its exit code.
int RunHeadless(const std::vector<std::string>& words);

} // namespace vantorel::testing

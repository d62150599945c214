#include "GuiHarness.h"

#include <filesystem>

#include <QImage>
#include <QLayout>
#include <QPainter>

#include "app/HeadlessPrint.h"
#include "app/StartupArguments.h"
#include "platform/QtCanvas.h"

namespace vantorel::testing {
namespace {

// The next planned answer of a file or folder chooser; none = cancelled.
QString TakeFirst(QStringList& answers) {
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

} // namespace

GuiHarness::GuiHarness(HelpViewer* realHelp) : app(*division, prompts, realHelp ? *realHelp : help) {
    std::filesystem::create_directory(folder.path() / "leagues");
    app.leagueFolder = (folder.path() / "leagues").string() + "/";
    app.settingsFile = folder.path() / "vantorel.ini";
    app.chooseFolder = [this](QWidget*, const QString&) { return TakeFirst(chosenFolders); };
    app.chooseNewLeagueFile = [this](QWidget*, const QString&) { return TakeFirst(chosenFiles); };
    app.playSound = [this](const QString& resource) { playedSounds.append(resource); };
    // Each page is drawn on a blank sheet; a document of several pages is drawn until it says it is done.
    app.printPages = [this](QWidget*, const QString& title, const PagesDrawer& draw) {
        printJobs.append(title);
        for (int number = 0;; ++number) {
            QImage page(850, 1100, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            QtCanvas canvas(painter);
            printedPages = number + 1;
            const bool more = draw(canvas, page.width(), page.height(), number);
            painter.end();
            printedPage = page;
            if (!more)
                return true;
        }
    };
    app.print = [this](QWidget* parent, const QString& title, const PageDrawer& draw) {
        const int pages = printedPages;
        app.printPages(parent, title, [&](Canvas& canvas, int width, int height, int) {
            draw(canvas, width, height);
            return false;
        });
        printedPages = pages;
        return true;
    };
    app.pickDate = [this](QWidget*, double day, const QPoint&) {
        calendarStarts.push_back(day);
        return pickedDates.isEmpty() ? 0.0 : pickedDates.takeFirst();
    };
    app.today = [] { return 46000.0; };
    app.chooseExportFile = [this](QWidget*, const QString&) { return TakeFirst(chosenExportFiles); };
    app.chooseImportFile = [this](QWidget*, const QString&) { return TakeFirst(chosenImportFiles); };
    app.putClipboard = [this](const QString& text) { clipboard.append(text); };
    app.choosePictureFile = [this](QWidget*, const QString& suggested) {
        offeredPictureFiles.append(suggested);
        return TakeFirst(chosenPictureFiles);
    };
}

std::string GuiHarness::WriteLeague(const std::string& fileName, const std::string& tableName, int teams,
                                    int playTimes) {
    auto league = MakeLeague(teams, playTimes);
    testing::Edit(*league).Header().TableName.assignStored(tableName);
    return Save(*league, fileName);
}

std::string GuiHarness::Save(const Division& league, const std::string& fileName) {
    const std::string path = app.leagueFolder + fileName;
    if (!WriteNewLeague(path, league))
        throw std::runtime_error("cannot write " + path);
    return path;
}

OpenWorkspace::OpenWorkspace(GuiHarness& harness, const std::string& path, bool shown)
    : TfrmProcess(harness.app) {
    if (!OpenLeague(path))
        throw std::runtime_error("cannot open " + path);
    if (shown)
        show();
}

OpenWorkspace::OpenWorkspace(GuiHarness& harness, const Division& league, WorkspacePage page)
    : OpenWorkspace(harness, harness.Save(league, "league.div")) {
    ShowPage(page);
}

void OpenWorkspace::ShowPage(WorkspacePage page) {
    TabSet1->setCurrentIndex(static_cast<int>(page));
}

void OpenWorkspace::ShowTab(MaintenanceTab tab) {
    ShowPage(WorkspacePage::TableMaintenance);
    maintenancePage->TabbedNotebook1->setCurrentIndex(static_cast<int>(tab));
}

void Choose(QComboBox* list, const QString& name) {
    const int at = list->findText(name);
    QVERIFY2(at >= 0, qPrintable(name));
    list->setCurrentIndex(at);
}

namespace {

bool Holds(const QLayout& layout, const QWidget* widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == widget || (item->layout() && Holds(*item->layout(), widget)))
            return true;
    }
    return false;
}

} // namespace

QStringList Unplaced(const QWidget& root) {
    QStringList unplaced;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        const QWidget* parent = widget->parentWidget();
        // Qt's own widgets inside its composite ones (named qt_...) are placed by hand.
        if (!widget->isWindow() && parent && parent->layout() && !Holds(*parent->layout(), widget) &&
            !widget->objectName().startsWith(u"qt_"_s))
            unplaced << QString::fromUtf8(widget->metaObject()->className()) + u' ' + widget->objectName();
    }
    return unplaced;
}

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList Column(const QTableWidget* grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return cells;
}

bool Drawn(const QImage& image, const QColor& colour, QRect area) {
    area = area.isEmpty() ? image.rect() : area & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

int RunHeadless(const std::vector<std::string>& words) {
    return RunWithoutWindow(ReadStartupArguments(words));
}

} // namespace vantorel::testing

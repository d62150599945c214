#include "app/TfrmMain.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/LeagueList.h"
#include "app/Shortcuts.h"
#include "app/TAboutBox.h"
#include "app/TfrmNew.h"
#include "app/TfrmProcess.h"
#include "app/TfrmSetup.h"
#include "platform/HelpWindow.h"
#include "platform/WindowPlaces.h"

namespace vantorel {
namespace {

QPushButton* Button(const char* caption, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setToolTip(QString::fromUtf8(hint));
    return button;
}

// Shows a dialog without blocking, deleting it when it closes and running then after it.
template <typename Then> void OpenDialog(QDialog* dialog, Then then) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog, then);
    dialog->open();
}

} // namespace

TfrmMain::TfrmMain(AppContext& app)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      app_(app) {
    setWindowTitle(QString::fromUtf8(kProgramCaption));
    auto* title = new QLabel(QStringLiteral("Football Vantorel"), this);
    title->setFrameShape(QFrame::Panel);
    title->setFrameShadow(QFrame::Raised);
    title->setAlignment(Qt::AlignCenter);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    title->setMinimumHeight(44);

    DivList = new QListWidget(this);
    btnNew = Button("&New", "Create a new league table", this);
    btnOpen = Button("&Open", "Open selected table", this);
    btnSetup = Button("&Setup", "Set program options", this);
    btnDirect = Button("&Folder", "Set location of league table files", this);
    btnHelp = Button("&Help", "Display Help table of contents", this);
    btnAbout = Button("&About", "Display program version information", this);
    btnExit = Button("&Exit", "Exit Vantorel", this);
    auto* buttons = new QVBoxLayout;
    // A focused button takes Enter itself, as buttons do everywhere on the desktop; anywhere else Enter
    // means Open (keyPressEvent).
    for (QPushButton* button : {btnNew, btnOpen, btnSetup, btnDirect, btnHelp, btnAbout, btnExit})
        button->setAutoDefault(true);
    for (QPushButton* button : {btnNew, btnOpen, btnSetup, btnDirect, btnHelp, btnAbout})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btnExit);

    lbDirect = new QLabel(this);
    lbDirect->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* middle = new QHBoxLayout;
    middle->addWidget(DivList, 1);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(middle, 1);
    layout->addWidget(lbDirect);
    setFixedSize(460, 340);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(DivList, &QListWidget::itemDoubleClicked, this, &TfrmMain::btnOpenClick);
    connect(btnOpen, &QPushButton::clicked, this, &TfrmMain::btnOpenClick);
    connect(btnNew, &QPushButton::clicked, this, &TfrmMain::btnNewClick);
    connect(btnSetup, &QPushButton::clicked, this, &TfrmMain::btnSetupClick);
    connect(btnDirect, &QPushButton::clicked, this, &TfrmMain::btnDirectClick);
    connect(btnAbout, &QPushButton::clicked, this, &TfrmMain::btnAboutClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmMain::btnHelpClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    InstallHelpKey(this, app.help, [] { return HelpContext::MainWindow; });
    InstallMainWindowShortcuts(*this);
    RememberPlace(this, QStringLiteral("Main"), app.settingsFile);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    timer_->start(500);

    // The focused button always shows its focus mark, however it got the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this)
            setAttribute(Qt::WA_KeyboardFocusChange);
    });

    layout->activate();
    ShowFolder();
    UpdateFileTable();
    app.ApplyHints();
}

TfrmMain::~TfrmMain() {
    delete workspace_;
    app_.help.Close();
}

void TfrmMain::setSplash(QWidget* splash) {
    splash_ = splash;
}

void TfrmMain::Timer1Timer() {
    if (splash_)
        splash_->deleteLater();
}

void TfrmMain::showEvent(QShowEvent* event) {
    DivList->setFocus();
    QWidget::showEvent(event);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    // The list and the other controls pass Enter on: it opens the selected league.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (btnOpen->isEnabled())
            btnOpen->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmMain::ShowFolder() {
    // A long folder is shortened in the middle to fit the line; the tooltip shows it whole.
    const QString caption = QString::fromStdString(FolderCaption(app_.leagueFolder));
    const QString prefix = QString::fromUtf8(kFolderCaption);
    const QString folder = caption.mid(prefix.size());
    const QFontMetrics metrics(lbDirect->font());
    const int room = lbDirect->contentsRect().width() - metrics.horizontalAdvance(prefix);
    lbDirect->setText(prefix + metrics.elidedText(folder, Qt::ElideMiddle, room));
    lbDirect->setToolTip(folder);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // The help window must not keep the program running after its main window has gone.
    app_.help.Close();
    QWidget::closeEvent(event);
}

void TfrmMain::UpdateFileTable() {
    const LeagueFileTable table = vantorel::UpdateFileTable(app_.leagueFolder, app_.warnedInvalid);
    leagues_ = table.entries;
    DivList->clear();
    for (const LeagueFileEntry& entry : leagues_)
        DivList->addItem(QString::fromStdString(entry.TableName));
    btnOpen->setEnabled(!leagues_.empty());
    btnOpen->setDefault(!leagues_.empty());
    if (!leagues_.empty())
        DivList->setCurrentRow(0);
    if (table.ignoredMessage)
        app_.prompts.Info(*table.ignoredMessage);
}

void TfrmMain::btnOpenClick() {
    const int selected = DivList->selectedItems().isEmpty() ? -1 : DivList->currentRow();
    const auto chosen = ChooseLeagueToOpen(static_cast<int>(leagues_.size()), selected, app_.prompts);
    if (!chosen)
        return;
    DivList->setFocus();
    OpenLeagueFile(app_.leagueFolder + leagues_[static_cast<std::size_t>(*chosen)].FileName);
}

void TfrmMain::Start(const StartupArguments& startup) {
    show();
    if (!startup.leagueFile.empty() && OpenLeagueFile(startup.leagueFile) && startup.page)
        workspace_->TabSet1->setCurrentIndex(static_cast<int>(*startup.page));
}

bool TfrmMain::OpenLeagueFile(const std::string& path) {
    if (!workspace_) {
        workspace_ = new TfrmProcess(app_);
        connect(workspace_, &TfrmProcess::closed, this, &TfrmMain::WorkspaceClosed);
    }
    if (!workspace_->OpenLeague(path))
        return false;
    // The workspace stands in for the hidden main window; it is not modal, so that the help window stays
    // usable beside it.
    hide();
    workspace_->show();
    workspace_->OfferRecovery();
    return true;
}

void TfrmMain::WorkspaceClosed() {
    if (workspace_->quitRequested()) {
        close();
        return;
    }
    show();
    UpdateFileTable();
}

void TfrmMain::btnNewClick() {
    OpenDialog(new TfrmNew(app_, this), [this] { UpdateFileTable(); });
}

void TfrmMain::btnSetupClick() {
    OpenDialog(new TfrmSetup(app_, this), [this] { app_.ApplyHints(); });
}

void TfrmMain::btnDirectClick() {
    const QString chosen = app_.chooseFolder(this, QString::fromStdString(app_.leagueFolder));
    if (chosen.isEmpty())
        return;
    app_.leagueFolder = WithTrailingSeparator(chosen.toStdString());
    if (auto status = WriteLeagueFolder(app_.settingsFile, app_.leagueFolder); !status)
        app_.prompts.Error(status.message());
    ShowFolder();
    app_.warnedInvalid = false;
    UpdateFileTable();
}

void TfrmMain::btnAboutClick() {
    OpenDialog(new TAboutBox(app_.help, this), [] {});
}

void TfrmMain::btnHelpClick() {
    app_.help.ShowContents();
}

} // namespace vantorel

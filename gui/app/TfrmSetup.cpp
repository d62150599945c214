#include "app/TfrmSetup.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

// A swatch filling the line less 2 pixels on every side.
QIcon Swatch(Colour colour) {
    QPixmap swatch(64, 16);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.fillRect(swatch.rect().adjusted(2, 2, -2, -2), ToQColor(colour));
    return QIcon(swatch);
}

// The number of form games: any number may be typed, so that Ok can refuse one out of range with a message
// instead of the box silently going back to its old value; the arrows stay within the range.
class FormGamesBox : public QSpinBox {
public:
    explicit FormGamesBox(QWidget* parent) : QSpinBox(parent) { setRange(0, 99); }

    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, kMinFormGames, kMaxFormGames));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < kMaxFormGames)
            enabled |= StepUpEnabled;
        if (value() > kMinFormGames)
            enabled |= StepDownEnabled;
        return enabled;
    }
};

} // namespace

TfrmSetup::TfrmSetup(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Setup"));
    working_ = SetupChoices::From(app.settings);

    auto* colours = new QGroupBox(QStringLiteral("Element Colours"), this);
    auto* colourLayout = new QVBoxLayout(colours);
    RadioGroup1 = new QButtonGroup(this);
    const char* elements[] = {"&Promoted Teams", "&Teams in Playoffs", "&Relegated Teams", "&Your Own Team"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(elements[i]), colours);
        RadioGroup1->addButton(button, i);
        colourLayout->addWidget(button);
    }
    ColourBox = new QComboBox(colours);
    ColourBox->setIconSize(QSize(64, 16));
    for (Colour colour : kColourChoices)
        ColourBox->addItem(Swatch(colour), QString());
    colourLayout->addWidget(ColourBox);

    auto* defaults = new QGroupBox(QStringLiteral("Defaults"), this);
    auto* defaultsLayout = new QVBoxLayout(defaults);
    cbShowPoss = new QCheckBox(QStringLiteral("&Show Possible-Points in Table"), defaults);
    cbShortTab = new QCheckBox(QStringLiteral("Short &Form Table Display"), defaults);
    cbShowHints = new QCheckBox(QStringLiteral("Show Help Hints"), defaults);
    for (QCheckBox* box : {cbShowPoss, cbShortTab, cbShowHints})
        defaultsLayout->addWidget(box);

    auto* form = new QGroupBox(QStringLiteral("Current Form"), this);
    auto* formLayout = new QHBoxLayout(form);
    formLayout->addWidget(new QLabel(QStringLiteral("Number of games to include :"), form));
    udForm = new FormGamesBox(form);
    formLayout->addWidget(udForm);

    btnApply = new QPushButton(QStringLiteral("&Ok"), this);
    btnApply->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* buttons = ButtonRow({btnApply, BitBtn1});

    auto* right = new QVBoxLayout;
    right->addWidget(defaults);
    right->addWidget(form);
    auto* columns = new QHBoxLayout;
    columns->addWidget(colours);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    // The state the dialog shows when it opens.
    cbShowPoss->setChecked(working_.showPoss);
    cbShortTab->setChecked(working_.shortTab);
    cbShowHints->setChecked(working_.showHints);
    udForm->setValue(working_.formGames);
    RadioGroup1->button(0)->setChecked(true);
    RadioGroup1Click();

    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TfrmSetup::RadioGroup1Click);
    connect(ColourBox, &QComboBox::activated, this, &TfrmSetup::ColourBoxChange);
    connect(btnApply, &QPushButton::clicked, this, &TfrmSetup::btnApplyClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::Setup; });
}

void TfrmSetup::RadioGroup1Click() {
    // A colour the list does not offer leaves the list's selection as it was.
    if (const auto position =
            ColourChoiceIndex(working_.colours[static_cast<std::size_t>(RadioGroup1->checkedId())]))
        ColourBox->setCurrentIndex(*position);
}

void TfrmSetup::ColourBoxChange(int position) {
    if (position >= 0)
        working_.colours[static_cast<std::size_t>(RadioGroup1->checkedId())] =
            kColourChoices[static_cast<std::size_t>(position)];
}

void TfrmSetup::btnApplyClick() {
    working_.showPoss = cbShowPoss->isChecked();
    working_.shortTab = cbShortTab->isChecked();
    working_.showHints = cbShowHints->isChecked();
    working_.formGames = udForm->value();
    if (auto status = working_.ApplyTo(app_.settings); !status) {
        app_.prompts.Error(status.message());
        return;
    }
    if (auto status = WriteSettings(app_.settingsFile, app_.settings); !status)
        app_.prompts.Error(status.message());
    accept();
}

} // namespace vantorel

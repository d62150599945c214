#include "app/AppContext.h"

#include <QApplication>
#include <QIcon>

#include "platform/HintSwitch.h"
#include "platform/InstantMnemonics.h"
#include "platform/SteadyPalette.h"
#include "platform/WidgetMap.h"
#include "stats/ProgressGraph.h"

namespace vantorel {
namespace {

// The application icon in the sizes a window carries (the installed icon theme holds the larger ones).
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/org.vantorel.Vantorel-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

void AppContext::ApplyHints() const {
    if (hints)
        hints->setHintsShown(settings.ShowHints);
}

bool AppContext::SavePicture(QWidget* parent, const std::string& suggested, const QImage& picture) const {
    const QString chosen = choosePictureFile(parent, QString::fromStdString(suggested));
    if (chosen.isEmpty())
        return false;
    const std::string file = WithPngExtension(chosen.toStdString());
    if (!picture.save(QString::fromStdString(file), "PNG")) {
        prompts.Error("The picture could not be saved to " + file + ".");
        return false;
    }
    return true;
}

void AppContext::RecordEdit(const std::string& step, StepMerge merge) const {
    if (edits == nullptr)
        return;
    if (auto status = edits->Record(step, merge); !status)
        prompts.Error(status.message());
}

void InstallWindowHabits() {
    QApplication::setWindowIcon(ApplicationIcon());
    InstantMnemonics::Install();
    SteadyPalette::Install();
    WidgetMap::InstallFromEnvironment();
}

} // namespace vantorel

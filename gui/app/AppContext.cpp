#include "app/AppContext.h"

#include "platform/HintSwitch.h"

namespace vantorel {

void AppContext::ApplyHints() const {
    if (hints)
        hints->setHintsShown(settings.ShowHints);
}

void AppContext::RecordEdit(const std::string& step, StepMerge merge) const {
    if (edits == nullptr)
        return;
    if (auto status = edits->Record(step, merge); !status)
        prompts.Error(status.message());
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/org.vantorel.Vantorel-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vantorel

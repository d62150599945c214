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

} // namespace vantorel

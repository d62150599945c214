#include "app/AppContext.h"

#include "platform/HintSwitch.h"

namespace vantorel {

void AppContext::ApplyHints() const {
    if (hints)
        hints->setHintsShown(settings.ShowHints);
}

} // namespace vantorel

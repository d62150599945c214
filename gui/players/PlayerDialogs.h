#pragma once

#include "app/AppContext.h"

namespace vantorel {

// Lets the results pages open the goal dialog (modally, for one goal of a result just entered or re-scored)
// and the squad dialog of a result.
void InstallPlayerDialogs(AppContext& app);

} // namespace vantorel

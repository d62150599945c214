#pragma once

#include <memory>

#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"

namespace vantorel::testing {

// Direct writes for tests that lay a league out record by record, or damage one on purpose, where no
// operation would make that state.
inline DivisionWriter Edit(Division& division) {
    return DivisionWriter(division);
}

// The league as if just saved, or as if changed since.
inline void MarkSaved(Division& division) {
    DivisionWriter(division).MarkSaved();
}
inline void MarkChanged(Division& division) {
    DivisionWriter(division).MarkChanged();
}

// The league replaced by another, as opening a file does.
inline void Replace(Division& division, std::unique_ptr<Division> replacement) {
    DivisionWriter(division).Replace(std::move(*replacement));
}

} // namespace vantorel::testing

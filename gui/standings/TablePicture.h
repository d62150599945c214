#pragma once

#include <QImage>

#include "standings/TablePrintout.h"

namespace vantorel {

// The table printout drawn into a picture kTablePictureWidth pixels wide, as high as the table needs, on a
// white ground: the PNG of the table for the web.
QImage TablePicture(const TablePrintoutInput& printout);

} // namespace vantorel

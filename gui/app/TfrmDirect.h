#pragma once

#include <QString>

class QWidget;

namespace vantorel {

class HelpViewer;

// The folder dialog "Set League Files Location": the platform's folder chooser, starting in a folder.
// Returns the chosen folder, or an empty text when the user cancels.
QString ChooseLeagueFolder(QWidget* parent, const QString& start, HelpViewer& help);

} // namespace vantorel

#pragma once

#include <filesystem>

#include <QString>

class QWidget;

namespace vantorel {

// Makes a top-level window come back where the user left it: its remembered place (in the settings file's
// own section, under name) is taken when it is first shown, and its place is remembered whenever it is
// hidden or closed. A window of fixed size only keeps its position. Nothing is remembered without a
// settings file (tests, screenshots).
void RememberPlace(QWidget* window, const QString& name, const std::filesystem::path& settingsFile);

} // namespace vantorel

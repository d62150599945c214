#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>

namespace vantorel::testing {

std::unique_ptr<QObject> MakeMainWindowTest();
std::unique_ptr<QObject> MakeSetupDialogTest();
std::unique_ptr<QObject> MakeWizardTest();
std::unique_ptr<QObject> MakeWorkspaceWindowTest();
std::unique_ptr<QObject> MakeMaintenanceTest();
std::unique_ptr<QObject> MakeTableViewTest();

// The gui test classes by name.
inline std::vector<std::pair<const char*, std::function<std::unique_ptr<QObject>()>>> GuiTestClasses() {
    return {{"MainWindowTest", MakeMainWindowTest},   {"SetupDialogTest", MakeSetupDialogTest},
            {"WizardTest", MakeWizardTest},           {"WorkspaceWindowTest", MakeWorkspaceWindowTest},
            {"MaintenanceTest", MakeMaintenanceTest}, {"TableViewTest", MakeTableViewTest}};
}

} // namespace vantorel::testing

// Runs the gui test classes under the offscreen platform; a class name as the first argument runs that
// class alone.

#include <cstring>
#include <functional>
#include <memory>

#include <QApplication>
#include <QTest>

#include "GuiTests.h"

namespace vantorel::testing {

std::vector<std::pair<const char*, GuiTestMaker>>& GuiTestClasses() {
    static std::vector<std::pair<const char*, GuiTestMaker>> classes;
    return classes;
}

} // namespace vantorel::testing

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    int failed = 0;
    for (const auto& [name, make] : vantorel::testing::GuiTestClasses()) {
        if (only && std::strcmp(only, name) != 0)
            continue;
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), 1, argv);
    }
    return failed == 0 ? 0 : 1;
}

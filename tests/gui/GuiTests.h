#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>

namespace vantorel::testing {

using GuiTestMaker = std::function<std::unique_ptr<QObject>()>;

// The gui test classes by name, in the order they registered.
std::vector<std::pair<const char*, GuiTestMaker>>& GuiTestClasses();

// Adds a test class to the list at start-up; a test file registers its class with VANTOREL_GUI_TEST.
struct GuiTestRegistration {
    GuiTestRegistration(const char* name, GuiTestMaker make) {
        GuiTestClasses().emplace_back(name, std::move(make));
    }
};

} // namespace vantorel::testing

// Registers the QObject test class `Class` under its own name; ctest runs it as gui.Class.
#define VANTOREL_GUI_TEST(Class)                                                                             \
    static const ::vantorel::testing::GuiTestRegistration Class##Registration(                               \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })

#include "tests/generators/ui/qt_app.h"

#include <QApplication>
#include <gtest/gtest.h>

void ensureQtApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "generators_ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // deleted when the tests are over
}

namespace {
// Every test of this program may make widgets: have the application ready first.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensureQtApplication(); }
    // Closing the application lets the font and platform layers free what they hold.
    void TearDown() override { delete QApplication::instance(); }
};
[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

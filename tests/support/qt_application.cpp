#include "tests/support/qt_application.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace {

QApplication* made = nullptr;

// Every test of the program may make widgets: have the application ready first.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensureApplication(); }
    // Closing the application lets the font and platform layers free what they hold.
    void TearDown() override {
        delete made;
        made = nullptr;
    }
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vospren_tests";
    static char* argv[] = {name, nullptr};
    made = new QApplication(argc, argv);
}

// Fontconfig keeps a cache for the life of the process that LeakSanitizer reports
// at exit; it is the toolkit's, not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

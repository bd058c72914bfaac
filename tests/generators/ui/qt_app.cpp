#include "tests/generators/ui/qt_app.h"

#include <QApplication>

void ensureQtApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "generators_ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

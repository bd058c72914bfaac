#include <QApplication>

#include "app/cvospren_app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vospren");
    return runVospren();
}

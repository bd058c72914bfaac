#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// One QApplication for all window tests, with the per-user settings kept in a
// folder of their own so that no test touches the real ones.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless whatever the caller's environment (test discovery runs this too).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());
    return RUN_ALL_TESTS();
}

#include "app/window_placement.h"

#include "app/program_settings.h"

QRect readWindowPlacement() {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    auto value = [&](const char* key, int fallback) {
        const int v = settings.value(key, 0).toInt();
        return v == 0 ? fallback : v;
    };
    const int left = value("left", 1);
    const int top = value("top", 1);
    int right = value("right", 512);
    int bottom = value("bottom", 512);
    // A damaged file must not leave the window without a size.
    if (right <= left) right = left + 511;
    if (bottom <= top) bottom = top + 511;
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

void storeWindowPlacement(const QRect& rect) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue("left", rect.left());
    settings.setValue("top", rect.top());
    settings.setValue("right", rect.left() + rect.width());
    settings.setValue("bottom", rect.top() + rect.height());
}

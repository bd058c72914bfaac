#include "app/window_placement.h"

#include "ui/program_settings.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cstdint>

namespace {
// Larger than any screen; beyond it a stored size is taken as damaged.
constexpr int64_t kLargestSide = 1 << 16;
}  // namespace

QRect readWindowPlacement() {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    auto value = [&](const char* key, int fallback) {
        const int v = settings.value(key, 0).toInt();
        return v == 0 ? fallback : v;
    };
    const int left = value("left", 1);
    const int top = value("top", 1);
    // A damaged file must neither leave the window without a size nor overflow it.
    auto extent = [](int from, int to) {
        const int64_t size = int64_t(to) - int64_t(from);
        return size > 0 && size <= kLargestSide ? int(size) : 511;
    };
    const int width = extent(left, value("right", 512));
    const int height = extent(top, value("bottom", 512));
    return QRect(left, top, width, height);
}

void storeWindowPlacement(const QRect& rect) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue("left", rect.left());
    settings.setValue("top", rect.top());
    settings.setValue("right", rect.left() + rect.width());
    settings.setValue("bottom", rect.top() + rect.height());
}

QRect fitPlacement(const QRect& placement, const QRect& available, const QMargins& frame) {
    if (available.isEmpty()) return placement;
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int width = std::max(1, std::min(placement.width(), available.width() - frameWidth));
    const int height = std::max(1, std::min(placement.height(), available.height() - frameHeight));
    // Right and bottom first, then left and top, so that the title bar wins.
    int left = std::min(placement.left(), available.left() + available.width() - (width + frameWidth));
    int top = std::min(placement.top(), available.top() + available.height() - (height + frameHeight));
    left = std::max(left, available.left());
    top = std::max(top, available.top());
    return QRect(left, top, width, height);
}

QMargins expectedFrame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (frame != inside) {
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                        frame.bottom() - inside.bottom());
    }
    // Generous rather than short: a window a little smaller than asked for is better
    // than a bottom edge under the panel.
    constexpr int kBorder = 4;
    constexpr int kTitleBar = 32;
    const int title = std::max(kTitleBar, window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return QMargins(kBorder, title + kBorder, kBorder, kBorder);
}

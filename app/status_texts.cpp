#include "app/status_texts.h"
#include "command/command_texts.h"
#include "ui/file_chooser.h"

#include <QLocale>

namespace {
QString grouped(int64_t n) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(qlonglong(n));
}
}  // namespace

QString shapeCountText(int64_t count) {
    return count == 1 ? QStringLiteral("1 shape") : QStringLiteral("%1 shapes").arg(grouped(count));
}

QString progressText(int64_t count, int64_t pass) {
    return pass > 0 ? QStringLiteral("Plug, pass %1: %2").arg(grouped(pass), shapeCountText(count))
                    : shapeCountText(count);
}

QString pictureStatusText(int width, int height, int zoom) {
    if (width <= 0 || height <= 0) return {};
    return QStringLiteral("%1 x %2 pixels, zoom 1:%3").arg(grouped(width), grouped(height)).arg(zoom);
}

QString cannotReadText(const std::string& path) { return QStringLiteral("Cannot read %1").arg(pathToQt(path)); }

namespace {
QString withName(const char* done, const QString& what) {
    return what.isEmpty() ? QString::fromUtf8(done) : QStringLiteral("%1: %2").arg(done, what);
}
QString localPath(const std::string& path) { return pathToQt(path); }
}  // namespace

QString undoneText(const QString& what) { return withName("Undone", what); }

QString redoneText(const QString& what) { return withName("Redone", what); }

QString savedText(const std::string& path) { return QStringLiteral("Saved %1").arg(localPath(path)); }

QString cannotSaveText(const std::string& path, const std::string& reason) {
    return pathToQt(cannotSaveMessage(path, reason));
}

QString levelStatusText(int blendLevel) { return QString::fromStdString(blendLevelText(blendLevel)); }

QString flattenedText(const std::string& path) {
    return QStringLiteral("The transparent parts of %1 were flattened").arg(localPath(path));
}

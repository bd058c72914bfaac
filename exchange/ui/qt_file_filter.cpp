#include "exchange/ui/qt_file_filter.h"

#include <QStringList>

QString qtFileFilter(const char* libraryFilter) {
    if (!libraryFilter) return {};
    const QStringList fields = QString::fromLocal8Bit(libraryFilter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QStringList patterns = fields[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty()) continue;
        const QString list = patterns.join(' ');
        // Descriptions often show their patterns already, as "PNG (*.png)" or
        // "All (*.jpg;*.png)"; Qt reads the patterns from that trailing group, so it is
        // replaced by the real list rather than repeated.
        QString description = fields[i].trimmed();
        if (description.endsWith('(' + list + ')')) {
            filters << description;
            continue;
        }
        const qsizetype open = description.lastIndexOf('(');
        if (description.endsWith(')') && open >= 0 && description.indexOf('*', open) > open) {
            description = description.left(open).trimmed();
        }
        if (description.isEmpty()) {
            filters << '(' + list + ')';
        } else {
            filters << description + " (" + list + ')';
        }
    }
    return filters.join(";;");
}

#include "exchange/ui/dialog_filter.h"

#include <QStringList>

QString qtFileFilter(const char* libraryFilter) {
    if (!libraryFilter) return {};
    const QStringList fields = QString::fromLocal8Bit(libraryFilter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString description = fields[i].trimmed();
        QStringList patterns = fields[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty()) continue;
        const QString list = patterns.join(' ');
        if (description.endsWith('(' + list + ')')) {
            filters << description;
        } else if (description.isEmpty()) {
            filters << '(' + list + ')';
        } else {
            filters << description + " (" + list + ')';
        }
    }
    return filters.join(";;");
}

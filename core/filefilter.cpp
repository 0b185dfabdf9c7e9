#include "core/filefilter.h"

#include <QStringList>

QString ToQtFileFilter(const QString& strTableFilter) {
    const QStringList saParts = strTableFilter.split(QLatin1Char('|'));
    QStringList saFilters;
    for (qsizetype n = 0; n + 1 < saParts.size(); n += 2) {
        QString strName = saParts[n].trimmed();
        const QString strPatterns = saParts[n + 1].trimmed();
        if (strName.isEmpty() || strPatterns.isEmpty()) continue;
        // The description repeats its patterns in brackets; Qt reads them from there.
        const qsizetype nBracket = strName.lastIndexOf(QLatin1Char('('));
        if (nBracket > 0 && strName.endsWith(QLatin1Char(')')))
            strName = strName.left(nBracket).trimmed();
        QStringList saPatterns = strPatterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& strPattern : saPatterns)
            if (strPattern == QLatin1String("*.*")) strPattern = QStringLiteral("*");
        saFilters.push_back(strName + QStringLiteral(" (") + saPatterns.join(QLatin1Char(' ')) +
                            QLatin1Char(')'));
    }
    return saFilters.join(QStringLiteral(";;"));
}

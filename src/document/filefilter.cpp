// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefilter.h"

#include <QStringList>

QString QtFileFilter(const QString& barSeparated)
{
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        const QString patterns = parts[i + 1]
                                     .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '))
                                     .trimmed();
        const QString ownTail = QLatin1Char('(') + patterns + QLatin1Char(')');
        if (patterns.isEmpty() || name.endsWith(ownTail, Qt::CaseInsensitive))
            filters << name;
        else
            filters << name + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}

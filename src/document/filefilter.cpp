// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefilter.h"

#include <QStringList>

namespace {

QString BothCasesEntry(QString name, const QString& patterns)
{
    if (const qsizetype open = name.indexOf(QLatin1Char('(')); open > 0)
        name = name.left(open).trimmed();
    QStringList variants;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed == QLatin1String("*.*")) {
            variants << QStringLiteral("*");
            continue;
        }
        for (const QString& variant : {trimmed, trimmed.toUpper(), trimmed.toLower()})
            if (!variants.contains(variant))
                variants << variant;
    }
    return name + QLatin1Char('(') + variants.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString AsGivenEntry(const QString& name, const QString& patternList)
{
    const QString patterns =
        patternList.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
    const QString ownTail = QLatin1Char('(') + patterns + QLatin1Char(')');
    if (patterns.isEmpty() || name.endsWith(ownTail, Qt::CaseInsensitive))
        return name;
    return name + QLatin1String(" (") + patterns + QLatin1Char(')');
}

} // namespace

QString QtFileFilter(const QString& barSeparated, FilterCase patternCase)
{
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        filters << (patternCase == FilterCase::BothCases ? BothCasesEntry(name, parts[i + 1])
                                                         : AsGivenEntry(name, parts[i + 1]));
    }
    return filters.join(QLatin1String(";;"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "escape.h"

namespace cuelist::cli {

QString Escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QLatin1String("\\\\");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QString::asprintf("\\x%02X", unsigned(u));
        else
            out += c;
    }
    return out;
}

} // namespace cuelist::cli

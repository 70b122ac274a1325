// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstline.h"

#include "core/names.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

namespace {
constexpr qint64 kMaxLineBytes = 4096;
} // namespace

QString ReadFirstTextLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = file.readLine(kMaxLineBytes + 1);
    while (!line.isEmpty() && (line.endsWith('\n') || line.endsWith('\r')))
        line.chop(1);
    if (line.isEmpty())
        return QString();

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(line);
    if (!utf8.hasError())
        return decoded;
    const std::string converted =
        cuelist::Cp932ToUtf8(std::string_view(line.constData(), line.size()));
    return QString::fromStdString(converted);
}

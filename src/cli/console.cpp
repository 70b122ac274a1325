// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include <cerrno>

namespace cuelist::cli {

void Console::Out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    OutBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

void Console::OutLine(const QString& line)
{
    Out(line + u'\n');
}

void Console::OutBytes(std::string_view bytes)
{
    if (m_outError != 0 || bytes.empty())
        return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_out) != bytes.size())
        m_outError = errno != 0 ? errno : EIO;
}

void Console::ErrLine(const QString& line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_err);
    std::fflush(m_err);
}

void Console::Report(const QString& text)
{
    ErrLine(QStringLiteral("cuelist: ") + text);
}

int Console::FinishOut()
{
    errno = 0;
    if (m_outError == 0 && std::fflush(m_out) != 0)
        m_outError = errno != 0 ? errno : EIO;
    return m_outError;
}

} // namespace cuelist::cli

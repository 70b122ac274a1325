// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <QString>
#include <string_view>

namespace cuelist::cli {

// Writes the tool's texts as UTF-8: results to standard output, reports to standard error.
class Console final
{
public:
    Console(std::FILE* out, std::FILE* err) : m_out(out), m_err(err) {}
    Q_DISABLE_COPY_MOVE(Console)

    void Out(const QString& text);
    void OutLine(const QString& line);
    void OutBytes(std::string_view bytes);

    void ErrLine(const QString& line);
    // "cuelist: " followed by the text.
    void Report(const QString& text);

    // Flushes standard output; the errno of the first failed write, or 0.
    int FinishOut();

private:
    std::FILE* m_out;
    std::FILE* m_err;
    int m_outError = 0;
};

} // namespace cuelist::cli

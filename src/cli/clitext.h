// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace cuelist::cli {

// Translation context of the tool's own texts.
struct CliText final
{
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

} // namespace cuelist::cli

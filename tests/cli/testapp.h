// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The one application object of the test process (translations, QProcess).
QCoreApplication& TestApp();

// One run of the built `cuelist` binary.
struct CliRun
{
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs the binary with the language variables of the test process removed and the given
// "NAME=value" settings added; standard output goes to stdoutFile when one is named.
CliRun RunCli(const QStringList& args,
              const QStringList& settings = {QStringLiteral("LC_ALL=C.UTF-8")},
              const QString& stdoutFile = {});

QByteArray FileBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

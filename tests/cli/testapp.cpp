// SPDX-License-Identifier: GPL-3.0-or-later
#include "testapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

QCoreApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

CliRun RunCli(const QStringList& args, const QStringList& settings, const QString& stdoutFile)
{
    TestApp();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
        env.remove(QLatin1String(name));
    for (const QString& setting : settings)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));

    QProcess process;
    process.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    process.start(QStringLiteral(CUELIST_CLI_PATH), args);
    process.waitForFinished(-1);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

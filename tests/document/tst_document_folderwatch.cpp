// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder watch against files rewritten in place, renamed over and a folder that
// another program writes into without pause.
#include "datafolderwatch.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFolderWatch final : public QObject
{
    Q_OBJECT

private:
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private slots:
    void followsFilesReplacedUnderTheirNames()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DATA")));
        const QString data = dir.path() + QStringLiteral("/DATA/");
        write(data + QStringLiteral("A.MP3"), "first");
        DataFolderWatch watch;
        watch.setFolder(data);
        QSignalSpy changed(&watch, &DataFolderWatch::changed);
        // The files themselves are watched a second after the folder is set.
        QTest::qWait(1500);

        // Same name, same size, written in place: only the file's own watch and its stamp tell.
        write(data + QStringLiteral("A.MP3"), "other");
        QVERIFY(changed.wait(5000));
        write(data + QStringLiteral("B.MP3"), "third");
        changed.clear();
        QVERIFY(changed.wait(5000));
        QVERIFY(QFile::remove(data + QStringLiteral("A.MP3")));
        changed.clear();
        QVERIFY(changed.wait(5000));
        QVERIFY(QFile::rename(data + QStringLiteral("B.MP3"), data + QStringLiteral("A.MP3")));
        changed.clear();
        QVERIFY(changed.wait(5000));
        QVERIFY(watch.contains(QStringLiteral("a.mp3")));
        // And the file renamed in keeps being watched.
        write(data + QStringLiteral("A.MP3"), "fifth");
        changed.clear();
        QVERIFY(changed.wait(5000));
    }

    // A change shows even while the folder never rests for the settle time.
    void followsABusyFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DATA")));
        const QString data = dir.path() + QStringLiteral("/DATA/");
        write(data + QStringLiteral("GONE.MP3"), "x");
        DataFolderWatch watch;
        watch.setFolder(data);
        int written = 0;
        QTimer writer;
        connect(&writer, &QTimer::timeout, this, [&] {
            write(data + QStringLiteral("W%1.MP3").arg(written++), "w"); // a new name each time
        });
        writer.start(100);
        QTest::qWait(300);
        QVERIFY(QFile::remove(data + QStringLiteral("GONE.MP3")));
        QTRY_VERIFY_WITH_TIMEOUT(!watch.contains(QStringLiteral("GONE.MP3")), 5000);
        QVERIFY(writer.isActive());
    }
};

QTEST_MAIN(TestFolderWatch)
#include "tst_document_folderwatch.moc"

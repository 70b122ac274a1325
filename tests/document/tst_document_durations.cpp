// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationstore.h"
#include "tonefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

cuelist::LoudnessCache::Entry Entry(double lufs, std::uint64_t inode)
{
    cuelist::LoudnessCache::Entry entry;
    entry.stamp = {1000, 1, 2, inode};
    entry.loudness = cuelist::Loudness{lufs, -1.0};
    return entry;
}

} // namespace

// The lengths store: its worker starts when first needed, and what it keeps between runs is
// never lost to a store that was not used or used before its worker had read the files.
class DocumentDurationsTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void keptFilesSurviveStoresThatWereNotAsked()
    {
        {
            cuelist::LoudnessCache kept(path("kept/loudness.tsv").toStdString());
            kept.Store("/show/DATA/A.MP3", Entry(-20.0, 7));
            QVERIFY(kept.Save());
        }
        const QByteArray before = Bytes(path("kept/loudness.tsv"));
        QVERIFY(!before.isEmpty());
        {
            DurationStore unused(path("kept/durations.tsv"), nullptr, path("kept/loudness.tsv"));
            QVERIFY(!unused.busy());
        }
        QCOMPARE(Bytes(path("kept/loudness.tsv")), before);
        QVERIFY(!QFile::exists(path("kept/durations.tsv")));

        // Values added straight to the loudness cache join the kept ones.
        {
            DurationStore store(path("kept/durations.tsv"), nullptr, path("kept/loudness.tsv"));
            store.loudnessCache().Store("/show/DATA/B.MP3", Entry(-14.0, 8));
        }
        cuelist::LoudnessCache after(path("kept/loudness.tsv").toStdString());
        after.Load();
        const auto a = after.Find("/show/DATA/A.MP3", Entry(0, 7).stamp);
        const auto b = after.Find("/show/DATA/B.MP3", Entry(0, 8).stamp);
        QVERIFY(a && a->loudness && b && b->loudness);
        QCOMPARE(a->loudness->lufs, -20.0);
        QCOMPARE(b->loudness->lufs, -14.0);
    }

    void lengthsArriveOnceAskedAndAreKept()
    {
        const QString tone = path("show/DATA/TONE.MP3");
        QVERIFY(QDir().mkpath(path("show/DATA")));
        QVERIFY(WriteToneMp3(tone.toStdString(), 600));
        {
            DurationStore store(path("lengths/durations.tsv"));
            QSignalSpy changed(&store, &DurationStore::durationsChanged);
            QVERIFY(!store.duration(tone));
            store.request({tone});
            QTRY_VERIFY_WITH_TIMEOUT(store.duration(tone).has_value(), 20000);
            QVERIFY(qAbs(*store.duration(tone) - 600) < 60);
            QVERIFY(!changed.isEmpty());
        }
        // The next run knows it from the kept file once asked.
        DurationStore next(path("lengths/durations.tsv"));
        QVERIFY(!next.duration(tone));
        next.request({tone});
        QTRY_VERIFY_WITH_TIMEOUT(next.duration(tone).has_value(), 20000);
        QVERIFY(qAbs(*next.duration(tone) - 600) < 60);
    }
};

QTEST_MAIN(DocumentDurationsTest)
#include "tst_document_durations.moc"

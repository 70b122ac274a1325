// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationstore.h"
#include "tonefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The lengths store starts its worker when first needed, and a store used before its worker
// has read the kept files never writes over them.
class DocumentDurationsTest final : public QObject
{
    Q_OBJECT

private slots:
    void keptValuesSurviveAndLengthsArriveOnceAsked()
    {
        QTemporaryDir dir;
        const QString loudness = dir.filePath("loudness.tsv");
        const QString lengths = dir.filePath("durations.tsv");
        const auto entry = [](double lufs) {
            cuelist::fileio::FileStamp stamp;
            stamp.exists = stamp.regular = true;
            stamp.size = 1000;
            stamp.modifiedNs = 1;
            stamp.changedNs = 2;
            stamp.inode = 3;
            return cuelist::LoudnessCache::Entry{stamp, cuelist::Loudness{lufs, -1.0}};
        };
        const auto keptLufs = [&](const char* path) {
            cuelist::LoudnessCache kept(loudness.toStdString());
            kept.Load();
            const auto found = kept.Find(path, entry(0).stamp);
            return found && found->loudness ? found->loudness->lufs : 0.0;
        };
        {
            cuelist::LoudnessCache kept(loudness.toStdString());
            kept.Store("/show/DATA/A.MP3", entry(-20.0));
            QVERIFY(kept.Save());
        }
        {
            DurationStore unused(lengths, nullptr, loudness);
        }
        QCOMPARE(keptLufs("/show/DATA/A.MP3"), -20.0);
        {
            DurationStore store(lengths, nullptr, loudness);
            store.loudnessCache().Store("/show/DATA/B.MP3", entry(-14.0));
        }
        QCOMPARE(keptLufs("/show/DATA/A.MP3"), -20.0);
        QCOMPARE(keptLufs("/show/DATA/B.MP3"), -14.0);

        const QString tone = dir.filePath("TONE.MP3");
        QVERIFY(WriteToneMp3(tone.toStdString(), 600));
        DurationStore store(lengths, nullptr, loudness);
        QVERIFY(!store.duration(tone));
        store.request({tone});
        QTRY_VERIFY_WITH_TIMEOUT(store.duration(tone).has_value(), 20000);
        QVERIFY(qAbs(*store.duration(tone) - 600) < 60);
    }
};

QTEST_MAIN(DocumentDurationsTest)
#include "tst_document_durations.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// A playlist with every slot of channels 1-127 assigned (2,032 distinct files, 31 of them
// missing): open and first paint with the missing flags, the play lengths measured in the
// background from a cold cache and taken from the warm one, and a file removed from DATA.
#include "core/playlistfile.h"
#include "cuedoc.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "playlisteditor.h"
#include "durationstore.h"

#include <cstdio>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kMissingEvery = 64; // 31 files missing
constexpr double kPaintTargetMs = 50;
constexpr double kColdTargetMs = 10000;
constexpr double kWarmTargetMs = 100;
constexpr double kWatchTargetMs = 1000;

QString Name(int frame, int channel)
{
    return QStringLiteral("F%1%2.MP3")
        .arg(channel, 3, 10, QLatin1Char('0'))
        .arg(frame, 2, 10, QLatin1Char('0'));
}

// One second of 128 kbit/s MPEG-1 Layer III frames.
QByteArray Mp3Bytes()
{
    QByteArray bytes;
    for (int i = 0; i < 39; ++i)
        bytes += QByteArray::fromHex("fffb9044") + QByteArray(413, '\0');
    return bytes;
}

struct Opened
{
    std::unique_ptr<CCueDoc> doc;
    std::unique_ptr<PlaylistEditor> editor;
    std::unique_ptr<CCueView> view;
    double paintMs = 0;
};

Opened OpenAndPaint(const QString& playlist)
{
    Opened opened;
    QElapsedTimer timer;
    timer.start();
    opened.doc = std::make_unique<CCueDoc>();
    opened.doc->OnOpenDocument(playlist);
    opened.editor = std::make_unique<PlaylistEditor>(opened.doc.get());
    opened.view = std::make_unique<CCueView>(opened.editor.get(), nullptr);
    opened.view->resize(1024, 768);
    opened.view->OnInitialUpdate();
    opened.view->show();
    opened.view->viewport()->repaint();
    opened.paintMs = double(timer.nsecsElapsed()) / 1e6;
    return opened;
}

bool Missing(const CCueView& view, int frame, int channel)
{
    return view.model()->index(channel - 1, frame).data(CueGridModel::kMissingRole).toBool();
}

int KnownDurations(const DurationStore& store, const QString& data)
{
    int known = 0;
    for (int channel = 1; channel <= 127; ++channel)
        for (int frame = 1; frame <= 16; ++frame)
            known += store.duration(data + Name(frame, channel)).has_value() ? 1 : 0;
    return known;
}

const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("DATA/"));
    QDir().mkpath(data);
    cuelist::SlotTable table;
    const QByteArray mp3 = Mp3Bytes();
    int present = 0;
    for (int channel = 1; channel <= 127; ++channel)
        for (int frame = 1; frame <= 16; ++frame) {
            table.SetSlotFile(frame, channel, Name(frame, channel).toStdString());
            if (((channel - 1) * 16 + frame) % kMissingEvery == 0)
                continue;
            QFile file(data + Name(frame, channel));
            if (file.open(QIODevice::WriteOnly))
                present += file.write(mp3) == mp3.size() ? 1 : 0;
        }
    const QString playlist = dir.filePath(QStringLiteral("show.slp"));
    {
        const auto image = cuelist::BuildImage(table);
        QFile file(playlist);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size())) !=
                qint64(image.size()))
            return 1;
    }
    const QString cache = dir.filePath(QStringLiteral("cache/durations.tsv"));
    std::printf("playlist of 2,032 assigned slots, %d files in DATA, platform %s\n", present,
                qPrintable(QGuiApplication::platformName()));

    // The toolkit's own first-use costs (fonts, style) belong to start-up, not to opening.
    {
        CCueDoc empty;
        PlaylistEditor editor(&empty);
        CCueView view(&editor, nullptr);
        view.OnInitialUpdate();
        view.show();
        view.viewport()->repaint();
    }

    // Cold: nothing known yet; the lengths follow in the background.
    auto store = std::make_unique<DurationStore>(cache);
    DurationStore::setInstance(store.get());
    Opened cold = OpenAndPaint(playlist);
    const bool flagged = Missing(*cold.view, 16, 4) && !Missing(*cold.view, 1, 1);
    std::printf("  open to first paint: %.1f ms (target <= %.0f ms): %s; missing flags in it: %s\n",
                cold.paintMs, kPaintTargetMs, Verdict(cold.paintMs <= kPaintTargetMs),
                flagged ? "yes" : "NO");
    QElapsedTimer fill;
    fill.start();
    while (KnownDurations(*store, data) < present && fill.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const double coldMs = double(fill.nsecsElapsed()) / 1e6;
    std::printf(
        "  %d lengths measured in the background (cold cache): %.0f ms (target <= %.0f ms): %s\n",
        KnownDurations(*store, data), coldMs, kColdTargetMs, Verdict(coldMs <= kColdTargetMs));
    // The loudness follows the lengths on the same worker; both are kept when it is done.
    while (store->busy() && fill.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("  loudness measured after the lengths, all done after %.0f ms\n",
                double(fill.nsecsElapsed()) / 1e6);
    cold = {};

    // Warm: a new run reads the kept cache off the GUI thread once the grid asks, after the
    // first paint; every length is then known almost at once.
    store = std::make_unique<DurationStore>(cache);
    DurationStore::setInstance(store.get());
    QElapsedTimer open;
    open.start();
    Opened warm = OpenAndPaint(playlist);
    while (KnownDurations(*store, data) < present && open.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    const double warmMs = double(open.nsecsElapsed()) / 1e6;
    std::printf("  warm cache: %d of %d lengths known %.1f ms after the open began (first paint "
                "%.1f ms; target <= %.0f ms): %s\n",
                KnownDurations(*store, data), present, warmMs, warm.paintMs, kWarmTargetMs,
                Verdict(warmMs <= kWarmTargetMs));

    // A file removed from DATA shows as missing.
    QElapsedTimer watch;
    watch.start();
    QFile::remove(data + Name(1, 1));
    while (!Missing(*warm.view, 1, 1) && watch.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double watchMs = double(watch.nsecsElapsed()) / 1e6;
    std::printf("  DATA change shown in the flags after %.0f ms (target <= %.0f ms): %s\n", watchMs,
                kWatchTargetMs, Verdict(watchMs <= kWatchTargetMs && Missing(*warm.view, 1, 1)));
    warm = {};
    store.reset();
    return 0;
}

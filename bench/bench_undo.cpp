// SPDX-License-Identifier: GPL-3.0-or-later
// Undo of a channel paste on a shown grid: from the Undo command to the repainted cells and the
// window title's total data size, recomputed from the data folder as the main frame does.
#include "commandids.h"
#include "commandtable.h"
#include "core/clip.h"
#include "cuedoc.h"
#include "cueview.h"
#include "playlisteditor.h"
#include "text/messages.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>
#include <vector>

namespace {

constexpr int kRounds = 500;
constexpr double kTargetMedianMs = 2.0;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // A playlist of 16 distinct files in its DATA folder, every other channel filled.
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("DATA"));
    CCueDoc doc;
    for (int frame = 1; frame <= 16; ++frame) {
        const QString name = QStringLiteral("VOICE%1.MP3").arg(frame, 2, 10, QLatin1Char('0'));
        QFile file(root.filePath(QStringLiteral("DATA/") + name));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096 * frame, 'x')) < 0)
            return 2;
        file.close();
        if (frame == 1)
            doc.setDataFolderFromFile(file.fileName());
        for (int channel = 1; channel <= 127; channel += 2)
            doc.SetSlotFile(frame, channel, name);
    }
    const auto records = cuelist::EncodeChannelClip(doc.table(), 1);
    const QByteArray clip(reinterpret_cast<const char*>(records->data()),
                          qsizetype(records->size()));

    QMainWindow window;
    PlaylistEditor editor(&doc);
    auto* view = new CCueView(&editor, &window);
    window.setCentralWidget(view);
    QLabel pane;
    window.statusBar()->addWidget(&pane, 1);
    QObject::connect(&editor, &PlaylistEditor::descriptionChanged, &pane, &QLabel::setText);
    CommandTable commands;
    commands.setRoute([&] { return QList<CommandTarget*>{&editor, &doc}; });
    for (int id : {ID_SELECT_FILE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE,
                   ID_OPEN_CONTENTS, ID_PLAY_CHANNEL, ID_EDIT_UNDO, ID_EDIT_REDO})
        commands.action(id);
    // The main frame's part: the title with the total size, whenever the document asks.
    QObject::connect(&doc, &CCueDoc::frameTitleUpdateRequested, &window, [&] {
        if (!doc.IsTitleRefreshDue())
            return;
        doc.SetTitleRefreshDue(false);
        window.setWindowTitle(doc.title() +
                              cuelist::text::TotalDataSizeSuffix(doc.GetTotalDataSize()));
    });
    view->OnInitialUpdate();
    window.resize(1024, 768);
    window.show();
    window.activateWindow();
    QElapsedTimer wait;
    wait.start();
    while ((!window.windowHandle() || !window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    view->setFocus();
    view->moveCursorTo(0, 1);
    QApplication::processEvents();

    std::vector<double> samples;
    samples.reserve(kRounds);
    bool restored = true;
    for (int i = 0; i < kRounds; ++i) {
        doc.PasteChannelClip(2, clip);
        QApplication::processEvents();
        window.setWindowTitle(QString());
        QElapsedTimer timer;
        timer.start();
        commands.execute(ID_EDIT_UNDO);
        QApplication::processEvents();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
        restored = restored && !doc.table().ChannelHasSlots(2) && !window.windowTitle().isEmpty();
    }

    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    std::printf("undo of a channel paste: %d rounds, platform %s\n", kRounds,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  median %.3f ms, max %.3f ms to repainted cells and title (target median <= "
                "%.1f ms): %s\n",
                median, samples.back(), kTargetMedianMs,
                median <= kTargetMedianMs ? "met" : "MISSED");
    if (!restored)
        std::printf("  the undo did not restore the channel and the title\n");
    return restored ? 0 : 1;
}

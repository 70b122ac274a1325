// SPDX-License-Identifier: GPL-3.0-or-later
// Key handling of the grid: 1,000 alternating Right and Down presses on a shown grid, each
// processed until the cursor is repainted and the description pane shows the new slot.
#include "commandids.h"
#include "commandtable.h"
#include "cuedoc.h"
#include "cueview.h"
#include "playlisteditor.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QWindow>
#include <vector>

namespace {

constexpr int kPresses = 1000;
constexpr double kTargetMedianMs = 2.0;

void Press(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    CCueDoc doc;
    for (int channel = 1; channel <= 127; channel += 2)
        for (int frame = 1; frame <= 16; frame += 3)
            doc.SetSlotFile(frame, channel, "VOICE01.MP3");

    QMainWindow window;
    PlaylistEditor editor(&doc);
    auto* view = new CCueView(&editor, &window);
    window.setCentralWidget(view);
    QLabel pane;
    window.statusBar()->addWidget(&pane, 1);
    QObject::connect(&editor, &PlaylistEditor::descriptionChanged, &pane, &QLabel::setText);
    // The edit commands' states are re-evaluated with every cursor move, as in the editor.
    CommandTable commands;
    commands.setRoute([&] { return QList<CommandTarget*>{&editor, &doc}; });
    for (int id : {ID_SELECT_FILE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE,
                   ID_OPEN_CONTENTS, ID_PLAY_CHANNEL, ID_CSV_OUTPUT, ID_FILE_SAVE})
        commands.action(id);
    view->OnInitialUpdate();
    window.resize(1024, 768);
    window.show();
    window.activateWindow();
    QElapsedTimer wait;
    wait.start();
    while ((!window.windowHandle() || !window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    view->setFocus();
    QApplication::processEvents();

    std::vector<double> samples;
    samples.reserve(kPresses);
    for (int i = 0; i < kPresses; ++i) {
        QElapsedTimer timer;
        timer.start();
        Press(view, i % 2 == 0 ? Qt::Key_Right : Qt::Key_Down);
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const bool described = pane.text() != QString() && view->cursorColumn() == 16;

    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double worst = samples.back();
    std::printf("grid key presses: %d (alternating Right, Down), platform %s\n", kPresses,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  median %.3f ms, max %.3f ms per key (target median <= %.1f ms): %s\n", median,
                worst, kTargetMedianMs, median <= kTargetMedianMs ? "met" : "MISSED");
    if (!described)
        std::printf("  the cursor did not reach the last column\n");
    return described ? 0 : 1;
}

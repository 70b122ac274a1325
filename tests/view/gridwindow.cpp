// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridwindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

GridWindow::GridWindow(QSize size)
{
    view = new CCueView(&editor, &window);
    window.setCentralWidget(view);
    window.statusBar()->addWidget(&pane, 1);
    QObject::connect(&editor, &PlaylistEditor::descriptionChanged, &pane, &QLabel::setText);
    commands.setRoute([this] {
        // Select File and Open File Contents are recorded, the rest runs in the editor.
        return QList<CommandTarget*>{&recorder, &editor};
    });
    recorder.handled = {ID_SELECT_FILE, ID_OPEN_CONTENTS};
    view->OnInitialUpdate();
    window.resize(size);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("grid window not active");
    view->setFocus();
    QApplication::processEvents();
}

GridWindow::~GridWindow()
{
    window.statusBar()->removeWidget(&pane);
    pane.setParent(nullptr);
    delete view;
}

QPoint GridWindow::cellCenter(int column, int row)
{
    view->scrollTo(view->model()->index(row, 0));
    QApplication::processEvents();
    return QPoint(view->columnViewportPosition(column) + view->columnWidth(column) / 2,
                  view->rowViewportPosition(row) + view->rowHeight(row) / 2);
}

void GridWindow::click(int column, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCenter(column, row));
    QApplication::processEvents();
}

void GridWindow::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(view, Qt::Key(key), modifiers);
    QApplication::processEvents();
}

void GridWindow::putMp3(int frame, int channel, const char* name, int repeat, int attenuation,
                        int interval)
{
    doc.SetSlotFile(frame, channel, QString::fromUtf8(name),
                    cuelist::SlotSettings{-attenuation, repeat, interval});
    doc.undoStack()->clear();
}

bool GridWindow::dropFiles(int column, int row, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPoint at = cellCenter(column, row);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
    for (QEvent* event : QList<QEvent*>{&enter, &move, &dropped})
        if (!QApplication::sendEvent(view->viewport(), event) || !event->isAccepted())
            return false;
    QApplication::processEvents();
    return true;
}

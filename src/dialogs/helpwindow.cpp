// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_browser->documentTitle()); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    QSize size(860, 760);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

HelpWindow* HelpWindow::showPage(QWidget* owner, const QString& page)
{
    QWidget* top = owner ? owner->window() : nullptr;
    auto* window =
        top ? top->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window)
        window = new HelpWindow(top);
    window->m_browser->setSource(QUrl::fromLocalFile(page));
    window->setWindowIcon(top ? top->windowIcon() : QGuiApplication::windowIcon());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

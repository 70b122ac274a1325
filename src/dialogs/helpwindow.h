// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPalette;
class QTextBrowser;

// A help page (HTML) drawn in palette's colours instead of its own, for the help window.
QString HelpPageInPalette(QString html, const QPalette& palette);

// The editor's own help viewer, used when no browser can be started. One per main window,
// owned by it; links to other sites go to the desktop.
class HelpWindow final : public QWidget
{
    Q_OBJECT
public:
    // Shows page (a local HTML file) in the help window of owner's top-level window,
    // creating it on first use, and brings it to the front.
    static HelpWindow* showPage(QWidget* owner, const QString& page);

    QTextBrowser* browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget* parent);
    Q_DISABLE_COPY_MOVE(HelpWindow)

    QTextBrowser* m_browser;
};

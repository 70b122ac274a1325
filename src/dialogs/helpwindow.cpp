// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPalette>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Shows the help pages in the window's own colours: their style sheet is written for a
// browser's white page and would leave dark text on a dark palette.
class HelpBrowser final : public QTextBrowser
{
public:
    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource && resource.typeId() == QMetaType::QByteArray)
            return HelpPageInPalette(QString::fromUtf8(resource.toByteArray()), palette());
        return resource;
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QTextBrowser::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && source().isValid())
            reload();
    }
};

} // namespace

QString HelpPageInPalette(QString html, const QPalette& palette)
{
    const auto color = [&palette](QPalette::ColorRole role) {
        return palette.color(QPalette::Active, role).name();
    };
    html.remove(QRegularExpression(QStringLiteral("<style[^>]*>.*</style>"),
                                   QRegularExpression::CaseInsensitiveOption |
                                       QRegularExpression::DotMatchesEverythingOption |
                                       QRegularExpression::InvertedGreedinessOption));
    const QString css = QStringLiteral("<style>"
                                       "body { color: %1; }"
                                       "h1 { font-size: x-large; }"
                                       "h2 { font-size: large; color: %2; }"
                                       "a { color: %2; }"
                                       "code, kbd { background-color: %3; }"
                                       "pre { margin: 0; }"
                                       "td, th { border: 1px solid %4; padding: 2px 6px; }"
                                       ".note { background-color: %3; }"
                                       "</style>")
                            .arg(color(QPalette::Text), color(QPalette::Link),
                                 color(QPalette::AlternateBase), color(QPalette::Mid));
    const qsizetype head = html.indexOf(QLatin1String("</head>"), 0, Qt::CaseInsensitive);
    html.insert(head < 0 ? 0 : head, css);
    // Rich text gives each line of a <pre> block its own background strip; a table cell
    // draws the block as one.
    html.replace(
        QRegularExpression(QStringLiteral("<pre>"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"8\" "
                       "style=\"border: none;\" bgcolor=\"%1\"><tr><td style=\"border: "
                       "none;\"><pre>")
            .arg(color(QPalette::AlternateBase)));
    html.replace(
        QRegularExpression(QStringLiteral("</pre>"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("</pre></td></tr></table>"));
    return html;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new HelpBrowser)
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

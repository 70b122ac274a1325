// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "deferrediconstyle.h"

#include <memory>
#include <QDir>
#include <QProcess>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage Drawn(const QIcon& icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// Icons made when first drawn look exactly like those Qt makes at once, and a start to the
// first paint loads no image plugin and writes nothing to the profile.
class AppIconsTest final : public QObject
{
    Q_OBJECT

private slots:
    void deferredIconsDrawLikeQtsOwn()
    {
        for (const char* name : {"new", "cut", "playlist"}) {
            const QString file = QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
            QCOMPARE(Drawn(ResourceIcon(file)), Drawn(QIcon(file)));
            QCOMPARE(Drawn(ResourceIcon(file), QIcon::Disabled),
                     Drawn(QIcon(file), QIcon::Disabled));
        }
        QVERIFY(ResourceIcon(QStringLiteral(":/icons/no-such-icon.png")).isNull());

        const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
        DeferredIconStyle style(QStringLiteral("Fusion"));
        for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                 QStyle::SP_TitleBarMaxButton, QStyle::SP_MessageBoxQuestion})
            QCOMPARE(Drawn(style.standardIcon(which)), Drawn(plain->standardIcon(which)));
        // The option counts when the icon is drawn later: right to left, "back" points right.
        QStyleOption rightToLeft;
        rightToLeft.direction = Qt::RightToLeft;
        const QIcon back = style.standardIcon(QStyle::SP_ArrowBack, &rightToLeft);
        QCOMPARE(Drawn(back), Drawn(plain->standardIcon(QStyle::SP_ArrowRight)));
        // An icon whose widget is gone before it is drawn is empty, not a crash.
        auto widget = std::make_unique<QWidget>();
        const QIcon orphan =
            style.standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, widget.get());
        widget.reset();
        QVERIFY(orphan.isNull());
    }

    void startToFirstPaintLoadsNoImagePluginAndWritesNoProfile()
    {
        QTemporaryDir config;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("CUELIST_QUIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(CUELIST_STUDIO_PROGRAM), {QStringLiteral("--new-instance")});
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitCode(), 0);
        const QString log = QString::fromLocal8Bit(editor.readAllStandardError());
        QVERIFY2(log.contains(QLatin1String("libqoffscreen")), "no plugin log");
        QVERIFY2(!log.contains(QRegularExpression(QStringLiteral("imageformats/.*loaded library"))),
                 qPrintable(log));
        QVERIFY(
            QDir(config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }
};

QTEST_MAIN(AppIconsTest)
#include "tst_app_icons.moc"

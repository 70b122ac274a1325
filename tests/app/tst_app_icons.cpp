// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "deferrediconstyle.h"

#include <memory>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QtTest>
#include <QWidget>

namespace {

QImage Drawn(const QIcon& icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// Icons read when first drawn look exactly like those Qt reads at once, and a start up to
// the first paint loads no image plugin and writes nothing to the profile.
class AppIconsTest final : public QObject
{
    Q_OBJECT

private slots:
    void commandIconsDrawLikeTheirFiles()
    {
        for (const char* name : {"new", "save", "cut", "playlist"}) {
            const QString file = QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
            const QIcon deferred = ResourceIcon(file);
            const QIcon direct(file);
            QVERIFY2(!deferred.isNull(), name);
            QCOMPARE(deferred.actualSize(QSize(64, 64)), direct.actualSize(QSize(64, 64)));
            QCOMPARE(Drawn(deferred), Drawn(direct));
            // Disabled commands show greyed icons, as Qt greys them.
            QCOMPARE(Drawn(deferred, QIcon::Disabled), Drawn(direct, QIcon::Disabled));
            QVERIFY(Drawn(deferred, QIcon::Disabled) != Drawn(deferred));
        }
        const QIcon missing = ResourceIcon(QStringLiteral(":/icons/no-such-icon.png"));
        QVERIFY(missing.isNull());
        QVERIFY(missing.pixmap(16, 16).isNull());
    }

    void styleIconsDrawLikeTheStyle()
    {
        const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
        DeferredIconStyle style(QStringLiteral("Fusion"));
        for (const QStyle::StandardPixmap which :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton,
              QStyle::SP_TitleBarMaxButton, QStyle::SP_MessageBoxQuestion})
            QCOMPARE(Drawn(style.standardIcon(which)), Drawn(plain->standardIcon(which)));

        // The option given is honoured when the icon is drawn later: a right-to-left
        // "back" arrow points the other way.
        QStyleOption rightToLeft;
        rightToLeft.direction = Qt::RightToLeft;
        const QIcon back = style.standardIcon(QStyle::SP_ArrowBack, &rightToLeft);
        QCOMPARE(Drawn(back), Drawn(plain->standardIcon(QStyle::SP_ArrowBack, &rightToLeft)));
        QVERIFY(Drawn(back) != Drawn(plain->standardIcon(QStyle::SP_ArrowBack)));

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
        QVERIFY(config.isValid());
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
        QVERIFY(editor.readAllStandardOutput().contains("cpu-ms "));
        const QString log = QString::fromLocal8Bit(editor.readAllStandardError());
        QVERIFY2(log.contains(QLatin1String("platforms")), "no plugin log");
        for (const QString& line : log.split(QLatin1Char('\n')))
            QVERIFY2(!(line.contains(QLatin1String("imageformats")) &&
                       line.contains(QLatin1String("loaded library"))),
                     qPrintable(line));
        QVERIFY2(
            QDir(config.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            qPrintable(QDir(config.path()).entryList().join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(AppIconsTest)
#include "tst_app_icons.moc"

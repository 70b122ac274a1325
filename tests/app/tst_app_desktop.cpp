// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "commandline.h"
#include "commandtable.h"
#include "cueapp.h"
#include "cuedoc.h"
#include "help.h"
#include "helpwindow.h"
#include "mainframe.h"
#include "scriptedprompt.h"
#include "singleinstance.h"

#include <atomic>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace AppFixture;

// The editor as a desktop program: its command line, one running editor per session, the
// window's place kept between runs, and the help found and shown.
class AppDesktopTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString makePlaylist(const QString& name)
    {
        cuelist::SlotTable table;
        table.SetSlotFile(1, 1, "ONE.MP3");
        [&] { QVERIFY(WritePlaylist(path(name), table)); }();
        return path(name);
    }

    // The editor program, started with no display at all.
    static QProcess* startEditor(const QStringList& arguments, QProcessEnvironment env,
                                 const QString& folder = QString())
    {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        auto* process = new QProcess;
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(folder);
        process->start(QStringLiteral(CUELIST_STUDIO_PROGRAM), arguments);
        return process;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("HOME", m_dir.path().toUtf8());
        QDir().mkpath(path("runtime"));
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", path("runtime").toUtf8());
        // The session key follows the display; the second starts below have none.
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
    }

    void init() { ClearProfile(); }

    void parsedCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the editor starts
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("newInstance");
        const QString dir = QDir::currentPath();

        QTest::newRow("nothing") << QStringList() << -1 << ""
                                 << "" << QStringList() << false;
        QTest::newRow("two files, made absolute")
            << QStringList{"a.slp", "/x/b.slp"} << -1 << ""
            << "" << QStringList{dir + "/a.slp", "/x/b.slp"} << false;
        QTest::newRow("a file after --") << QStringList{"--", "-odd.slp"} << -1 << ""
                                         << "" << QStringList{dir + "/-odd.slp"} << false;
        QTest::newRow("new instance") << QStringList{"--new-instance", "a.slp"} << -1 << ""
                                      << "" << QStringList{dir + "/a.slp"} << true;
        QTest::newRow("Qt's own options")
            << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse"} << -1 << ""
            << "" << QStringList() << false;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "cuelist-studio 1.0.0\n"
                                 << "" << QStringList() << false;
        QTest::newRow("unknown long option")
            << QStringList{"--bogus", "a.slp"} << 2 << ""
            << "cuelist-studio: Unknown option 'bogus'.\n"
               "Try 'cuelist-studio --help' for more information.\n"
            << QStringList() << false;
        QTest::newRow("missing value") << QStringList{"-platform"} << 2 << ""
                                       << "cuelist-studio: Missing value after '-platform'.\n"
                                          "Try 'cuelist-studio --help' for more information.\n"
                                       << QStringList() << false;
    }

    void parsedCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QStringList, files);
        QFETCH(bool, newInstance);
        const CommandLine line =
            ParseCommandLine(QStringList{"/usr/bin/cuelist-studio"} + arguments);
        QCOMPARE(line.exit, exitCode >= 0);
        if (line.exit)
            QCOMPARE(line.exitCode, exitCode);
        QCOMPARE(line.output, output);
        QCOMPARE(line.error, error);
        QCOMPARE(line.files, files);
        QCOMPARE(line.newInstance, newInstance);
    }

    // Help, version and refusals work where no display can be opened.
    void programWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outputStart");
        QTest::addColumn<QString>("errorStart");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: "
                              << "";
        QTest::newRow("help, short") << QStringList{"-h"} << 0 << "Usage: "
                                     << "";
        QTest::newRow("version") << QStringList{"-v"} << 0 << "cuelist-studio 1.0.0"
                                 << "";
        QTest::newRow("unknown option") << QStringList{"--nope", "a.slp"} << 2 << ""
                                        << "cuelist-studio: Unknown option 'nope'.";
    }

    void programWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, outputStart);
        QFETCH(QString, errorStart);
        std::unique_ptr<QProcess> editor(
            startEditor(arguments, QProcessEnvironment::systemEnvironment()));
        QVERIFY(editor->waitForFinished(20000));
        QCOMPARE(editor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor->exitCode(), exitCode);
        const QString output = QString::fromLocal8Bit(editor->readAllStandardOutput());
        const QString error = QString::fromLocal8Bit(editor->readAllStandardError());
        QVERIFY2(outputStart.isEmpty() ? output.isEmpty() : output.startsWith(outputStart),
                 qPrintable(output));
        QVERIFY2(errorStart.isEmpty() ? error.isEmpty() : error.startsWith(errorStart),
                 qPrintable(error));
        if (outputStart == "Usage: ")
            QVERIFY(output.contains("--new-instance"));
    }

    void twoFilesOpenInTwoWindows()
    {
        const QString a = makePlaylist("a.slp");
        const QString b = makePlaylist("b.slp");
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({a, b}));
        const QList<CChildFrame*> children = Children(*app.mainFrame());
        QCOMPARE(children.size(), 2);
        QCOMPARE(children[0]->document()->pathName(), a);
        QCOMPARE(children[1]->document()->pathName(), b);
        QCOMPARE(app.mainFrame()->activeChild(), children[1]);
    }

    // A second start, a process of its own with no display, hands its files to the running
    // editor and ends with 0.
    void secondStartHandsFilesOver()
    {
        const QString a = makePlaylist("first.slp");
        const QString b = makePlaylist("second.slp");
        ScriptedPrompt script;
        CCueApp app;
        SingleInstance instance;
        QVERIFY(instance.listen());
        connect(&instance, &SingleInstance::filesReceived, &app, &CCueApp::OnFilesHandedOver);
        QVERIFY(app.InitInstance({}));

        std::unique_ptr<QProcess> second(
            startEditor({"first.slp", b}, QProcessEnvironment::systemEnvironment(), m_dir.path()));
        QVERIFY(second->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, 20000);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE(Children(*app.mainFrame()).size(), 3);
        QCOMPARE(app.mainFrame()->childFrames()[1]->document()->pathName(), a);
        QCOMPARE(app.mainFrame()->activeChild()->document()->pathName(), b);

        // While one answers, no other editor takes the socket.
        SingleInstance other;
        QVERIFY(!other.listen());
    }

    // A socket left by an editor that did not end normally does not keep the next one from
    // answering.
    void staleSocketIsReplaced()
    {
        const QByteArray name = SingleInstance::serverName().toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd); // bound, never listened on, not removed
        QVERIFY(QFile::exists(QString::fromLocal8Bit(name)));
        QVERIFY(!SingleInstance::handOver({}, 1000));

        SingleInstance instance;
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesReceived);
        std::atomic<bool> answered = false;
        // The hand-over blocks; the answer comes from this thread's event loop.
        std::thread client([&] { answered = SingleInstance::handOver({"/x/y.slp"}); });
        QTRY_COMPARE(received.size(), 1);
        client.join();
        QVERIFY(answered);
        QCOMPARE(received[0][0].toStringList(), QStringList{"/x/y.slp"});
    }

    void geometryIsRestored()
    {
        ScriptedPrompt script;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect placed(available.topLeft() + QPoint(30, 40), QSize(600, 450));
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            app.mainFrame()->setGeometry(placed);
            app.mainFrame()->close();
        }
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        QCOMPARE(app.mainFrame()->geometry(), placed);
    }

    // Saved on a larger screen, the window comes back whole on this one.
    void geometryKeptOnScreen()
    {
        ScriptedPrompt script;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        {
            CCueApp app;
            QVERIFY(app.InitInstance({}));
            app.mainFrame()->setGeometry(
                QRect(available.bottomRight() - QPoint(100, 100), available.size() * 2));
            app.mainFrame()->SaveBarState();
        }
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        const CMainFrame* frame = app.mainFrame();
        QVERIFY(available.contains(frame->frameGeometry().topLeft()));
        QVERIFY(frame->width() <= available.width() && frame->height() <= available.height());
    }

    // The build tree keeps the help where an installed editor finds it, relative to the
    // program; a bare program folder is looked in too.
    void helpFound_data()
    {
        QTest::addColumn<QString>("pageFolder"); // relative to the prefix
        QTest::addColumn<bool>("found");
        QTest::newRow("install prefix") << "share/cuelist-studio/help" << true;
        QTest::newRow("beside the program") << "bin" << true;
        QTest::newRow("elsewhere") << "share/help" << false;
    }

    void helpFound()
    {
        QFETCH(QString, pageFolder);
        QFETCH(bool, found);
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("bin");
        QDir(prefix.path()).mkpath(pageFolder);
        QVERIFY(WriteFile(prefix.filePath(pageFolder + "/help_e.html"), 10));
        const QString page = FindHelpPage(prefix.filePath("bin"));
        QCOMPARE(page, found ? prefix.filePath(pageFolder + "/help_e.html") : QString());

        const QString built = FindHelpPage(QCoreApplication::applicationDirPath());
        QCOMPARE(QFileInfo(built).dir().dirName(), QStringLiteral("help"));
        QVERIFY(QFileInfo(built).isFile());
    }

    // F1 shows the help: in the browser when one starts, in the editor's own window when
    // none does.
    void helpShown_data()
    {
        QTest::addColumn<QStringList>("browser");
        QTest::addColumn<bool>("ownWindow");
        QTest::newRow("browser starts")
            << QStringList{"sh", "-c", "echo \"$0\" > \"$HOME/url\""} << false;
        QTest::newRow("browser fails") << QStringList{"sh", "-c", "exit 3"} << true;
        QTest::newRow("no browser") << QStringList{"/nonexistent/browser"} << true;
    }

    void helpShown()
    {
        QFETCH(QStringList, browser);
        QFETCH(bool, ownWindow);
        QFile::remove(path("url"));
        SetHelpBrowser(browser);
        ScriptedPrompt script;
        CCueApp app;
        QVERIFY(app.InitInstance({}));
        app.commands()->execute(ID_HELP);
        const QString page = FindHelpPage(QCoreApplication::applicationDirPath());
        if (ownWindow) {
            HelpWindow* help = nullptr;
            QTRY_VERIFY((help = app.mainFrame()->findChild<HelpWindow*>()) && help->isVisible());
            QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(page));
            QCOMPARE(help->windowTitle(), QStringLiteral("QUARNIX Cuelist Studio Help"));
        } else {
            const auto opened = [this] {
                QFile url(path("url"));
                return url.open(QIODevice::ReadOnly) ? QString::fromUtf8(url.readAll()).trimmed()
                                                     : QString();
            };
            QTRY_COMPARE(opened(), QUrl::fromLocalFile(page).toString());
            QVERIFY(!app.mainFrame()->findChild<HelpWindow*>());
        }
        QVERIFY(script.asked.isEmpty());

        OpenHelpIn(app.mainFrame(), path("nothing")); // no help file there
        QCOMPARE(script.texts(), QStringList{"Unable to open Help file"});
        SetHelpBrowser({});
    }
};

QTEST_MAIN(AppDesktopTest)
#include "tst_app_desktop.moc"

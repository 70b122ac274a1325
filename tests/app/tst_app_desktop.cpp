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
#include "text/messages.h"
#include "windowplacement.h"

#include <atomic>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
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

    static bool WriteText(const QString& file, const QString& text)
    {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) == text.toUtf8().size();
    }

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

    // The help names the program, not its path, promises nothing it does not print, and is
    // whole in Japanese.
    void helpTexts()
    {
        const QString help = ParseCommandLine({"/opt/x/bin/cuelist-studio", "--help"}).output;
        QVERIFY(help.startsWith("Usage: cuelist-studio [options] [FILE.slp...]\n"));
        QCOMPARE(ParseCommandLine({"cuelist-studio", "--help-all"}).output, help);
        QVERIFY(!help.contains("/opt/x"));

        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        const QString japanese = ParseCommandLine({"cuelist-studio", "-h"}).output;
        const QString refused = ParseCommandLine({"cuelist-studio", "--nope"}).error;
        cuelist::text::InstallTranslations(*qApp, QLocale(QLocale::English));
        QCOMPARE(japanese.count('\n'), help.count('\n'));
        for (const QString& line : japanese.split('\n', Qt::SkipEmptyParts)) {
            const bool translated =
                std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 0x7f; });
            QVERIFY2(translated, qPrintable(line));
        }
        for (const QString& line : refused.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(
                std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 0x7f; }),
                qPrintable(line));
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

    // Idle and oversized connections are dropped, and later ones are refused while the
    // limit is reached, without the editor giving up its socket.
    void handOverCannotBeStarved()
    {
        SingleInstance instance;
        instance.setConnectionTimeout(300);
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesReceived);

        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < SingleInstance::kMaxConnections + 12; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(SingleInstance::serverName());
            QVERIFY(idle.back()->waitForConnected(1000));
        }
        QTRY_COMPARE(instance.connectionCount(), SingleInstance::kMaxConnections);
        const auto closed = [&idle] {
            return std::count_if(idle.begin(), idle.end(), [](const auto& socket) {
                return socket->state() == QLocalSocket::UnconnectedState;
            });
        };
        QTRY_COMPARE(closed(), 12);
        QTRY_COMPARE(instance.connectionCount(), 0); // timed out
        QTRY_COMPARE(closed(), long(idle.size()));

        QLocalSocket flood;
        flood.connectToServer(SingleInstance::serverName());
        QVERIFY(flood.waitForConnected(1000));
        QByteArray header;
        QDataStream out(&header, QIODevice::WriteOnly);
        out << quint32(0x43554c32) << quint32(1) << quint32(0x7ffffffe);
        flood.write(header + QByteArray(2 * SingleInstance::kMaxMessage, 'x'));
        QTRY_COMPARE(flood.state(), QLocalSocket::UnconnectedState);
        QTRY_COMPARE(instance.connectionCount(), 0);
        QVERIFY(received.isEmpty());

        std::atomic<bool> answered = false;
        std::thread client([&] { answered = SingleInstance::handOver({"/x/after.slp"}); });
        QTRY_COMPARE(received.size(), 1);
        client.join();
        QVERIFY(answered);
    }

    // A later start that gives up on a stalled editor opens the file itself; the editor,
    // once it runs again, must then not open it too. One that was answered ends, and the
    // editor opens the file.
    void handOverOpensInExactlyOneEditor()
    {
        SingleInstance instance;
        QVERIFY(instance.listen());
        QSignalSpy received(&instance, &SingleInstance::filesReceived);

        // The editor is stalled: this thread runs no events while the client waits.
        bool answered = true;
        std::thread client([&] { answered = SingleInstance::handOver({"/x/late.slp"}, 300); });
        client.join();
        QVERIFY(!answered);
        QTRY_COMPARE(instance.connectionCount(), 0);
        QTest::qWait(50);
        QVERIFY(received.isEmpty());

        std::atomic<bool> taken = false;
        std::thread second([&] { taken = SingleInstance::handOver({"/x/now.slp"}); });
        QTRY_COMPARE(received.size(), 1);
        second.join();
        QVERIFY(taken);
        QCOMPARE(received[0][0].toStringList(), QStringList{"/x/now.slp"});
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

    // A window saved maximised on a much larger screen comes back maximised and fitted; a
    // saved place cut short or tiny gives a usable window.
    void geometryFromOtherScreens_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<int>("cut"); // bytes left of the saved data; -1: all
        QTest::newRow("3000-pixel screen, maximised") << QRect(200, 150, 2600, 1800) << true << -1;
        QTest::newRow("3000-pixel screen") << QRect(2400, 100, 1400, 1000) << false << -1;
        QTest::newRow("tiny") << QRect(10, 10, 120, 80) << false << -1;
        QTest::newRow("cut short") << QRect(10, 10, 900, 700) << false << 20;
    }

    void geometryFromOtherScreens()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, maximized);
        QFETCH(int, cut);
        // What saveGeometry writes on a 3000 x 2000 screen.
        QByteArray data;
        QDataStream out(&data, QIODevice::WriteOnly);
        out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << saved.adjusted(-1, -30, 1, 1)
            << saved << qint32(0) << quint8(maximized) << quint8(0) << qint32(3000) << saved;
        if (cut >= 0)
            data.truncate(cut);

        QWidget window;
        window.resize(1024, 720);
        RestoreWindowPlacement(&window, data, QSize(480, 320));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.isMaximized(), maximized);
        const QRect normal = maximized ? window.normalGeometry() : window.geometry();
        QVERIFY2(available.contains(normal), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                            .arg(normal.x())
                                                            .arg(normal.y())
                                                            .arg(normal.width())
                                                            .arg(normal.height())));
        QVERIFY(normal.width() >= 480 && normal.height() >= 320);
        if (cut >= 0)
            QCOMPARE(normal.size(), QSize(1024, 720).boundedTo(available.size()));
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

    // F1 shows the help in the browser only when the desktop's handler of HTML pages is a
    // browser and it starts; otherwise in the editor's own window.
    void helpShown_data()
    {
        QTest::addColumn<QString>("handler"); // the default handler's desktop entry
        QTest::addColumn<QStringList>("browser");
        QTest::addColumn<bool>("ownWindow");
        const QString browserEntry = "[Desktop Entry]\nType=Application\nName=Web\n"
                                     "Exec=web %u\nCategories=Network;WebBrowser;\n";
        const QStringList starts{"sh", "-c", "echo \"$0\" > \"$HOME/url\""};
        QTest::newRow("browser starts") << browserEntry << starts << false;
        QTest::newRow("browser fails") << browserEntry << QStringList{"sh", "-c", "exit 3"} << true;
        QTest::newRow("no browser") << browserEntry << QStringList{"/nonexistent/browser"} << true;
        QTest::newRow("editor in a terminal")
            << "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim %F\nTerminal=true\n"
               "Categories=Utility;TextEditor;WebBrowser;\n"
            << starts << true;
        QTest::newRow("text editor")
            << "[Desktop Entry]\nType=Application\nName=Edit\nExec=edit %F\n"
               "Categories=Utility;TextEditor;\n[Desktop Action web]\nCategories=WebBrowser;\n"
            << starts << true;
        QTest::newRow("hidden browser") << browserEntry + "Hidden=true\n" << starts << true;
        QTest::newRow("no handler") << QString() << starts << true;
    }

    void helpShown()
    {
        QFETCH(QString, handler);
        QFETCH(QStringList, browser);
        QFETCH(bool, ownWindow);
        QFile::remove(path("url"));
        // The handler is looked up in the XDG folders, as xdg-mime names it.
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        qputenv("XDG_DATA_DIRS", data.filePath("none").toUtf8());
        QDir(data.path()).mkpath("applications/vendor");
        if (!handler.isEmpty())
            QVERIFY(WriteText(data.filePath("applications/vendor/web.desktop"), handler));
        SetHtmlHandlerQuery({"sh", "-c", "echo vendor-web.desktop"});
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
            QTest::qWait(100);
            QVERIFY(!QFile::exists(path("url")));
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
        SetHtmlHandlerQuery({});
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // Under a dark palette every text of the help window is light enough to read on the
    // window's background, and a <pre> block is one table cell, not a strip per line.
    void helpReadableInDarkPalette()
    {
        QWidget owner;
        HelpWindow* help =
            HelpWindow::showPage(&owner, FindHelpPage(QCoreApplication::applicationDirPath()));
        // A palette changed while the page is shown, as when the desktop's theme changes.
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::AlternateBase, QColor(50, 50, 55));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Link, QColor(120, 170, 255));
        help->setPalette(dark);
        QTextDocument* document = help->browser()->document();
        QVERIFY(document->characterCount() > 1000);
        const auto luminance = [](const QColor& c) { return c.lightnessF(); };
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            QTextCursor cursor(block);
            QColor background = block.blockFormat().background().style() == Qt::NoBrush
                                    ? dark.color(QPalette::Base)
                                    : block.blockFormat().background().color();
            if (QTextTable* table = cursor.currentTable()) {
                const QTextTableCellFormat cell =
                    table->cellAt(cursor).format().toTableCellFormat();
                if (cell.background().style() != Qt::NoBrush)
                    background = cell.background().color();
                else if (table->format().background().style() != Qt::NoBrush)
                    background = table->format().background().color();
            }
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (it.fragment().text().trimmed().isEmpty())
                    continue;
                const QColor text = format.foreground().style() == Qt::NoBrush
                                        ? dark.color(QPalette::Text)
                                        : format.foreground().color();
                QColor behind = background;
                if (format.background().style() != Qt::NoBrush)
                    behind = format.background().color();
                QVERIFY2(std::abs(luminance(text) - luminance(behind)) > 0.4,
                         qPrintable(it.fragment().text()));
            }
        }
        // The DATA folder's layout: all its lines in one cell.
        QTextCursor find = document->find("OPENING.MP3");
        QVERIFY(find.currentTable());
        QCOMPARE(find.currentTable()->rows(), 1);
    }
};

QTEST_MAIN(AppDesktopTest)
#include "tst_app_desktop.moc"

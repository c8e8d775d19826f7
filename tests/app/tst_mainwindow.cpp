// The real main window, built offscreen from its form, driven as a user does.
#include <QAction>
#include <QRegularExpression>
#include <QProcess>
#include <QElapsedTimer>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "AppStart.h"
#include "AppTestKit.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "FileFolders.h"
#include "JxEngineJob.h"
#include "LumacrestResources.h"
#include "MainWindow.h"
#include "UniqueOutputName.h"

namespace {

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

using AppTestKit::WriteSettings;

// Stands in for a window manager on an X server that has none (the virtual one the screen tests run on): before Qt
// asks, it says it tells the frames it draws; then it tells one around a window (30 rows above, 4 pixels at the sides
// and below) and places the window, as a manager does.
struct StandInFrame {
    xcb_connection_t* c = qgetenv("QT_QPA_PLATFORM") == "xcb" ? xcb_connect(nullptr, nullptr) : nullptr;
    xcb_window_t root = c && !xcb_connection_has_error(c) ? xcb_setup_roots_iterator(xcb_get_setup(c)).data->root : 0;
    StandInFrame()
    {
        auto* manager = root ? xcb_get_property_reply(c, xcb_get_property(c, 0, root, Atom("_NET_SUPPORTING_WM_CHECK"),
                                                                          XCB_ATOM_WINDOW, 0, 1), nullptr) : nullptr;
        root = manager && !manager->value_len ? root : 0;
        free(manager);
        const xcb_atom_t frame = Atom("_NET_FRAME_EXTENTS");
        if (root)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, Atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 1, &frame), xcb_flush(c);
    }
    ~StandInFrame() { c ? xcb_disconnect(c) : void(); }
    void Frame(WId window)
    {
        const uint32_t extents[] = {4, 4, 30, 4}, place[] = {8, 8};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 32, 4, extents);
        xcb_configure_window(c, xcb_window_t(window), XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
        xcb_flush(c);
    }
    xcb_atom_t Atom(const char* name)
    {
        auto* reply = root ? xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr) : nullptr;
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        return free(reply), atom;
    }
};

StandInFrame* g_frame = nullptr;

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formatsAndHiddenControls();
    void addButtonOpensItsMenuAtOnce();
    void settingsShownAndLent_data();
    void settingsShownAndLent();
    void menus();
    void actionIcons();
    void iconResources_data();
    void iconResources();
    void trayActivation_data();
    void trayActivation();
    void quitStopsConversionAndEnds();
    void destructionStopsConversion();
    void allCompletedRestoresRun();
    void fullTempFolderKeepsTheSettings();
    void opensWithinTheScreen();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_home;
};

void TestMainWindow::initTestCase()
{
    // Settings of this run alone (the program is registered more than once); a child run shares its parent's.
    QVERIFY(m_dir.isValid() && m_home.isValid());
    const char* child = "LUMACREST_QUIT_CHILD";
    AppTestKit::PrivateSettings(qEnvironmentVariableIsSet(child) ? qEnvironmentVariable("HOME") : m_home.path());
    WriteSettings(m_dir.path(), false, 2);
}

void TestMainWindow::formatsAndHiddenControls()
{
    MainWindow window;
    window.show();
    auto* formats = window.findChild<QComboBox*>(QStringLiteral("comboBoxFormat"));
    QVERIFY(formats);
    const QStringList expected = {"mp4(*.mp4)", "mkv(*.mkv)", "avi(*.avi)", "flv(*.flv)", "mov(*.mov)",
                                  "mpg(*.mpg)", "ts(*.ts)", "mp3(*.mp3)", "m4a(*.m4a)", "wav(*.wav)"};
    QStringList items;
    for (int i = 0; i < formats->count(); ++i)
        items << formats->itemText(i);
    QCOMPARE(items, expected);
    QCOMPARE(formats->currentIndex(), 0);

    // Hidden even while their tab page is shown.
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->currentIndex(), 0);
    tabs->setCurrentIndex(1);
    QVERIFY(window.findChild<QComboBox*>(QStringLiteral("comboBoxSplit"))->isVisible());
    for (const char* name : {"timeEditSplit", "timeEditEnd"}) {
        auto* edit = window.findChild<QTimeEdit*>(QLatin1String(name));
        QVERIFY2(edit && !edit->isVisible(), name);
        QCOMPARE(edit->displayFormat(), QStringLiteral("HH:mm:ss:zzz"));
    }
    tabs->setCurrentIndex(2);
    QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("lineEditSubtitle"))->isVisible());
    QVERIFY(!window.findChild<QCheckBox*>(QStringLiteral("checkBoxSubtitleStream"))->isVisible());
}

void TestMainWindow::addButtonOpensItsMenuAtOnce()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* add = window.findChild<QAction*>(QStringLiteral("actionAdd"));
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("toolBar"));
    auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(add));
    QVERIFY(button && add->menu());
    QCOMPARE(add->menu()->actions(),
             (QList<QAction*>{window.findChild<QAction*>(QStringLiteral("actionAddFile")),
                              window.findChild<QAction*>(QStringLiteral("actionAddFolder"))}));
    QSignalSpy triggered(add, &QAction::triggered);
    QMenu* shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (shown)
            shown->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown != nullptr, 5000);
    QCOMPARE(shown, add->menu());
    QCOMPARE(triggered.count(), 0);
}

void TestMainWindow::settingsShownAndLent_data()
{
    QTest::addColumn<bool>("coverage");
    QTest::addColumn<int>("threads");
    QTest::newRow("overwrite on, three at once") << true << 3;
    QTest::newRow("overwrite off, one at once") << false << 1;
    QTest::newRow("a hand-edited limit is bounded") << false << 2147483647;
}

void TestMainWindow::settingsShownAndLent()
{
    QFETCH(bool, coverage);
    QFETCH(int, threads);
    const QString out = m_dir.path() + QStringLiteral("/out 100% [a]");
    WriteSettings(out, coverage, threads);
    {
        MainWindow window;
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->text(), out);
        QCOMPARE(window.findChild<QCheckBox*>(QStringLiteral("checkBoxCoverage"))->isChecked(), coverage);
        QCOMPARE(window.Jobs().maxRunning(), qMin(threads, int(ConfigSystem::MaxThreads)));

        Core* core = Core::instance();
        QCOMPARE(core->GetMainWindow(), &window);
        QCOMPARE(QFileInfo(core->WorkFolder()).path(), window.Settings().CachePath);
        QCOMPARE(window.Jobs().OutputFolder(), out);
        // The output-name rule reads the overwrite setting of this window.
        QFile existing(m_dir.path() + (coverage ? QStringLiteral("/on.mp4") : QStringLiteral("/off.mp4")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QCOMPARE(GetUnRepeat(existing.fileName()) == existing.fileName(), coverage);
    }
    // Nothing lent stays behind the window.
    QCOMPARE(Core::instance()->GetMainWindow(), static_cast<MainWindow*>(nullptr));
    WriteSettings(m_dir.path(), false, 2);
}

void TestMainWindow::menus()
{
    MainWindow window;
    auto names = [](const QList<QAction*>& actions) {
        QStringList out;
        for (QAction* a : actions)
            out << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        return out;
    };
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QCOMPARE(names(toolBar->actions()), QStringList({"actionAdd", "actionWatermark", "actionRun", "actionStop",
                                                     "actionOptions", "actionAbout"}));
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    auto* sourceMenu = table->findChild<QMenu*>();
    QVERIFY(sourceMenu);
    QCOMPARE(names(sourceMenu->actions()),
             QStringList({"actionReady_to_convert", "|", "actionAddFile", "actionAddFolder", "|",
                          "actionAdd_subtitle_file", "|", "actionDelete", "actionAll_Delete", "|",
                          "actionMediaInfo"}));
    // The tray menu is not the window's child: it works while the window is hidden.
    QMenu* tray = nullptr;
    auto* quit = window.findChild<QAction*>(QStringLiteral("actionQuit"));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(w);
        if (menu && menu->actions().contains(quit))
            tray = menu;
    }
    QVERIFY(tray);
    QCOMPARE(names(tray->actions()), QStringList({"actionAddFile", "actionAddFolder", "|", "actionWatermark",
                                                  "actionRun", "actionOptions", "|", "actionQuit"}));
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Status"));
}

void TestMainWindow::actionIcons()
{
    MainWindow window;
    const QStringList withIcons = {"actionAdd", "actionWatermark", "actionRun", "actionStop", "actionOptions",
                                   "actionAbout", "actionAddFile", "actionAddFolder", "actionQuit"};
    for (QAction* action : window.findChildren<QAction*>()) {
        if (!withIcons.contains(action->objectName()))
            continue;
        const QPixmap pixmap = action->icon().pixmap(32, 32);
        QVERIFY2(!pixmap.isNull(), qPrintable(action->objectName()));
    }
    const QStringList buttons = {"BtnMergeAdd", "BtnMergeDelete", "BtnMergeUp", "BtnMergeDown", "BtnSplitAdd",
                                 "BtnSplitDel", "BtnMusicAdd", "BtnMusicDelete", "BtnMusicUp", "BtnMusicDown",
                                 "toolButtonOutput", "toolButtonFormatOption"};
    for (const QString& name : buttons) {
        auto* button = window.findChild<QToolButton*>(name);
        QVERIFY2(button && !button->icon().pixmap(24, 24).isNull(), qPrintable(name));
    }
}

void TestMainWindow::iconResources_data()
{
    // Every icon the windows and dialogs name.
    QTest::addColumn<QString>("path");
    for (const char* name :
         {"add", "addMerge", "addfile", "addfolder", "ass", "close", "converter", "copytime", "crop", "delMeger",
          "down", "find", "fliph", "flipv", "folder", "format", "help", "image", "LR", "menu", "open", "options",
          "pause", "playerpause", "playerplay", "playerstop", "rotate", "rotateleft", "rotateright", "save",
          "srcmain", "stop", "style", "text", "time", "up", "video", "watermark"})
        QTest::newRow(name) << QStringLiteral(":/res/%1.svg").arg(QLatin1String(name));
    QTest::newRow("logo") << QStringLiteral(":/res/logo.png");
}

void TestMainWindow::iconResources()
{
    QFETCH(QString, path);
    InitLumacrestResources();
    QVERIFY2(QFile::exists(path), qPrintable(path));
    if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 24, 24));
    } else {
        const QImage logo(path);
        QVERIFY(!logo.isNull());
        QVERIFY(logo.hasAlphaChannel());
    }
}

void TestMainWindow::trayActivation_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("shown");
    QTest::newRow("click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("context") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
}

void TestMainWindow::trayActivation()
{
    QFETCH(int, reason);
    QFETCH(bool, shown);
    MainWindow window;
    window.showMinimized();
    window.hide();
    window.iconActivated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(window.isVisible(), shown);
    if (shown)
        QVERIFY(!window.isMinimized());
}

// A conversion that runs for a minute unless stopped; it writes under a
// partial name, as every step does.
static JxEngineJob* LongConversion(const QString& output)
{
    auto* job = new JxEngineJob(QString(),
                                {"-hide_banner", "-re", "-f", "lavfi", "-i", "testsrc2=size=160x120:rate=10:duration=60",
                                 "-c:v", "mpeg4", "-y", output},
                                true);
    job->outputPath = output;
    return job;
}

// Quit ends the program at once, also from inside a loop that runs the
// events itself as a preview's display loop does: the converter goes, the
// settings are saved and the work folder is removed. The program is this
// test run again, as a child.
void TestMainWindow::quitStopsConversionAndEnds()
{
    if (qEnvironmentVariableIsSet("LUMACREST_QUIT_CHILD")) {
        // Nothing of this run is destroyed: it works in the parent's folder.
        m_dir.remove();
        auto* window = new MainWindow; // never destroyed: Quit ends the process
        JxEngineJob* job = LongConversion(qEnvironmentVariable("LUMACREST_QUIT_CHILD") + QStringLiteral("/quit.mp4"));
        window->Jobs().AddJobTask(job);
        window->Jobs().startNextJob();
        QTRY_VERIFY_WITH_TIMEOUT(job->processId() > 0 && job->state() == QProcess::Running, 20000);
        std::printf("pid %lld\nwork %s\n", job->processId(),
                    QFile::encodeName(Core::instance()->WorkFolder()).constData());
        std::fflush(stdout);
        window->Settings().Threads = 4; // saved by Quit
        QTimer::singleShot(0, window->findChild<QAction*>(QStringLiteral("actionQuit")), &QAction::trigger);
        QElapsedTimer loop;
        loop.start();
        while (loop.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QFAIL("Quit did not end the program");
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMACREST_QUIT_CHILD"), m_dir.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("quitStopsConversionAndEnds")});
    QVERIFY(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, qPrintable(out + child.readAllStandardError()));
    const qint64 pid = QRegularExpression(QStringLiteral("pid (\\d+)")).match(out).captured(1).toLongLong();
    const QString work = QRegularExpression(QStringLiteral("work (\\S+)")).match(out).captured(1);
    QVERIFY(pid > 0 && !work.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 5000);
    QVERIFY(!QFileInfo::exists(work));
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*quit*")}, QDir::Files | QDir::Hidden), QStringList());
    MainWindow reader;
    QCOMPARE(QSettings(reader.Settings().IniPath, QSettings::IniFormat).value("System/Threads").toInt(), 4);
    WriteSettings(m_dir.path(), false, 2);
}

void TestMainWindow::destructionStopsConversion()
{
    auto window = std::make_unique<MainWindow>();
    JxEngineJob* job = LongConversion(m_dir.path() + QStringLiteral("/closed.mp4"));
    window->Jobs().AddJobTask(job);
    window->Jobs().startNextJob();
    QTRY_VERIFY_WITH_TIMEOUT(job->processId() > 0 && job->state() == QProcess::Running, 20000);
    const qint64 pid = job->processId();
    window.reset();
    QVERIFY(processGone(pid));
}

void TestMainWindow::allCompletedRestoresRun()
{
    MainWindow window;
    auto* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    run->setText(QStringLiteral("Pause"));
    // Idle: the signal changes nothing.
    emit window.Jobs().sigAllCompleted();
    QCOMPARE(run->text(), QStringLiteral("Pause"));
}

// Settings are read beside their files: a full temporary folder costs none.
// Both files are used as they are by a start and Quit, and left so.
void TestMainWindow::fullTempFolderKeepsTheSettings()
{
    QTemporaryDir temp;
    const QByteArray tempPath = QFile::encodeName(temp.path());
    if (::mount("tmpfs", tempPath.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("No tmpfs could be mounted here (that needs root): no full temporary folder.");
    const auto unmount = qScopeGuard([&] { ::umount2(tempPath.constData(), MNT_DETACH); });
    {
        const int fd = ::open((tempPath + "/fill").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) == block.size()) {
        }
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    // Written as the program writes them, so a save of the same values
    // gives the same bytes.
    const QString out = m_dir.path() + QStringLiteral("/kept out");
    QString iniPath;
    QString formatPath;
    {
        ConfigSystem config;
        config.OutPath = out;
        config.Coverage = true;
        config.Language = 5;
        config.Threads = 6;
        QVERIFY(config.Save());
        iniPath = config.IniPath;
        ConfigFormat format;
        format.Format = QStringLiteral("mkv");
        format.VCodec = QStringLiteral("mpeg4");
        format.AVolume = 150;
        QVERIFY(format.Save());
        formatPath = format.FilePath;
    }
    const auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray ini = contents(iniPath);
    const QByteArray format = contents(formatPath);
    QVERIFY(!ini.isEmpty() && !format.isEmpty());

    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", tempPath);
    const auto restore = qScopeGuard([&] {
        AppStart::SetProcessEnd({});
        if (tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdir);
    });
    QString said;
    int status = -1;
    {
        MainWindow window;
        window.show();
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->text(), out);
        QVERIFY(window.findChild<QCheckBox*>(QStringLiteral("checkBoxCoverage"))->isChecked());
        QCOMPARE(window.Jobs().maxRunning(), 6);
        QCOMPARE(window.Settings().Language, 5);
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("comboBoxFormat"))->currentIndex(), int(FORMAT_MKV));

        // Quit ends the process; here it ends the loop instead. A box that
        // says the settings were not saved is answered and kept.
        AppStart::SetProcessEnd([](int code) { QCoreApplication::exit(code); });
        QTimer::singleShot(0, window.findChild<QAction*>(QStringLiteral("actionQuit")), &QAction::trigger);
        QTimer boxes;
        connect(&boxes, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->reject();
            }
        });
        boxes.start(20);
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        deadline.start(30000);
        status = QApplication::exec();
    }
    QCOMPARE(status, 0);
    QCOMPARE(said, QString());
    QCOMPARE(contents(iniPath), ini);
    QCOMPARE(contents(formatPath), format);
    QVERIFY(QFile::remove(formatPath));
    WriteSettings(m_dir.path(), false, 2);
}

// In any language: the window, frame and every control within the free area; a large screen keeps the size.
void TestMainWindow::opensWithinTheScreen()
{
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    if (room.width() < 1280 || room.height() < 720)
        QSKIP("for screens of 1280x720 and more: registered under the virtual X server with those");
    const auto english = qScopeGuard([] { Core::instance()->ChangeLanguage(1); });
    QVERIFY(g_frame && g_frame->root);
    for (int language = 0; language < 9; ++language) {
        Core::instance()->ChangeLanguage(language);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        g_frame->Frame(window.winId());
        QTRY_VERIFY_WITH_TIMEOUT(window.geometry().top() - window.frameGeometry().top() == 30 && room.contains(window.frameGeometry()), 5000);
        QCOMPARE(window.size(), QSize(1016, 800).boundedTo(room.size() - window.frameGeometry().size() + window.size()));
        QCOMPARE(window.size().expandedTo(window.minimumSizeHint()), window.size());
        for (const QWidget* c : window.findChildren<QWidget*>())
            QVERIFY2(!c->isVisible() || window.rect().contains(QRect(c->mapTo(&window, QPoint()), c->size())),
                     qPrintable(QString::number(language) + " " + c->objectName()));
    }
}

int main(int argc, char** argv)
{
    StandInFrame frame; // before Qt asks the X server what its manager supports
    g_frame = &frame;
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"

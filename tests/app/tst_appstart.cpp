// Start-up pieces: the display check, the palette, the restart contract, and
// the program itself started where no window can open.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "AppStart.h"
#include "ProcessChecks.h"

class TestAppStart : public QObject
{
    Q_OBJECT

private slots:
    void finishEventLoop_data();
    void finishEventLoop();
    void displayProblem_data();
    void displayProblem();
    void paletteAndReadableToolTips();
    void programWithoutDisplay_data();
    void programWithoutDisplay();
    void firstRunWritesDefaultSettings();
    void startsWithoutThePreviewLibraries();
};

void TestAppStart::finishEventLoop_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("returned");
    QTest::addColumn<bool>("restarted");
    QTest::addColumn<QStringList>("passed");
    const QStringList withArgs = {"/opt/Lumacrest", "a b", "%1", "--x"};
    QTest::newRow("normal end") << 0 << withArgs << 0 << false << QStringList();
    QTest::newRow("other status kept") << 3 << withArgs << 3 << false << QStringList();
    QTest::newRow("restart, program path only") << 42 << QStringList{"/opt/Lumacrest"} << 0 << true << QStringList();
    QTest::newRow("restart keeps arguments in order")
        << 42 << withArgs << 0 << true << QStringList{"a b", "%1", "--x"};
    QTest::newRow("restart, empty list") << 42 << QStringList() << 0 << true << QStringList();
}

void TestAppStart::finishEventLoop()
{
    QFETCH(int, status);
    QFETCH(QStringList, arguments);
    QFETCH(int, returned);
    QFETCH(bool, restarted);
    QFETCH(QStringList, passed);
    QList<QPair<QString, QStringList>> starts;
    AppStart::SetProgramStarter([&](const QString& program, const QStringList& args) {
        starts.append({program, args});
        return true;
    });
    QCOMPARE(AppStart::FinishEventLoop(status, arguments), returned);
    AppStart::SetProgramStarter({});
    QCOMPARE(starts.size(), restarted ? 1 : 0);
    if (restarted) {
        QCOMPARE(starts.at(0).first, QCoreApplication::applicationFilePath());
        QCOMPARE(starts.at(0).second, passed);
    }
}

void TestAppStart::displayProblem_data()
{
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("problem");
    QTest::newRow("default platform, no display") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << true;
    QTest::newRow("default platform, X display") << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray() << false;
    QTest::newRow("xcb, only Wayland") << QByteArray("xcb") << QByteArray() << QByteArray("wayland-0") << QByteArray() << true;
    QTest::newRow("wayland, no display") << QByteArray("wayland") << QByteArray(":0") << QByteArray() << QByteArray() << true;
    QTest::newRow("wayland then xcb, X display") << QByteArray("wayland;xcb") << QByteArray(":0") << QByteArray() << QByteArray() << false;
    QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray() << QByteArray() << false;
    QTest::newRow("argument wins over environment") << QByteArray("offscreen") << QByteArray() << QByteArray() << QByteArray("xcb") << true;
}

void TestAppStart::displayProblem()
{
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, argument);
    QFETCH(bool, problem);
    const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
    qputenv("QT_QPA_PLATFORM", platform);
    qputenv("DISPLAY", display);
    qputenv("WAYLAND_DISPLAY", wayland);
    QByteArray arg0("Lumacrest"), arg1("-platform"), arg2(argument);
    char* argv[] = {arg0.data(), arg1.data(), arg2.data(), nullptr};
    const QString text = AppStart::DisplayProblem(argument.isEmpty() ? 1 : 3, argv);
    qputenv("QT_QPA_PLATFORM", saved[0]);
    qputenv("DISPLAY", saved[1]);
    qputenv("WAYLAND_DISPLAY", saved[2]);
    QCOMPARE(!text.isEmpty(), problem);
    if (problem)
        QVERIFY(text.startsWith(QLatin1String("Lumacrest cannot open its window: ")));
}

void TestAppStart::paletteAndReadableToolTips()
{
    const QPalette palette = AppStart::DarkPalette();
    QCOMPARE(palette.color(QPalette::Window), QColor(53, 53, 53));
    QCOMPARE(palette.color(QPalette::Base), QColor(67, 67, 67));
    QCOMPARE(palette.color(QPalette::Highlight), QColor(192, 192, 192));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Text), QColor(Qt::white));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(127, 127, 127));

    // A tip as the user sees it, with the look the program applies: light
    // text on a dark ground.
    AppStart::ApplyLook();
    QCOMPARE(QApplication::style()->objectName().toLower(), QStringLiteral("fusion"));
    QToolTip::showText(QPoint(100, 100), QStringLiteral("MMMMMMMM"));
    QLabel* tip = nullptr;
    auto findTip = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = qobject_cast<QLabel*>(w);
        return tip != nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(findTip(), 5000);
    const QImage picture = tip->grab().toImage();
    int light = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            light += qGray(picture.pixel(x, y)) > 200;
    QVERIFY2(qGray(picture.pixel(picture.width() / 2, 2)) < 80, "tip ground is not dark");
    QVERIFY2(light > 20, "tip text is not light");
    QToolTip::hideText();
}

void TestAppStart::programWithoutDisplay_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("no display set") << QString();
    QTest::newRow("display that does not answer") << QStringLiteral(":4711");
}

void TestAppStart::programWithoutDisplay()
{
    QFETCH(QString, display);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/Lumacrest");
    QVERIFY2(QFile::exists(program), qPrintable(program));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, QStringList());
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardError().contains("Lumacrest cannot open its window: "));
}

namespace {
// Starts the program's start-up probe offscreen, with its settings in `home`.
void StartProbe(QProcess* process, const QString& home, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    process->setProcessEnvironment(env);
    process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lumacrest_startprobe"), arguments);
}
}  // namespace

void TestAppStart::firstRunWritesDefaultSettings()
{
    // The program's whole start-up, up to the window's first paint, in an
    // empty home.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess process;
    StartProbe(&process, home.path(), {QStringLiteral("--first-paint")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString ini = home.path() + QStringLiteral("/.local/share/Lumacrest/Lumacrest.ini");
    QVERIFY2(QFile::exists(ini), qPrintable(ini));
    QSettings settings(ini, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("System/Language")).toInt(), 1);
    QCOMPARE(settings.value(QStringLiteral("System/Threads")).toInt(), 2);
    QCOMPARE(settings.value(QStringLiteral("System/Coverage")).toBool(), false);
}

void TestAppStart::startsWithoutThePreviewLibraries()
{
    // The preview player's libraries load with its first preview, not with
    // the program: none is there once the window has painted.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess process;
    StartProbe(&process, home.path(), {QStringLiteral("--first-paint"), QStringLiteral("--idle-memory")});
    QVERIFY(process.waitForReadyRead(60000));  // painted; it idles a second before it ends
    const QStringList player = {QStringLiteral("libSDL2"), QStringLiteral("libavfilter"),
                                QStringLiteral("libavdevice"), QStringLiteral("libLumacrestPlayer")};
    const QStringList mapped = ProcessChecks::MappedLibraries(QString::number(process.processId()), player);
    const QStringList base = ProcessChecks::MappedLibraries(QString::number(process.processId()), {"libQt5Widgets"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(base, QStringList{"libQt5Widgets"});  // the maps were read
    QCOMPARE(mapped, QStringList());
}

QTEST_MAIN(TestAppStart)
#include "tst_appstart.moc"

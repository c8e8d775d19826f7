#include "AppStart.h"

#include <QApplication>
#include <QProcess>
#include <QStyleFactory>
#include <QToolTip>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "AllocatorSettings.h"
#include "AssLibrary.h"
#include "ConfigSystem.h"
#include "Core.h"
#include "MainWindow.h"
#include "OffThread.h"

namespace AppStart {

namespace {

ProgramStarter& Starter()
{
    static ProgramStarter starter;
    return starter;
}

ProcessEnd& Ender()
{
    static ProcessEnd end;
    return end;
}

const char kCannotOpen[] = "Lumacrest cannot open its window: ";

// Between the check of the environment and a working application object a
// display may still refuse the connection; the platform then ends the
// process with a fatal message. Say it in our words and leave with a status
// instead of aborting.
QtMessageHandler g_previousHandler = nullptr;

void PlatformStartHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The platform's own text speaks of reinstalling; what failed is the
        // connection to the display.
        const QByteArray line = QByteArray(kCannotOpen) + "the display did not accept the connection (DISPLAY=\""
            + qgetenv("DISPLAY") + "\", WAYLAND_DISPLAY=\"" + qgetenv("WAYLAND_DISPLAY") + "\").\n";
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
        ::_exit(1);
    }
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

QString EnvText(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// The platform Qt will load: "-platform name" among the arguments, else
// QT_QPA_PLATFORM, else this system's default.
QString ChosenPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    const QString env = EnvText("QT_QPA_PLATFORM");
    return env.isEmpty() ? QStringLiteral("xcb") : env;
}

void LoadLanguage()
{
    // Loading and saving at once writes the settings file (with its defaults
    // on a first run) before the main window reads it.
    auto* settings = new ConfigSystem;
    Core::instance()->ChangeLanguage(settings->Language);
    delete settings;
}

} // namespace

QString DisplayProblem(int argc, char** argv)
{
    // Qt tries a ";"-separated list in order; one usable entry is enough.
    QString problem;
    const QStringList platforms = ChosenPlatform(argc, argv).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& entry : platforms) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb")) {
            if (!EnvText("DISPLAY").isEmpty())
                return QString();
            problem = QStringLiteral("no X display is set (DISPLAY is empty); start it from a desktop session or under xvfb-run.");
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (!EnvText("WAYLAND_DISPLAY").isEmpty())
                return QString();
            problem = QStringLiteral("no Wayland display is set (WAYLAND_DISPLAY is empty).");
        } else {
            return QString();
        }
    }
    return problem.isEmpty() ? QString() : QLatin1String(kCannotOpen) + problem;
}

QPalette DarkPalette()
{
    QPalette palette;
    const QColor grey(53, 53, 53);
    palette.setBrush(QPalette::Window, grey);
    palette.setBrush(QPalette::WindowText, Qt::white);
    palette.setBrush(QPalette::Base, QColor(67, 67, 67));
    palette.setBrush(QPalette::AlternateBase, grey);
    // A dark ground under the white tool-tip text, so tips can be read.
    palette.setBrush(QPalette::ToolTipBase, QColor(25, 25, 25));
    palette.setBrush(QPalette::ToolTipText, Qt::white);
    palette.setBrush(QPalette::Text, Qt::white);
    palette.setBrush(QPalette::Button, grey);
    palette.setBrush(QPalette::ButtonText, Qt::white);
    palette.setBrush(QPalette::BrightText, Qt::red);
    palette.setBrush(QPalette::Highlight, QColor(128, 128, 128).lighter(150));
    palette.setBrush(QPalette::HighlightedText, Qt::black);
    // Greyed texts for disabled controls, which otherwise look enabled.
    const QColor disabled(127, 127, 127);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setBrush(QPalette::Disabled, role, disabled);
    return palette;
}

void ApplyLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette palette = DarkPalette();
    QApplication::setPalette(palette);
    // Tips keep a palette of their own; give them the same.
    QToolTip::setPalette(palette);
}

void SetProgramStarter(ProgramStarter starter)
{
    Starter() = std::move(starter);
}

void SetProcessEnd(ProcessEnd end)
{
    Ender() = std::move(end);
}

void EndProcess(int status)
{
    if (Ender()) {
        Ender()(status);
        return;
    }
    QCoreApplication::quit();
    std::fflush(nullptr);
    std::_Exit(status);
}

int FinishEventLoop(int status, const QStringList& arguments)
{
    if (status != RestartStatus)
        return status;
    QStringList passed = arguments;
    if (!passed.isEmpty())
        passed.removeFirst();
    const QString program = QCoreApplication::applicationFilePath();
    // A failed start is not reported: this instance ends all the same.
    if (Starter())
        Starter()(program, passed);
    else
        QProcess::startDetached(program, passed);
    return 0;
}

int Run(int& argc, char** argv, const std::function<void(MainWindow*)>& shown)
{
    ApplyAllocatorSettings();
    const QString problem = DisplayProblem(argc, argv);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    g_previousHandler = qInstallMessageHandler(PlatformStartHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    QApplication::setApplicationName(QStringLiteral("Lumacrest"));
    g_ass_library = ass_library_init();
    ApplyLook();
    LoadLanguage();

    int status = 0;
    {
        MainWindow window;
        window.show();
        if (shown)
            shown(&window);
        status = QApplication::exec();
        // The new instance starts before this one takes its window down.
        status = FinishEventLoop(status, QCoreApplication::arguments());
    }
    // The window's jobs told what they left on the pool (a look at a file)
    // to end: the program ends once it has.
    OffThread::EndAll();
    return status;
}

} // namespace AppStart

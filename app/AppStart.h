#pragma once
#include <QPalette>
#include <QString>
#include <QStringList>

#include <functional>

class MainWindow;

// The program's start-up and its end: the display check, the look, the
// saved language, the main window, and the restart after a language change.
namespace AppStart {

// The status with which the event loop asks main for a restart.
constexpr int RestartStatus = 42;

// Runs the whole program and returns the process status. `shown` (for tools
// that measure or picture the start) is called once the window is shown.
int Run(int& argc, char** argv, const std::function<void(MainWindow*)>& shown = {});

// Why no window can open with the platform the arguments and environment
// choose (no display to connect to), or an empty text when one can.
QString DisplayProblem(int argc, char** argv);

// The dark palette of every window and dialog.
QPalette DarkPalette();
// The Fusion style with the dark palette, for the application and its tips.
void ApplyLook();

// What main returns once the event loop ended with `status`: the status
// itself, or 0 after starting the program again with `arguments` (the
// application's own, program path first) on the restart status.
int FinishEventLoop(int status, const QStringList& arguments);

// How a new instance is started: a detached process by default. Replaceable
// so a test can watch the restart without a second program running; an
// empty function brings the default back.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
void SetProgramStarter(ProgramStarter starter);

// Ends the process at once with `status`: pending output is written, nothing
// is destroyed and no event loop is waited for (a preview's included).
// Replaceable so a test can watch the end from its own event loop; an empty
// function brings the default back.
using ProcessEnd = std::function<void(int status)>;
void SetProcessEnd(ProcessEnd end);
void EndProcess(int status);

} // namespace AppStart

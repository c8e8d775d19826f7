// Leaks one object of its own on purpose, from the place its argument names:
// "main" (plain code), "timer" (a timer's slot) or "paint" (a window's paint
// event, delivered by the platform). Registered as expected to fail in the
// sanitizer build: if a suppression or an option ever hid leaks of our code,
// wherever the event loop runs it from, this program would pass and turn the
// run red.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class ForgottenRecord : public QObject
{
public:
    QString name = QStringLiteral("forgotten");
};

// The only reference until the end; volatile, so it is really dropped.
QObject* volatile g_forgotten = nullptr;

// Not inlined, so the leak's stack names a function of ours.
__attribute__((noinline)) void Forget()
{
    if (!g_forgotten)
        g_forgotten = new ForgottenRecord;
}

class Canvas : public QWidget
{
public:
    bool leakOnPaint = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (leakOnPaint) {
            Forget();
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString where = app.arguments().value(1, QStringLiteral("main"));
    Canvas window;
    window.leakOnPaint = where == QLatin1String("paint");
    window.resize(64, 48);
    window.show();
    if (where == QLatin1String("main")) {
        Forget();
        QTimer::singleShot(0, &app, &QApplication::quit);
    } else if (where == QLatin1String("timer")) {
        QTimer::singleShot(0, &app, [] {
            Forget();
            QApplication::quit();
        });
    }
    // A paint that never comes must not hang the run.
    QTimer::singleShot(20000, &app, &QApplication::quit);
    const int status = app.exec();
    if (!g_forgotten) {
        qWarning("leak_canary: nothing was leaked from \"%s\"", qPrintable(where));
        return 0;  // expected to fail: a run that leaked nothing must not pass
    }
    g_forgotten = nullptr;  // the last reference goes: a direct leak
    return status;
}

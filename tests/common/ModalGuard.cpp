// Linked into every test program: a modal window that nobody answers fails
// the running test and is closed, so a forgotten box never waits for a click
// until the run's time-out. Tests answer their boxes within milliseconds; the
// limit leaves room for a loaded machine. Progress dialogs end by themselves
// and are left alone.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QtTest>

namespace {

// LUMACREST_MODAL_LIMIT_MS shortens the limit for the guard's own check.
int UnansweredMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("LUMACREST_MODAL_LIMIT_MS", &ok);
    return ok && ms > 0 ? ms : 15000;
}

QString Describe(QWidget* modal)
{
    QString text = QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(" \"")
        + modal->windowTitle() + QLatin1Char('"');
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        text += QStringLiteral(": ") + box->text();
    return text;
}

void InstallModalGuard()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(250);
    auto seen = std::make_shared<QPointer<QWidget>>();
    auto since = std::make_shared<QDeadlineTimer>();
    QObject::connect(timer, &QTimer::timeout, timer, [seen, since]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<QProgressDialog*>(modal)) {
            *seen = nullptr;
            return;
        }
        if (*seen != modal) {
            *seen = modal;
            *since = QDeadlineTimer(UnansweredMs());
            return;
        }
        if (!since->hasExpired())
            return;
        const QByteArray what = ("a modal window waited unanswered and was closed: " + Describe(modal)).toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
        *seen = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallModalGuard)

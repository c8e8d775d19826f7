#pragma once
// Driving the format dialog as a user: its controls by object name, clicks,
// and answers to the modal boxes and file dialogs it opens.
#include "ConfigFormat.h"
#include "dialogs/QFormatDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace Kit {

template <typename T>
T* child(QWidget* dialog, const char* name)
{
    T* w = dialog->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

inline QComboBox* combo(QWidget* d, const char* name) { return child<QComboBox>(d, name); }

inline QStringList items(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

inline QStringList tabs(QWidget* d)
{
    auto* tab = child<QTabWidget>(d, "tabWidgetFormat");
    QStringList out;
    for (int i = 0; i < tab->count(); ++i)
        out << tab->tabText(i);
    return out;
}

// A user's click on a check box lands on its indicator.
inline void clickCheck(QWidget* d, const char* name)
{
    auto* box = child<QCheckBox>(d, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void clickButton(QWidget* d, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(child<QDialogButtonBox>(d, "buttonBox")->button(which), Qt::LeftButton);
}

// A choice in a list as the user makes it: the popup's item, by text.
inline bool choose(QWidget* d, const char* name, const QString& text)
{
    QComboBox* box = combo(d, name);
    const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0)
        return false;
    box->setCurrentIndex(i);
    return true;
}

// Answers the next modal window the handler accepts (returns true for),
// polling until one shows or the deadline passes.
inline void answerModal(std::function<bool(QWidget*)> handler, int deadlineMs = 10000)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, handler, deadlineMs] {
        QWidget* w = QApplication::activeModalWidget();
        const bool late = clock->elapsed() > deadlineMs;
        // Past the deadline the window is closed, so the test fails instead of hanging.
        if (late && w)
            w->close();
        if ((w && !late && handler(w)) || late) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start();
}

// Writes the format settings file as the main window's container choice
// does: the container's preset with its name.
inline void savePreset(int container, const QString& name)
{
    ConfigFormat f;
    f.SetFormat(FormatOut(container));
    f.Format = name;
    QVERIFY(f.Save());
}

inline FormatSettings loadSaved()
{
    ConfigFormat f;
    f.Load();
    return static_cast<const FormatSettings&>(f);
}

// A private home, so the settings and scheme folders are the test's own.
inline int runIsolated(int argc, char** argv, QObject* test)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(var);
    QStandardPaths::setTestModeEnabled(true);
    // Qt's own file dialog, which a test can answer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lumacrest");
    return QTest::qExec(test, argc, argv);
}

} // namespace Kit

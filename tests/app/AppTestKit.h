#pragma once
// What the main window tests share: settings written before the window is
// built, a file question answered without a desktop dialog, and modal boxes
// answered from a timer.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "Core.h"
#include "FileFolders.h"
#include "MainWindow.h"
#include "ST_MEDIA_INFO.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <memory>

namespace AppTestKit {

// The settings and format files of this test program alone: test programs
// run in parallel and would otherwise read each other's half-written files.
inline void PrivateSettings(const QString& home)
{
    qputenv("HOME", home.toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Lumacrest"));
}

inline void WriteSettings(const QString& outPath, bool coverage = false, int threads = 2)
{
    QSettings settings(GetAppDataLocation() + QStringLiteral("/Lumacrest.ini"), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("System"));
    settings.setValue(QStringLiteral("OutPath"), outPath);
    settings.setValue(QStringLiteral("Coverage"), coverage);
    settings.setValue(QStringLiteral("Threads"), threads);
    settings.setValue(QStringLiteral("Language"), 1);
    settings.endGroup();
    settings.sync();
}

// Answers every file question with `answer` and records the captions asked.
inline void Answer(const QStringList& answer, QStringList* captions = nullptr)
{
    MainWindow::SetFileQuestion([answer, captions](const QString& caption, const QString&, bool) {
        if (captions)
            *captions << caption;
        return answer;
    });
}

// Presses a button of the next modal dialog or box (a standard button of a
// message box, or of the dialog's button box), recording the box's text.
inline void AnswerModal(QDialogButtonBox::StandardButton button, QString* text = nullptr)
{
    QTimer* poll = new QTimer(qApp);
    poll->setObjectName(QStringLiteral("AnswerModalPoll"));
    QObject::connect(poll, &QTimer::timeout, [poll, button, text] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (text)
                *text = box->text();
            if (QAbstractButton* b = box->button(QMessageBox::StandardButton(int(button))))
                b->click();
            else
                box->reject();
        } else if (auto* buttons = modal->findChild<QDialogButtonBox*>()) {
            if (QAbstractButton* b = buttons->button(button))
                b->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        poll->stop();
        poll->deleteLater();
    });
    poll->start(20);
}

// Drops the answers no box came for, so they do not answer a later test's.
inline void StopAnswering()
{
    for (QTimer* poll : qApp->findChildren<QTimer*>(QStringLiteral("AnswerModalPoll"), Qt::FindDirectChildrenOnly))
        delete poll;
}

// Before a run: no rows, no saved output format, no output names held from
// an earlier test.
inline void FreshRunState()
{
    Core::instance()->Rows.clear();
    Core::instance()->CurrentRow = 0;
    QFile::remove(GetAppDataLocation() + QStringLiteral("/ConfigFormat.ini"));
    ClearUnRepeatReservations();
}

// A source row added as the Watermark action adds it, once its file is read off the window's thread.
inline void AddFile(MainWindow& window, const QString& path)
{
    window.AddFile(path);
    QTRY_VERIFY(Core::instance()->Rows.last().media.depth == ProbeDepth::Pictures);
}

// After a test: the window gone with its jobs, and no file question or box
// answered for the next test.
inline void CloseWindow(std::unique_ptr<MainWindow>& window)
{
    if (window)
        window->Jobs().cleanup();
    window.reset();
    MainWindow::SetFileQuestion({});
    StopAnswering();
}

} // namespace AppTestKit

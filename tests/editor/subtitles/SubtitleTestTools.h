#pragma once
// Answers the modal dialogs of the subtitle dock as a user would, and reads
// subtitle files back.
#include "Corpus.h"
#include "AssLibrary.h"
#include "SubtitleParser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace SubtitleTest {

inline void InitLibass()
{
    if (!g_ass_library)
        g_ass_library = ass_library_init();
}

// Runs answer on the next modal widget of type T once it is shown; polls
// with a deadline so a dialog that never opens fails the test, not hangs it.
template <typename T>
void Answer(std::function<void(T*)> answer, bool* answered = nullptr)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, answered]() {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < 20000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (dialog) {
            if (answered)
                *answered = true;
            answer(dialog);
        }
    });
    timer->start();
}

// Types path into Qt's own file dialog and accepts it. The dialog may still
// be filling its name field with the proposed name, so the name is typed
// right before the acceptance.
inline void AnswerFile(const QString& path, bool* answered = nullptr)
{
    Answer<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    }, answered);
}

// Types path into Qt's own file dialog and accepts it; a question about
// replacing a file is answered No, its text kept in `asked`, and the dialog
// is cancelled. A `type` is first chosen from the dialog's type list with
// the keyboard, as a user does.
inline void AnswerFileKeepingOld(const QString& path, QString* asked, const QString& type = QString())
{
    Answer<QFileDialog>([path, asked, type](QFileDialog* dialog) {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (types && !type.isEmpty()) {
            const int at = types->findText(type);
            for (int i = 0; i < types->count() && types->currentIndex() != at; ++i)
                QTest::keyClick(types, types->currentIndex() < at ? Qt::Key_Down : Qt::Key_Up);
        }
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        Answer<QMessageBox>([asked](QMessageBox* box) {
            *asked = box->text();
            box->button(QMessageBox::No)->click();
        });
        QMetaObject::invokeMethod(dialog, "accept");
        dialog->reject();
    });
}

inline bool ReadSubtitle(SubtitleParser& doc, const QString& path)
{
    doc.Events.clear();
    doc.Styles = {SubtitleParser::MakeDefaultStyle()};
    doc.setFileName(path);
    if (path.endsWith(QLatin1String(".srt"))) {
        if (!doc.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        const bool ok = doc.SRTParser();
        doc.close();
        return ok;
    }
    return doc.ASSParser();
}

} // namespace SubtitleTest

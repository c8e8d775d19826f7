#pragma once
// The real editor window on a generated source row, with its file dialogs
// answered by the test and its message boxes closed and recorded.
#include "Core.h"
#include "EditorMainWindow.h"
#include "ST_OPTS.h"
#include "canvas/QWatermarkScene.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QStringList>
#include <QTimer>

namespace EditorTest {

// Makes `source` the only row and the current one, with no layers or
// subtitles; the row is returned for the test's own options.
inline ST_OPTS& ResetCore(const QString& source, int width, int height)
{
    Core* core = Core::instance();
    core->Layers.clear();
    core->Rows.clear();
    ST_OPTS opts;
    InitOpts(&opts);
    opts.width = width;
    opts.height = height;
    opts.path = source;
    core->Rows << opts;
    core->CurrentRow = 0;
    core->Subtitle.Events.clear();
    core->Subtitle.Styles = {SubtitleParser::MakeDefaultStyle()};
    core->SubtitlePath.clear();
    return core->Rows[0];
}

// The canvas as drawn, without selection marks, at that size in scene pixels.
inline QImage CanvasShot(QWatermarkScene* scene, const QSize& size)
{
    scene->ClearSelectedItem();
    QImage shot(size, QImage::Format_RGB32);
    QPainter painter(&shot);
    scene->render(&painter, QRectF(QPointF(), size), QRectF(QPointF(), size));
    painter.end();
    return shot;
}

// Closes every message box that comes up and keeps its text.
class BoxCloser : public QObject
{
public:
    QStringList texts;
    BoxCloser()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this]() {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->reject();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Answers the window's file dialogs from a list, in order.
inline void AnswerFiles(EditorMainWindow* window, QStringList* answers)
{
    window->AskFileName = [answers](bool, const QString&, const QString&) {
        return answers->isEmpty() ? QString() : answers->takeFirst();
    };
}

} // namespace EditorTest

#pragma once
#include <QString>
#include <QWidget>

class QResizeEvent;

// Stand-in for the preview player widget, so the main window builds before
// the real widget is merged: same class name, header, constructor and
// signal; it shows a black video area and never plays.
class QPlayerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QPlayerWidget(QWidget* parent = nullptr);

    QString m_strPath; // the file the play button previews

signals:
    void sigAddFile();

public slots:
    void OnPlayPause();
    void OnStop();
};

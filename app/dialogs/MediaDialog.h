#pragma once
#include <QDialog>
#include <QString>

class Ui_MediaDialog;

// "Media Infomation": a short report of a media file's container, video
// and audio, probed in-process.
class MediaDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MediaDialog(QWidget* parent = nullptr);
    ~MediaDialog() override;

    // Fills the report from the file at `path`; empty when it cannot be probed.
    void InitMediaInfo();
    // The report of a file, lines joined by "\r\n"; empty when it cannot be probed.
    static QString Report(const QString& path);

    QString path;

private:
    Ui_MediaDialog* ui;
};

#pragma once
// Collects what the desktop services were asked to open: set it as a
// scheme's handler (QDesktopServices::setUrlHandler(scheme, &catcher, "open")).
#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

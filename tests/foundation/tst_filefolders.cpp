#include <QtTest>
#include <QtDBus>
#include <QDesktopServices>

#include "FileFolders.h"
#include "UrlCatcher.h"

// Stands in for the desktop's file manager on a private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList Shown()
    {
        QMutexLocker lock(&mutex_);
        return shown_;
    }
public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId)
        QMutexLocker lock(&mutex_);
        shown_ << uris;
    }

private:
    QMutex mutex_;
    QStringList shown_;
};

class TestFileFolders : public QObject
{
    Q_OBJECT
private:
    QProcess bus_;
    QTemporaryDir busDir_;
    QString busAddress_;
    QThread managerThread_;
    FakeFileManager* manager_ = nullptr;
    UrlCatcher catcher_;

    static QStringList Patterns(const QString& filter, int group)
    {
        const QString part = filter.split(";;").value(group);
        const int open = part.indexOf('(');
        return part.mid(open + 1, part.size() - open - 2).split(' ');
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("file", &catcher_, "open");
        // A private session bus, started before anything connects to one.
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return;
        // No service folders: nothing installed on this machine gets started.
        const QString config = busDir_.filePath("bus.conf");
        QFile conf(config);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("<busconfig><type>session</type><listen>unix:dir=" + QFile::encodeName(busDir_.path())
                   + "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/><allow own=\"*\"/>"
                     "</policy></busconfig>\n");
        conf.close();
        bus_.start(daemon, {"--config-file=" + config, "--nofork", "--print-address=1"});
        QVERIFY(bus_.waitForStarted());
        QVERIFY(bus_.waitForReadyRead(5000));
        busAddress_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QVERIFY(!busAddress_.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress_.toUtf8());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        if (manager_) {
            QDBusConnection::disconnectFromBus("fake-file-manager");
            managerThread_.quit();
            managerThread_.wait();
            delete manager_;
        }
        if (bus_.state() != QProcess::NotRunning) {
            bus_.kill();
            bus_.waitForFinished();
        }
    }

    void patternLists()
    {
        const QStringList media = g_strMediaExt.split(' ');
        QCOMPARE(media.size(), 58);
        QCOMPARE(media.count("*.asf"), 2);
        QVERIFY(media.contains("*.m2t"));
        QVERIFY(!g_strMediaExt.contains(','));
        for (const QString& p : media)
            QVERIFY2(QRegularExpression("^\\*\\.[a-z0-9-]+$").match(p).hasMatch(), qPrintable(p));
        QVERIFY(QDir::match(media, "recording.m2t"));
        QVERIFY(QDir::match(media, "show.mkv"));
        QVERIFY(!QDir::match(media, "notes.txt"));
    }

    void filterTexts()
    {
        const QString media = GetMediaFileFilter();
        QVERIFY(media.startsWith("All Supported Media Files(*.3gp "));
        QVERIFY(media.endsWith(";;All Files (*.*)"));
        QCOMPARE(media.split(";;").size(), 4);
        QCOMPARE(Patterns(media, 0), g_strMediaExt.split(' '));
        QCOMPARE(Patterns(media, 1).size(), 32);
        QCOMPARE(Patterns(media, 2).size(), 26);
        QVERIFY(media.contains(";;All Supported Video Files(*.3gp "));
        QVERIFY(media.contains(";;All Supported Audio Files(*.aac "));

        const QString video = GetVideoFileFilter();
        QCOMPARE(video.split(";;").size(), 2);
        QCOMPARE(Patterns(video, 0), Patterns(media, 1));
        QVERIFY(video.endsWith("*.yuv);;All Files (*.*)"));

        QCOMPARE(GetImageFileFilter(), QString("All Supported Image Files(*.png *.webp *.bmp);;All Files (*.*)"));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("picture");
        QTest::newRow("upper jpg") << "photo.JPG" << true;
        QTest::newRow("jpeg") << "a.jpeg" << true;
        QTest::newRow("png") << "/x/y.png" << true;
        QTest::newRow("webp") << "z.WebP" << true;
        QTest::newRow("bmp") << "icon.bmp" << false;
        QTest::newRow("video") << "clip.mp4" << false;
        QTest::newRow("bare extension letters") << "png" << true;
        QTest::newRow("empty") << "" << false;
    }
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(bool, picture);
        QCOMPARE(IsPicture(path), picture);
    }

    void standardFolders()
    {
        QVERIFY(GetAppDataLocation().startsWith(QDir::homePath()));
        QVERIFY(GetAppDataLocation().endsWith("/Lumacrest"));
        QCOMPARE(GetAppDataDir(), GetAppDataLocation());
        QCOMPARE(GetSysVideoDataDir(), GetDocumentsLocation());
        QVERIFY(!GetDocumentsLocation().endsWith('/'));
    }

    void folders()
    {
        QTemporaryDir dir;
        QVERIFY(CreateFolder(dir.path()));
        const QString nested = dir.filePath("a/b c/d'e");
        QVERIFY(CreateFolder(nested));
        QVERIFY(QFileInfo(nested).isDir());
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!CreateFolder(dir.filePath("file")));
        QVERIFY(!CreateFolder(dir.filePath("file/below")));
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(CreateFolder("relative/one"));
        QDir::setCurrent(old);
        QVERIFY(QFileInfo(dir.filePath("relative/one")).isDir());
    }

    void revealWithoutFileManager()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("it's [a] file.mp4");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        catcher_.opened.clear();
        QVERIFY(ShowInFolder(file)); // no file manager on the bus (or no bus at all)
        ShowInFolder(dir.path());
        ShowInFolder(dir.filePath("missing/clip.mp4"));
        QCOMPARE(catcher_.opened.size(), 3);
        QCOMPARE(catcher_.opened.at(0), QUrl::fromLocalFile(dir.path()));
        QCOMPARE(catcher_.opened.at(1), QUrl::fromLocalFile(dir.path()));
        QCOMPARE(catcher_.opened.at(2), QUrl::fromLocalFile(dir.filePath("missing")));
    }

    void revealThroughFileManager()
    {
        if (busAddress_.isEmpty())
            QSKIP("dbus-daemon is not installed");
        manager_ = new FakeFileManager;
        manager_->moveToThread(&managerThread_);
        managerThread_.start();
        QDBusConnection fake = QDBusConnection::connectToBus(busAddress_, "fake-file-manager");
        QVERIFY(fake.isConnected());
        QVERIFY(fake.registerObject("/org/freedesktop/FileManager1", manager_, QDBusConnection::ExportAllSlots));
        QVERIFY(fake.registerService("org.freedesktop.FileManager1"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QString::fromUtf8("it's [a] file #2, 100% caf\xC3\xA9.mp4"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        catcher_.opened.clear();
        ShowInFolder(file);
        // Sent encoded: what a file manager decodes is the file's own path.
        const QStringList shown = manager_->Shown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.at(0).endsWith("file%20%232,%20100%25%20caf%C3%A9.mp4"), qPrintable(shown.at(0)));
        QCOMPARE(QUrl::fromEncoded(shown.at(0).toLatin1()).toLocalFile(), file);
        QVERIFY(catcher_.opened.isEmpty());

        // A path that does not exist is not handed to the file manager.
        ShowInFolder(dir.filePath("gone.mp4"));
        QCOMPARE(manager_->Shown().size(), 1);
        QCOMPARE(catcher_.opened, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lumacrest");
    TestFileFolders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filefolders.moc"

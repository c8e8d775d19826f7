#include <QtTest>
#include <QtWidgets>

#include "Bezier.h"
#include "ThreadedObject.h"
#include "UrlCatcher.h"
#include "Util.h"

#include <Mlt.h>

#include <climits>
#include <cmath>

class TestUtil : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir_;

    QString Write(const QString& name, const QByteArray& data)
    {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(data);
        return f.fileName();
    }

private slots:
    void bezier_data()
    {
        QTest::addColumn<bool>("cubic");
        QTest::addColumn<double>("x");
        QTest::addColumn<QList<double>>("p");
        QTest::addColumn<double>("t");
        const QList<double> line{0, 1.0 / 3, 2.0 / 3, 1};
        QTest::newRow("cubic straight middle") << true << 0.5 << line << 0.5;
        QTest::newRow("cubic ease") << true << 0.5 << QList<double>{0, 0, 1, 1} << 0.5;
        QTest::newRow("cubic quarter") << true << 0.25 << line << 0.25;
        QTest::newRow("cubic x past the end") << true << 2.0 << line << 1.0;
        QTest::newRow("cubic x before the start") << true << -1.0 << line << 0.0;
        QTest::newRow("cubic flat curve") << true << 0.7 << QList<double>{0.5, 0.5, 0.5, 0.5} << 0.5;
        QTest::newRow("quadratic curved") << false << 0.25 << QList<double>{0, 0, 1} << 0.5;
        QTest::newRow("quadratic straight") << false << 0.25 << QList<double>{0, 0.5, 1} << 0.25;
        QTest::newRow("quadratic nearly straight") << false << 0.3 << QList<double>{0.1, 0.1 + 0.2, 0.5}
                                                   << 0.5; // 0.1 + 0.2 is not quite 0.3
        QTest::newRow("quadratic constant") << false << 5.0 << QList<double>{1, 1, 1} << 0.0;
        QTest::newRow("quadratic out of reach") << false << 2.0 << QList<double>{0, 2, 0} << 0.5;
    }

    void bezier()
    {
        QFETCH(bool, cubic);
        QFETCH(double, x);
        QFETCH(QList<double>, p);
        QFETCH(double, t);
        const double found = cubic ? Bezier::CubicXtoT(x, p[0], p[1], p[2], p[3]) : Bezier::QuadraticXtoT(x, p[0], p[1], p[2]);
        QVERIFY2(std::isfinite(found), "no NaN or infinity");
        QVERIFY2(std::fabs(found - t) < 0.001, qPrintable(QString::number(found)));
        if (cubic && x >= 0 && x <= 1 && p[0] != p[3])
            QVERIFY(std::fabs(Bezier::CubicTtoY(p[0], p[1], p[2], p[3], found) - x) <= 0.0001);
    }

    void coerceMultiple_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("multiple");
        QTest::addColumn<int>("expected");
        QTest::newRow("rounds up") << 10 << 4 << 12;
        QTest::newRow("already a multiple") << 12 << 4 << 12;
        QTest::newRow("negative value") << -5 << 4 << -4;
        QTest::newRow("multiple 0") << 7 << 0 << 7;
        QTest::newRow("negative multiple") << 7 << -3 << 7;
        QTest::newRow("beyond int") << INT_MAX << 2 << INT_MAX;
    }

    void coerceMultiple()
    {
        QFETCH(int, value);
        QFETCH(int, multiple);
        QFETCH(int, expected);
        QCOMPARE(Util::coerceMultiple(value, multiple), expected);
    }

    void numericText_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("result");
        QTest::newRow("numeric with exponent") << "isNumeric" << "1.5e+3" << "1.5e+3" << true;
        QTest::newRow("not numeric") << "isNumeric" << "12a" << "12a" << false;
        QTest::newRow("empty is numeric") << "isNumeric" << "" << "" << true;
        QTest::newRow("Arabic-Indic digits") << "isNumeric" << QString::fromUtf8("١٫٥") << "" << true;
        // Every separator becomes the point, group separators too.
        QTest::newRow("thousands and decimal") << "convertNumeric" << "1,000.5" << "1.000.5" << true;
        QTest::newRow("continental thousands") << "convertNumeric" << "1.000,5" << "1.000.5" << true;
        QTest::newRow("spaced groups") << "convertNumeric" << QString::fromUtf8("1\u202f000 25") << "1.000.25" << true;
        QTest::newRow("decimal comma") << "convertNumeric" << "3,5" << "3.5" << true;
        QTest::newRow("already right") << "convertNumeric" << "3.5" << "3.5" << false;
        QTest::newRow("not a number") << "convertNumeric" << "3,5a" << "3,5a" << false;
        QTest::newRow("points: comma") << "convertDecimal" << "3,5" << "3.5" << true;
        QTest::newRow("points: already") << "convertDecimal" << "3.5" << "3.5" << false;
    }

    void numericText()
    {
        QFETCH(QString, function);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, result);
        if (function == "isNumeric") {
            QCOMPARE(Util::isNumeric(text), result);
            return;
        }
        const bool changed = function == "convertNumeric" ? Util::convertNumericString(text, '.')
                                                          : Util::convertDecimalPoints(text, '.');
        QCOMPARE(changed, result);
        QCOMPARE(text, expected);
    }

    void baseName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absolute") << "/a/b/c.mp4" << "c.mp4";
        QTest::newRow("drive") << "C:\\v\\c.mp4" << "c.mp4";
        QTest::newRow("bare") << "c.mp4" << "c.mp4";
        QTest::newRow("colour") << "#ff0000" << "#ff0000";
    }

    void baseName()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(Util::baseName(path), expected);
    }

    void warnIfNotWritable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existed");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<bool>("existsAfter");
        QTest::newRow("user's file kept on remove") << "kept.mlt" << true << true << false << true;
        QTest::newRow("probe file removed") << "probe.mlt" << false << true << false << false;
        QTest::newRow("probe file left") << "left.mlt" << false << false << false << true;
        QTest::newRow("missing folder") << "no/such/folder.mlt" << false << true << true << false;
    }

    void warnIfNotWritable()
    {
        QFETCH(QString, name);
        QFETCH(bool, existed);
        QFETCH(bool, remove);
        QFETCH(bool, warned);
        QFETCH(bool, existsAfter);
        const QString path = existed ? Write(name, "user data") : dir_.filePath(name);
        bool boxShown = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&boxShown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxShown = box->text().contains("folder.mlt");
                box->accept();
            }
        });
        answer.start(20);
        QCOMPARE(Util::warnIfNotWritable(path, nullptr, "Save", remove), warned);
        QCOMPARE(boxShown, warned);
        QCOMPARE(QFileInfo::exists(path), existsAfter);
        if (existed) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("user data"));
        }
        QVERIFY(!Util::warnIfNotWritable("http://host/x.mlt", nullptr, "Save", true));
    }

    void showInFolderUsesTheFileManagerPath()
    {
        // No session bus here: the fallback opens the file's folder.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        Util::showInFolder(Write("shown.mp4", "x"));
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(dir_.path())});
    }

    void producerTitle()
    {
        Mlt::Profile profile;
        QCOMPARE(Util::producerTitle(Mlt::Producer()), QString());
        Mlt::Tractor tractor(profile);
        QCOMPARE(Util::producerTitle(Mlt::Producer(tractor)), QString("Master"));
        Mlt::Playlist playlist(profile);
        Mlt::Producer clip(playlist);
        clip.set("resource", "/clips/in\xc3\xa9s.mp4");
        QCOMPARE(Util::producerTitle(clip), QString::fromUtf8("in\xc3\xa9s.mp4"));
        clip.set("resource", "blank");
        QCOMPARE(Util::producerTitle(clip), QString());
    }

    void fileLists()
    {
        const QList<QUrl> urls{QUrl::fromLocalFile("/v/GP021234.MP4"), QUrl::fromLocalFile("/v/a.mp4"),
                               QUrl::fromLocalFile("/v/GOPR1234.MP4"), QUrl::fromLocalFile("/v/GH010007.MP4"),
                               QUrl::fromLocalFile("/v/GP019999.MP4"), QUrl::fromLocalFile("/v/GP011234.MP4")};
        const QList<QUrl> sorted = Util::sortedFileList(urls);
        QStringList names;
        for (const QUrl& url : sorted)
            names << url.fileName();
        // Series by key, chapters in order; a chapter without its first one
        // and other files keep their places after them.
        QCOMPARE(names, (QStringList{"GH010007.MP4", "GOPR1234.MP4", "GP011234.MP4", "GP021234.MP4", "a.mp4",
                                     "GP019999.MP4"}));

        QUrl named = QUrl::fromLocalFile("/v/100%41 \u00e9.mp4");
        QCOMPARE(Util::removeFileScheme(named), QString("/v/100%41 \u00e9.mp4"));
        QUrl web("http://host/a%20b");
        QCOMPARE(Util::removeFileScheme(web), QString("http://host/a b"));

        QDir(dir_.path()).mkdir("clips");
        Write("clips/b.mp4", "b");
        Write("clips/a.mp4", "a");
        const QList<QUrl> expanded =
            Util::expandDirectories({QUrl("http://host/x"), QUrl::fromLocalFile(dir_.filePath("clips"))});
        QCOMPARE(expanded, (QList<QUrl>{QUrl("http://host/x"), QUrl::fromLocalFile(dir_.filePath("clips/a.mp4")),
                                        QUrl::fromLocalFile(dir_.filePath("clips/b.mp4"))}));
    }

    void threadedObject()
    {
        ThreadedObject object;
        object.LockDeletes();
        object.LockDeletes();
        object.UnlockDeletes();
        QVERIFY(object.AreDeletesLocked());
        object.UnlockDeletes();
        QVERIFY(!object.AreDeletesLocked());
        object.LockMutex();
        bool took = true;
        QThread* other = QThread::create([&] { took = object.TryLockMutex(10); });
        other->start();
        QVERIFY(other->wait(5000));
        delete other;
        QVERIFY(!took);
        object.UnlockMutex();
        QVERIFY(object.TryLockMutex(0));
        object.UnlockMutex();
    }

    void temporaryFile()
    {
        QScopedPointer<QTemporaryFile> file(Util::writableTemporaryFile(dir_.filePath("out.mp4"), "probe.XXXXXX"));
        QVERIFY(file->isOpen());
        QVERIFY(file->fileName().startsWith(QDir::tempPath()));
    }
};

int main(int argc, char** argv)
{
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestUtil test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_util.moc"

// Unique output names.
#include <QtTest>

#include "ExfatVolume.h"
#include "UniqueOutputName.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

class TestUnRepeat : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    bool m_overwrite = false;

    QString touch(const QString& relative)
    {
        const QString path = m_dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    // The name with "(hhmmss)" or "(hhmmss_n)" inserted at the given place.
    static QRegularExpression stamped(const QString& before, const QString& after)
    {
        return QRegularExpression("^" + QRegularExpression::escape(before) + "\\(\\d{6}(_\\d+)?\\)"
                                  + QRegularExpression::escape(after) + "$");
    }

private slots:
    void init()
    {
        ClearUnRepeatReservations();
        m_overwrite = false;
        SetOverwriteQuery([this]() { return m_overwrite; });
        SetInputFilesQuery({});
    }

    void freeNameComesBackAndIsReserved()
    {
        const QString path = m_dir.path() + "/new.mp4";
        QCOMPARE(GetUnRepeat(path), path);
        // a second row with the same base name in this run gets another name
        const QString second = GetUnRepeat(path);
        QVERIFY(second != path);
        QVERIFY2(stamped(m_dir.path() + "/new", ".mp4").match(second).hasMatch(), qPrintable(second));
        // and a third one yet another, even within the same second
        const QString third = GetUnRepeat(path);
        QVERIFY(third != path && third != second);
        QVERIFY2(stamped(m_dir.path() + "/new", ".mp4").match(third).hasMatch(), qPrintable(third));
    }
    void existingFileGetsTheTimeBeforeItsExtension()
    {
        const QString path = touch("clip.mp4");
        const QString result = GetUnRepeat(path);
        QVERIFY2(stamped(m_dir.path() + "/clip", ".mp4").match(result).hasMatch(), qPrintable(result));
        const QString tar = touch("x.tar.gz");
        QVERIFY(stamped(m_dir.path() + "/x.tar", ".gz").match(GetUnRepeat(tar)).hasMatch());
    }
    void nameWithoutDotNeverTouchesTheFolder()
    {
        const QString path = touch("a.b/clip");
        const QString result = GetUnRepeat(path);
        QVERIFY2(stamped(m_dir.path() + "/a.b/clip", "").match(result).hasMatch(), qPrintable(result));
        const QString hidden = touch("d/.profile");
        QVERIFY(stamped(m_dir.path() + "/d/.profile", "").match(GetUnRepeat(hidden)).hasMatch());
    }
    void keepsTryingUntilUnused()
    {
        const QString path = touch("busy.mkv");
        const QString first = GetUnRepeat(path);
        // the stamped names of this second exist on disk as well
        QFile(first).open(QIODevice::WriteOnly);
        ClearUnRepeatReservations();
        const QString second = GetUnRepeat(path);
        QVERIFY(second != first && second != path);
        QVERIFY(!QFileInfo::exists(second));
    }
    void folderOfTheSameNameIsTaken()
    {
        QVERIFY(QDir().mkpath(m_dir.path() + "/out.mp4"));
        const QString result = GetUnRepeat(m_dir.path() + "/out.mp4");
        QVERIFY(result != m_dir.path() + "/out.mp4");
        QVERIFY(!QFileInfo::exists(result));
    }
    void overwriteKeepsExistingFilesButNotReservations()
    {
        m_overwrite = true;
        const QString path = touch("keep.mp4");
        QCOMPARE(GetUnRepeat(path), path);
        // never handed to two jobs, even when overwriting
        QVERIFY(GetUnRepeat(path) != path);
        // the same path spelt differently is the same reservation
        QVERIFY(GetUnRepeat(m_dir.path() + "/./keep.mp4") != path);
    }
    // What stands at the name when a finished output is put in place.
    void placeOutput_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("there"); // "", "file", "folder" or "input"
        QTest::addColumn<bool>("replaced");
        QTest::newRow("free") << false << "" << true;
        QTest::newRow("a file, overwriting off") << false << "file" << false;
        QTest::newRow("a file, overwriting on") << true << "file" << true;
        QTest::newRow("a folder, overwriting on") << true << "folder" << false;
        QTest::newRow("a file a row reads, overwriting on") << true << "input" << false;
    }
    void placeOutput()
    {
        QFETCH(bool, overwrite);
        QFETCH(QString, there);
        QFETCH(bool, replaced);
        const QString wanted = m_dir.path() + "/place/" + QTest::currentDataTag() + ".mp4";
        QDir().mkpath(QFileInfo(wanted).absolutePath());
        QCOMPARE(GetUnRepeat(wanted), wanted);
        const QString written = PartialOutputName(wanted);
        QVERIFY(QFileInfo(written).isFile());
        QFile(written).open(QIODevice::WriteOnly);
        m_overwrite = overwrite;
        if (there == "folder")
            QDir().mkpath(wanted);
        else if (!there.isEmpty())
            touch("place/" + QFileInfo(wanted).fileName());
        if (there == "input")
            SetInputFilesQuery([wanted] { return QStringList{wanted}; });
        QString error;
        const QString placed = PlaceOutput(written, wanted, &error);
        SetInputFilesQuery({});
        QCOMPARE(placed == wanted, replaced);
        QVERIFY2(replaced || stamped(m_dir.path() + "/place/" + QTest::currentDataTag(), ".mp4").match(placed).hasMatch(),
                 qPrintable(placed + error));
        QVERIFY(!QFileInfo::exists(written));
        QCOMPARE(QFileInfo(wanted).isDir(), there == "folder");
    }

    // With overwriting on, the same file as a row's source under another name
    // is kept, and only that: a file that merely looks like it is replaced.
    void inputReachedByAnotherPath_data()
    {
        // "bind": a/ mounted on b/ too; "exfat": a new volume on c/; "tmpfs": a
        // fresh volume on a/ and another on b/; "link": the output a hard link
        // of the source; "": nothing but the folders.
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("given"); // the name the row reads it by, when not that
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("beside"); // "NAME -> TARGET": a symbolic link; else another file
        QTest::addColumn<bool>("replaced");
        QTest::newRow("folder mounted twice") << "bind" << "a/clip.mp4" << "" << "b/clip.mp4" << "" << false;
        QTest::newRow("volume that ignores case") << "exfat" << "c/Clip.MP4" << "" << "c/Clip.mp4" << "" << false;
        QTest::newRow("folder in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "" << "c/VIDEOS/Clip.mp4" << "" << false;
        QTest::newRow("source read in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "c/VIDEOS/clip.mp4" << "c/Videos/clip.mp4" << "" << false;
        QTest::newRow("source read through a link in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "linkV/clip.MP4" << "c/Videos/clip.mp4" << "linkV -> c/Videos"
            << false;
        QTest::newRow("source through a link spelling its folder in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "v/clip.MP4" << "c/Videos/clip.mp4" << "v -> c/VIDEOS" << false;
        QTest::newRow("earlier output asked for in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "" << "c/Clip.mp4" << "c/clip.mp4" << true;
        QTest::newRow("output through a link in another case, volume that ignores case")
            << "exfat" << "c/Videos/Clip.MP4" << "" << "linkV/clip.mp4" << "linkV -> c/Videos" << false;
        // Which entry "K.mp4" reached, the source or the Kelvin sign's file,
        // the folder cannot tell: it is taken for the source.
        QTest::newRow("two entries alike, volume that ignores case")
            << "exfat" << "c/k.mp4" << "" << "c/K.mp4" << "c/\u212A.mp4" << false;
        QTest::newRow("link in another folder") << "link" << "a/clip.mp4" << "" << "b/copy.mp4" << "" << false;
        QTest::newRow("earlier output in another case") << "" << "a/clip.MP4" << "" << "a/clip.mp4" << "" << true;
        QTest::newRow("source read through a link, earlier output in another case")
            << "" << "a/Clip.MP4" << "linkV/Clip.MP4" << "a/clip.mp4" << "linkV -> a" << true;
        QTest::newRow("source read through a link, output in the folder linked")
            << "" << "a/clip.mp4" << "linkV/clip.mp4" << "a/clip.mp4" << "linkV -> a" << false;
        // Their first files get the same inode number on either volume.
        QTest::newRow("same name on two fresh volumes") << "tmpfs" << "a/clip.mp4" << "" << "b/clip.mp4" << "" << true;
    }
    void inputReachedByAnotherPath()
    {
        QFETCH(QString, setup);
        QFETCH(QString, source);
        QFETCH(QString, given);
        QFETCH(QString, output);
        QFETCH(QString, beside);
        QFETCH(bool, replaced);
        QTemporaryDir row(m_dir.path() + "/row-XXXXXX");
        QVERIFY(row.isValid());
        const QString a = row.path() + "/a", b = row.path() + "/b", c = row.path() + "/c";
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b) && QDir().mkpath(c));
        QStringList mounted;
        const auto unmount = qScopeGuard([&mounted] {
            for (const QString& point : mounted)
                ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        });
        if (setup == "bind") {
            if (::mount(QFile::encodeName(a).constData(), QFile::encodeName(b).constData(), nullptr, MS_BIND, nullptr))
                QSKIP(qPrintable("no bind mount can be made here: " + QString::fromLocal8Bit(std::strerror(errno))));
            mounted << b;
        }
        if (setup == "tmpfs") {
            for (const QString& point : {a, b}) {
                if (::mount("tmpfs", QFile::encodeName(point).constData(), "tmpfs", 0, "size=1m"))
                    QSKIP(qPrintable("no tmpfs can be mounted here: " + QString::fromLocal8Bit(std::strerror(errno))));
                mounted << point;
            }
        }
        const ExfatVolume fat(row.path() + "/fat.img", setup == "exfat" ? c : QString());
        if (!fat.problem.isEmpty())
            QSKIP(qPrintable("no volume that ignores case can be made here: " + fat.problem));
        const QString input = row.path() + "/" + source, wanted = row.path() + "/" + output;
        QVERIFY(QDir().mkpath(QFileInfo(input).absolutePath()));
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("source") == 6);
        file.close();
        if (beside.contains(" -> ")) {
            const QString target = row.path() + "/" + beside.section(" -> ", 1);
            QVERIFY(QFile::link(target, row.path() + "/" + beside.section(" -> ", 0, 0)));
        } else if (!beside.isEmpty()) {
            QFile other(row.path() + "/" + beside);
            QVERIFY(other.open(QIODevice::WriteOnly) && other.write("other") == 5);
        }
        if (setup == "link") {
            QVERIFY(::link(QFile::encodeName(input).constData(), QFile::encodeName(wanted).constData()) == 0);
        } else if (!QFileInfo::exists(wanted)) {
            QFile earlier(wanted);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        }
        // On the volume that ignores case the output's name reaches the source.
        QVERIFY(replaced || QFileInfo::exists(wanted));
        const QString read = given.isEmpty() ? input : row.path() + "/" + given;
        SetInputFilesQuery([read] { return QStringList{read}; });
        m_overwrite = true;
        QCOMPARE(GetUnRepeat(wanted) == wanted, replaced);
        const QString written = PartialOutputName(wanted);
        QFile partial(written);
        QVERIFY(partial.open(QIODevice::WriteOnly) && partial.write("new") == 3);
        partial.close();
        QString error;
        const QString placed = PlaceOutput(written, wanted, &error);
        QVERIFY2(!placed.isEmpty(), qPrintable(error));
        QCOMPARE(placed == wanted, replaced);
        QFile kept(input);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("source"));
        QFile result(placed);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("new"));
    }

    // A partial file is removed only when no program can be writing it.
    void partialFilesOfProgramsGone()
    {
        QProcess ended;
        ended.start("true", QStringList());
        QVERIFY(ended.waitForStarted(10000));
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished(10000));
        QVERIFY(pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
        const QString left = touch(QString(".gone.partial-%1-1.mp4").arg(pid));
        // A row's source, read through a link, that only looks like one.
        const QString source = touch(QString(".holiday.partial-%1-2.mp4").arg(pid));
        QVERIFY(QFile::link(source, m_dir.path() + "/holiday.mp4"));
        SetInputFilesQuery([this] { return QStringList{m_dir.path() + "/holiday.mp4"}; });
        // Still locked: by an instance whose process this one cannot see
        // (another machine), here a descriptor of its own.
        const int held = ::open(QFile::encodeName(left).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        const QString next = m_dir.path() + "/next.mp4";
        ReleaseUnRepeat(PartialOutputName(next));
        QVERIFY(QFile::exists(left));
        ::close(held);
        ReleaseUnRepeat(PartialOutputName(next));
        QVERIFY(!QFile::exists(left));
        QVERIFY(QFile::exists(source));
    }

    void noMainWindowMeansNoOverwrite()
    {
        SetOverwriteQuery(nullptr);
        const QString path = touch("nowin.mp4");
        QVERIFY(GetUnRepeat(path) != path);
        QCOMPARE(GetUnRepeat(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestUnRepeat)
#include "tst_unrepeat.moc"

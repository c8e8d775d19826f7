// Unique output names.
#include <QtTest>

#include "UniqueOutputName.h"

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

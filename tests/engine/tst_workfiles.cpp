// Work files of two running copies of the program: each its own folder, its
// own pictures and subtitles in its conversions, and a folder that goes with
// its program. The other copy is this program started again as a helper.
#include <QtTest>

#include "Core.h"
#include "FileFolders.h"
#include "SecondInstance.h"
#include "TestLayerItem.h"
#include "TestMedia.h"

#include <csignal>

namespace {

// One copy's row: a styled-text picture filling the frame in `color`, and
// the editor's subtitle event reading `color`.
void SetUpRow(const QString& root, const QString& color, std::unique_ptr<TestLayerItem>* item)
{
    ResetCore(root, QSize(320, 240));
    Core* core = Core::instance();
    ST_OPTS row = MakeRow(320, 240, QStringLiteral("/v/clip.mp4"));
    row.subtitle = true;
    core->Rows << row;
    ST_ASS_EVENT event;
    event.End = 900;
    event.Style = 1;
    event.Text = color;
    core->Subtitle.Events = {event};
    QImage picture(320, 240, QImage::Format_ARGB32);
    picture.fill(QColor(color));
    *item = std::make_unique<TestLayerItem>(3, QStringLiteral("Text1"), picture);
    core->onAddLayer(item->get());
}

// The helper: another running copy with its work files in `root`. It says
// its work folder and its graph, then keeps running until its input ends.
int RunInstance(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<TestLayerItem> item;
    SetUpRow(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]), &item);
    const QString graph = Core::instance()->GetCommandArg(0);
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write((Core::instance()->WorkFolder() + QLatin1Char('\n') + graph + QLatin1Char('\n')).toUtf8());
    out.flush();
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    in.readAll();
    Core::instance()->Layers.clear();
    return graph.isEmpty() ? 1 : 0;
}

} // namespace

class TestWorkFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // A running copy: its work folder, or empty when it said nothing in time.
    QString StartCopy(QProcess& copy, const QString& root, const QString& color)
    {
        SecondInstance::Start(copy, {root, color});
        return SecondInstance::LineOf(copy);
    }
    static void End(QProcess& copy)
    {
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
    }

private slots:
    void cleanup() { Core::instance()->Layers.clear(); }

    void copiesConvertWithTheirOwnWorkFiles()
    {
        const QString root = m_dir.filePath(QStringLiteral("Cache"));
        std::unique_ptr<TestLayerItem> item;
        SetUpRow(root, QStringLiteral("red"), &item);
        const QString graph = Core::instance()->GetCommandArg(0);
        const QString own = Core::instance()->WorkFolder();
        QVERIFY(graph.contains(own + QStringLiteral("/Text1.png")));

        // The other copy writes the same work files a moment later.
        QProcess other;
        const QString others = StartCopy(other, root, QStringLiteral("blue"));
        QVERIFY(!others.isEmpty());

        // This copy's conversion shows its own picture and its own subtitle.
        const QString frame = m_dir.filePath(QStringLiteral("frame.png"));
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=black:s=320x240:d=1", "-vf", graph,
                                         "-frames:v", "1", frame}));
        const QColor middle = QImage(frame).pixelColor(160, 60);
        QVERIFY2(middle.red() > 200 && middle.blue() < 60, qPrintable(middle.name()));
        QFile subtitle(Core::instance()->SubtitleWorkFile(0));
        QVERIFY(subtitle.open(QIODevice::ReadOnly));
        const QByteArray text = subtitle.readAll();
        QVERIFY(text.contains(",red") && !text.contains(",blue"));
        // Side by side in the settings' work folder, this user's alone.
        QVERIFY(others != own);
        QCOMPARE(QFileInfo(others).path(), root);
        QCOMPARE(QFileInfo(own).path(), root);
        QCOMPARE(QFileInfo(own).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);

        // A copy that ends takes its folder along, and leaves this one's.
        End(other);
        QVERIFY(!QFileInfo::exists(others));
        QCOMPARE(Core::instance()->WorkFolder(), own);
        QVERIFY(QFileInfo(own + QStringLiteral("/Text1.png")).isFile());
    }

    void startRemovesOnlyFoldersOfEndedCopies()
    {
        const QString root = m_dir.filePath(QStringLiteral("Shared"));
        QProcess running;
        const QString kept = StartCopy(running, root, QStringLiteral("green"));
        QProcess killed;
        const QString left = StartCopy(killed, root, QStringLiteral("red"));
        QVERIFY(!kept.isEmpty() && !left.isEmpty());
        // Killed: nothing of its own ran at its end.
        ::kill(pid_t(killed.processId()), SIGKILL);
        QVERIFY(killed.waitForFinished(60000));
        QVERIFY(QFileInfo(left).isDir());
        // One that ended before it had locked its folder.
        const QString halfMade = root + QStringLiteral("/instance-halfmade");
        QVERIFY(QDir().mkpath(halfMade));
        // Not a work folder of a copy.
        const QString other = root + QStringLiteral("/kept by the user");
        QVERIFY(QDir().mkpath(other));

        QProcess started;
        const QString fresh = StartCopy(started, root, QStringLiteral("blue"));
        QVERIFY(!fresh.isEmpty());
        QVERIFY(!QFileInfo::exists(left));
        QVERIFY(!QFileInfo::exists(halfMade));
        QVERIFY(QFileInfo(kept + QStringLiteral("/Text1.png")).isFile());
        QVERIFY(QFileInfo(other).isDir());
        End(running);
        End(started);
        QCOMPARE(QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("kept by the user")});
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && SecondInstance::IsOne(argc, argv))
        return RunInstance(argc, argv);
    QApplication app(argc, argv);
    TestWorkFiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_workfiles.moc"

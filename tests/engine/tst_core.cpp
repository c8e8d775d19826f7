// Core's shared state and small services: layer list, language, the concat
// list, the MP4 check, project and timecode members, the files no output
// may replace.
#include <QtTest>

#include "Core.h"
#include "TestLayerItem.h"
#include "TestMedia.h"
#include "UniqueOutputName.h"

#include <QMessageBox>
#include <memory>

namespace {
ST_MERGE Clip(const QString& path)
{
    ST_MERGE clip;
    clip.path = path;
    return clip;
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    Core* core() { return Core::instance(); }
    QString work() const { return m_dir.path() + "/Cache"; }
    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { ResetCore(work(), QSize(320, 240)); }

    void isOneObject()
    {
        QVERIFY(Core::instance() != nullptr);
        QCOMPARE(Core::instance(), Core::instance());
        QCOMPARE(core()->CurrentRow, 0);
        QVERIFY(core()->GetMainWindow() == nullptr);
        QVERIFY(core()->EditorWindow() == nullptr);
    }

    void layerListFollowsTheScene()
    {
        TestLayerItem a(2, "/a.png", SolidImage(4, 4));
        TestLayerItem b(2, "/b.png", SolidImage(4, 4));
        QSignalSpy added(core(), SIGNAL(sigAddLayer(QWatermarkBase*)));
        QSignalSpy removed(core(), SIGNAL(sigRemoveLayer(QWatermarkBase*)));
        core()->onAddLayer(&a);
        core()->onAddLayer(&a);
        QCOMPARE(core()->Layers.size(), 2);
        QCOMPARE(added.size(), 2);
        core()->onRemoveLayer(&a);
        QCOMPARE(core()->Layers, (QList<QWatermarkBase*>{&a}));
        QCOMPARE(removed.size(), 1);
        // not in the list: nothing changes, the signal still goes out
        core()->onRemoveLayer(&b);
        QCOMPARE(core()->Layers.size(), 1);
        QCOMPARE(removed.size(), 2);
        core()->Layers.clear();
    }
    void layerSignalsReachStringConnections()
    {
        // a connection by signature string reaches the layer signals too
        QPointer<QObject> receiver = new QObject;
        QWatermarkBase* seen = nullptr;
        QVERIFY(connect(core(), SIGNAL(sigRemoveLayer(QWatermarkBase*)), receiver, SLOT(deleteLater())));
        TestLayerItem a(2, "/a.png", SolidImage(4, 4));
        connect(core(), &Core::sigAddLayer, receiver, [&](QWatermarkBase* item) { seen = item; });
        core()->onAddLayer(&a);
        QCOMPARE(seen, static_cast<QWatermarkBase*>(&a));
        core()->onRemoveLayer(&a);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(receiver.isNull());
        QVERIFY(core()->Layers.isEmpty());
        core()->Layers.clear();
    }

    void languages()
    {
        QCOMPARE(Core::TranslationResource(0), QString(":/Translations/Brisquel_zh_CN.qm"));
        QCOMPARE(Core::TranslationResource(1), QString(":/Translations/Brisquel_en_US.qm"));
        QCOMPARE(Core::TranslationResource(8), QString(":/Translations/Brisquel_es.qm"));
        QVERIFY(Core::TranslationResource(9).isEmpty());
        QVERIFY(Core::TranslationResource(-1).isEmpty());
        for (int i = 0; i < 9; ++i)
            QVERIFY2(QFile::exists(Core::TranslationResource(i)), qPrintable(Core::TranslationResource(i)));

        // removeTranslator tells whether the translator was installed
        core()->ChangeLanguage(9);
        core()->ChangeLanguage(-1);
        QVERIFY(!QCoreApplication::removeTranslator(&core()->Translator));
        core()->ChangeLanguage(1);
        QCOMPARE(core()->Translator.language(), QString("en_US"));
        QVERIFY(QCoreApplication::removeTranslator(&core()->Translator));
        core()->ChangeLanguage(7);
        QCOMPARE(core()->Translator.language(), QString("ru"));
        QVERIFY(QCoreApplication::removeTranslator(&core()->Translator));
    }

    void asksForASourceFile()
    {
        QCoreApplication::setApplicationName("Lumacrest");
        QString title, text;
        QTimer::singleShot(0, [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Yes));
            QCOMPARE(box->icon(), QMessageBox::Information);
            box->accept();
        });
        core()->MessageBoxAddMediaFile();
        QCOMPARE(title, QString("Lumacrest"));
        QCOMPARE(text, QString("Add media file to list"));
    }

    void subtitlePathIsStored()
    {
        core()->SetSubtitle("/s/a.ass");
        QCOMPARE(core()->SubtitlePath, QString("/s/a.ass"));
    }

    void concatList()
    {
        ST_OPTS row = MakeRow(320, 240);
        row.titleClips << Clip("/a/t.mp4");
        core()->Rows << row;
        const QString list = core()->GetMergeFileName(0, "/a/m.mp4");
        QVERIFY(!list.isEmpty());
        QVERIFY(QFileInfo(list).isAbsolute());
        QCOMPARE(QFileInfo(list).absolutePath(), core()->WorkFolder());
        QCOMPARE(readAll(list), QByteArray("file '/a/t.mp4'\nfile '/a/m.mp4'\n"));
        // one list per call
        const QString second = core()->GetMergeFileName(0, "/a/m.mp4");
        QVERIFY(!second.isEmpty());
        QVERIFY(second != list);
        QVERIFY(QFile::exists(list));
    }
    void concatListOrderQuotingAndRefusals()
    {
        ST_OPTS row = MakeRow(320, 240);
        row.titleClips << Clip("/a/it's.mp4") << Clip("/a/t2.mp4");
        row.endingClips << Clip(QString::fromUtf8("/a/é [1],%2.mp4"));
        core()->Rows << row << MakeRow(320, 240);
        QCOMPARE(readAll(core()->GetMergeFileName(0, "/a/m.mp4")),
                 QString::fromUtf8("file '/a/it'\\''s.mp4'\nfile '/a/t2.mp4'\nfile '/a/m.mp4'\n"
                                   "file '/a/é [1],%2.mp4'\n").toUtf8());
        QCOMPARE(readAll(core()->GetMergeFileName(1, "/a/m.mp4")), QByteArray("file '/a/m.mp4'\n"));
        QVERIFY(core()->GetMergeFileName(1, "/a/line\nbreak.mp4").isEmpty());
        QVERIFY(core()->GetMergeFileName(1, "/a/cr\rbreak.mp4").isEmpty());
        QVERIFY(core()->GetMergeFileName(2, "/a/m.mp4").isEmpty());
        QVERIFY(core()->GetMergeFileName(-1, "/a/m.mp4").isEmpty());
        // a work folder that cannot be made: failure, not a name
        const QString blocker = m_dir.path() + "/blocker";
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        ResetCore(blocker + "/Cache", QSize());
        core()->Rows << MakeRow(320, 240);
        QVERIFY(core()->GetMergeFileName(0, "/a/m.mp4").isEmpty());
    }
    void concatListJoinsHostileNames()
    {
        const QString folder = m_dir.path() + QString::fromUtf8("/it's a:b,c;[d] %2 é");
        QVERIFY(QDir().mkpath(folder));
        const QString title = TestMedia::MakeSilentVideo(m_dir.path(), "t.mp4", 0.5, 64, 48);
        const QString main = TestMedia::MakeSilentVideo(m_dir.path(), "m.mp4", 0.5, 64, 48);
        QVERIFY(QFile::copy(title, folder + "/it's title.mp4"));
        QVERIFY(QFile::copy(main, folder + "/main, [x].mp4"));
        ST_OPTS row = MakeRow(64, 48);
        row.titleClips << Clip(folder + "/it's title.mp4");
        core()->Rows << row;
        const QString list = core()->GetMergeFileName(0, folder + "/main, [x].mp4");
        const QString out = m_dir.path() + "/joined.mp4";
        QVERIFY(TestMedia::RunConverter({"-f", "concat", "-safe", "0", "-i", list, "-c", "copy", out}));
        QVERIFY(qAbs(TestMedia::Probe(out).duration - 1.0) < 0.2);
    }

    void mp4Check()
    {
        ST_OPTS row = MakeRow(320, 240);
        core()->Rows << row;
        QVERIFY(core()->IsMergeListMP4(0));               // no clips
        core()->Rows[0].titleClips << Clip("/a/T.MP4");
        core()->Rows[0].endingClips << Clip("/a/e.mp4");
        QVERIFY(core()->IsMergeListMP4(0));
        core()->Rows[0].endingClips << Clip("/a/x.mp4.mov");
        QVERIFY(!core()->IsMergeListMP4(0));
        core()->Rows[0].endingClips.removeLast();
        core()->Rows[0].titleClips << Clip("/a/mp4");       // no dot: the whole path is compared
        QVERIFY(!core()->IsMergeListMP4(0));
        QVERIFY(!core()->IsMergeListMP4(1));
        QVERIFY(!core()->IsMergeListMP4(-1));
    }

    void timecodeDisplayIsAlwaysClockTime()
    {
        QSignalSpy spy(core(), &Core::TimecodeDisplayChanged);
        core()->SetTimecodeDisplay(Timecode::TimecodeDrop);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(qvariant_cast<int>(spy.at(0).at(0)), int(Timecode::TimecodeDrop));
        QCOMPARE(core()->GetTimecodeDisplay(), Timecode::RealTime);
    }

    void projectMembers()
    {
        // without an editor window the flag alone is kept
        core()->SetEditorWidget(nullptr);
        core()->SetProjectModified(true);
        QVERIFY(core()->IsProjectModified());
        core()->SaveAutorecovery();
        QVERIFY(!core()->IsProjectModified());

        auto editor = std::make_unique<QWidget>();
        editor->setWindowTitle("Editor[*]");
        core()->SetEditorWidget(editor.get());
        core()->SetProjectModified(true);
        QVERIFY(editor->isWindowModified());
        QVERIFY(core()->IsProjectModified());
        core()->ProjectSaveSucceeded();
        QVERIFY(!editor->isWindowModified());
        QVERIFY(!core()->IsProjectModified());
        editor.reset(); // a destroyed editor is forgotten
        core()->SetProjectModified(true);
        QVERIFY(core()->IsProjectModified());
        core()->ProjectSaveSucceeded();

        core()->SetAutorecoveryInterval(5);
        QCOMPARE(core()->AutorecoveryInterval(), 300000);
        core()->SetAutorecoveryInterval(1 << 30);
        QCOMPARE(core()->AutorecoveryInterval(), INT_MAX);
        QCOMPARE(core()->GetProjectFilter(), QString("Lumacrest Project (*.jxo)"));
    }

    // Whatever a row reads is never an output's name, overwriting on or
    // not, by its own name or through a linked folder.
    void everyInputIsATakenName_data()
    {
        QTest::addColumn<QString>("input");
        for (const char* kind : {"source", "title clip", "ending clip", "soundtrack", "subtitle file", "image layer",
                                 "video layer"})
            QTest::newRow(kind) << QString(kind);
    }
    void everyInputIsATakenName()
    {
        QFETCH(QString, input);
        const QString file = m_dir.path() + "/in/" + input + ".mp4";
        QVERIFY(QDir().mkpath(m_dir.path() + "/in"));
        QFile touch(file);
        QVERIFY(touch.open(QIODevice::WriteOnly));
        touch.close();
        ST_OPTS row = MakeRow(320, 240, m_dir.path() + "/in/unrelated.mp4");
        TestLayerItem layer(input == "video layer" ? 1 : 2, file, QImage(8, 8, QImage::Format_ARGB32));
        if (input == "source")
            row.path = file;
        else if (input == "title clip")
            row.titleClips << Clip(file);
        else if (input == "ending clip")
            row.endingClips << Clip(file);
        else if (input == "soundtrack")
            row.musicFiles << file;
        else if (input == "subtitle file")
            row.subtitlePath = file;
        else
            core()->Layers << &layer;
        core()->Rows << row;
        ClearUnRepeatReservations();
        SetOverwriteQuery([] { return true; });
        const QString linked = m_dir.path() + "/linked";
        QFile::remove(linked);
        QVERIFY(QFile::link(m_dir.path() + "/in", linked));
        const QString same = GetUnRepeat(file);
        const QString throughLink = GetUnRepeat(linked + "/" + input + ".mp4");
        // A file no row reads is replaced, as the setting says.
        const QString free = m_dir.path() + "/in/free.mp4";
        QFile::remove(free);
        QVERIFY(QFile::copy(file, free));
        const QString replaced = GetUnRepeat(free);
        core()->Layers.clear();
        SetOverwriteQuery({});
        QVERIFY2(same != file, qPrintable(same));
        QVERIFY2(!throughLink.startsWith(linked + "/" + input + ".mp4"), qPrintable(throughLink));
        QCOMPARE(replaced, free);
    }

    // Play previews "a" with the current row when that row reads it (through
    // a link too), else with the latest row that does.
    void playedRow()
    {
        const QString a = m_dir.path() + "/a", alias = m_dir.path() + "/alias";
        QVERIFY(QFile(a).open(QIODevice::WriteOnly) && QFile::link(a, alias));
        for (const QString& path : {a, a, alias, m_dir.path() + "/b"})
            core()->Rows << MakeRow(320, 240, path);
        QList<int> played;
        for (core()->CurrentRow = 0; core()->CurrentRow < 4; ++core()->CurrentRow)
            played << core()->PlayedRow(a);
        QCOMPARE(played, QList<int>({0, 1, 2, 2}));
    }

    void workFolderWithoutMainWindow()
    {
        QStandardPaths::setTestModeEnabled(true);
        core()->SetWorkFolderQuery(nullptr);
        // this program's own folder inside the settings' one
        const QString folder = core()->WorkFolder();
        QVERIFY(QFileInfo(folder).path().endsWith("/Cache"));
        QVERIFY(QFileInfo(folder).isDir());
        core()->SetWorkFolderQuery([this]() { return work(); });
        QCOMPARE(QFileInfo(core()->WorkFolder()).path(), work());
    }
};

QTEST_MAIN(TestCore)
#include "tst_core.moc"

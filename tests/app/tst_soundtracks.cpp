// Every kind of sound file the open dialogs offer, as a row's soundtrack or
// as the sound of a title clip, run through the main window and the real
// converter into the containers that treat it differently. (Every kind in
// every container, through the builder alone: engine_tst_soundtrackmix.)
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "AppTestKit.h"
#include "Core.h"
#include "TestMedia.h"

class TestSoundtracks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everySoundKindIsUsed_data();
    void everySoundKindIsUsed();

private:
    QTableWidget* Table() { return m_window->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_source; // 3 s, with sound
    std::unique_ptr<MainWindow> m_window;
};

void TestSoundtracks::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    m_out = m_dir.filePath(QStringLiteral("out"));
    m_source = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("clip.mp4"), 3.0, 160, 120);
    QVERIFY(!m_source.isEmpty());
}

void TestSoundtracks::init()
{
    AppTestKit::FreshRunState();
    QVERIFY(QDir().mkpath(m_out));
    AppTestKit::WriteSettings(m_out);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TestSoundtracks::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    QDir(m_out).removeRecursively();
}

void TestSoundtracks::everySoundKindIsUsed_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("file");       // made with the converter's choice for its name
    QTest::addColumn<QStringList>("codec");  // or with these output options
    QTest::addColumn<bool>("titleClip");     // the sound of a title clip, not the soundtrack
    QTest::addColumn<bool>("optional");      // skipped where this converter cannot write it
    const QStringList opus{"-c:a", "libopus"};
    const QStringList none;
    for (const char* name : {"aac", "ac3", "aif", "flac", "m4a", "mka", "mp3", "ogg", "wav", "wma", "wv", "tta"})
        QTest::addRow("mp4 %s", name) << "mp4" << QString("sound.") + name << none << false << false;
    QTest::newRow("mp4 ogg opus") << "mp4" << "sound.ogg" << opus << false << false;
    for (const char* name : {"asf", "mmf", "mpa", "ra", "voc"})
        QTest::addRow("mp4 %s", name) << "mp4" << QString("sound.") + name << none << false << true;
    QTest::newRow("mp4 gsm") << "mp4" << "sound.gsm" << QStringList{"-ar", "8000", "-ac", "1"} << false << true;
    // Matroska takes these as they are, MP4 does not; TTA it writes but
    // does not read back whole.
    for (const char* name : {"aif", "flac", "wav", "wma", "wv", "tta", "voc"})
        QTest::addRow("mkv %s", name) << "mkv" << QString("sound.") + name << none << false << false;
    // AVI takes some that MP4 does not, and refuses Opus.
    for (const char* name : {"flac", "wav", "wma"})
        QTest::addRow("avi %s", name) << "avi" << QString("sound.") + name << none << false << false;
    QTest::newRow("avi ogg opus") << "avi" << "sound.ogg" << opus << false << false;
    // Written there as they are, they would play short: encoded instead.
    QTest::newRow("wav ogg") << "wav" << "sound.ogg" << none << false << false;
    QTest::newRow("avi ogg") << "avi" << "sound.ogg" << none << false << false;
    // More channels than the container's own encoder takes: mixed down.
    const QStringList surround{"-ac", "6"};
    QTest::newRow("avi flac 5.1") << "avi" << "sound.flac" << surround << false << false;
    QTest::newRow("flv ac3 5.1") << "flv" << "sound.ac3" << surround << false << false;
    QTest::newRow("mpg flac 5.1") << "mpg" << "sound.flac" << surround << false << false;
    // A rate the container does not take as it is.
    QTest::newRow("flv wav 48 kHz") << "flv" << "sound.wav" << QStringList{"-ar", "48000"} << false << false;
    QTest::newRow("title clip with FLAC sound") << "mp4" << "title.mkv" << QStringList{"-c:a", "flac"} << true << false;
}

void TestSoundtracks::everySoundKindIsUsed()
{
    QFETCH(QString, container);
    QFETCH(QString, file);
    QFETCH(QStringList, codec);
    QFETCH(bool, titleClip);
    QFETCH(bool, optional);
    QTemporaryDir made;
    const QString path = made.filePath(file);
    if (titleClip) {
        QVERIFY(!TestMedia::MakeVideo(made.path(), file, 3.0, 160, 120, 25, codec).isEmpty());
    } else if (!TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", "sine=frequency=1000:duration=3"} + codec
                                        << path)) {
        if (optional)
            QSKIP("this converter cannot write such a file");
        QFAIL("the sound file could not be made");
    }

    auto* formats = m_window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat"));
    formats->setCurrentIndex(formats->findText(container, Qt::MatchStartsWith));
    QVERIFY(formats->currentText().startsWith(container));
    AppTestKit::AddFile(*m_window, m_source);
    Table()->selectRow(0);
    AppTestKit::Answer({path});
    if (titleClip) {
        m_window->findChild<QAction*>(QStringLiteral("actionAdd_title_sequence"))->trigger();
        QCOMPARE(Core::instance()->Rows[0].titleClips.size(), 1);
    } else {
        m_window->findChild<QAbstractButton*>(QStringLiteral("BtnMusicAdd"))->click();
        QCOMPARE(Core::instance()->Rows[0].musicFiles, QStringList{path});
    }

    QAction* run = m_window->findChild<QAction*>(QStringLiteral("actionRun"));
    run->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->Jobs().hasIncomplete() && run->text() == "Run", 120000);
    QTableWidgetItem* status = Table()->item(0, 2);
    QVERIFY2(status->text() == QLatin1String("Completed"), qPrintable(status->text() + '\n' + status->toolTip()));
    // The result alone: the step before it leaves nothing behind.
    const QString result = (titleClip ? "clipMerge." : "clip_MusicMix.") + container;
    QCOMPARE(QDir(m_out).entryList(QDir::Files | QDir::Hidden), QStringList{result});
    const double seconds = TestMedia::DecodeSound(QDir(m_out).filePath(result)).seconds;
    const double expected = titleClip ? 6.0 : 3.0;
    QVERIFY2(qAbs(seconds - expected) < 0.15, qPrintable(QString::number(seconds)));
}

QTEST_MAIN(TestSoundtracks)
#include "tst_soundtracks.moc"

// The main window's actions besides adding and Run, and its small dialogs.
#include <QAction>
#include <QFileInfo>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QRegularExpression>

#include <memory>

#include "AppTestKit.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "TestMedia.h"
#include "UrlCatcher.h"
#include "canvas/QWatermarkScene.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/FormatPresets.h"
#include "dialogs/MainOptionsDialog.h"
#include "dialogs/MediaDialog.h"

class TestMainActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void watermarkWithEmptyList_data();
    void watermarkWithEmptyList();
    void watermarkSetsTheRowFirst();
    void optionsDialogShowsAndKeeps();
    void optionsAction_data();
    void optionsAction();
    void optionsRestart_data();
    void optionsRestart();
    void formatCombo_data();
    void savedContainerSurvivesARestart_data();
    void savedContainerSurvivesARestart();
    void formatCombo();
    void mediaReport();
    void mediaInfoAction();
    void aboutDialog();
    void bottomBar();

private:
    MainWindow* Window();
    QAction* Action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
    QTableWidget* Table() { return m_window->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_video;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainActions::initTestCase()
{
    // No desktop of this machine's answers Open: no file manager on a bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    QVERIFY(m_dir.isValid());
    QVERIFY(m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    m_video = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("source.mp4"), 1.0);
    QVERIFY(!m_video.isEmpty());
}

void TestMainActions::init()
{
    AppTestKit::WriteSettings(m_dir.path());
    Core::instance()->Rows.clear();
    Core::instance()->CurrentRow = 0;
}

void TestMainActions::cleanup()
{
    AppTestKit::CloseWindow(m_window);
}

MainWindow* TestMainActions::Window()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    return m_window.get();
}

void TestMainActions::watermarkWithEmptyList_data()
{
    QTest::addColumn<int>("chosen");
    QTest::newRow("dialog cancelled") << 0;
    QTest::newRow("two files") << 2;
}

void TestMainActions::watermarkWithEmptyList()
{
    QFETCH(int, chosen);
    Window();
    QStringList files;
    for (int i = 0; i < chosen; ++i)
        files << m_video;
    QStringList captions;
    AppTestKit::Answer(files, &captions);
    Action("actionWatermark")->trigger();
    QCOMPARE(captions, QStringList{QStringLiteral("Add File")});
    QCOMPARE(Table()->rowCount(), chosen);
    QCOMPARE(Core::instance()->CurrentRow, chosen ? chosen - 1 : 0);
}

void TestMainActions::watermarkSetsTheRowFirst()
{
    Window();
    AppTestKit::AddFile(*m_window, m_video);
    AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("gone.mp4")));
    Core* core = Core::instance();
    // The table's row is the one the editor opens on, whatever was current.
    Table()->setCurrentCell(0, 0);
    QCOMPARE(core->CurrentRow, 1);
    Action("actionWatermark")->trigger();
    QCOMPARE(core->CurrentRow, 0);
    // The editor opens on the row with its source frame.
    EditorMainWindow& editor = m_window->Editor();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.SourcePath(), QFileInfo(m_video).absoluteFilePath());
    QVERIFY(editor.Scene()->CanvasItem());
    editor.close();
    QVERIFY(editor.isHidden());
    // A row whose file has gone opens nothing and changes nothing.
    Table()->setCurrentCell(1, 0);
    Action("actionWatermark")->trigger();
    QCOMPARE(core->CurrentRow, 0);
    QVERIFY(editor.isHidden());
}

void TestMainActions::optionsDialogShowsAndKeeps()
{
    MainOptionsDialog dialog;
    dialog.language = 1;
    dialog.threads = 3;
    dialog.InitDialog();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboBoxLanguage"));
    auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("spinBoxThreads"));
    QCOMPARE(combo->count(), 9);
    QCOMPARE(combo->currentText(), QStringLiteral("English"));
    QCOMPARE(spin->value(), 3);
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("0"));
    spin->interpretText();
    QCOMPARE(dialog.threads, 3);
    combo->setCurrentIndex(3);
    QCOMPARE(dialog.language, 3);
    spin->setValue(99);
    QCOMPARE(dialog.threads, 99);

    // A stored language without an entry: none is shown, and it is kept
    // until one is picked.
    MainOptionsDialog unknown;
    unknown.language = 9;
    unknown.InitDialog();
    combo = unknown.findChild<QComboBox*>(QStringLiteral("comboBoxLanguage"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(unknown.language, 9);
    combo->setCurrentIndex(0);
    QCOMPARE(unknown.language, 0);
}

void TestMainActions::optionsAction_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("button"); // Ok or Cancel of the dialog
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("storedLanguage");
    QTest::addColumn<int>("storedThreads");
    QTest::newRow("threads only: no question") << 1 << int(QDialogButtonBox::Ok) << false << 1 << 4;
    QTest::newRow("new language, restart declined") << 2 << int(QDialogButtonBox::Ok) << true << 2 << 4;
    QTest::newRow("cancelled") << 2 << int(QDialogButtonBox::Cancel) << false << 1 << 2;
}

void TestMainActions::optionsAction()
{
    QFETCH(int, language);
    QFETCH(int, button);
    QFETCH(bool, asked);
    QFETCH(int, storedLanguage);
    QFETCH(int, storedThreads);
    Window();
    QString question;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<MainOptionsDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<MainOptionsDialog*>(QApplication::activeModalWidget());
        dialog->findChild<QComboBox*>()->setCurrentIndex(language);
        dialog->findChild<QSpinBox*>()->setValue(4);
        // The restart question, if any, is answered No.
        AppTestKit::AnswerModal(QDialogButtonBox::No, &question);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::StandardButton(button))->click();
    });
    Action("actionOptions")->trigger();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(!question.isEmpty(), asked);
    if (asked)
        QVERIFY(question.startsWith(QStringLiteral("You must restart Lumacrest")));
    QCOMPARE(m_window->Settings().Language, storedLanguage);
    QCOMPARE(m_window->Settings().Threads, storedThreads);
    QCOMPARE(m_window->Jobs().maxRunning(), storedThreads);
    QVERIFY(m_window->isVisible());
}

void TestMainActions::optionsRestart_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("settings saved") << true;
    // What the user chose would silently be gone at the restart.
    QTest::newRow("settings that cannot be written") << false;
}

void TestMainActions::optionsRestart()
{
    QFETCH(bool, writable);
    Window();
    const QString ini = m_window->Settings().IniPath;
    if (!writable)
        QVERIFY(QDir().mkpath(m_dir.filePath("settings-folder")));
    m_window->Settings().IniPath = writable ? ini : m_dir.filePath("settings-folder");
    // The action runs the dialog's own loop; the answers come inside it.
    QTimer::singleShot(0, Action("actionOptions"), &QAction::trigger);
    QString said;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<MainOptionsDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<MainOptionsDialog*>(QApplication::activeModalWidget());
        dialog->findChild<QComboBox*>()->setCurrentIndex(3);
        AppTestKit::AnswerModal(QDialogButtonBox::Yes);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    // The box that says so comes after the restart question.
    QTimer warning;
    connect(&warning, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->text().startsWith(QStringLiteral("The settings"))) {
            said = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    warning.start(20);
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    deadline.start(30000);
    // The restart status, with the new language saved for the next start.
    QCOMPARE(QApplication::exec(), 42);
    m_window->Settings().IniPath = ini;
    if (writable)
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("System/Language").toInt(), 3);
    else
        QCOMPARE(said, "The settings could not be saved to " + m_dir.filePath("settings-folder") + ".");
}

void TestMainActions::formatCombo_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("vcodec");
    // The user's own settings of the container already chosen stay.
    QTest::newRow("same container") << "mkv" << int(FORMAT_MKV) << "mkv" << "mine";
    QTest::newRow("another container: its preset") << "mp4" << int(FORMAT_AVI) << "avi" << "";
    // A choice that cannot be kept is said: conversions would use the old one.
    QTest::newRow("settings that cannot be written") << "mp4" << int(FORMAT_WAV) << "" << "";
}

void TestMainActions::formatCombo()
{
    QFETCH(QString, stored);
    QFETCH(int, chosen);
    QFETCH(QString, format);
    QFETCH(QString, vcodec);
    Window();
    auto* combo = m_window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat"));
    {
        ConfigFormat config;
        config.Format = stored;
        config.VCodec = QStringLiteral("mine");
        QVERIFY(config.Save());
    }
    if (format.isEmpty()) {
        const QString path = ConfigFormat().FilePath;
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
        QString said;
        AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
        combo->setCurrentIndex(chosen);
        AppTestKit::StopAnswering();
        QVERIFY(QDir(path).removeRecursively());
        QCOMPARE(said, QString("The format settings could not be saved to %1.").arg(path));
        return;
    }
    combo->setCurrentIndex(chosen);
    ConfigFormat config;
    config.Load();
    QCOMPARE(config.Format, format);
    if (!vcodec.isEmpty()) {
        QCOMPARE(config.VCodec, vcodec);
    } else {
        ConfigFormat preset;
        preset.SetFormat(FormatOut(chosen));
        QCOMPARE(config.VCodec, preset.VCodec);
    }
}

// A new window shows the container saved last, with its codec settings as
// the user left them; only an unknown container gives the mp4 preset.
void TestMainActions::savedContainerSurvivesARestart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("mkv") << "mkv" << int(FORMAT_MKV);
    QTest::newRow("wav") << "wav" << int(FORMAT_WAV);
    QTest::newRow("mp4") << "mp4" << int(FORMAT_MP4);
    QTest::newRow("unknown") << "webm" << int(FORMAT_MP4);
}

void TestMainActions::savedContainerSurvivesARestart()
{
    QFETCH(QString, stored);
    QFETCH(int, shown);
    {
        ConfigFormat config;
        config.Format = stored;
        config.VCodec = QStringLiteral("h265");
        config.ACodec = QStringLiteral("ac3");
        config.VSize = QStringLiteral("1280x720");
        QVERIFY(config.Save());
    }
    Window();
    QCOMPARE(m_window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat"))->currentIndex(), shown);
    ConfigFormat config;
    config.Load();
    if (shown == FormatPresets::ContainerIndex(stored)) {
        QCOMPARE(config.Format, stored);
        QCOMPARE(config.VCodec, QStringLiteral("h265"));
        QCOMPARE(config.ACodec, QStringLiteral("ac3"));
        QCOMPARE(config.VSize, QStringLiteral("1280x720"));
    } else {
        ConfigFormat preset;
        preset.SetFormat(FORMAT_MP4);
        QCOMPARE(config.Format, QStringLiteral("mp4"));
        QCOMPARE(config.VCodec, preset.VCodec);
        QCOMPARE(config.ACodec, preset.ACodec);
    }
}

void TestMainActions::mediaReport()
{
    // Two sound streams: the report describes the last.
    const QString file = m_dir.filePath(QStringLiteral("two audio.mkv"));
    QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=10", "-f", "lavfi", "-i",
                                     "sine=sample_rate=44100", "-f", "lavfi", "-i", "sine=sample_rate=22050", "-map",
                                     "0", "-map", "1", "-map", "2", "-ac:2", "2", "-t", "1", "-c:v", "mpeg4", "-c:a",
                                     "mp2", file}));
    const QStringList lines = MediaDialog::Report(file).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("File  two audio.mkv"));
    QCOMPARE(lines[1], QStringLiteral("Format  matroska,webm"));
    QVERIFY(QRegularExpression(QStringLiteral("^Bit rate  [0-9]+ kbs$")).match(lines[2]).hasMatch());
    QCOMPARE(lines.mid(3), (QStringList{"Video", "Codec MPEG4", "Frame Rate  10fps", "Size  160 x 120", "Audio",
                                        "Codec MP2", "Sample Rate  22050 Hz", "Channels  2"}));
    // The size is the picture's as players show it: turned by the display
    // matrix, the side the sample aspect lengthens stretched.
    const QString pal = m_dir.filePath(QStringLiteral("pal.mp4"));
    QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:size=720x576:rate=25,setsar=64/45",
                                     "-frames:v", "2", pal}));
    const QString phone = TestMedia::TagRotation(TestMedia::MakeVideo(m_dir.path(), "stored.mp4", 0.2, 160, 120),
                                                 m_dir.filePath(QStringLiteral("phone.mp4")), 90);
    const QList<QPair<QString, QString>> shown{
        {phone, "Size  120 x 160"},
        {pal, "Size  1024 x 576"},
        {TestMedia::TagRotation(pal, m_dir.filePath(QStringLiteral("pal90.mp4")), 90), "Size  576 x 1024"}};
    for (const auto& file : shown)
        QCOMPARE(MediaDialog::Report(file.first).split(QStringLiteral("\r\n")).value(6), file.second);
    // A sound file leaves the video lines empty; a file that is no media, all.
    QCOMPARE(MediaDialog::Report(TestMedia::MakeAudio(m_dir.path())).split(QStringLiteral("\r\n")).mid(4, 3),
             (QStringList{"", "", ""}));
    QVERIFY(MediaDialog::Report(m_dir.filePath(QStringLiteral("none.mp4"))).isEmpty());
}

void TestMainActions::mediaInfoAction()
{
    Window();
    AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("other.mp4")));
    AppTestKit::AddFile(*m_window, m_video);
    Table()->clearSelection();
    // Nothing selected: no dialog (a dialog would block this call).
    Action("actionMediaInfo")->trigger();
    Table()->selectAll();
    QString shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<MediaDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<MediaDialog*>(QApplication::activeModalWidget());
        shown = dialog->findChild<QTextEdit*>(QStringLiteral("textEditInfo"))->toPlainText();
        dialog->reject();
    });
    Action("actionMediaInfo")->trigger();
    // The first selected row is described: a file that does not exist.
    QVERIFY(shown.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainActions::aboutDialog()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelName"))->text(), QStringLiteral("Lumacrest"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Ok"));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("label_2"))->openExternalLinks());
}

void TestMainActions::bottomBar()
{
    Window();
    const QString folder = m_dir.filePath(QStringLiteral("chosen"));
    QStringList captions;
    AppTestKit::Answer({folder}, &captions);
    m_window->findChild<QToolButton*>(QStringLiteral("toolButtonOutput"))->click();
    QCOMPARE(captions, QStringList{QStringLiteral("Folder")});
    QCOMPARE(m_window->findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->text(), folder);
    QCOMPARE(m_window->Settings().OutPath, folder);
    auto* coverage = m_window->findChild<QCheckBox*>(QStringLiteral("checkBoxCoverage"));
    coverage->setChecked(!coverage->isChecked());
    QCOMPARE(m_window->Settings().Coverage, coverage->isChecked());
    QVERIFY(!coverage->toolTip().isEmpty());

    // Open: the folder goes to the desktop, or one message says it cannot.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QVERIFY(QDir().mkpath(folder));
    m_window->findChild<QToolButton*>(QStringLiteral("toolButtonOpen"))->click();
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QString said;
    AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
    m_window->findChild<QToolButton*>(QStringLiteral("toolButtonOpen"))->click();
    QVERIFY2(said.contains(QStringLiteral("No file manager")) && said.contains(QStringLiteral("chosen")),
             qPrintable(said));

    // The row's subtitle-stream flag follows its box; without a row nothing.
    AppTestKit::AddFile(*m_window, m_video);
    m_window->findChild<QCheckBox*>(QStringLiteral("checkBoxSubtitleStream"))->setChecked(true);
    QVERIFY(Core::instance()->Rows[0].subtitleStream);
}

QTEST_MAIN(TestMainActions)
#include "tst_mainactions.moc"

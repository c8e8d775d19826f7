#include "FormatDialogTestKit.h"
#include "dialogs/FormatScheme.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

#include <sys/mount.h>

using namespace Kit;

namespace {

QListWidget* list(QWidget* d)
{
    return child<QListWidget>(d, "listWidgetFormat");
}

QStringList rows(QWidget* d)
{
    QStringList out;
    for (int i = 0; i < list(d)->count(); ++i)
        out << list(d)->item(i)->text();
    return out;
}

void clickTool(QWidget* d, const char* name)
{
    QTest::mouseClick(child<QToolButton>(d, name), Qt::LeftButton);
}

// The main window's container list, as it reads.
void fillContainers(QComboBox* box)
{
    for (const char* c : {"mp4(*.mp4)", "mkv(*.mkv)", "avi(*.avi)", "flv(*.flv)", "mov(*.mov)", "mpg(*.mpg)",
                          "ts(*.ts)", "mp3(*.mp3)", "m4a(*.m4a)", "wav(*.wav)"})
        box->addItem(QLatin1String(c));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A full scheme file through the settings record.
void writeScheme(const QString& path, const std::function<void(ConfigFormat&)>& change)
{
    ConfigFormat f;
    f.FilePath = path;
    change(f);
    QVERIFY(f.Save());
}

// An avi scheme away from every default.
FormatSettings Scheme()
{
    FormatSettings s;
    s.Format = "avi";
    s.VSetMode = true;
    s.VBitRate = "25";
    s.VCodec = "h265";
    s.VKeepWH = false;
    s.VSize = "1280x720";
    s.VAspect = "16:9";
    s.VKeepFrameRate = false;
    s.VFrameRate = "10.0 fps";
    s.AKeepCodec = true;
    s.ABitRate = "160 kbps";
    s.ACodec = "pcm_s16le";
    s.AChannels = "1 channels mono";
    s.ASample = "22050 Hz";
    s.AVolume = 150;
    return s;
}

// Answers a message box with a button and keeps its text.
void answerBox(QMessageBox::StandardButton button, QString* text = nullptr)
{
    answerModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QAbstractButton* answer = box ? box->button(button) : nullptr;
        if (!answer)
            return false;
        if (text)
            *text = box->text();
        QTest::mouseClick(answer, Qt::LeftButton);
        return true;
    });
}

} // namespace

class TestFormatSchemes : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir folder(FormatScheme::Folder());
        folder.removeRecursively();
        QVERIFY(FormatScheme::MakeFolder());
    }

    void listHoldsTheFolderFiles()
    {
        writeFile(FormatScheme::PathOf("b"), "");
        writeFile(FormatScheme::PathOf("A"), "");
        writeFile(FormatScheme::Folder() + "/notes.txt", "");
        writeFile(FormatScheme::Folder() + "/.hidden.ini", "");
        // A save's hidden draft of a scheme, and its lock.
        writeFile(FormatScheme::Folder() + "/.A.ini.lumacrest-draft-AbCdEf", "");
        writeFile(FormatScheme::Folder() + "/.A.ini.lumacrest-draft-AbCdEf.hold", "");
        QVERIFY(QDir().mkpath(FormatScheme::Folder() + "/sub.ini"));
        QFormatDialog d;
        QCOMPARE(rows(&d), (QStringList{"A", "b", "notes"}));
        QCOMPARE(list(&d)->currentRow(), 0);
    }

    void saveProposesTheContainerAndCodecs()
    {
        QFormatDialog d;
        d.SetFormat(1);
        d.show();
        QString proposed;
        answerModal([&proposed](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            if (!fd)
                return false;
            proposed = fd->selectedFiles().value(0);
            QMetaObject::invokeMethod(fd, "accept");
            return true;
        });
        clickTool(&d, "BtnSchemeSave");
        QCOMPARE(proposed, FormatScheme::Folder() + "/MKV_H264_AC3.ini");
        QSettings saved(proposed, QSettings::IniFormat);
        QCOMPARE(saved.value("Format/Format").toString(), QString("mkv"));
        QCOMPARE(saved.value("Audio/ACodec").toString(), QString("ac3"));
        QCOMPARE(rows(&d), QStringList{"MKV_H264_AC3"});
        // Saving over it lists it once.
        answerModal([](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            if (!fd)
                return false;
            QMetaObject::invokeMethod(fd, "accept");
            return true;
        });
        answerBox(QMessageBox::Yes); // Qt's dialog asks before replacing
        clickTool(&d, "BtnSchemeSave");
        QCOMPARE(rows(&d), QStringList{"MKV_H264_AC3"});
    }

    void saveAddsTheExtension()
    {
        QFormatDialog d;
        d.SetFormat(0);
        d.show();
        answerModal([](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            if (!fd)
                return false;
            // Typed into the name field (selectFile leaves a focused field alone).
            auto* name = fd->findChild<QLineEdit*>("fileNameEdit");
            if (!name || fd->directory().absolutePath() != QFileInfo(FormatScheme::Folder()).absoluteFilePath())
                return false;
            name->selectAll();
            QTest::keyClicks(name, "mine");
            QMetaObject::invokeMethod(fd, "accept");
            return true;
        });
        clickTool(&d, "BtnSchemeSave");
        QVERIFY(QFile::exists(FormatScheme::PathOf("mine")));
        QVERIFY(!QFile::exists(FormatScheme::Folder() + "/mine"));
        QCOMPARE(rows(&d), QStringList{"mine"});
    }

    void withExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("no extension") << "/f/mine" << "/f/mine.ini";
        QTest::newRow("dotted folder, no extension") << "/f.d/mine" << "/f.d/mine.ini";
        QTest::newRow("has it") << "/f/mine.ini" << "/f/mine.ini";
        QTest::newRow("has another") << "/f/mine.cfg" << "/f/mine.cfg";
        QTest::newRow("nothing chosen") << "" << "";
    }

    void withExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(FormatScheme::WithExtension(chosen), path);
    }

    // Reading a scheme of another container switches the main window's list
    // to it; the dialog keeps its lists, and OK saves for the scheme's container.
    void readSwitchesTheContainer()
    {
        writeScheme(FormatScheme::PathOf("MKV_H265_AC3"), [](ConfigFormat& f) {
            f.Format = "mkv";
            f.VCodec = "h265";
            f.ACodec = "ac3";
            f.VBitRate = "3072 kbps";
            f.VKeepWH = false;
            f.VSize = "1280x720";
            f.AVolume = 150;
        });
        QComboBox containers;
        fillContainers(&containers);
        QFormatDialog d;
        d.SetContainerCombo(&containers);
        d.SetFormat(0);
        d.show();
        clickTool(&d, "BtnSchemeRead");
        QCOMPARE(containers.currentIndex(), 1);
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), QString("h265"));
        QCOMPARE(combo(&d, "comboBoxACodec")->currentText(), QString("aac")); // no ac3 in the mp4 lists
        QCOMPARE(combo(&d, "comboBoxVBitRate")->currentText(), QString("3072 kbps"));
        QCOMPARE(combo(&d, "comboBoxVSize")->currentText(), QString("1280x720"));
        QCOMPARE(child<QSpinBox>(&d, "spinBoxVolume")->value(), 150);
        clickButton(&d, QDialogButtonBox::Ok);
        QCOMPARE(loadSaved().Format, QString("mkv"));
        QCOMPARE(loadSaved().VCodec, QString("h265"));
    }

    void readWithoutRowsOpensTheFolder()
    {
        QFormatDialog d;
        d.SetFormat(0);
        d.show();
        QCOMPARE(list(&d)->count(), 0);
        QString dir;
        answerModal([&dir](QWidget* w) {
            auto* fd = qobject_cast<QFileDialog*>(w);
            if (!fd)
                return false;
            dir = fd->directory().absolutePath();
            fd->reject();
            return true;
        });
        QVERIFY(choose(&d, "comboBoxVCodec", "xvid"));
        clickTool(&d, "BtnSchemeRead");
        QCOMPARE(dir, QFileInfo(FormatScheme::Folder()).absoluteFilePath());
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), QString("xvid"));
    }

    // A scheme that cannot be read at all changes nothing and says so.
    void readUnreadableChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 7919) & 0xff));
        QTest::newRow("listed file of another kind") << "notes.txt" << QByteArray("x") << "does not exist";
        QTest::newRow("binary") << "bin.ini" << binary << "not a settings file";
    }
    void readUnreadableChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        writeFile(FormatScheme::Folder() + "/" + file, bytes);
        QComboBox containers;
        fillContainers(&containers);
        containers.setCurrentIndex(2);
        QFormatDialog d;
        d.SetContainerCombo(&containers);
        d.SetFormat(2);
        d.show();
        QVERIFY(choose(&d, "comboBoxVCodec", "mjpeg"));
        QVERIFY(choose(&d, "comboBoxVSize", "640x480"));
        child<QSpinBox>(&d, "spinBoxVolume")->setValue(10);
        QString text;
        answerBox(QMessageBox::Ok, &text);
        clickTool(&d, "BtnSchemeRead");
        QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), 10000);
        QVERIFY2(text.contains(said) && text.contains("Nothing was changed"), qPrintable(text));
        QVERIFY(text.contains(FormatScheme::Folder()));
        QCOMPARE(containers.currentIndex(), 2);
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), QString("mjpeg"));
        QCOMPARE(combo(&d, "comboBoxVSize")->currentText(), QString("640x480"));
        QCOMPARE(child<QSpinBox>(&d, "spinBoxVolume")->value(), 10);
    }

    // A damaged key takes its default, every other key is read; a scheme of
    // no known container leaves the main window's container (and so the
    // settings saved for it) alone.
    void readDamagedKeysTakeTheirDefaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("bad");
        QByteArray full;
        {
            QTemporaryDir dir;
            const QString p = dir.filePath("x.ini");
            writeScheme(p, [](ConfigFormat& f) { static_cast<FormatSettings&>(f) = Scheme(); });
            QFile f(p);
            if (f.open(QIODevice::ReadOnly))
                full = f.readAll();
        }
        const auto without = [&full](const char* key) {
            const int at = full.indexOf(QByteArray(key) + '=');
            return at < 0 ? full : full.left(at) + full.mid(full.indexOf('\n', at) + 1);
        };
        QTest::newRow("whole") << full << QStringList();
        QTest::newRow("missing key") << without("AVolume") << QStringList{"AVolume"};
        QTest::newRow("missing container") << without("Format") << QStringList{"Format"};
        QTest::newRow("unknown container") << QByteArray(full).replace("Format=avi", "Format=webm")
                                           << QStringList{"Format"};
        QTest::newRow("volume no number") << QByteArray(full).replace("AVolume=150", "AVolume=loud")
                                          << QStringList{"AVolume"};
        QTest::newRow("flag no flag") << QByteArray(full).replace("VKeepWH=false", "VKeepWH=maybe")
                                      << QStringList{"VKeepWH"};
        QTest::newRow("empty codec") << QByteArray(full).replace("VCodec=h265", "VCodec=") << QStringList{"VCodec"};
        // The file lists its groups and keys by name: Audio, Format, Video.
        QTest::newRow("cut short") << full.left(full.indexOf("VCodec"))
                                   << QStringList{"VSetMode", "VCodec", "VKeepWH", "VSize", "VKeepFrameRate",
                                                  "VFrameRate"};
        QTest::newRow("text without keys")
            << QByteArray("hello\nworld\n")
            << QStringList{"Format", "VSetMode", "VBitRate", "VCodec", "VKeepWH", "VSize", "VAspect", "VKeepFrameRate",
                           "VFrameRate", "AKeepCodec", "ABitRate", "ACodec", "AChannels", "ASample", "AVolume"};
    }

    void readDamagedKeysTakeTheirDefaults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, bad);
        QVERIFY(!bytes.isEmpty());
        writeFile(FormatScheme::Folder() + "/scheme.ini", bytes);
        QComboBox containers;
        fillContainers(&containers);
        containers.setCurrentIndex(1);
        QFormatDialog d;
        d.SetContainerCombo(&containers);
        d.SetFormat(2);
        d.show();
        // Everything away from the defaults and the scheme first.
        QVERIFY(choose(&d, "comboBoxVBitRate", "448 kbps"));
        QVERIFY(choose(&d, "comboBoxVCodec", "mjpeg"));
        QVERIFY(choose(&d, "comboBoxVSize", "640x480"));
        QVERIFY(choose(&d, "comboBoxVAspect", "4:3"));
        QVERIFY(choose(&d, "comboBoxVFrameRate", "60 fps"));
        QVERIFY(choose(&d, "comboBoxABitRate", "320 kbps"));
        QVERIFY(choose(&d, "comboBoxACodec", "mp3"));
        QVERIFY(choose(&d, "comboBoxASampleRate", "8000 Hz"));
        child<QSpinBox>(&d, "spinBoxVolume")->setValue(10);

        QString text;
        if (!bad.isEmpty())
            answerBox(QMessageBox::Ok, &text);
        clickTool(&d, "BtnSchemeRead");
        if (!bad.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), 10000);
            QVERIFY(text.contains(FormatScheme::Folder()));
            for (const QString& key : bad)
                QVERIFY2(key == "Format" || text.contains(key), qPrintable(text));
            QCOMPARE(text.contains("no known container"), bad.contains("Format"));
        }
        QCOMPARE(containers.currentIndex(), bad.contains("Format") ? 1 : 2);

        const FormatSettings defaults;
        const FormatSettings scheme = Scheme();
        const auto expect = [&bad](const char* key, const QString& fromScheme, const QString& fromDefault) {
            return bad.contains(QLatin1String(key)) ? fromDefault : fromScheme;
        };
        const auto flag = [](bool on) { return on ? QString("1") : QString("0"); };
        const auto shown = [&d](const char* name) { return child<QCheckBox>(&d, name)->isChecked() ? QString("1") : QString("0"); };
        QCOMPARE(shown("checkBoxVQuality"), expect("VSetMode", flag(scheme.VSetMode), flag(defaults.VSetMode)));
        QCOMPARE(combo(&d, "comboBoxVBitRate")->currentText(), expect("VBitRate", scheme.VBitRate, defaults.VBitRate));
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), expect("VCodec", scheme.VCodec, defaults.VCodec));
        QCOMPARE(shown("checkBoxVKeepWH"), expect("VKeepWH", flag(scheme.VKeepWH), flag(defaults.VKeepWH)));
        QCOMPARE(combo(&d, "comboBoxVSize")->currentText(), expect("VSize", scheme.VSize, defaults.VSize));
        QCOMPARE(combo(&d, "comboBoxVAspect")->currentText(), expect("VAspect", scheme.VAspect, defaults.VAspect));
        QCOMPARE(shown("checkBoxKeepFrameRate"),
                 expect("VKeepFrameRate", flag(scheme.VKeepFrameRate), flag(defaults.VKeepFrameRate)));
        QCOMPARE(combo(&d, "comboBoxVFrameRate")->currentText(),
                 expect("VFrameRate", scheme.VFrameRate, defaults.VFrameRate));
        QCOMPARE(shown("checkBoxKeepACodec"), expect("AKeepCodec", flag(scheme.AKeepCodec), flag(defaults.AKeepCodec)));
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), expect("ABitRate", scheme.ABitRate, defaults.ABitRate));
        // aac, the default, is no avi item: the avi list keeps what it shows.
        QCOMPARE(combo(&d, "comboBoxACodec")->currentText(),
                 expect("ACodec", scheme.ACodec, combo(&d, "comboBoxACodec")->currentText()));
        QCOMPARE(combo(&d, "comboBoxChannels")->currentText(), expect("AChannels", scheme.AChannels, defaults.AChannels));
        QCOMPARE(combo(&d, "comboBoxASampleRate")->currentText(), expect("ASample", scheme.ASample, defaults.ASample));
        QCOMPARE(QString::number(child<QSpinBox>(&d, "spinBoxVolume")->value()),
                 expect("AVolume", QString::number(scheme.AVolume), QString::number(defaults.AVolume)));
    }

    // A scheme on a disk that cannot be written to (where no copy of it can
    // be made beside it) is read all the same.
    void readFromAReadOnlyFolder()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("No tmpfs could be mounted here (that needs root): no read-only folder.");
        const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
        const QString path = dir.filePath("AVI.ini");
        writeScheme(path, [](ConfigFormat& f) { static_cast<FormatSettings&>(f) = Scheme(); });
        QVERIFY(::mount("tmpfs", folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0);
        FormatSettings read;
        QCOMPARE(FormatScheme::Read(path, &read), FormatScheme::ReadOk);
        QCOMPARE(read.VCodec, Scheme().VCodec);
        QCOMPARE(read.AVolume, Scheme().AVolume);
    }

    // A scheme replaced by another of the same size and time (a copy that
    // keeps the time, a restore) is read as it is now.
    void readTakesTheSchemeAsItIsNow()
    {
        const QString path = FormatScheme::PathOf("AVI");
        writeScheme(path, [](ConfigFormat& f) { static_cast<FormatSettings&>(f) = Scheme(); });
        FormatSettings read;
        QCOMPARE(FormatScheme::Read(path, &read), FormatScheme::ReadOk);
        QCOMPARE(read.AVolume, 150);
        const QDateTime time = QFileInfo(path).lastModified();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(bytes.contains("AVolume=150"));
        writeFile(path, QByteArray(bytes).replace("AVolume=150", "AVolume=120"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(QFileInfo(path).lastModified(), time);
        QCOMPARE(FormatScheme::Read(path, &read), FormatScheme::ReadOk);
        QCOMPARE(read.AVolume, 120);
    }

    void deleteAsksThenRemoves_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << false << true;
        QTest::newRow("read-only file") << true << true;
        QTest::newRow("cancelled") << false << false;
    }

    void deleteAsksThenRemoves()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, confirm);
        const QString path = FormatScheme::PathOf("old");
        writeScheme(path, [](ConfigFormat&) {});
        writeScheme(FormatScheme::PathOf("zz"), [](ConfigFormat&) {});
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QFormatDialog d;
        d.show();
        QString question;
        answerBox(confirm ? QMessageBox::Ok : QMessageBox::Cancel, &question);
        clickTool(&d, "BtnSchemeDelete");
        QCOMPARE(question, QString("Are you sure to delete the format options ?"));
        QCOMPARE(QFile::exists(path), !confirm);
        QCOMPARE(rows(&d), confirm ? QStringList{"zz"} : (QStringList{"old", "zz"}));
        QVERIFY(QFile::exists(FormatScheme::PathOf("zz")));
    }

    // A scheme that is a link goes; what it points at keeps its permissions.
    void deleteLinkLeavesTarget()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("kept.ini");
        writeScheme(target, [](ConfigFormat&) {});
        const QFileDevice::Permissions perms = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(target, perms));
        QVERIFY(QFile::link(target, FormatScheme::PathOf("link")));
        QFormatDialog d;
        d.show();
        QCOMPARE(rows(&d), QStringList{"link"});
        answerBox(QMessageBox::Ok);
        clickTool(&d, "BtnSchemeDelete");
        QVERIFY(!QFileInfo(FormatScheme::PathOf("link")).isSymLink());
        QVERIFY(QFile::exists(target));
        // Owner, group and others; the "user" bits say what the running user may do.
        QCOMPARE(QFile::permissions(target) & QFileDevice::Permissions(0x7077), perms);
        QVERIFY(rows(&d).isEmpty());
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

int main(int argc, char** argv)
{
    TestFormatSchemes test;
    return Kit::runIsolated(argc, argv, &test);
}

#include "tst_formatschemes.moc"

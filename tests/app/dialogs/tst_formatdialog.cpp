#include "FormatDialogTestKit.h"

#include <QtTest>

using namespace Kit;

namespace {

const QStringList kSizes{"128x96 SQCIF", "160x120 QVGA", "176x120", "176x144 QCIF", "192x144", "208x176",
                         "220x176", "224x176", "240x180", "320x200", "320x240 VGA", "352x240",
                         "352x288 CIF", "480x272", "480x360", "640x480", "800x480", "1280x720",
                         "1080x1920", "1920x1080", "2560x1440", "4096x2160"};
const QStringList kRates{"5.0 fps", "10.0 fps", "14.985 fps", "15.0 fps", "20.0 fps",
                         "23.976 fps", "25.0 fps", "29.976 fps", "60 fps"};
const QStringList kKbps{"Auto", "64 kbps", "128 kbps", "256 kbps", "320 kbps", "448 kbps", "512 kbps",
                        "640 kbps", "768 kbps", "1024 kbps", "1536 kbps", "2048 kbps", "3072 kbps",
                        "4096 kbps", "5120 kbps", "6144 kbps", "7168 kbps", "8192 kbps", "9216 kbps"};
const QStringList kQuality{"Auto", "50 high", "46", "43", "40", "35", "30", "25", "20", "15", "10", "5", "1 low"};
const QStringList kABitRates{"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps",
                             "128 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps", "320 kbps"};

} // namespace

class TestFormatDialog : public QObject
{
    Q_OBJECT
private slots:
    // What the opener's container choice offers, list by list.
    void containerLists_data()
    {
        QTest::addColumn<int>("container");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QStringList>("videoCodecs");
        QTest::addColumn<QString>("videoCodec");
        QTest::addColumn<QStringList>("audioCodecs");
        QTest::addColumn<QString>("audioCodec");

        const QStringList all{"Video", "Audio", "Formats"};
        const QStringList sound{"Audio", "Formats"};
        const QStringList v4{"h264", "h265", "xvid", "mpeg4", "copy"};
        QTest::newRow("mp4") << 0 << all << kRates << v4 << "h264" << QStringList{"aac", "mp3", "copy"} << "aac";
        QTest::newRow("mkv") << 1 << all << kRates << v4 << "h264" << QStringList{"mp3", "mp2", "ac3", "copy"}
                             << "ac3";
        QTest::newRow("avi") << 2 << all << kRates << QStringList{"h264", "h265", "xvid", "mpeg4", "mjpeg", "copy"}
                             << "h264" << QStringList{"mp3", "mp2", "pcm_s16le", "copy"} << "mp2";
        QTest::newRow("flv") << 3 << all << kRates << QStringList{"h264", "h265", "copy"} << "h264"
                             << QStringList{"aac", "copy"} << "aac";
        QTest::newRow("mov") << 4 << all << kRates << v4 << "h264" << QStringList{"aac", "copy"} << "aac";
        QTest::newRow("mpg") << 5 << all << QStringList{"20.0 fps", "23.976 fps", "25.0 fps"}
                             << QStringList{"mpeg1video", "mpeg2video", "copy"} << "mpeg2video"
                             << QStringList{"mp2", "copy"} << "mp2";
        QTest::newRow("ts") << 6 << all << kRates << QStringList{"h264", "mpeg2video", "copy"} << "h264"
                            << QStringList{"aac", "mp2", "copy"} << "aac";
        QTest::newRow("mp3") << 7 << sound << kRates << QStringList{"copy"} << "copy" << QStringList{"mp3", "copy"}
                             << "mp3";
        QTest::newRow("m4a") << 8 << sound << kRates << QStringList{"copy"} << "copy" << QStringList{"aac", "copy"}
                             << "aac";
        QTest::newRow("wav") << 9 << sound << kRates << QStringList{"copy"} << "copy"
                             << QStringList{"pcm_s16le", "copy"} << "pcm_s16le";
        QTest::newRow("outside the list") << 10 << all << kRates << QStringList{"copy"} << "copy"
                                          << QStringList{"copy"} << "copy";
    }

    void containerLists()
    {
        QFETCH(int, container);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, rates);
        QFETCH(QStringList, videoCodecs);
        QFETCH(QString, videoCodec);
        QFETCH(QStringList, audioCodecs);
        QFETCH(QString, audioCodec);

        QFormatDialog d;
        d.SetFormat(container);
        QCOMPARE(d.windowTitle(), QString("Format Options"));
        QCOMPARE(tabs(&d), pages);
        QCOMPARE(items(combo(&d, "comboBoxVSize")), kSizes);
        QCOMPARE(combo(&d, "comboBoxVSize")->currentText(), QString("1920x1080"));
        QCOMPARE(items(combo(&d, "comboBoxVFrameRate")), rates);
        QCOMPARE(combo(&d, "comboBoxVFrameRate")->currentText(), QString("25.0 fps"));
        QCOMPARE(items(combo(&d, "comboBoxVAspect")), (QStringList{"Auto", "4:3", "16:9", "9:16"}));
        QCOMPARE(combo(&d, "comboBoxVAspect")->currentText(), QString("Auto"));
        QCOMPARE(items(combo(&d, "comboBoxVBitRate")), kKbps);
        QCOMPARE(combo(&d, "comboBoxVBitRate")->currentText(), QString("Auto"));
        QCOMPARE(items(combo(&d, "comboBoxVCodec")), videoCodecs);
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), videoCodec);
        QCOMPARE(items(combo(&d, "comboBoxACodec")), audioCodecs);
        QCOMPARE(combo(&d, "comboBoxACodec")->currentText(), audioCodec);
        QCOMPARE(items(combo(&d, "comboBoxChannels")), (QStringList{"1 channels mono", "2 channels stereo"}));
        QCOMPARE(combo(&d, "comboBoxChannels")->currentText(), QString("2 channels stereo"));
        QCOMPARE(items(combo(&d, "comboBoxASampleRate")),
                 (QStringList{"8000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"}));
        QCOMPARE(combo(&d, "comboBoxASampleRate")->currentText(), QString("44100 Hz"));
        QCOMPARE(items(combo(&d, "comboBoxABitRate")), kABitRates);
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), QString("64 kbps"));
        QVERIFY(combo(&d, "comboBoxVBitRate")->isEditable());
        QVERIFY(combo(&d, "comboBoxVSize")->isEditable());
        QVERIFY(!combo(&d, "comboBoxVCodec")->isEditable());
        // A second sound container call keeps the Audio page.
        d.SetFormat(9);
        QVERIFY(tabs(&d).contains("Audio"));
    }

    // OK writes the container the dialog was opened for with the shown values.
    void okStoresItsContainer_data()
    {
        QTest::addColumn<int>("container");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vcodec");
        QTest::addColumn<QString>("acodec");
        QTest::newRow("mkv") << 1 << "mkv" << "h264" << "ac3";
        QTest::newRow("mpg") << 5 << "mpg" << "mpeg2video" << "mp2";
        QTest::newRow("wav") << 9 << "wav" << "copy" << "pcm_s16le";
    }

    void okStoresItsContainer()
    {
        QFETCH(int, container);
        QFETCH(QString, name);
        QFETCH(QString, vcodec);
        QFETCH(QString, acodec);
        savePreset(container, name);
        QFormatDialog d;
        d.SetFormat(container);
        d.LoadConfigFormat();
        d.show();
        clickButton(&d, QDialogButtonBox::Ok);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const FormatSettings saved = loadSaved();
        QCOMPARE(saved.Format, name);
        QCOMPARE(saved.VCodec, vcodec);
        QCOMPARE(saved.ACodec, acodec);
        // The preset's 128 kbps is an item and survives; the frame-rate flag is kept as loaded.
        QCOMPARE(saved.ABitRate, QString("128 kbps"));
        QCOMPARE(saved.VKeepFrameRate, container != 5);
    }

    // Saved values show as they are where a field is editable; pick-only
    // lists keep their selection for a text they do not offer.
    void loadShowsSavedValues()
    {
        ConfigFormat f;
        f.Format = "mp4";
        f.VSetMode = true;
        f.VBitRate = "35";
        f.VCodec = "mjpeg";
        f.VKeepWH = false;
        f.VSize = "1000x500";
        f.VAspect = "9:16";
        f.VFrameRate = "60 fps";
        f.AKeepCodec = true;
        f.ABitRate = "192 kbps";
        f.ACodec = "mp3";
        f.AChannels = "1 channels mono";
        f.ASample = "48000 Hz";
        f.AVolume = 250;
        QVERIFY(f.Save());

        QFormatDialog d;
        d.SetFormat(0);
        d.LoadConfigFormat();
        QVERIFY(child<QCheckBox>(&d, "checkBoxVQuality")->isChecked());
        QCOMPARE(items(combo(&d, "comboBoxVBitRate")), kKbps); // not switched by loading
        QCOMPARE(combo(&d, "comboBoxVBitRate")->currentText(), QString("35"));
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), QString("h264"));
        QCOMPARE(combo(&d, "comboBoxVSize")->currentText(), QString("1000x500"));
        QCOMPARE(combo(&d, "comboBoxVAspect")->currentText(), QString("9:16"));
        QCOMPARE(combo(&d, "comboBoxVFrameRate")->currentText(), QString("60 fps"));
        QVERIFY(child<QCheckBox>(&d, "checkBoxKeepACodec")->isChecked());
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), QString("192 kbps"));
        QCOMPARE(combo(&d, "comboBoxACodec")->currentText(), QString("mp3"));
        QCOMPARE(combo(&d, "comboBoxChannels")->currentText(), QString("1 channels mono"));
        QCOMPARE(combo(&d, "comboBoxASampleRate")->currentText(), QString("48000 Hz"));
        QCOMPARE(child<QSpinBox>(&d, "spinBoxVolume")->value(), 250);

        d.show();
        clickButton(&d, QDialogButtonBox::Ok);
        const FormatSettings saved = loadSaved();
        QCOMPARE(saved.VCodec, QString("h264"));
        QCOMPARE(saved.VSize, QString("1000x500"));
        QCOMPARE(saved.VBitRate, QString("35"));
        QVERIFY(saved.VSetMode);
        QCOMPARE(saved.AVolume, 250);
        QCOMPARE(saved.ASample, QString("48000 Hz"));
    }

    // A video codec change behind the audio values: those values still come back.
    void loadRestoresAudioAfterCodecChange()
    {
        ConfigFormat f;
        f.VCodec = "h265";
        f.ABitRate = "160 kbps";
        f.AChannels = "1 channels mono";
        QVERIFY(f.Save());
        QFormatDialog d;
        d.SetFormat(0);
        d.LoadConfigFormat();
        QCOMPARE(combo(&d, "comboBoxVCodec")->currentText(), QString("h265"));
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), QString("160 kbps"));
        QCOMPARE(combo(&d, "comboBoxChannels")->currentText(), QString("1 channels mono"));
    }

    void cancelSavesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelSavesNothing()
    {
        QFETCH(bool, escape);
        savePreset(1, "mkv");
        QFile file(ConfigFormat().FilePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        QFormatDialog d;
        d.SetFormat(1);
        d.LoadConfigFormat();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(choose(&d, "comboBoxACodec", "mp3"));
        clickCheck(&d, "checkBoxVKeepWH");
        if (escape)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            clickButton(&d, QDialogButtonBox::Cancel);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void qualityModeSwitchesBitRates()
    {
        QFormatDialog d;
        d.SetFormat(0);
        d.show();
        QComboBox* rate = combo(&d, "comboBoxVBitRate");
        rate->lineEdit()->selectAll();
        QTest::keyClicks(rate->lineEdit(), "777 kbps");
        QCOMPARE(rate->currentText(), QString("777 kbps"));
        clickCheck(&d, "checkBoxVQuality");
        QVERIFY(child<QCheckBox>(&d, "checkBoxVQuality")->isChecked());
        QCOMPARE(items(rate), kQuality);
        QCOMPARE(rate->currentText(), QString("Auto")); // the typed text is gone
        clickCheck(&d, "checkBoxVQuality");
        QCOMPARE(items(rate), kKbps);
        QCOMPARE(rate->currentText(), QString("Auto"));
    }

    void videoCodecChangeResetsAudioLists()
    {
        QFormatDialog d;
        d.SetFormat(2);
        d.show();
        QVERIFY(choose(&d, "comboBoxABitRate", "192 kbps"));
        QVERIFY(choose(&d, "comboBoxASampleRate", "8000 Hz"));
        QVERIFY(choose(&d, "comboBoxACodec", "pcm_s16le"));
        QVERIFY(choose(&d, "comboBoxVCodec", "mjpeg"));
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), QString("64 kbps"));
        QCOMPARE(combo(&d, "comboBoxASampleRate")->currentText(), QString("44100 Hz"));
        // The audio codec is not one of the reset lists.
        QCOMPARE(combo(&d, "comboBoxACodec")->currentText(), QString("pcm_s16le"));
        // An audio codec change resets nothing.
        QVERIFY(choose(&d, "comboBoxABitRate", "320 kbps"));
        QVERIFY(choose(&d, "comboBoxACodec", "mp3"));
        QCOMPARE(combo(&d, "comboBoxABitRate")->currentText(), QString("320 kbps"));
    }
};

int main(int argc, char** argv)
{
    TestFormatDialog test;
    return Kit::runIsolated(argc, argv, &test);
}

#include "tst_formatdialog.moc"

// The graph texts the conversion builds, played by the preview: a prefix that
// relabels the input, a layer read by a movie source from an awkward path, and
// burned-in subtitles.
#include <QtTest>

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "FilterText.h"
#include "PlayerTestKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

using PlayerTestKit::Owner;

class TestPlayerGraph : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_red;
    QWidget m_host;

    // Plays the red clip with the graph and returns the picture the player
    // showed (the grab takes decoded pictures, before the graph).
    QImage grabWith(const QString& graph, int* stops)
    {
        const QByteArray text = graph.toUtf8();
        JxPlayerAddVfilter(text.constData());
        Owner owner;
        QImage grabbed;
        bool taken = false;
        QObject context;
        QTimer poll(&context);
        QObject::connect(&poll, &QTimer::timeout, &context, [&]() {
            if (taken)
                return;
            if (!JxPlayerReadScreen(&grabbed) || grabbed.width() < 320 || grabbed.height() < 240)
                return;
            // The layer's place is blue once the filtered picture is there.
            const QRgb c = grabbed.pixel(100, 60);
            taken = qBlue(c) > 200 && qRed(c) < 70;
        });
        poll.start(40);
        const auto run = PlayerTestKit::Play(m_red, &m_host, &owner, 15000);
        *stops = owner.stops;
        if (run.timedOut || !taken)
            return QImage();
        return grabbed;
    }

private slots:
    void initTestCase()
    {
        av_log_set_level(qEnvironmentVariableIsSet("GRAPH_DEBUG") ? AV_LOG_VERBOSE : AV_LOG_ERROR);
        QVERIFY(m_dir.isValid());
        m_red = TestMedia::MakeSolidVideo(m_dir.path(), "red", "red.mp4", 1.5);
        QVERIFY(!m_red.isEmpty());
        m_host.resize(320, 240);
    }

    void conversionGraphPlaysWithLayerAndSubtitles()
    {
        // A folder name that breaks an unescaped graph at both levels.
        const QString folder = m_dir.filePath("it's a:b,c;[d] %2 é");
        QVERIFY(QDir().mkpath(folder));
        const QString layer = TestMedia::MakeImage(folder, "layer.png", 80, 60, "blue");
        QVERIFY(!layer.isEmpty());
        const QString ass = QDir(folder).filePath("subtitle.ass");
        QFile f(ass);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n"
                "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
                "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, "
                "Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                "Style: Default,DejaVu Sans,20,&H00FFFFFF,&H00FFFFFF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,1,0,2,"
                "10,10,10,1\n\n"
                "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                "Dialogue: 0,0:00:00.00,0:00:05.00,Default,,0,0,0,,Hello\n");
        f.close();

        // hflip moves nothing on a solid frame; the layer then lands at (60, 40)
        // to (140, 100), mirrored or not.
        const QString graph = "hflip[in];movie=" + FilterText::Path(layer)
            + ":loop=0,setpts=N/FRAME_RATE/TB,rotate='0:ow=80:oh=60:c=0x00000000'[m];"
              "[in][m]overlay=60:40:eof_action=pass[o];[o]ass="
            + FilterText::Path(ass);
        int stops = 0;
        const QImage picture = grabWith(graph, &stops);
        QVERIFY2(!picture.isNull(), "the layer was never shown");
        QCOMPARE(stops, 1);
        const QRgb inside = picture.pixel(100, 60);
        const QRgb outside = picture.pixel(20, 20);
        QVERIFY2(qBlue(inside) > 200 && qRed(inside) < 70, qPrintable(QColor(inside).name()));
        QVERIFY2(qRed(outside) > 200 && qBlue(outside) < 70, qPrintable(QColor(outside).name()));
    }
};

QTEST_MAIN(TestPlayerGraph)
#include "tst_playergraph.moc"
#include "moc_PlayerTestKit.cpp"

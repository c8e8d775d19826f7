// Project files: the exact XML form, round trips of every layer kind, damaged
// files that must leave the caller's layers alone, and untrusted layer paths.
#include <QtTest>

#include "FifoGuard.h"
#include "FileSizeLimit.h"
#include "JxOFile.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTransform>
#include <climits>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QString TouchFile(const QString& dir, const QString& name)
{
    const QString path = dir + QLatin1Char('/') + name;
    WriteAll(path, "data");
    return path;
}

void CompareLayers(const CLayerInfo& a, const CLayerInfo& b)
{
    QCOMPARE(a.Type, b.Type);
    QCOMPARE(a.FileName, b.FileName);
    QCOMPARE(a.x, b.x);
    QCOMPARE(a.y, b.y);
    QCOMPARE(a.Width, b.Width);
    QCOMPARE(a.Height, b.Height);
    QCOMPARE(a.Keep, b.Keep);
    QCOMPARE(a.Angle, b.Angle);
    QCOMPARE(a.Transparent, b.Transparent);
    QCOMPARE(a.Animation, b.Animation);
    QCOMPARE(a.Speed, b.Speed);
    QCOMPARE(a.Direction, b.Direction);
    QCOMPARE(a.Loop, b.Loop);
    QCOMPARE(a.StartTime, b.StartTime);
    QCOMPARE(a.EndTime, b.EndTime);
    QCOMPARE(a.Fade, b.Fade);
    QCOMPARE(a.Placement.frame, b.Placement.frame);
    const CWordArtInfo& w = a.WordArt;
    const CWordArtInfo& v = b.WordArt;
    QCOMPARE(w.Text, v.Text);
    QCOMPARE(w.Font.family(), v.Font.family());
    QCOMPARE(w.Font.pixelSize(), v.Font.pixelSize());
    QCOMPARE(w.Font.bold(), v.Font.bold());
    QCOMPARE(w.Font.italic(), v.Font.italic());
    QCOMPARE(w.Font.underline(), v.Font.underline());
    QCOMPARE(w.TextEffect, v.TextEffect);
    QCOMPARE(w.TextColor1, v.TextColor1);
    QCOMPARE(w.TextGradient, v.TextGradient);
    QCOMPARE(w.TextColor2, v.TextColor2);
    QCOMPARE(w.OutlineColor1, v.OutlineColor1);
    QCOMPARE(w.OutlineThickness1, v.OutlineThickness1);
    QCOMPARE(w.OutlineAlpha1, v.OutlineAlpha1);
    QCOMPARE(w.OutlineColor2, v.OutlineColor2);
    QCOMPARE(w.OutlineThickness2, v.OutlineThickness2);
    QCOMPARE(w.OutlineAlpha2, v.OutlineAlpha2);
    QCOMPARE(w.EnableShadow, v.EnableShadow);
    QCOMPARE(w.ShadowColor, v.ShadowColor);
    QCOMPARE(w.ShadowOffsetX, v.ShadowOffsetX);
    QCOMPARE(w.ShadowOffsetY, v.ShadowOffsetY);
    QCOMPARE(w.ShadowThickness, v.ShadowThickness);
    QCOMPARE(w.ShadowAlpha, v.ShadowAlpha);
    QCOMPARE(w.EnableBackground, v.EnableBackground);
    QCOMPARE(w.ColorBackground, v.ColorBackground);
    QCOMPARE(w.BackgroundRound, v.BackgroundRound);
    QCOMPARE(w.BackgroundThickness, v.BackgroundThickness);
    QCOMPARE(w.BackgroundAlpha, v.BackgroundAlpha);
}

// Every field a project keeps, none at its default.
CLayerInfo FullLayer(int type, const QString& file, int seed)
{
    CLayerInfo l;
    l.Type = type;
    l.FileName = file;
    l.x = -12 + seed;
    l.y = 34 + seed;
    l.Width = 320 + seed;
    l.Height = 181;
    l.Keep = false;
    l.Angle = 12.5f;
    l.Transparent = 64;
    l.Animation = 3;
    l.Speed = 120;
    l.Direction = -2;
    l.Loop = 7;
    l.StartTime = 1500000;
    l.EndTime = 3723004000LL; // 01:02:03.004
    l.Fade = 3;
    if (type == 3) {
        CWordArtInfo& w = l.WordArt;
        w.Text = QStringLiteral("Line one\nsecond\tline \"<&>\" \r\x01 end ");
        w.Font.setFamily(QStringLiteral("Liberation Serif"));
        w.Font.setPixelSize(72);
        w.Font.setWeight(QFont::Bold);
        w.Font.setItalic(true);
        w.Font.setUnderline(true);
        w.TextEffect = TE_DBL_GLOW;
        w.TextColor1 = QColor(1, 2, 3, 4);
        w.TextGradient = true;
        w.TextColor2 = QColor(250, 128, 0);
        w.OutlineColor1 = QColor(9, 8, 7, 6);
        w.OutlineThickness1 = 21;
        w.OutlineAlpha1 = 33;
        w.OutlineColor2 = QColor(5, 6, 7);
        w.OutlineThickness2 = 3;
        w.OutlineAlpha2 = 44;
        w.EnableShadow = true;
        w.ShadowColor = QColor(10, 20, 30, 40);
        w.ShadowOffsetX = -5;
        w.ShadowOffsetY = 6;
        w.ShadowThickness = 7;
        w.ShadowAlpha = 99;
        w.EnableBackground = true;
        w.ColorBackground = QColor(100, 110, 120, 130);
        w.BackgroundRound = 11;
        w.BackgroundThickness = 13;
        w.BackgroundAlpha = 201;
    }
    return l;
}

// A field of a read layer by its element name, as a number (colours as
// their ARGB value).
qint64 FieldValue(const CLayerInfo& l, const QString& field)
{
    const CWordArtInfo& w = l.WordArt;
    if (field == "Type") return l.Type;
    if (field == "x") return l.x;
    if (field == "Width") return l.Width;
    if (field == "Keep") return l.Keep;
    if (field == "Angle") return qint64(l.Angle);
    if (field == "Transparent") return l.Transparent;
    if (field == "Animation") return l.Animation;
    if (field == "Speed") return l.Speed;
    if (field == "Direction") return l.Direction;
    if (field == "Loop") return l.Loop;
    if (field == "EndTime") return l.EndTime;
    if (field == "Fade") return l.Fade;
    if (field == "TextEffect") return w.TextEffect;
    if (field == "FontBold") return w.Font.bold();
    // A size of 0 or less leaves the font's own size, which has no pixel size.
    if (field == "FontSize") return w.Font.pixelSize() == CWordArtInfo().Font.pixelSize() ? -1 : w.Font.pixelSize();
    if (field == "OutlineThickness1") return w.OutlineThickness1;
    if (field == "OutlineAlpha1") return w.OutlineAlpha1;
    if (field == "ShadowX") return w.ShadowOffsetX;
    if (field == "ShadowAlpha") return w.ShadowAlpha;
    if (field == "ColorShadow") return w.ShadowColor.rgba();
    return LLONG_MIN;
}

// The caller's list, which a failed open must leave alone.
JxOFile WithSentinel(const QString& path)
{
    JxOFile file;
    file.ProjectPath = path;
    CLayerInfo sentinel;
    sentinel.FileName = QStringLiteral("keep me");
    file.LayerList.append(sentinel);
    return file;
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_image, m_video;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_image = TouchFile(m_dir.path(), QStringLiteral("logo [1], 'a'.png"));
        m_video = TouchFile(m_dir.path(), QStringLiteral("clip.mp4"));
    }

    void roundTrip()
    {
        JxOFile out;
        out.ProjectPath = m_dir.filePath(QStringLiteral("one.jxo"));
        out.LayerList << FullLayer(1, m_video, 0) << FullLayer(2, m_image, 1)
                      << FullLayer(3, QStringLiteral("Text3"), 2);
        out.LayerList[1].Placement.frame = QSizeF(1280, 720.25); // the frame it was placed on
        QString error = QStringLiteral("stale");
        QVERIFY(out.Save(&error));
        QVERIFY(error.isEmpty());

        JxOFile in;
        in.ProjectPath = out.ProjectPath;
        QVERIFY2(in.Open(&error), qPrintable(error));
        QVERIFY(error.isEmpty());
        QVERIFY(in.Damaged.isEmpty());
        QCOMPARE(in.LayerList.size(), 3);
        for (int i = 0; i < 3; ++i)
            CompareLayers(in.LayerList.at(i), out.LayerList.at(i));

        in.ProjectPath = m_dir.filePath(QStringLiteral("two.jxo"));
        QVERIFY(in.Save());
        QCOMPARE(ReadAll(in.ProjectPath), ReadAll(out.ProjectPath));

        // A pipe put in its place once it is opened: what was opened is read.
        PipeSwap swap(in.ProjectPath);
        JxOFile again;
        again.ProjectPath = in.ProjectPath;
        QVERIFY2(again.Open(&error), qPrintable(error));
        QCOMPARE(again.LayerList.size(), 3);
        QVERIFY(swap.Pipe() && !swap.Pipe()->WasOpened());
    }

    // The written form: declaration, root, element order, number, time and colour texts.
    void writtenForm()
    {
        JxOFile out;
        out.ProjectPath = m_dir.filePath(QStringLiteral("form.jxo"));
        CLayerInfo image = FullLayer(2, m_image, 0);
        image.StartTime = 1500250;
        CLayerInfo text = FullLayer(3, QStringLiteral("Text1"), 0);
        text.WordArt.TextColor1 = Qt::white;
        text.WordArt.Font.setWeight(63);
        out.LayerList << image << text;
        QVERIFY(out.Save());
        const QByteArray data = ReadAll(out.ProjectPath);
        QVERIFY(data.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers>\n    <Layer>\n        <Type>2</Type>\n"));
        QVERIFY(data.contains("<Angle>12.5000</Angle>"));
        QVERIFY(data.contains("<StartTime>00:00:01:500</StartTime>"));
        QVERIFY(data.contains("<EndTime>01:02:03:004</EndTime>"));
        QVERIFY(data.contains("<ColorText1>ffffffff</ColorText1>"));
        QVERIFY(data.contains("<FontBold>1</FontBold>"));
        QVERIFY(data.contains("<x>-12</x>"));

        QDomDocument doc;
        QVERIFY(doc.setContent(data));
        QVERIFY(data.contains("\xe2\x90\x8d")); // a carriage return is written as its control picture
        const QStringList layerOrder{"Type", "FileName", "x", "y", "Width", "Height", "Keep", "Angle", "Transparent",
                                     "Animation", "Speed", "Direction", "Loop", "StartTime", "EndTime", "Fade"};
        const QDomNodeList layers = doc.documentElement().elementsByTagName(QStringLiteral("Layer"));
        QCOMPARE(layers.size(), 2);
        QStringList names;
        for (QDomNode n = layers.at(0).firstChild(); !n.isNull(); n = n.nextSibling())
            names << n.nodeName();
        QCOMPARE(names, layerOrder);
        names.clear();
        for (QDomNode n = layers.at(1).firstChild(); !n.isNull(); n = n.nextSibling())
            names << n.nodeName();
        QCOMPARE(names, layerOrder + QStringList{"WordArt"});
        QCOMPARE(layers.at(1).lastChild().childNodes().size(), 27);

        JxOFile in;
        in.ProjectPath = out.ProjectPath;
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.at(0).StartTime, 1500000LL);
        QCOMPARE(in.LayerList.at(1).WordArt.Font.weight(), int(QFont::Bold));
    }

    // A file in the original form, written by hand (no fade element).
    void handWritten()
    {
        const QString path = m_dir.filePath(QStringLiteral("hand.jxo"));
        const QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layers>\n"
            "    <Layer>\n        <Type>2</Type>\n        <FileName>" + m_image.toUtf8() + "</FileName>\n"
            "        <x>10</x>\n        <y>20</y>\n        <Width>100</Width>\n        <Height>50</Height>\n"
            "        <Keep>0</Keep>\n        <Angle>90.0000</Angle>\n        <Transparent>80</Transparent>\n"
            "        <Animation>1</Animation>\n        <Speed>30</Speed>\n        <Direction>0</Direction>\n"
            "        <Loop>2</Loop>\n        <StartTime>00:00:02:000</StartTime>\n        <EndTime>00:01:00:500</EndTime>\n"
            "    </Layer>\n"
            "    <Layer>\n        <Type>3</Type>\n        <FileName>Text2</FileName>\n"
            "        <WordArt>\n            <Text>Hello</Text>\n            <FontName>Arial</FontName>\n"
            "            <FontSize>-1</FontSize>\n            <TextEffect>1</TextEffect>\n"
            "            <ColorText1>80ff0000</ColorText1>\n            <OutlineAlpha1>300</OutlineAlpha1>\n"
            "            <ColorOutline2>nonsense</ColorOutline2>\n            <StrayElement>5</StrayElement>\n"
            "        </WordArt>\n    </Layer>\n</Layers>\n";
        WriteAll(path, xml);
        JxOFile in;
        in.ProjectPath = path;
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.size(), 2);
        const CLayerInfo& a = in.LayerList.at(0);
        QCOMPARE(a.FileName, m_image);
        QCOMPARE(QRect(a.x, a.y, a.Width, a.Height), QRect(10, 20, 100, 50));
        QCOMPARE(a.Keep, false);
        QCOMPARE(a.Angle, 90.0f);
        QCOMPARE(a.Transparent, 80);
        QCOMPARE(a.Animation, 1);
        QCOMPARE(a.Speed, 30);
        QCOMPARE(a.Loop, 2);
        QCOMPARE(a.StartTime, 2000000LL);
        QCOMPARE(a.EndTime, 60500000LL);
        QCOMPARE(a.Fade, 0);
        const CWordArtInfo& w = in.LayerList.at(1).WordArt;
        const CWordArtInfo defaults;
        QCOMPARE(w.Text, QStringLiteral("Hello"));
        QCOMPARE(w.Font.family(), QStringLiteral("Arial"));
        QCOMPARE(w.Font.pixelSize(), defaults.Font.pixelSize()); // -1 keeps the size
        QCOMPARE(w.TextEffect, TE_OUTLINE);
        QCOMPARE(w.TextColor1, QColor(255, 0, 0, 128));
        QCOMPARE(int(w.OutlineAlpha1), 44);             // the low 8 bits of 300
        QCOMPARE(w.OutlineColor2, QColor(0, 0, 0, 0)); // a malformed colour is transparent black
        QCOMPARE(w.EnableBackground, false);
        // Both are values our writer never makes: the layer is named as damaged.
        QCOMPARE(in.Damaged.size(), 1);
        QCOMPARE(in.Damaged.at(0).index, 1);
        QCOMPARE(in.Damaged.at(0).fields, (QStringList{"OutlineAlpha1", "ColorOutline2"}));
    }

    void times_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("micro");
        QTest::newRow("valid") << "23:59:59:999" << 86399999000LL;
        QTest::newRow("past a day") << "25:00:00:000" << 0LL;
        QTest::newRow("garbage") << "-1:00" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
    }
    void times()
    {
        QFETCH(QString, text);
        QFETCH(qint64, micro);
        const QString path = m_dir.filePath(QStringLiteral("time.jxo"));
        WriteAll(path, "<Layers><Layer><Type>3</Type><StartTime>" + text.toUtf8() + "</StartTime></Layer></Layers>");
        JxOFile in;
        in.ProjectPath = path;
        QVERIFY(in.Open());
        QCOMPARE(qint64(in.LayerList.at(0).StartTime), micro);
    }

    // Texts the XML reader would change or refuse come back as they were.
    void awkwardTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("spaces only") << QStringLiteral("   ");
        QTest::newRow("line break only") << QStringLiteral("\n");
        QTest::newRow("controls") << QStringLiteral("a\r\nb\x01\x1f\x7f");
        QTest::newRow("markup") << QStringLiteral("]]> <b>&amp;</b>");
        QString pictures;
        for (ushort u = 0x2400; u < 0x2420; ++u)
            pictures += QChar(u);
        QTest::newRow("every control picture") << pictures;
        QTest::newRow("controls and their pictures") << QStringLiteral("\r\u240d\x1b\u241b\u2400");
        // U+2421 marks a typed picture in the file; typed itself, in runs, it must survive too.
        QTest::newRow("marks before pictures and controls")
            << QStringLiteral("\u2421\u2421\u240d|\u2421\r|\u2421\u2421\u2421\x01|\u2421x|\u2421\u2421");
    }
    void awkwardTexts()
    {
        QFETCH(QString, text);
        JxOFile out;
        out.ProjectPath = m_dir.filePath(QStringLiteral("awkward.jxo"));
        CLayerInfo layer;
        layer.Type = 3;
        layer.FileName = text;
        layer.WordArt.Text = text;
        out.LayerList << layer;
        QVERIFY(out.Save());
        JxOFile in;
        in.ProjectPath = out.ProjectPath;
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.at(0).WordArt.Text, text);
        QCOMPARE(in.LayerList.at(0).FileName, text);
    }

    // Files of earlier versions wrote a control character as its picture and
    // nothing else: those still read as the control character.
    void earlierControlPictures_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("carriage return") << QStringLiteral("a\u240d\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("no pictures") << QStringLiteral("\u2421 \u2409\u240a x") << QStringLiteral("\u2421 \u2409\u240a x");
    }
    void earlierControlPictures()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        const QString path = m_dir.filePath(QStringLiteral("earlier.jxo"));
        WriteAll(path, "<Layers><Layer><Type>3</Type><FileName>" + written.toUtf8()
                           + "</FileName><WordArt><Text>" + written.toUtf8() + "</Text></WordArt></Layer></Layers>");
        JxOFile in;
        in.ProjectPath = path;
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.at(0).FileName, read);
        QCOMPARE(in.LayerList.at(0).WordArt.Text, read);
    }

    void emptyAndOddProjects()
    {
        const QString path = m_dir.filePath(QStringLiteral("odd.jxo"));
        WriteAll(path, "<Layers><!-- note --><Layer><Type>3</Type></Layer></Layers>");
        JxOFile in = WithSentinel(path);
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.size(), 1); // the first child must be a layer
        WriteAll(path, "<Layers><Layer><Type>3</Type></Layer><Other><Type>3</Type></Other></Layers>");
        QVERIFY(in.Open());
        QCOMPARE(in.LayerList.size(), 3); // appended; any element after the first layer is one
    }

    // Files that are no projects fail with a reason and leave the layers alone.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("cut short") << QByteArray("<?xml version=\"1.0\"?>\n<Layers>\n    <Layer>\n        <Type>2</Ty");
        QTest::newRow("wrong root") << QByteArray("<Project><Layer><Type>3</Type></Layer></Project>");
        QTest::newRow("binary junk") << QByteArray("\x00\x01\xff\xfe<Layers>\x80\x81", 14);
        QTest::newRow("empty file") << QByteArray();
    }
    void damaged()
    {
        QFETCH(QByteArray, data);
        const QString path = m_dir.filePath(QStringLiteral("damaged.jxo"));
        WriteAll(path, data);
        JxOFile in = WithSentinel(path);
        QString error;
        QVERIFY(!in.Open(&error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(in.LayerList.size(), 1);
        QCOMPARE(in.LayerList.at(0).FileName, QStringLiteral("keep me"));
    }

    // Crafted files are refused before a document is built: no stack
    // overflow, no expansion to gigabytes.
    void hostileRefused_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        const QByteArray layer = "<Layer><Type>3</Type><WordArt><Text>";
        QTest::newRow("50 000 levels") << "<Layers><Layer>" + QByteArray("<a>").repeated(50000) + "</Layer></Layers>"
                                       << "nest";
        QTest::newRow("65 levels") << "<Layers><Layer>" + QByteArray("<a>").repeated(63) + QByteArray("</a>").repeated(63)
                                          + "</Layer></Layers>"
                                   << "nest";
        QTest::newRow("one large entity used often")
            << "<!DOCTYPE Layers [<!ENTITY big \"" + QByteArray(10000, 'x') + "\">]><Layers>" + layer
                   + QByteArray("&big;").repeated(1000) + "</Text></WordArt></Layer></Layers>"
            << "entities";
        QTest::newRow("nested entities")
            << QByteArray("<!DOCTYPE Layers [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
                          "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><Layers>")
                   + layer + "&c;</Text></WordArt></Layer></Layers>"
            << "entities";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE Layers [<!ENTITY e SYSTEM \"/etc/hostname\">]><Layers><Layer><FileName>&e;"
                          "</FileName></Layer></Layers>")
            << "entities";
        QTest::newRow("document type alone") << QByteArray("<!DOCTYPE Layers><Layers><Layer/></Layers>") << "entities";
        QTest::newRow("larger than any project")
            << "<Layers><Layer><Type>3</Type></Layer>" + QByteArray(16 * 1024 * 1024, ' ') + "</Layers>" << "too large";
    }
    void hostileRefused()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(QStringLiteral("hostile.jxo"));
        WriteAll(path, data);
        JxOFile in = WithSentinel(path);
        QString error;
        QVERIFY(!in.Open(&error));
        QVERIFY2(error.contains(reason) && error.contains(QStringLiteral("hostile.jxo")), qPrintable(error));
        QCOMPARE(in.LayerList.size(), 1);
        QFile::remove(path);
    }

    // A value that does not parse, or lies outside what the program can use,
    // is read as the format says (and brought into range); the layer stays
    // and is named as damaged.
    void damagedValues_data()
    {
        QTest::addColumn<QByteArray>("layer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("read");
        QTest::newRow("not a number") << QByteArray("<Type>3</Type><x>ten</x>") << "x" << "x=0";
        QTest::newRow("empty") << QByteArray("<Type>3</Type><Direction/>") << "Direction" << "Direction=0";
        QTest::newRow("huge number") << QByteArray("<Type>3</Type><Width>99999999999999</Width>") << "Width" << "Width=0";
        QTest::newRow("far past the canvas") << QByteArray("<Type>3</Type><Width>2000000000</Width>") << "Width"
                                             << "Width=100000";
        QTest::newRow("huge font size")
            << QByteArray("<Type>3</Type><WordArt><FontSize>4294967296</FontSize></WordArt>") << "FontSize" << "";
        QTest::newRow("frame of no size") << QByteArray("<Type>3</Type><FrameWidth>0</FrameWidth>") << "FrameWidth" << "";
        QTest::newRow("infinite angle") << QByteArray("<Type>3</Type><Angle>inf</Angle>") << "Angle" << "Angle=0";
        QTest::newRow("time of no day") << QByteArray("<Type>3</Type><EndTime>25:00:00:000</EndTime>") << "EndTime"
                                        << "EndTime=0";
        QTest::newRow("colour of no digits")
            << QByteArray("<Type>3</Type><WordArt><ColorShadow>red</ColorShadow></WordArt>") << "ColorShadow"
            << "ColorShadow=0";
    }
    void damagedValues()
    {
        QFETCH(QByteArray, layer);
        QFETCH(QString, field);
        QFETCH(QString, read);
        const QString path = m_dir.filePath(QStringLiteral("values.jxo"));
        WriteAll(path, "<Layers><Layer><Type>3</Type></Layer><Layer>" + layer + "</Layer></Layers>");
        JxOFile in = WithSentinel(path);
        QString error;
        QVERIFY2(in.Open(&error), qPrintable(error));
        QCOMPARE(in.LayerList.size(), 3);
        QCOMPARE(in.Damaged.size(), 1);
        QCOMPARE(in.Damaged.at(0).index, 2);
        QCOMPARE(in.Damaged.at(0).fields, QStringList{field});
        if (!read.isEmpty())
            QCOMPARE(read.section('=', 0, 0) + '=' + QString::number(FieldValue(in.LayerList.at(2), field)), read);
    }

    // Each coded or bounded field at the ends of its range and one past
    // each: the ends read as they are, one past is damaged and read as it
    // stands, or as the field's fallback or bound where the program cannot
    // take it.
    void fieldBounds_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("damaged");
        const auto rows = [](const char* field, qint64 low, qint64 high, qint64 belowReads, qint64 aboveReads) {
            const QString f = QLatin1String(field);
            QTest::addRow("%s lowest", field) << f << QString::number(low) << low << false;
            QTest::addRow("%s highest", field) << f << QString::number(high) << high << false;
            QTest::addRow("%s below", field) << f << QString::number(low - 1) << belowReads << true;
            QTest::addRow("%s above", field) << f << QString::number(high + 1) << aboveReads << true;
        };
        // Codes: one past reads as the field's default where no value past
        // the list can be held, else as it stands.
        rows("Type", 1, 3, 2, 2);
        rows("Animation", 0, 4, -1, 5);
        rows("Fade", 0, 3, -1, 4);
        rows("TextEffect", 0, 6, 0, 0);
        // Any whole number of 32 bits (the graph builder bounds what the
        // converter needs bounded); one past does not parse and reads as 0.
        for (const char* field : {"Direction", "Transparent", "Speed", "Loop"})
            rows(field, INT_MIN, INT_MAX, 0, 0);
        // Flags: any whole number, non-zero is on.
        for (const char* flag : {"Keep", "FontBold"}) {
            QTest::addRow("%s lowest", flag) << QString(flag) << QString::number(INT_MIN) << qint64(1) << false;
            QTest::addRow("%s highest", flag) << QString(flag) << QString::number(INT_MAX) << qint64(1) << false;
            QTest::addRow("%s below", flag) << QString(flag) << QString::number(INT_MIN - 1LL) << qint64(0) << true;
            QTest::addRow("%s above", flag) << QString(flag) << QString::number(INT_MAX + 1LL) << qint64(0) << true;
        }
        // Bounded values: one past is brought back to the bound.
        rows("x", -100000, 100000, -100000, 100000);
        rows("Width", 0, 100000, 0, 100000);
        rows("FontSize", -1, CWordArtInfo::kMaxFontPixelSize, -1, CWordArtInfo::kMaxFontPixelSize);
        rows("OutlineThickness1", 0, CWordArtInfo::kMaxEffectLength, 0, CWordArtInfo::kMaxEffectLength);
        rows("ShadowX", -CWordArtInfo::kMaxEffectLength, CWordArtInfo::kMaxEffectLength,
             -CWordArtInfo::kMaxEffectLength, CWordArtInfo::kMaxEffectLength);
        rows("ShadowAlpha", 0, 255, 0, 255);
        // An alpha keeps the low 8 bits.
        rows("OutlineAlpha1", 0, 255, 255, 0);
    }
    void fieldBounds()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QFETCH(bool, damaged);
        static const QStringList wordArt{"TextEffect", "FontBold", "FontSize", "OutlineThickness1", "ShadowX",
                                         "ShadowAlpha", "OutlineAlpha1"};
        const QByteArray element = "<" + field.toUtf8() + ">" + text.toUtf8() + "</" + field.toUtf8() + ">";
        const QByteArray layer = wordArt.contains(field) ? "<Type>3</Type><WordArt>" + element + "</WordArt>"
                                                         : "<Type>3</Type>" + element;
        const QString path = m_dir.filePath(QStringLiteral("bounds.jxo"));
        WriteAll(path, "<Layers><Layer>" + layer + "</Layer></Layers>");
        JxOFile in;
        in.ProjectPath = path;
        QString error;
        QVERIFY2(in.Open(&error), qPrintable(error));
        QCOMPARE(in.LayerList.size(), 1);
        QCOMPARE(FieldValue(in.LayerList.at(0), field), value);
        QCOMPARE(!in.Damaged.isEmpty(), damaged);
        if (damaged)
            QCOMPARE(in.Damaged.at(0).fields, QStringList{field});
    }

    void notAProjectFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/p.jxo");
        QTest::newRow("folder") << QStringLiteral("/tmp");
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
    }
    void notAProjectFile()
    {
        QFETCH(QString, path);
        JxOFile in = WithSentinel(path);
        QString error;
        QVERIFY(!in.Open(&error));
        QVERIFY(error.contains(path));
        QCOMPARE(in.LayerList.size(), 1);
    }

    // Numbers that fit are brought into the range the renderer accepts.
    void rangesClamped()
    {
        const QString path = m_dir.filePath(QStringLiteral("ranges.jxo"));
        WriteAll(path, "<Layers><Layer><Type>3</Type><Transparent>-5</Transparent><Width>2000000000</Width>"
                       "<WordArt><FontSize>2000000000</FontSize><OutlineThickness1>2147483647</OutlineThickness1>"
                       "<ShadowX>-2147483648</ShadowX><ShadowAlpha>-7</ShadowAlpha><BackgroundAlpha>256</BackgroundAlpha>"
                       "<BackgroundThickness>100000</BackgroundThickness></WordArt></Layer></Layers>");
        JxOFile in;
        in.ProjectPath = path;
        QVERIFY(in.Open());
        const CLayerInfo& l = in.LayerList.at(0);
        QCOMPARE(l.Transparent, -5);
        QVERIFY(l.Width <= 100000);
        QCOMPARE(l.WordArt.Font.pixelSize(), CWordArtInfo::kMaxFontPixelSize);
        QCOMPARE(l.WordArt.OutlineThickness1, CWordArtInfo::kMaxEffectLength);
        QCOMPARE(l.WordArt.ShadowOffsetX, -CWordArtInfo::kMaxEffectLength);
        QCOMPARE(l.WordArt.ShadowAlpha, 0);
        QCOMPARE(l.WordArt.BackgroundAlpha, 255);
        QCOMPARE(l.WordArt.BackgroundThickness, CWordArtInfo::kMaxEffectLength);
        QCOMPARE(in.Damaged.size(), 1);
        QCOMPARE(in.Damaged.at(0).fields.size(), 7); // all but Transparent
    }

    // Layers whose files are missing or no files at all are read like any
    // other: showing them is the canvas's business.
    void layerPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/dir/logo.png");
        QTest::newRow("folder") << QStringLiteral("/tmp");
        QTest::newRow("device") << QStringLiteral("/dev/zero");
        QTest::newRow("empty") << QString();
    }
    void layerPaths()
    {
        QFETCH(QString, path);
        JxOFile out;
        out.ProjectPath = m_dir.filePath(QStringLiteral("paths.jxo"));
        out.LayerList << FullLayer(2, path, 0) << FullLayer(2, m_image, 0);
        QVERIFY(out.Save());
        JxOFile in;
        in.ProjectPath = out.ProjectPath;
        QString message;
        QVERIFY(in.Open(&message));
        QVERIFY(message.isEmpty());
        QVERIFY(in.Damaged.isEmpty());
        QCOMPARE(in.LayerList.size(), 2);
        CompareLayers(in.LayerList.at(0), out.LayerList.at(0));
    }

    void saveFailureKeepsOldFile()
    {
        JxOFile out;
        out.ProjectPath = m_dir.filePath(QStringLiteral("no/such/dir/p.jxo"));
        QString error;
        QVERIFY(!out.Save(&error));
        QVERIFY(!error.isEmpty());

        // A write that fails half-way, for root too: the file size limit
        // stops the new project after a few bytes.
        QTemporaryDir dir;
        out.ProjectPath = dir.filePath(QStringLiteral("p.jxo"));
        out.LayerList << FullLayer(3, QStringLiteral("Text1"), 0);
        QVERIFY(out.Save());
        const QByteArray before = ReadAll(out.ProjectPath);
        out.LayerList << FullLayer(3, QStringLiteral("Text2"), 0);
        bool saved = true;
        {
            const FileSizeLimit limit(64);
            QVERIFY(limit.active());
            saved = out.Save(&error);
        }
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadAll(out.ProjectPath), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.jxo")});
    }

    // A save to what is no file says so and leaves it as it was: a full
    // device (replaced by the save's rename, for root, until this was
    // mended) and a pipe.
    void saveFailsWhereNothingFits_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("full device") << "device";
        QTest::newRow("pipe") << "pipe";
    }
    void saveFailsWhereNothingFits()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("target.jxo"));
        if (kind == "device") {
            // Root could replace the machine's own /dev/full if the save went
            // wrong: it gets a device of its own (the same one, 1:7).
            if (geteuid() != 0)
                path = QStringLiteral("/dev/full");
            else if (mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
                QSKIP("no device can be made here");
        } else if (kind == "pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        JxOFile out;
        out.ProjectPath = path;
        for (int i = 0; i < 4; ++i)
            out.LayerList << FullLayer(3, QStringLiteral("Text%1").arg(i), i);
        QString error;
        const bool saved = out.Save(&error);
        QVERIFY(!saved);
        QVERIFY2(error.contains(QStringLiteral("Cannot write the project")), qPrintable(error));
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        // Nothing of the attempt is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size(),
                 path.startsWith(dir.path()) ? 1 : 0);
    }

    // Canvas layers come back in z order and where they stood, rotated or not.
    void appendLayerPlacement()
    {
        JxOFile file;
        CLayerInfo a = FullLayer(3, QStringLiteral("A"), 0);
        CLayerInfo b = FullLayer(3, QStringLiteral("B"), 0);
        CLayerInfo c = FullLayer(3, QStringLiteral("C"), 0);
        a.Width = 100;
        a.Height = 50;
        // Rotated 30 degrees about its centre at (200, 100).
        const QPointF pos(200.0, 100.0), origin(50.0, 25.0);
        file.AppendLayer(a, pos, origin, 30.0, 5.0);
        file.AppendLayer(b, QPointF(10.7, 20.2), QPointF(), 0.0, 2.0);
        file.AppendLayer(c, QPointF(), QPointF(), 0.0, 5.0);
        QCOMPARE(file.LayerList.size(), 3);
        QCOMPARE(file.LayerList.at(0).FileName, QStringLiteral("B"));
        QCOMPARE(file.LayerList.at(1).FileName, QStringLiteral("A"));
        QCOMPARE(file.LayerList.at(2).FileName, QStringLiteral("C"));
        QCOMPARE(QPoint(file.LayerList.at(0).x, file.LayerList.at(0).y), QPoint(10, 20));

        // The corners of the saved placement (rotation about the top-left)
        // match the canvas item's (rotation about its origin) within a pixel.
        const CLayerInfo& saved = file.LayerList.at(1);
        QCOMPARE(saved.Angle, 30.0f);
        QTransform item;
        item.translate(pos.x() + origin.x(), pos.y() + origin.y()).rotate(30.0).translate(-origin.x(), -origin.y());
        QTransform loaded;
        loaded.translate(saved.x, saved.y).rotate(saved.Angle);
        for (const QPointF& corner : {QPointF(0, 0), QPointF(100, 0), QPointF(0, 50), QPointF(100, 50)}) {
            const QPointF d = item.map(corner) - loaded.map(corner);
            QVERIFY(qAbs(d.x()) <= 1.0 && qAbs(d.y()) <= 1.0);
        }
    }
};

QTEST_MAIN(TestProjectFile)
#include "tst_projectfile.moc"

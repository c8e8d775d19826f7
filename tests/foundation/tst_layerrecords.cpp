#include <QtTest>

#include "CLayerInfo.h"
#include "CWordArtInfo.h"

#include <cstring>

class TestLayerRecords : public QObject
{
    Q_OBJECT
private slots:
    void layerDefaults()
    {
        CLayerInfo layer;
        QCOMPARE(layer.Transparent, 100);
        QCOMPARE(layer.Type, 2);
        QVERIFY(!layer.FileName.isNull());
        QVERIFY(layer.FileName.isEmpty());
        QCOMPARE(layer.Rotation, -1);
        QVERIFY(layer.Keep);
        QCOMPARE(layer.Speed, 50);
        QCOMPARE(layer.ShadowAngle, 315);
        QCOMPARE(layer.ShadowDistance, 30);
        QCOMPARE(layer.ShadowX, 15);
        QCOMPARE(layer.ShadowY, 15);
        QCOMPARE(layer.ShadowColor, QColor(0, 0, 0, 180));
        QVERIFY(layer.Image.isNull());
        QCOMPARE(layer.GetQImage(), &layer.Image);
    }

    void shadowAngleToXY_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("315") << 315 << 30 << 15 << 15;
        QTest::newRow("0") << 0 << 30 << 0 << 30;
        QTest::newRow("90") << 90 << 30 << -30 << 0;
        QTest::newRow("180") << 180 << 30 << 0 << -30;
        QTest::newRow("270") << 270 << 30 << 30 << 0;
        QTest::newRow("45 truncates") << 45 << 7 << -3 << 4;
        QTest::newRow("135") << 135 << 7 << -3 << -3;
        QTest::newRow("-7.6 truncates to -7") << 38 << 18 << -7 << 10;
        QTest::newRow("360") << 360 << 30 << 0 << 30;
        QTest::newRow("negative angle") << -90 << 30 << 30 << 60;
        QTest::newRow("3 whole") << 3 << 90 << -3 << 87;
        QTest::newRow("357 mirrors 3") << 357 << 90 << 3 << 87;
    }
    void shadowAngleToXY()
    {
        QFETCH(int, angle);
        QFETCH(int, distance);
        QFETCH(int, x);
        QFETCH(int, y);
        CLayerInfo layer;
        layer.SetLayerShadow(angle, distance, true);
        QVERIFY(layer.ShadowOn);
        QCOMPARE(layer.ShadowAngle, angle);
        QCOMPARE(layer.ShadowDistance, distance);
        QCOMPARE(layer.ShadowX, x);
        QCOMPARE(layer.ShadowY, y);
    }
    void shadowWholeOffsetsMirrorAlike()
    {
        // Angle a and 360 - a mirror left to right; where the offsets are
        // whole numbers both sides get exactly them.
        CLayerInfo left;
        CLayerInfo right;
        for (int d = 1; d <= 300; ++d) {
            for (int a = 0; a <= 180; ++a) {
                if (a * d % 90 != 0)
                    continue;
                const int n = a <= 90 ? a : 180 - a;
                left.SetLayerShadow(a, d, true);
                right.SetLayerShadow(360 - a, d, true);
                const QByteArray where = QByteArray::number(a) + " deg, " + QByteArray::number(d);
                QVERIFY2(left.ShadowX == -n * d / 90 && right.ShadowX == n * d / 90, where.constData());
                QVERIFY2(left.ShadowY == (90 - a) * d / 90 && right.ShadowY == left.ShadowY, where.constData());
            }
        }
    }
    void shadowAngleAbove360KeepsOffsets()
    {
        CLayerInfo layer;
        layer.ShadowX = 7;
        layer.ShadowY = -8;
        layer.SetLayerShadow(400, 30, false);
        QCOMPARE(layer.ShadowX, 7);
        QCOMPARE(layer.ShadowY, -8);
        QVERIFY(!layer.ShadowOn);
    }

    void copiesAndSwaps()
    {
        CLayerInfo a;
        a.Type = 3;
        a.FileName = "Text1";
        a.x = 11;
        a.y = -4;
        a.Angle = 12.5f;
        a.StartTime = 5000000;
        a.CropOn = true;
        a.CropLeft = 0.25;
        a.WordArt.Text = "hello";
        a.WordArt.TextEffect = TE_DBL_GLOW;
        a.Image = QImage(4, 3, QImage::Format_ARGB32);
        a.Image.fill(Qt::red);

        const CLayerInfo copy(a);
        QCOMPARE(copy.FileName, QStringLiteral("Text1"));
        QCOMPARE(copy.WordArt.Text, QStringLiteral("hello"));
        QCOMPARE(copy.Image, a.Image);
        QCOMPARE(copy.Angle, 12.5f);

        CLayerInfo target;
        target.Image = QImage(2, 2, QImage::Format_ARGB32);
        target.Image.fill(Qt::blue);
        const QImage before = target.Image;
        target.CopyNoImageData(&a);
        QCOMPARE(target.Type, 3);
        QCOMPARE(target.x, 11);
        QCOMPARE(target.StartTime, qint64(5000000));
        QCOMPARE(target.CropLeft, 0.25);
        QCOMPARE(target.WordArt.TextEffect, TE_DBL_GLOW);
        QCOMPARE(target.WordArt.Text, QStringLiteral("hello"));
        QCOMPARE(target.Image, before);

        CLayerInfo b;
        b.FileName = "other.png";
        b.Image = before;
        CLayerInfo::SwapLayerNoImageData(&a, &b);
        QCOMPARE(a.FileName, QStringLiteral("other.png"));
        QCOMPARE(b.FileName, QStringLiteral("Text1"));
        QCOMPARE(b.WordArt.Text, QStringLiteral("hello"));
        QCOMPARE(a.WordArt.Text, QString());
        QCOMPARE(a.Image.pixelColor(0, 0), QColor(Qt::red));   // pictures stay put
        QCOMPARE(b.Image.pixelColor(0, 0), QColor(Qt::blue));

        b = a;
        QCOMPARE(b.FileName, QStringLiteral("other.png"));
        QCOMPARE(b.Image, a.Image);
        QList<CLayerInfo> list;
        list.append(a);
        list.append(copy);
        QCOMPARE(list.at(1).WordArt.Text, QStringLiteral("hello"));
    }

    void wordArtDefaults()
    {
        CWordArtInfo w;
        QCOMPARE(w.TextColor1, QColor(Qt::white));
        QCOMPARE(w.OutlineColor1, QColor(127, 127, 127));
        QCOMPARE(w.OutlineColor2, QColor(Qt::black));
        QCOMPARE(w.TextEffect, TE_GLOW);
        QCOMPARE(w.OutlineThickness1, 14);
        QCOMPARE(w.OutlineAlpha1, static_cast<unsigned char>(24));
        QCOMPARE(w.OutlineAlpha2, static_cast<unsigned char>(255));
        QCOMPARE(w.ShadowColor, QColor(128, 128, 128));
        QCOMPARE(w.ShadowAlpha, 128);
        QCOMPARE(w.BegAlpha, 0.4f);
        QCOMPARE(w.EndAlpha, 0.01f);
        QCOMPARE(w.Shown, 0.7f);
        QVERIFY(w.Modified);
        QVERIFY(w.RenderEnabled);
        QVERIFY(w.PngRendering);
        QVERIFY(!w.EnableReflection);
        QCOMPARE(w.BackgroundAlpha, 100);
        QCOMPARE(w.ColorBackground, QColor(Qt::black));
        QVERIFY(w.Name.isEmpty());
        const tagLOGFONTW zero = {};
        QCOMPARE(std::memcmp(w.GetLogFont(), &zero, sizeof zero), 0);
    }

    void settersChangeOnlyOnChange()
    {
        CWordArtInfo w;
        w.Modified = false;
        w.SetTextColor1(Qt::white);
        QVERIFY(!w.Modified);
        w.SetTextColor1(Qt::red);
        QVERIFY(w.Modified);
        QCOMPARE(w.GetTextColor1(), QColor(Qt::red));

        w.Modified = false;
        w.SetOutlineThickness1(14);
        w.SetTextEffect(TE_GLOW);
        w.SetBegAlpha(0.4f);
        w.SetEnableReflection(false);
        QVERIFY(!w.Modified);
        w.SetEnableReflection(true);
        QVERIFY(w.Modified);
        QVERIFY(w.IsEnableReflection());
        QVERIFY(w.EnableReflection);

        w.Modified = false;
        w.SetBkgdColor(Qt::white);   // always marks
        QVERIFY(w.Modified);
        w.Modified = false;
        w.Render(false);             // never marks
        QVERIFY(!w.Modified);
        QVERIFY(!w.RenderEnabled);
        w.SetTextAngle(5);
        QCOMPARE(w.GetTextAngle(), 50);
        QVERIFY(w.Modified);

        w.Modified = false;
        tagLOGFONTW font = {};
        font.lfItalic = 1;
        font.lfFaceName[0] = U'A';
        w.SetLogFont(&font);
        QVERIFY(w.Modified);
        QCOMPARE(w.GetLogFont()->lfItalic, static_cast<uint8_t>(1));
        QCOMPARE(w.GetLogFont()->lfFaceName[0], static_cast<uint32_t>(U'A'));

        w.EnableTextGradient(true);
        w.EnablePngRendering(false);
        w.SetShadowOffsetX(-6);
        w.SetExtrudedText(true);
        QVERIFY(w.IsEnableTextGradient());
        QVERIFY(!w.IsEnablePngRendering());
        QCOMPARE(w.GetShadowOffsetX(), -6);
        QVERIFY(w.GetExtrudedText());
    }

    void setTextUnescapes_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("last pair kept") << "a\\nb\\n" << "a\nb\\n";
        QTest::newRow("tab and return") << "x\\ty\\rz" << "x\ty\rz";
        QTest::newRow("other letters") << "c:\\path\\x" << "c:\\path\\x";
        QTest::newRow("double backslash") << "\\\\nq" << "\\\nq";
        QTest::newRow("empty") << "" << "";
    }
    void setTextUnescapes()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        CWordArtInfo w;
        w.Modified = false;
        w.SetText(in);
        QCOMPARE(w.GetText(), out);
        QVERIFY(w.Modified);
    }

    void wordArtCopiesEveryField()
    {
        CWordArtInfo a;
        a.Name = "Preset 1";
        a.Text = "t";
        a.Font.setPixelSize(33);
        a.TextGradient = true;
        a.ShadowThickness = 9;
        a.EnableBackground = true;
        a.BackgroundRound = 5;
        a.DialogStyle = 2;
        a.Modified = false;
        a.LogFont.lfWeight = 700;
        CWordArtInfo b;
        b = a;
        QCOMPARE(b.Name, QStringLiteral("Preset 1"));
        QCOMPARE(b.Font.pixelSize(), 33);
        QVERIFY(b.TextGradient);
        QCOMPARE(b.ShadowThickness, 9);
        QVERIFY(b.EnableBackground);
        QCOMPARE(b.BackgroundRound, 5);
        QCOMPARE(b.DialogStyle, 2);
        QVERIFY(!b.Modified);
        QCOMPARE(b.LogFont.lfWeight, int64_t(700));
        const CWordArtInfo c(b);
        QCOMPARE(c.Name, QStringLiteral("Preset 1"));
        b.Copy(b);
        QCOMPARE(b.Text, QStringLiteral("t"));
    }
};

QTEST_GUILESS_MAIN(TestLayerRecords)
#include "tst_layerrecords.moc"

// Geometry of the text effects: sizes, insets, outline widths, shadow offsets
// and the trimmed, boxed output of the styled-text record. Glyph pixels are
// never compared exactly; boxes of visible pixels and relations are.
#include <QtTest>

#include "CLayerInfo.h"
#include "CWordArtInfo.h"
#include "text/CanvasHelper.h"
#include "text/ExtrudeStrategy.h"
#include "text/TextDblGlowStrategy.h"
#include "text/TextGlowStrategy.h"
#include "text/TextGradOutlineStrategy.h"
#include "text/TextNoOutlineStrategy.h"
#include "text/TextOutlineStrategy.h"
#include "text/TextPathTools.h"
#include "text/TextRings.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <memory>
#include <string>

using namespace QTextDesigner;

namespace {

QFont TestFont(int pixels = 64)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QImage Blank(int w = 600, int h = 300, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(w, h, format);
    image.fill(Qt::transparent);
    return image;
}

// Box of the pixels for which keep() holds.
template <typename Pred>
QRect BoxWhere(const QImage& image, Pred keep)
{
    QRect box;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (keep(argb.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool Near(const QRect& a, const QRect& b, int tolerance = 1)
{
    return qAbs(a.left() - b.left()) <= tolerance && qAbs(a.top() - b.top()) <= tolerance
        && qAbs(a.right() - b.right()) <= tolerance && qAbs(a.bottom() - b.bottom()) <= tolerance;
}

QRect Visible(const QImage& image)
{
    return BoxWhere(image, [](QRgb p) { return qAlpha(p) != 0; });
}

QImage Draw(ITextStrategy& strategy, const std::wstring& text, QPoint pos, QFont font = TestFont())
{
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    strategy.DrawString(&painter, &font, text.c_str(), pos, nullptr);
    return image;
}

const QColor kClear(0, 0, 0, 0);

CWordArtInfo Record(TextEffect effect, const QString& text = QStringLiteral("Styled"))
{
    CWordArtInfo r;
    r.Font = TestFont();
    r.Text = text;
    r.TextEffect = effect;
    r.TextColor1 = Qt::red;
    r.OutlineColor1 = Qt::blue;
    r.OutlineAlpha1 = 255;
    r.OutlineColor2 = Qt::green;
    r.OutlineAlpha2 = 255;
    r.OutlineThickness1 = 6;
    r.OutlineThickness2 = 4;
    return r;
}

} // namespace

class TestTextRender : public QObject
{
    Q_OBJECT
private slots:
    // Measured boxes: inset round(T/2), one line height wider than the widest line.
    void measureBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("inset");
        QTest::newRow("outline 3") << 0 << 3 << 2;
        QTest::newRow("glow 14") << 1 << 14 << 7;
        QTest::newRow("double 3+4") << 2 << 7 << 4;
        QTest::newRow("no outline") << 3 << 0 << 0;
    }
    void measureBox()
    {
        QFETCH(int, kind);
        QFETCH(int, thickness);
        QFETCH(int, inset);
        std::unique_ptr<ITextStrategy> s;
        if (kind == 0) {
            auto* o = new TextOutlineStrategy;
            o->Init(Qt::red, Qt::blue, thickness);
            s.reset(o);
        } else if (kind == 1) {
            auto* g = new TextGlowStrategy;
            g->Init(Qt::red, Qt::blue, thickness);
            s.reset(g);
        } else if (kind == 2) {
            auto* d = new TextDblOutlineStrategy;
            d->Init(Qt::red, Qt::blue, Qt::green, 3, 4);
            s.reset(d);
        } else {
            auto* n = new TextNoOutlineStrategy;
            n->Init(Qt::red);
            s.reset(n);
        }
        QFont font = TestFont();
        const QFontMetrics fm(font);
        float l = -1, t = -1, r = -1, b = -1;
        QVERIFY(s->MeasureString(&font, L"Wide line\nab\n", QPoint(5, 9), &l, &t, &r, &b));
        QCOMPARE(l, float(5 + inset));
        QCOMPARE(t, float(9 + inset));
        QCOMPARE(r - l, float(fm.horizontalAdvance(QStringLiteral("Wide line")) + fm.height() + thickness));
        QCOMPARE(b - t, float(3 * fm.height() + thickness));
        // Null outputs are skipped, not written through.
        QVERIFY(s->MeasureString(&font, L"x", QPoint(), nullptr, nullptr, nullptr, nullptr));
    }

    // Where the glyphs land: the inset is the truncated half thickness
    // (the rounded half for the double strategies).
    void drawInset_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("inset");
        QTest::newRow("outline 3 draws 1 in") << 0 << 1;
        QTest::newRow("glow 5 draws 2 in") << 1 << 2;
        QTest::newRow("double 3+4 draws 4 in") << 2 << 4;
        QTest::newRow("double glow 3+4 draws 4 in") << 3 << 4;
        QTest::newRow("gradient 5 draws 2 in") << 4 << 2;
    }
    void drawInset()
    {
        QFETCH(int, kind);
        QFETCH(int, inset);
        std::unique_ptr<ITextStrategy> s;
        // Invisible strokes: only the fill shows.
        if (kind == 0) {
            auto* o = new TextOutlineStrategy;
            o->Init(Qt::red, kClear, 3);
            s.reset(o);
        } else if (kind == 1) {
            auto* g = new TextGlowStrategy;
            g->Init(Qt::red, kClear, 5);
            s.reset(g);
        } else if (kind == 2 || kind == 3) {
            auto* d = kind == 2 ? new TextDblOutlineStrategy : new TextDblGlowStrategy;
            d->Init(Qt::red, kClear, kClear, 3, 4);
            s.reset(d);
        } else {
            // Gradient colours are drawn opaque: make the fill alone visible
            // by comparing only red pixels.
            auto* g = new TextGradOutlineStrategy;
            g->Init(Qt::red, QColor(0, 0, 255), QColor(0, 0, 255), 5, GradientLinear);
            s.reset(g);
        }
        TextNoOutlineStrategy plain;
        plain.Init(Qt::red);
        auto red = [](QRgb p) { return qRed(p) > 200 && qBlue(p) < 50 && qAlpha(p) > 200; };
        QCOMPARE(BoxWhere(Draw(*s, L"Hg", QPoint(20, 10)), red),
                 BoxWhere(Draw(plain, L"Hg", QPoint(20 + inset, 10 + inset)), red));
    }

    // An outline of width w reaches about w/2 beyond the glyphs on every side.
    void outlineWidth()
    {
        TextOutlineStrategy outline;
        outline.Init(kClear, Qt::blue, 20);
        TextNoOutlineStrategy plain;
        plain.Init(Qt::red);
        const QRect fill = Visible(Draw(plain, L"Hello", QPoint(40, 40)));
        const QRect stroked = Visible(Draw(outline, L"Hello", QPoint(30, 30)));
        QVERIFY(!fill.isEmpty());
        for (int grow : {fill.left() - stroked.left(), fill.top() - stroked.top(),
                         stroked.right() - fill.right(), stroked.bottom() - fill.bottom()})
            QVERIFY2(grow >= 9 && grow <= 11, qPrintable(QString::number(grow)));
    }

    // Wide strokes are drawn a few glyphs at a time; the picture must be the
    // one a single stroke of the whole line gives, translucent overlaps included.
    void partedStrokeMatchesWhole_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("width");
        QTest::newRow("translucent 14") << QColor(0, 0, 255, 90) << 14;
        QTest::newRow("opaque 9") << QColor(0, 0, 255) << 9;
    }
    void partedStrokeMatchesWhole()
    {
        QFETCH(QColor, colour);
        QFETCH(int, width);
        QFont font = TestFont();
        const QPainterPath path = TextPathTools::BuildPath(font, QStringLiteral("Wavy glyphs, all in one line"), QPoint(10, 10), 7);
        QImage parted = Blank(1200, 120);
        QImage whole = parted;
        {
            QPainter painter(&parted);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(3, 2); // the layer must follow the painter's transform
            TextPathTools::Stroke(&painter, path, colour, width);
        }
        {
            QPainter painter(&whole);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(3, 2);
            painter.setPen(QPen(QBrush(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(path);
        }
        int visible = 0, off = 0;
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x) {
                const int a = qAlpha(whole.pixel(x, y));
                visible += a != 0;
                off += qAbs(a - qAlpha(parted.pixel(x, y))) > 24;
            }
        }
        QVERIFY(visible > 10000);
        QVERIFY2(off * 200 < visible, qPrintable(QStringLiteral("%1 of %2").arg(off).arg(visible)));
        QCOMPARE(Visible(parted), Visible(whole));
    }

    // Rings from the distance field look like the painter's strokes of the
    // same widths: the same box, and only antialiased edge pixels differ.
    void ringsMatchStrokes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<bool>("antialiased");
        const QTransform shifted = QTransform::fromTranslate(3.5, 2.25);
        QTest::newRow("outline 14") << 0 << shifted << true;
        QTest::newRow("translucent glow 22") << 1 << shifted << true;
        QTest::newRow("gradient 22") << 2 << shifted << true;
        QTest::newRow("outer and inner") << 3 << shifted << true;
        QTest::newRow("one-pixel pen") << 4 << shifted << true;
        QTest::newRow("aliased painter") << 0 << shifted << false;
        QTest::newRow("turned painter strokes") << 1 << QTransform().rotate(3) << true;
    }
    void ringsMatchStrokes()
    {
        QFETCH(int, kind);
        QFETCH(QTransform, transform);
        QFETCH(bool, antialiased);
        std::vector<TextRings::Ring> rings;
        if (kind == 0)
            rings = {{QColor(0, 0, 255), 14}};
        for (int w = 1; kind == 1 && w <= 22; ++w)
            rings.push_back({QColor(0, 0, 255, 40), w});
        for (int w = 22; kind == 2 && w >= 1; --w)
            rings.push_back({QColor(255 - 10 * w, 0, 10 * w), w});
        if (kind == 3)
            rings = {{QColor(0, 255, 0), 20}, {QColor(255, 0, 0, 180), 12}};
        if (kind == 4)
            rings = {{QColor(0, 0, 255), 0}};
        QFont font = TestFont();
        const QPainterPath path = TextPathTools::BuildPath(font, QStringLiteral("Ring, gap & holes: 80%"), QPoint(6, 6), 11);
        QImage strokes = Blank(800, 120);
        QImage field = strokes;
        for (QImage* image : {&strokes, &field}) {
            QPainter painter(image);
            painter.setRenderHint(QPainter::Antialiasing, antialiased);
            painter.setTransform(transform);
            if (image == &field) {
                TextRings::Draw(&painter, path, rings);
                continue;
            }
            for (const TextRings::Ring& ring : rings)
                TextPathTools::Stroke(&painter, path, ring.colour, ring.width);
        }
        int visible = 0, off = 0;
        for (int y = 0; y < strokes.height(); ++y) {
            for (int x = 0; x < strokes.width(); ++x) {
                const QRgb a = strokes.pixel(x, y), b = field.pixel(x, y);
                visible += qAlpha(a) != 0;
                off += qMax(qMax(qAbs(qAlpha(a) - qAlpha(b)), qAbs(qRed(a) - qRed(b))),
                            qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)))) > 96;
            }
        }
        QVERIFY(visible > 5000);
        QVERIFY2(off * 20 < visible, qPrintable(QStringLiteral("%1 of %2").arg(off).arg(visible)));
        QVERIFY(Near(Visible(field), Visible(strokes)));
    }

    // Strips of a tall field and fills in parts give the picture of the whole.
    void stripsAndPartsMatchTheWhole()
    {
        QFont font = TestFont();
        const QPainterPath path = TextPathTools::BuildPath(font, QStringLiteral("obe 8 Q@\nagain, B&"), QPoint(4, 4), 9);
        const std::vector<TextRings::Ring> glow = {{QColor(0, 0, 255, 90), 18}, {QColor(0, 0, 255, 90), 9}};
        QImage whole = Blank(700, 200);
        QImage strips = whole;
        QImage parts = whole;
        QImage oneFill = whole;
        auto paint = [](QImage& image, const std::function<void(QPainter&)>& draw) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            draw(painter);
        };
        paint(whole, [&](QPainter& p) { TextRings::Draw(&p, path, glow); });
        paint(strips, [&](QPainter& p) { TextRings::Draw(&p, path, glow, 700 * 60); });
        QCOMPARE(strips, whole);
        paint(parts, [&](QPainter& p) { TextRings::FillPath(&p, path, QBrush(Qt::red)); });
        paint(oneFill, [&](QPainter& p) { p.fillPath(path, QBrush(Qt::red)); });
        int off = 0;
        for (int y = 0; y < parts.height(); ++y)
            for (int x = 0; x < parts.width(); ++x)
                off += qAbs(qAlpha(parts.pixel(x, y)) - qAlpha(oneFill.pixel(x, y))) > 2;
        QCOMPARE(off, 0); // holes stay open, no pixel is covered twice
    }

    void linesAndEmptyText()
    {
        TextNoOutlineStrategy plain;
        plain.Init(Qt::red);
        const int height = QFontMetrics(TestFont()).height();
        const QRect one = Visible(Draw(plain, L"A", QPoint(0, 0)));
        const QRect three = Visible(Draw(plain, L"A\n\nA", QPoint(0, 0)));
        QCOMPARE(three.bottom() - one.bottom(), 2 * height);
        QVERIFY(Visible(Draw(plain, L"", QPoint(0, 0))).isEmpty());
        QFont font = TestFont();
        float l = 0, t = 0, r = 0, b = 0;
        plain.MeasureString(&font, L"", QPoint(), &l, &t, &r, &b);
        QCOMPARE(r, float(height));
        QCOMPARE(b, float(height));
    }

    void gradientTables()
    {
        std::vector<QColor> table;
        TextGradOutlineLastStrategy::CalculateCurvedGradient(QColor(255, 0, 0), QColor(0, 0, 255), 4, table);
        const std::vector<QColor> curved{QColor(255, 0, 0), QColor(157, 0, 97), QColor(74, 0, 180), QColor(19, 0, 235)};
        QCOMPARE(table, curved);
        TextGradOutlineLastStrategy::CalculateGradient(Qt::red, Qt::blue, 0, table);
        QCOMPARE(table, curved); // t = 0 leaves the table as it was
        TextGradOutlineLastStrategy::CalculateGradient(QColor(255, 0, 0, 200), Qt::blue, 16, table);
        QCOMPARE(int(table.size()), 16);
        QVERIFY(table.front().red() > 200 && table.back().blue() > 200);
        for (const QColor& c : table)
            QCOMPARE(c.alpha(), 255);
        TextGradOutlineLastStrategy::CalculateCurvedGradient(Qt::red, Qt::blue, 0, table);
        QVERIFY(table.empty());
        // A table whose image cannot be made stays empty rather than short of its length.
        TextGradOutlineLastStrategy::CalculateGradient(Qt::red, Qt::blue, INT_MAX, table);
        QVERIFY(table.empty());
    }

    // Entry 0 lies next to the glyphs, the last entry at the outer edge.
    void gradientOutlineColours()
    {
        TextGradOutlineStrategy g;
        g.Init(kClear, QColor(255, 0, 0, 100), QColor(0, 0, 255), 24, GradientLinear);
        const QImage image = Draw(g, L"I", QPoint(40, 20));
        const QRect box = Visible(image);
        const int y = box.center().y();
        const QRgb outer = image.pixel(box.left() + 1, y);
        const QRgb inner = image.pixel(box.left() + 11, y);
        QVERIFY(qBlue(outer) > qRed(outer));
        QVERIFY(qRed(inner) > qBlue(inner));
        QCOMPARE(qAlpha(inner), 255); // a translucent gradient colour is drawn opaque
    }

    // A clone keeps its own brush: the caller's may go away.
    void cloneOwnsBrush()
    {
        auto* brush = new QBrush(Qt::green);
        TextOutlineStrategy original;
        original.Init(brush, kClear, 2);
        std::unique_ptr<ITextStrategy> clone(original.Clone());
        delete brush;
        const QImage image = Draw(*clone, L"H", QPoint(10, 10));
        QVERIFY(!BoxWhere(image, [](QRgb p) { return qGreen(p) > 200 && qAlpha(p) == 255; }).isEmpty());
    }

    void canvasMeasure()
    {
        CanvasHelper canvas;
        QFont font = TestFont();
        float l = 77, t = 78, r = 5, b = 5;
        QVERIFY(canvas.MeasureString(&font, L"x", QPoint(), &l, &t, &r, &b));
        QCOMPARE(r, 0.0f);
        QCOMPARE(b, 0.0f);
        QCOMPARE(l, 77.0f); // not written without a strategy
        QVERIFY(!canvas.DrawString(nullptr, &font, L"x", QPoint(), nullptr));
        canvas.TextNoOutline(Qt::red);
        canvas.EnableShadow(true);
        canvas.Shadow(Qt::black, 30, QPoint(5, 5));
        float r2 = 0, b2 = 0;
        canvas.MeasureString(&font, L"x", QPoint(), &l, &t, &r2, &b2);
        QCOMPARE(l, 15.0f); // from the shadow outline
        QVERIFY(r2 > r);
        canvas.SetNullShadow();
        canvas.MeasureString(&font, L"x", QPoint(), &l, &t, &r2, &b2);
        QCOMPARE(l, 0.0f);
    }

    // The shadow lies at the offset from the text, in the shadow colour with
    // the mask as alpha, replacing what was under it; thickness-0 diffused
    // shadows and alpha-0 colours write nothing.
    void shadowPlacement_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("plain") << 0 << 255 << 0 << int(QImage::Format_ARGB32) << true;
        QTest::newRow("plain premultiplied canvas") << 0 << 255 << 0 << int(QImage::Format_ARGB32_Premultiplied) << true;
        QTest::newRow("plain RGB32 canvas") << 0 << 255 << 0 << int(QImage::Format_RGB32) << true;
        QTest::newRow("alpha 0") << 0 << 0 << 0 << int(QImage::Format_ARGB32) << false;
        QTest::newRow("diffused 0") << 1 << 255 << 0 << int(QImage::Format_ARGB32) << false;
        QTest::newRow("diffused 1") << 1 << 255 << 1 << int(QImage::Format_ARGB32) << true;
    }
    void shadowPlacement()
    {
        QFETCH(int, kind);
        QFETCH(int, alpha);
        QFETCH(int, thickness);
        QFETCH(int, format);
        QFETCH(bool, drawn);
        QImage image = Blank(600, 300, QImage::Format(format));
        image.fill(QColor(0, 255, 0)); // opaque ground: the shadow replaces it
        QFont font = TestFont();
        CanvasHelper canvas;
        canvas.TextNoOutline(Qt::red);
        canvas.EnableShadow(true);
        const QColor colour(0, 0, 255, alpha);
        if (kind == 0)
            canvas.Shadow(colour, thickness, QPoint(30, 12));
        else
            canvas.DiffusedShadow(colour, thickness, QPoint(30, 12));
        canvas.SetQImage(&image);
        canvas.SetShadowBkgd(Qt::white, image.width(), image.height());
        {
            QPainter painter(&image);
            QVERIFY(canvas.DrawString(&painter, &font, L"T", QPoint(20, 20), nullptr));
        }
        const QRect text = BoxWhere(image, [](QRgb p) { return qRed(p) > 128; });
        const QRect shadow = BoxWhere(image, [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 50; });
        QVERIFY(!text.isEmpty());
        QCOMPARE(!shadow.isEmpty(), drawn);
        if (drawn && thickness == 0) {
            // The shadow's far edges lie at the offset from the text's.
            QVERIFY(qAbs(shadow.right() - (text.right() + 30)) <= 1);
            QVERIFY(qAbs(shadow.bottom() - (text.bottom() + 12)) <= 1);
        }
    }

    // Extrusion: min(|dx|, |dy|) copies from the offset back towards the text.
    void extrude_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("4,0 draws nothing") << QPoint(4, 0) << false;
        QTest::newRow("8,8") << QPoint(8, 8) << true;
        QTest::newRow("-6,12") << QPoint(-6, 12) << true;
        QTest::newRow("INT_MIN is cut") << QPoint(INT_MIN, INT_MIN) << true;
    }
    void extrude()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, drawn);
        ExtrudeStrategy s;
        s.Init(QColor(Qt::red), kClear, 0, offset.x(), offset.y());
        TextNoOutlineStrategy plain;
        plain.Init(Qt::red);
        const QPoint at(1200, 1200);
        QImage image = Blank(2600, 2600);
        QFont font = TestFont();
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            s.DrawString(&painter, &font, L"I", at, nullptr);
        }
        const QRect box = Visible(image);
        QCOMPARE(!box.isEmpty(), drawn);
        if (offset.x() == INT_MIN) {
            // Through the canvas as well: the shadow position must not overflow.
            CanvasHelper canvas;
            canvas.TextNoOutline(Qt::red);
            canvas.EnableShadow(true);
            canvas.Extrude(Qt::black, 1, offset);
            QImage small = Blank(100, 100);
            canvas.SetQImage(&small);
            canvas.SetShadowBkgd(Qt::white, 100, 100);
            QPainter painter(&small);
            QVERIFY(canvas.DrawString(&painter, &font, L"I", QPoint(-5, -5), nullptr));
        }
        if (!drawn || offset.x() == INT_MIN)
            return;
        // Copy 0 at the position, the last one step short of position - offset.
        const QRect one = Visible(Draw(plain, L"I", QPoint(20, 20)));
        const int n = qMin(qAbs(offset.x()), qAbs(offset.y()));
        const QPoint last(-(offset.x() * (n - 1)) / n, -(offset.y() * (n - 1)) / n);
        const QRect expected = one.translated(at - QPoint(20, 20)) | one.translated(at - QPoint(20, 20) + last);
        QCOMPARE(box, expected);
    }

    // The drawing point and the record fields the set-up writes back.
    void textPosition_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<int>("pos");
        QTest::newRow("outline 14") << int(TE_OUTLINE) << false << 7;
        QTest::newRow("outline 14, shadow 20") << int(TE_OUTLINE) << true << 10;
        QTest::newRow("double 14+8") << int(TE_DBL_OUTLINE) << false << 11;
        QTest::newRow("no outline") << int(TE_NO_OUTLINE) << true << 0;
        QTest::newRow("double glow") << int(TE_DBL_GLOW) << false << 0;
    }
    void textPosition()
    {
        QFETCH(int, effect);
        QFETCH(bool, shadow);
        QFETCH(int, pos);
        CWordArtInfo r = Record(TextEffect(effect));
        r.OutlineThickness1 = 14;
        r.OutlineThickness2 = 8;
        r.EnableShadow = shadow;
        r.ShadowThickness = 20;
        r.GetTextSize();
        QCOMPARE(r.TextPosX, pos);
        QCOMPARE(r.TextPosY, pos);
        QCOMPARE(r.FontSize, 64);
    }

    // Every effect renders, trimmed to its visible pixels; the measured size
    // bounds the output and grows with the effect's thickness.
    void effectSizes_data()
    {
        QTest::addColumn<int>("effect");
        for (int e = TE_GLOW; e <= TE_DBL_GLOW; ++e)
            QTest::newRow(qPrintable(QString::number(e))) << e;
    }
    void effectSizes()
    {
        QFETCH(int, effect);
        CWordArtInfo thin = Record(TextEffect(effect));
        thin.OutlineThickness1 = 2;
        thin.OutlineThickness2 = 2;
        CWordArtInfo thick = thin;
        thick.OutlineThickness1 = 22;
        QImage a, b;
        QVERIFY(thin.DrawEffectText(&a, true));
        QVERIFY(thick.DrawEffectText(&b, true));
        QVERIFY(!a.isNull());
        QCOMPARE(a.format(), QImage::Format_ARGB32);
        // Trimmed: visible pixels touch the left and top edge.
        const QRect vis = Visible(a);
        QCOMPARE(vis.topLeft(), QPoint(0, 0));
        QVERIFY(vis.right() >= a.width() - 2 && vis.bottom() >= a.height() - 2);
        QVERIFY(a.width() <= thin.GetTextSize().width() && a.height() <= thin.GetTextSize().height());
        const int grow = b.width() - a.width();
        if (effect == TE_NO_OUTLINE)
            QCOMPARE(grow, 0);
        else
            QVERIFY2(grow >= 18 && grow <= 22, qPrintable(QString::number(grow))); // 20 more on each side / 2
    }

    void shadowOffsetsInOutput()
    {
        CWordArtInfo r = Record(TE_NO_OUTLINE, QStringLiteral("I"));
        QImage plain;
        r.DrawEffectText(&plain, true);
        r.EnableShadow = true;
        r.ShadowThickness = 0;
        r.ShadowAlpha = 255;
        r.ShadowColor = Qt::blue;
        r.ShadowOffsetX = -6;
        r.ShadowOffsetY = 4;
        QImage shadowed;
        r.DrawEffectText(&shadowed, true);
        // The text moves right by 6 so the shadow stays inside; the output
        // grows by the offset (and the one-pixel pen of a thickness-0 outline).
        QVERIFY(qAbs(shadowed.width() - (plain.width() + 6)) <= 1);
        QVERIFY(qAbs(shadowed.height() - (plain.height() + 4)) <= 1);
        const QRect red = BoxWhere(shadowed, [](QRgb p) { return qRed(p) > 128; });
        const QRect blue = BoxWhere(shadowed, [](QRgb p) { return qBlue(p) > 128 && qRed(p) < 50; });
        QVERIFY(qAbs(red.left() - blue.left() - 6) <= 1);
        QVERIFY(qAbs(blue.bottom() - red.bottom() - 4) <= 1);
        int w = -1, h = -1;
        QImage canvas = Blank();
        QPainter painter(&canvas);
        r.DrawEffectText(&painter, &w, &h);
        QCOMPARE(QSize(w, h), r.GetTextSize());
        r.DrawEffectText(&painter, nullptr, nullptr);
        r.DrawEffectText(static_cast<QPainter*>(nullptr), &w, &h);
    }

    void backgroundBox()
    {
        CWordArtInfo r = Record(TE_NO_OUTLINE);
        QImage text;
        r.DrawEffectText(&text, true);
        r.EnableBackground = true;
        r.BackgroundThickness = 10;
        r.BackgroundRound = 0;
        r.ColorBackground = QColor(0, 0, 0, 10);
        r.BackgroundAlpha = 300; // clamped, not taken modulo 256
        QImage boxed;
        r.DrawEffectText(&boxed, true);
        QCOMPARE(boxed.size(), text.size() + QSize(20, 20));
        QCOMPARE(boxed.pixel(0, 0), qRgba(0, 0, 0, 255));
        auto red = [](QRgb p) { return qRed(p) > 128; };
        QVERIFY(Near(BoxWhere(boxed, red), BoxWhere(text, red).translated(10, 10)));
        r.BackgroundAlpha = 100;
        r.BackgroundRound = 8;
        r.DrawEffectText(&boxed, true);
        QCOMPARE(qAlpha(boxed.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(boxed.pixel(boxed.width() / 2, 0)), 100);
    }

    void gradientFill()
    {
        CWordArtInfo r = Record(TE_NO_OUTLINE, QStringLiteral("I"));
        r.TextGradient = true;
        r.TextColor1 = QColor(255, 0, 0, 40);
        r.TextColor2 = QColor(0, 0, 255, 40);
        QImage image;
        r.DrawEffectText(&image, true);
        const QRgb top = image.pixel(image.width() / 2, 1);
        const QRgb bottom = image.pixel(image.width() / 2, image.height() - 2);
        QVERIFY(qRed(top) > qBlue(top) && qBlue(bottom) > qRed(bottom));
        QCOMPARE(qAlpha(top), 255);
    }

    // Wild sizes are bounded before anything is allocated.
    void fontAndLengthCaps()
    {
        CWordArtInfo r = Record(TE_GLOW, QStringLiteral("A"));
        r.Font.setPixelSize(1000000);
        r.OutlineThickness1 = INT_MAX;
        r.EnableShadow = true;
        r.ExtrudedText = true;
        r.ShadowOffsetX = INT_MIN;
        r.ShadowOffsetY = INT_MIN;
        const QSize size = r.GetTextSize();
        QCOMPARE(r.FontSize, CWordArtInfo::kMaxFontPixelSize);
        QVERIFY(size.height() < 2 * CWordArtInfo::kMaxFontPixelSize + 2 * CWordArtInfo::kMaxEffectLength);
        QCOMPARE(r.TextPosX, CWordArtInfo::kMaxEffectLength / 2);
    }

    void reflectionChangesNothing()
    {
        CWordArtInfo r = Record(TE_GLOW);
        QImage plain, reflected;
        r.DrawEffectText(&plain, true);
        r.EnableReflection = true;
        r.DrawEffectText(&reflected, true);
        QCOMPARE(reflected, plain);
        CLayerInfo layer;
        layer.WordArt = r;
        layer.DrawWordArt();
        QCOMPARE(layer.Image, plain);
    }
};

QTEST_MAIN(TestTextRender)
#include "tst_textrender.moc"

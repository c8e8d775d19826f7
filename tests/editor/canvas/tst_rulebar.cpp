// Ruler strips and the corner box, painted as widgets.
#include <QtTest>

#include "canvas/QtRuleBar.h"

namespace {
QImage Paint(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
// Columns (horizontal) that hold any pixel not of the window colour in the
// tick band just above the bottom edge line.
QList<int> TickColumns(const QImage& image, QColor window)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, image.height() - 2) != window)
            columns << x;
    return columns;
}
} // namespace

class TestRuleBar : public QObject
{
    Q_OBJECT
private slots:
    void labelTexts_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("1000") << 1000 << "1000";
        QTest::newRow("1500") << 1500 << "1500";
        QTest::newRow("2000") << 2000 << "2k";
        QTest::newRow("-3000") << -3000 << "-3k";
    }
    void labelTexts()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(QtRuleBar::LabelText(value), text);
    }

    void ticksFollowTheRange()
    {
        QtRuleBar bar(Qt::Horizontal, nullptr);
        bar.resize(400, 20);
        QCOMPARE(bar.font().pixelSize(), 10);
        const QColor window = bar.palette().color(QPalette::Window);
        // equal ends: background, edge line and the position line only
        bar.setRange(50, 50, 100);
        bar.updatePosition(QPoint(123, 0));
        QCOMPARE(TickColumns(Paint(&bar), window), QList<int>({123}));
        bar.updatePosition(QPoint(-10, 0));
        bar.setRange(0, 400, 400);
        const QList<int> up = TickColumns(Paint(&bar), window);
        QVERIFY(up.size() > 10);
        QVERIFY(up.contains(0) && up.contains(200));
        // reversed: ticks still drawn, mirrored along the strip
        bar.setRange(400, 0, 400);
        const QList<int> down = TickColumns(Paint(&bar), window);
        QVERIFY(down.size() > 10);
        QVERIFY(down.contains(200));
        // a huge range: the largest scale, few ticks
        bar.setRange(0, 1e9, 1e9);
        const QList<int> huge = TickColumns(Paint(&bar), window);
        QVERIFY(huge.size() < up.size());
    }

    void verticalRulerAndCornerBoxPaint()
    {
        QtRuleBar bar(Qt::Vertical, nullptr);
        bar.resize(20, 300);
        bar.setRange(0, 300, 300);
        const QImage v = Paint(&bar);
        const QColor window = bar.palette().color(QPalette::Window);
        int marks = 0;
        for (int y = 0; y < v.height(); ++y)
            marks += v.pixelColor(v.width() - 2, y) != window;
        QVERIFY(marks > 10);
        QtCornerBox box;
        box.resize(21, 21);
        const QImage corner = Paint(&box);
        // the dashed right edge and middle line in the button-text colour
        int dashes = 0;
        for (int y = 0; y < 21; ++y)
            dashes += corner.pixelColor(20, y) == box.palette().color(QPalette::ButtonText);
        QVERIFY(dashes > 5 && dashes < 21);
        QCOMPARE(corner.pixelColor(3, 3), box.palette().color(QPalette::Window));
    }
};

QTEST_MAIN(TestRuleBar)
#include "tst_rulebar.moc"

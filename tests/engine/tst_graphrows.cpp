// Graph texts of a row's own picture corrections. Linked with the engine
// alone: Core builds graphs without the editor library.
#include <QtTest>

#include "Core.h"
#include "TestCoreState.h"

class TestGraphRows : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    Core* core() { return Core::instance(); }

private slots:
    void init() { ResetCore(m_dir.path() + "/Cache", QSize(1920, 1080)); }

    void rowCorrections_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<bool>("vflip");
        QTest::addColumn<int>("rotate");
        QTest::addColumn<QVector<double>>("crop"); // left top right bottom, empty = off
        QTest::addColumn<QString>("expected");
        const QVector<double> none;
        QTest::newRow("nothing") << 1920 << 1080 << false << false << -1 << none << "";
        QTest::newRow("both flips") << 1920 << 1080 << true << true << -1 << none << "hflip,vflip";
        QTest::newRow("quarter turn") << 1920 << 1080 << false << false << 2 << none << "transpose=2";
        QTest::newRow("turn and crop") << 1920 << 1080 << false << false << 1 << QVector<double>{0.1, 0, 0.1, 0}
                                       << "transpose=1,crop=864:1920:108:0";
        QTest::newRow("even crop kept") << 1920 << 1080 << false << false << -1
                                        << QVector<double>{0.25, 0.25, 0.25, 0.25} << "crop=960:540:480:270";
        // an odd size is raised to even, or lowered where raising would leave the frame
        QTest::newRow("odd width") << 1919 << 1080 << false << false << -1 << QVector<double>{0, 0, 0, 0}
                                   << "crop=1918:1080:0:0";
        QTest::newRow("odd both") << 1921 << 1079 << true << false << -1 << QVector<double>{0, 0, 0, 0}
                                  << "hflip,crop=1920:1078:0:0";
        QTest::newRow("odd after margins") << 1000 << 1000 << false << false << -1
                                           << QVector<double>{0.1005, 0, 0, 0.3333} << "crop=900:666:100:0";
        QTest::newRow("odd at the frame's edge") << 1000 << 1000 << false << false << -1
                                                 << QVector<double>{0.125, 0.25, 0, 0.125} << "crop=874:626:125:250";
        QTest::newRow("margins past the frame") << 640 << 480 << false << false << -1
                                                << QVector<double>{0.8, 0, 0.8, 2.0} << "crop=2:2:512:0";
        QTest::newRow("garbage rotation ignored") << 640 << 480 << false << true << 9 << none << "vflip";
        QTest::newRow("crop of an unknown size left out") << 0 << 0 << true << false << -1
                                                          << QVector<double>{0.1, 0, 0, 0} << "hflip";
    }
    void rowCorrections()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, hflip);
        QFETCH(bool, vflip);
        QFETCH(int, rotate);
        QFETCH(QVector<double>, crop);
        QFETCH(QString, expected);
        ST_OPTS row = MakeRow(width, height);
        row.hflip = hflip;
        row.vflip = vflip;
        row.rotate = rotate;
        if (!crop.isEmpty()) {
            row.crop = true;
            row.cropLeft = crop[0];
            row.cropTop = crop[1];
            row.cropRight = crop[2];
            row.cropBottom = crop[3];
        }
        core()->Rows << row;
        QCOMPARE(core()->GetCommandArg(0), expected);
    }

    void rowIndexIsChecked()
    {
        core()->Rows << MakeRow(320, 240);
        core()->Rows[0].hflip = true;
        QCOMPARE(core()->GetCommandArg(0), QString("hflip"));
        QCOMPARE(core()->GetCommandArg(1), QString());
        QCOMPARE(core()->GetCommandArg(-1), QString());
        core()->Rows.clear();
        QCOMPARE(core()->GetCommandArg(0), QString());
    }

};

QTEST_GUILESS_MAIN(TestGraphRows)
#include "tst_graphrows.moc"

// The layer options dialog driven as a user does: each control changes its
// own field only, the locked aspect couples width and height, and a dialog
// accepted untouched hands back exactly what it was given.
#include <QtTest>

#include "dialogs/LayerDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <cmath>
#include <functional>

namespace {

using Fields = QList<QPair<QString, QVariant>>;

Fields Snapshot(const LayerDialog& d)
{
    return {{"Width", d.Width}, {"Height", d.Height}, {"Keep", d.Keep}, {"X", d.X}, {"Y", d.Y},
            {"Opacity", d.Opacity}, {"Angle", double(d.Angle)}, {"Animation", d.Animation}, {"Fade", d.Fade},
            {"Speed", d.Speed}, {"Loop", d.Loop}, {"StartTime", qlonglong(d.StartTime)},
            {"EndTime", qlonglong(d.EndTime)}};
}

// A typical layer: 640 x 480 at (30, 40), everything off its default.
void FillTypical(LayerDialog* d, bool keep)
{
    d->Width = 640;
    d->Height = 480;
    d->Keep = keep;
    d->X = 30;
    d->Y = 40;
    d->Opacity = 80;
    d->Angle = 10.0f;
    d->Animation = 1;
    d->Fade = 1;
    d->Speed = 60;
    d->Loop = 2;
    d->StartTime = 1000000;
    d->EndTime = 5000000;
}

void Open(LayerDialog* d)
{
    d->InitDialog();
    d->show();
    QApplication::setActiveWindow(d);
    QVERIFY(QTest::qWaitForWindowActive(d));
}

// Types a value into a spin box and leaves it with Tab, as a user does.
void Type(LayerDialog* d, const char* name, const QString& text)
{
    auto* box = d->findChild<QAbstractSpinBox*>(name);
    QVERIFY(box);
    box->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(box->hasFocus(), 5000);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

// On the box itself: the check box's row is wider than its text.
void Click(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void Accept(LayerDialog* d)
{
    QPushButton* ok = d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
}

using Action = std::function<void(LayerDialog*)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestLayerDialog : public QObject
{
    Q_OBJECT

private slots:
    void eachControlChangesItsField_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("width") << QByteArray("spinBoxWidth") << "700" << "Width" << QVariant(700);
        QTest::newRow("height") << QByteArray("spinBoxHeight") << "300" << "Height" << QVariant(300);
        QTest::newRow("keep") << QByteArray("checkBoxKeepAspect") << "" << "Keep" << QVariant(true);
        QTest::newRow("x") << QByteArray("spinBoxX") << "75" << "X" << QVariant(75);
        // a layer partly outside the frame
        QTest::newRow("negative x") << QByteArray("spinBoxX") << "-120" << "X" << QVariant(-120);
        QTest::newRow("negative y") << QByteArray("spinBoxY") << "-35" << "Y" << QVariant(-35);
        QTest::newRow("opacity") << QByteArray("spinBoxOpacity") << "45" << "Opacity" << QVariant(45);
        QTest::newRow("angle") << QByteArray("doubleSpinBoxAngle") << "272.5" << "Angle" << QVariant(272.5);
        QTest::newRow("animation") << QByteArray("comboBoxAnimation") << "3" << "Animation" << QVariant(4);
        QTest::newRow("fade") << QByteArray("comboBoxFade") << "2" << "Fade" << QVariant(3);
        QTest::newRow("speed") << QByteArray("spinBoxSpeed") << "999" << "Speed" << QVariant(999);
        QTest::newRow("loop") << QByteArray("spinBoxLoop") << "7" << "Loop" << QVariant(7);
        QTest::newRow("start") << QByteArray("timeEditStart") << "00:01:02:345" << "StartTime"
                               << QVariant(qlonglong(62345000));
        QTest::newRow("end") << QByteArray("timeEditEnd") << "01:00:00:005" << "EndTime"
                             << QVariant(qlonglong(3600005000LL));
    }
    void eachControlChangesItsField()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, input);
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        LayerDialog d;
        FillTypical(&d, false);
        Open(&d);
        Fields expected = Snapshot(d);
        for (auto& f : expected)
            if (f.first == field)
                f.second = value;
        QWidget* w = d.findChild<QWidget*>(control);
        if (auto* time = qobject_cast<QTimeEdit*>(w)) {
            time->setTime(QTime::fromString(input, "HH:mm:ss:zzz"));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < input.toInt(); ++i)
                QTest::keyClick(combo, Qt::Key_Down);
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            Click(check);
        } else {
            Type(&d, control.constData(), input);
        }
        Accept(&d);
        const Fields got = Snapshot(d);
        for (int i = 0; i < got.size(); ++i)
            QVERIFY2(got[i].second == expected[i].second,
                     qPrintable(got[i].first + ": " + got[i].second.toString() + ", expected "
                                + expected[i].second.toString()));
    }

    // With the aspect locked, the typed side stays as typed and the other
    // side follows, truncated; leaving the box shows it.
    void lockedAspectCouplesSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("newWidth");
        QTest::addColumn<int>("newHeight");
        QTest::newRow("4:3 width") << 640 << 480 << QByteArray("spinBoxWidth") << "800" << 800 << 600;
        QTest::newRow("16:9 width truncates") << 1920 << 1080 << QByteArray("spinBoxWidth") << "1000" << 1000 << 562;
        QTest::newRow("16:9 height") << 1920 << 1080 << QByteArray("spinBoxHeight") << "500" << 888 << 500;
        // past the spin box's range: the follower stops at its limit
        QTest::newRow("tall, clamped") << 10 << 1000 << QByteArray("spinBoxWidth") << "200" << 200 << 9999;
        // an empty picture has no ratio: the sides stay uncoupled
        QTest::newRow("zero height") << 300 << 0 << QByteArray("spinBoxWidth") << "400" << 400 << 0;
        QTest::newRow("zero width") << 0 << 200 << QByteArray("spinBoxHeight") << "50" << 0 << 50;
    }
    void lockedAspectCouplesSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(int, newWidth);
        QFETCH(int, newHeight);
        LayerDialog d;
        FillTypical(&d, true);
        d.Width = width;
        d.Height = height;
        Open(&d);
        Type(&d, box.constData(), typed);
        QCOMPARE(d.Width, newWidth);
        QCOMPARE(d.Height, newHeight);
        QCOMPARE(d.findChild<QSpinBox*>("spinBoxWidth")->value(), newWidth);
        QCOMPARE(d.findChild<QSpinBox*>("spinBoxHeight")->value(), newHeight);
    }

    // Values the controls cannot show exactly (beyond their ranges, between
    // their steps, an odd size under a locked aspect) come back unchanged.
    void untouchedDialogChangesNothing_data()
    {
        QTest::addColumn<Action>("fill");
        QTest::newRow("typical") << Action([](LayerDialog*) {});
        QTest::newRow("1 x 55 locked") << Action([](LayerDialog* d) {
            d->Width = 1;
            d->Height = 55;
        });
        QTest::newRow("beyond ranges") << Action([](LayerDialog* d) {
            d->Width = 12000;
            d->Height = 10500;
            d->X = 20000;
            d->Opacity = 150;
            d->Angle = 400.0f;
            d->Animation = 9;
            d->EndTime = 90000000000LL; // past a day: no clock time shows it
        });
        QTest::newRow("between steps") << Action([](LayerDialog* d) {
            d->Width = 1919;
            d->Height = 1081;
            d->X = -15;
            d->Y = -7;
            d->Angle = 12.3456f;
            d->StartTime = 1234567;
        });
        QTest::newRow("empty picture") << Action([](LayerDialog* d) {
            d->Width = 0;
            d->Height = 0;
            d->Angle = 359.999f;
        });
    }
    void untouchedDialogChangesNothing()
    {
        QFETCH(Action, fill);
        LayerDialog d;
        FillTypical(&d, true);
        fill(&d);
        const Fields before = Snapshot(d);
        Open(&d);
        Accept(&d);
        const Fields after = Snapshot(d);
        for (int i = 0; i < before.size(); ++i)
            QVERIFY2(after[i].second == before[i].second,
                     qPrintable(after[i].first + ": " + after[i].second.toString() + ", was "
                                + before[i].second.toString()));
    }
};

QTEST_MAIN(TestLayerDialog)
#include "tst_layerdialog.moc"

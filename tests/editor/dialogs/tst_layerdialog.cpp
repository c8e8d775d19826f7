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
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("width") << Action([](LayerDialog* d) { Type(d, "spinBoxWidth", "700"); }) << "Width"
                               << QVariant(700);
        QTest::newRow("height") << Action([](LayerDialog* d) { Type(d, "spinBoxHeight", "300"); }) << "Height"
                                << QVariant(300);
        QTest::newRow("keep") << Action([](LayerDialog* d) {
            Click(d->findChild<QCheckBox*>("checkBoxKeepAspect"));
        }) << "Keep" << QVariant(true);
        QTest::newRow("x") << Action([](LayerDialog* d) { Type(d, "spinBoxX", "75"); }) << "X" << QVariant(75);
        // a layer partly outside the frame
        QTest::newRow("negative x") << Action([](LayerDialog* d) { Type(d, "spinBoxX", "-120"); }) << "X"
                                    << QVariant(-120);
        QTest::newRow("negative y") << Action([](LayerDialog* d) { Type(d, "spinBoxY", "-35"); }) << "Y"
                                    << QVariant(-35);
        QTest::newRow("opacity") << Action([](LayerDialog* d) { Type(d, "spinBoxOpacity", "45"); }) << "Opacity"
                                 << QVariant(45);
        QTest::newRow("angle") << Action([](LayerDialog* d) { Type(d, "doubleSpinBoxAngle", "272.5"); })
                               << "Angle" << QVariant(272.5);
        QTest::newRow("animation") << Action([](LayerDialog* d) {
            auto* combo = d->findChild<QComboBox*>("comboBoxAnimation");
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Down);
        }) << "Animation" << QVariant(4);
        QTest::newRow("fade") << Action([](LayerDialog* d) {
            auto* combo = d->findChild<QComboBox*>("comboBoxFade");
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Down);
        }) << "Fade" << QVariant(3);
        QTest::newRow("speed") << Action([](LayerDialog* d) { Type(d, "spinBoxSpeed", "999"); }) << "Speed"
                               << QVariant(999);
        QTest::newRow("loop") << Action([](LayerDialog* d) { Type(d, "spinBoxLoop", "7"); }) << "Loop"
                              << QVariant(7);
        QTest::newRow("start") << Action([](LayerDialog* d) {
            d->findChild<QTimeEdit*>("timeEditStart")->setTime(QTime(0, 1, 2, 345));
        }) << "StartTime" << QVariant(qlonglong(62345000));
        QTest::newRow("end") << Action([](LayerDialog* d) {
            d->findChild<QTimeEdit*>("timeEditEnd")->setTime(QTime(1, 0, 0, 5));
        }) << "EndTime" << QVariant(qlonglong(3600005000LL));
    }
    void eachControlChangesItsField()
    {
        QFETCH(Action, action);
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        LayerDialog d;
        FillTypical(&d, false);
        Open(&d);
        Fields expected = Snapshot(d);
        for (auto& f : expected)
            if (f.first == field)
                f.second = value;
        action(&d);
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
        // unlocking and locking again returns to the ratio the dialog opened with
        if (width > 0 && height > 0) {
            auto* keep = d.findChild<QCheckBox*>("checkBoxKeepAspect");
            Click(keep);
            Type(&d, "spinBoxHeight", QString::number(height));
            QCOMPARE(d.Width, newWidth);
            Click(keep);
            Type(&d, "spinBoxHeight", QString::number(height));
            QCOMPARE(d.Width, int(std::trunc(float(height) * (float(width) / float(height)))));
        }
    }

    // Values the controls cannot show exactly (beyond their ranges, between
    // their steps, an odd size under a locked aspect) come back unchanged.
    void untouchedDialogChangesNothing_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<float>("angle");
        QTest::addColumn<int>("animation");
        QTest::addColumn<qlonglong>("start");
        QTest::addColumn<qlonglong>("end");
        QTest::newRow("typical") << 640 << 480 << 30 << 80 << 10.0f << 1 << 1000000LL << 5000000LL;
        QTest::newRow("1 x 55 locked") << 1 << 55 << 0 << 100 << 0.0f << 0 << 0LL << 0LL;
        QTest::newRow("beyond ranges") << 12000 << 10500 << 20000 << 150 << 400.0f << 9 << 0LL << 90000000000LL;
        QTest::newRow("between steps") << 1919 << 1081 << -15 << 55 << 12.3456f << 2 << 1234567LL << 7654321LL;
        QTest::newRow("empty picture") << 0 << 0 << -5 << 0 << 359.999f << 4 << 1LL << 999LL;
    }
    void untouchedDialogChangesNothing()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, x);
        QFETCH(int, opacity);
        QFETCH(float, angle);
        QFETCH(int, animation);
        QFETCH(qlonglong, start);
        QFETCH(qlonglong, end);
        LayerDialog d;
        FillTypical(&d, true);
        d.Width = width;
        d.Height = height;
        d.X = x;
        d.Y = -x;
        d.Opacity = opacity;
        d.Angle = angle;
        d.Animation = animation;
        d.Fade = animation;
        d.StartTime = start;
        d.EndTime = end;
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

// The colour picker button: its panel's choices, the shown bar and SetColor.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "text/QColorCombox.h"

class TestColorCombox : public QObject
{
    Q_OBJECT
private slots:
    void choiceEmitsColour_data();
    void choiceEmitsColour();
    void setColorEmitsNothingAndBarShowsIt();
    void clickOnMainPartOpensPanel();
    void otherOpensColourDialog_data();
    void otherOpensColourDialog();
};

void TestColorCombox::choiceEmitsColour_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("automatic is transparent") << "buttonAutomatic" << QColor(0, 0, 0, 0);
    QTest::newRow("row 0 column 7") << "swatch_0_7" << QColor(170, 250, 0);
    QTest::newRow("row 3 column 1") << "swatch_3_1" << QColor(255, 0, 0);
    QTest::newRow("row 5 column 7") << "swatch_5_7" << QColor(255, 255, 255);
}

void TestColorCombox::choiceEmitsColour()
{
    QFETCH(QString, button);
    QFETCH(QColor, expected);
    QColorCombox box;
    box.resize(120, 30);
    box.SetColor(Qt::blue);
    QSignalSpy spy(&box, SIGNAL(sigColorChanged(QColor)));
    auto* choice = box.menu()->findChild<QToolButton*>(button);
    QVERIFY(choice);
    QTest::mouseClick(choice, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QColor>(), expected);
    QCOMPARE(box.Color(), expected);
    // The bar shows the choice; a transparent one draws nothing over the button.
    const QImage shown = box.grab().toImage();
    const QColor mid = shown.pixelColor(12, shown.height() / 2);
    if (expected.alpha() == 0)
        QVERIFY(mid != QColor(Qt::blue));
    else
        QCOMPARE(mid.rgb(), expected.rgb());
}

void TestColorCombox::setColorEmitsNothingAndBarShowsIt()
{
    QColorCombox box;
    box.resize(120, 30);
    QSignalSpy spy(&box, SIGNAL(sigColorChanged(QColor)));
    box.SetColor(QColor(12, 200, 99));
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.pixelColor(12, shown.height() / 2).rgb(), QColor(12, 200, 99).rgb());
    QCOMPARE(spy.count(), 0);
}

void TestColorCombox::clickOnMainPartOpensPanel()
{
    QColorCombox box;
    box.resize(120, 30);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    bool opened = false;
    QTimer::singleShot(0, &box, [&] {
        opened = QApplication::activePopupWidget() == box.menu();
        box.menu()->close();
    });
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));
    QTRY_VERIFY_WITH_TIMEOUT(opened, 5000);
}

void TestColorCombox::otherOpensColourDialog_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestColorCombox::otherOpensColourDialog()
{
    QFETCH(bool, accepted);
    QColorCombox box;
    box.SetColor(Qt::blue);
    QSignalSpy spy(&box, SIGNAL(sigColorChanged(QColor)));
    bool answered = false;
    QTimer::singleShot(0, &box, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answered = true;
        dialog->setCurrentColor(QColor(1, 2, 3));
        if (accepted)
            dialog->accept();
        else
            dialog->reject();
    });
    QTest::mouseClick(box.menu()->findChild<QToolButton*>("buttonOther"), Qt::LeftButton);
    QVERIFY(answered);
    QCOMPARE(spy.count(), accepted ? 1 : 0);
    QCOMPARE(box.Color(), accepted ? QColor(1, 2, 3) : QColor(Qt::blue));
}

QTEST_MAIN(TestColorCombox)
#include "tst_colorcombox.moc"

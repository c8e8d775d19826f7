// The dock panel base, the duration label and the layer dock, the dock fed
// by a real canvas scene through Core as the editor window wires them.
#include <QtTest>

#include "Core.h"
#include "QWatermarkBase.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "docks/LayeredManageDock.h"
#include "docks/LayeredManageWidget.h"
#include "docks/PanelWidget.h"
#include "docks/TimeLabel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

namespace {
QString SolidPng(const QString& dir, const QString& name, QColor color)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir + QLatin1Char('/') + name;
    return image.save(path) ? path : QString();
}
QTime T(int h, int m, int s, int ms) { return QTime(h, m, s, ms); }
} // namespace

class TestDocks : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_png;
    QScopedPointer<QWatermarkScene> m_scene;
    QScopedPointer<LayeredManageDock> m_dock;
    QList<QWatermarkBase*> m_items;

    QTableWidget* Table() { return m_dock->Panel()->m_table; }
    QTimeEdit* Edit(int row, int column) { return qobject_cast<QTimeEdit*>(Table()->cellWidget(row, column)); }
    TimeLabel* Duration(int row) { return qobject_cast<TimeLabel*>(Table()->cellWidget(row, 3)); }
    void SelectRows(const QList<int>& rows)
    {
        Table()->clearSelection();
        for (int row : rows)
            Table()->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, 3), true);
    }
    // Three layers with distinct values, in add order.
    void AddThree()
    {
        for (int i = 0; i < 3; ++i) {
            QWatermarkBase* item = m_scene->AddLayerImage(m_png);
            QVERIFY(item);
            m_items << item;
        }
        for (int i = 0; i < 3; ++i) {
            CLayerInfo* layer = m_items[i]->GetLayer();
            layer->Transparent = 40 + i * 10;
            layer->Fade = i;
            layer->StartTime = (i + 1) * 1000000LL;
            layer->EndTime = (i + 5) * 1000000LL;
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_png = SolidPng(m_dir.path(), "layer.png", Qt::red);
        QVERIFY(!m_png.isEmpty());
    }

    void init()
    {
        Core* core = Core::instance();
        core->Layers.clear();
        m_scene.reset(new QWatermarkScene);
        m_dock.reset(new LayeredManageDock);
        m_items.clear();
        connect(m_scene.data(), &QWatermarkScene::itemAddedHM, core, &Core::onAddLayer);
        connect(m_scene.data(), &QWatermarkScene::itemDeleteHM, core, &Core::onRemoveLayer);
        connect(m_scene.data(), &QWatermarkScene::itemPressHM, m_dock.data(),
                qOverload<QWatermarkBase*>(&LayeredManageDock::onCellClicked));
        connect(core, &Core::sigAddLayer, m_dock.data(), &LayeredManageDock::onAddLayer);
        connect(core, &Core::sigRemoveLayer, m_dock.data(), &LayeredManageDock::onRemoveLayer);
    }

    void cleanup()
    {
        disconnect(Core::instance(), nullptr, m_dock.data(), nullptr);
        m_dock.reset();
        m_scene.reset();
        Core::instance()->Layers.clear();
    }

    void panelTitleAndLock()
    {
        PanelWidget panel;
        panel.SetTitle("Subtitle");
        panel.SetSubtitle("demo.ass");
        QCOMPARE(panel.windowTitle(), QString("Subtitle: demo.ass"));
        panel.SetSubtitle(QString());
        QCOMPARE(panel.windowTitle(), QString("Subtitle"));

        const auto others = QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable;
        panel.setFeatures(others | QDockWidget::DockWidgetMovable);
        panel.SetMovementLocked(true);
        QVERIFY(!(panel.features() & QDockWidget::DockWidgetMovable));
        QVERIFY(panel.titleBarWidget());
        panel.SetMovementLocked(false);
        QVERIFY(panel.features() & QDockWidget::DockWidgetMovable);
        QVERIFY(!panel.titleBarWidget());
        QCOMPARE(panel.features() & others, others);
    }

    void durationLabel_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QString>("text");
        QTest::newRow("later") << T(0, 0, 10, 0) << T(0, 1, 5, 250) << "00:00:55:250";
        QTest::newRow("equal") << T(0, 0, 10, 0) << T(0, 0, 10, 0) << "00:00:00:000";
        QTest::newRow("before") << T(0, 1, 0, 0) << T(0, 0, 10, 0) << "00:00:00:000";
        QTest::newRow("hours") << T(1, 0, 0, 1) << T(3, 2, 1, 0) << "02:02:00:999";
    }
    void durationLabel()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QString, text);
        TimeLabel label;
        label.onStartTime(start);
        label.onEndTime(end);
        QCOMPARE(label.text(), text);
    }

    void rowsFollowTheLayersInOrderWithTheirTimes()
    {
        AddThree();
        QCOMPARE(Table()->rowCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m_dock->RowOf(m_items[i]), i);
            m_dock->onCellClicked(i, 1);
            QCOMPARE(Edit(i, 1)->time(), T(0, 0, i + 1, 0));
            QCOMPARE(Edit(i, 2)->time(), T(0, 0, i + 5, 0));
            QCOMPARE(Duration(i)->text(), QString("00:00:04:000"));
            QVERIFY(!qobject_cast<QLabel*>(Table()->cellWidget(i, 0))->pixmap(Qt::ReturnByValue).isNull());
        }
    }

    // Filling the panel or a row from one layer writes nothing into others.
    void fillingWritesNothing()
    {
        AddThree();
        SelectRows({0, 1, 2});
        m_dock->onCellClicked(2, 0);
        QCOMPARE(m_items[0]->GetLayer()->Transparent, 40);
        QCOMPARE(m_items[0]->GetLayer()->Fade, 0);
        QCOMPARE(m_items[1]->GetLayer()->Transparent, 50);
        QCOMPARE(m_dock->Panel()->m_spinTransparent.value(), 60);
        QCOMPARE(m_dock->Panel()->m_comboFade.currentIndex(), 2);
        // A new layer while a row is selected leaves that layer's times alone.
        SelectRows({1});
        QWatermarkBase* added = m_scene->AddLayerImage(m_png);
        QVERIFY(added);
        QCOMPARE(m_items[1]->GetLayer()->StartTime, 2000000LL);
        QCOMPARE(m_items[1]->GetLayer()->EndTime, 6000000LL);
        QCOMPARE(m_dock->RowOf(added), 3);
    }

    void panelEditsExactlyTheSelectedLayers()
    {
        AddThree();
        // Chosen by its row number, a layer shows its own values.
        m_dock->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dock.data()));
        QHeaderView* header = Table()->verticalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->width() / 2, header->sectionViewportPosition(1) + header->sectionSize(1) / 2));
        QCOMPARE(m_dock->SelectedLayers(), QList<QWatermarkBase*>{m_items[1]});
        QCOMPARE(m_dock->Panel()->m_spinTransparent.value(), 50);
        QCOMPARE(m_dock->Panel()->m_comboFade.currentIndex(), 1);
        SelectRows({0, 2});
        QCOMPARE(m_dock->Panel()->m_spinTransparent.value(), 40);
        m_dock->Panel()->m_spinTransparent.setValue(77);
        m_dock->Panel()->m_comboFade.setCurrentIndex(3);
        m_dock->Panel()->m_comboAnimation.setCurrentIndex(2);
        m_dock->Panel()->m_spinSpeed.setValue(120);
        for (int i : {0, 2}) {
            QCOMPARE(m_items[i]->GetLayer()->Transparent, 77);
            QCOMPARE(m_items[i]->GetLayer()->Fade, 3);
            QCOMPARE(m_items[i]->GetLayer()->Animation, 2);
            QCOMPARE(m_items[i]->GetLayer()->Speed, 120);
            // The canvas shows what the conversion will draw.
            QCOMPARE(m_items[i]->opacity(), 0.77);
        }
        QCOMPARE(m_items[1]->GetLayer()->Transparent, 50);
        QCOMPARE(m_items[1]->opacity(), 1.0);
        QCOMPARE(m_items[1]->GetLayer()->Fade, 1);
        QCOMPARE(m_items[1]->GetLayer()->Animation, 0);
        QVERIFY(m_dock->Panel()->m_spinSpeed.isEnabled());
        m_dock->Panel()->m_comboAnimation.setCurrentIndex(0);
        QVERIFY(!m_dock->Panel()->m_spinSpeed.isEnabled());
        QVERIFY(!m_dock->Panel()->m_labelSpeed.isEnabled());
    }

    // A time typed in a row is that row's layer's, whatever is selected.
    void rowTimesActOnTheirOwnLayer()
    {
        AddThree();
        SelectRows({0});
        Edit(1, 1)->setTime(T(0, 0, 3, 500));
        Edit(1, 2)->setTime(T(0, 0, 9, 0));
        QCOMPARE(m_items[1]->GetLayer()->StartTime, 3500000LL);
        QCOMPARE(m_items[1]->GetLayer()->EndTime, 9000000LL);
        QCOMPARE(m_items[0]->GetLayer()->StartTime, 1000000LL);
        QCOMPARE(m_items[0]->GetLayer()->EndTime, 5000000LL);
        QCOMPARE(Duration(1)->text(), QString("00:00:05:500"));
    }

    void removingRenumbersAndUnknownItemsAreIgnored()
    {
        AddThree();
        m_scene->DeleteLayers({m_items[0]});
        QCOMPARE(Table()->rowCount(), 2);
        QCOMPARE(m_dock->RowOf(m_items[1]), 0);
        QCOMPARE(m_dock->RowOf(m_items[2]), 1);
        m_dock->onCellClicked(0, 0);
        QVERIFY(m_items[1]->isSelected());
        QVERIFY(!m_items[2]->isSelected());

        // An item without a row removes and selects nothing.
        SelectRows({1});
        QCanvasItem stranger(nullptr); // the source frame has no row
        m_dock->onRemoveLayer(&stranger);
        m_dock->onCellClicked(&stranger);
        QCOMPARE(Table()->rowCount(), 2);
        QCOMPARE(m_dock->RowOf(m_items[1]), 0);
        QCOMPARE(Table()->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(Table()->selectionModel()->selectedRows().first().row(), 1);

        m_dock->onCellClicked(static_cast<QWatermarkBase*>(nullptr));
        QVERIFY(Table()->selectedRanges().isEmpty());
        QCOMPARE(m_dock->Panel()->m_spinTransparent.value(), 100);
        QCOMPARE(m_dock->Panel()->m_spinSpeed.value(), 0);
        QCOMPARE(m_dock->Panel()->m_comboAnimation.currentIndex(), 0);
        QCOMPARE(m_dock->Panel()->m_comboFade.currentIndex(), 0);
    }

    void upAndDownSwapStackingOnly()
    {
        AddThree();
        const qreal z1 = m_items[1]->zValue();
        const qreal z2 = m_items[2]->zValue();
        Table()->setCurrentCell(2, 0);
        m_dock->onBtnUpClicked();
        QCOMPARE(m_items[1]->zValue(), z2);
        QCOMPARE(m_items[2]->zValue(), z1);
        QCOMPARE(m_dock->RowOf(m_items[2]), 1);
        QCOMPARE(m_dock->RowOf(m_items[1]), 2);
        QCOMPARE(m_items[1]->GetLayer()->StartTime, 2000000LL);
        QCOMPARE(m_items[2]->GetLayer()->EndTime, 7000000LL);
        QCOMPARE(Edit(1, 1)->time(), T(0, 0, 3, 0));

        Table()->setCurrentCell(0, 0);
        m_dock->onBtnUpClicked();
        Table()->setCurrentCell(2, 0);
        m_dock->onBtnDownClicked();
        QCOMPARE(m_dock->RowOf(m_items[0]), 0);
        QCOMPARE(m_dock->RowOf(m_items[1]), 2);
    }
};

QTEST_MAIN(TestDocks)
#include "tst_docks.moc"

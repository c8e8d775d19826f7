// The canvas's dialogs driven as a user does: the layer options dialog edits
// the selected layer, a double-click opens the styled-text dialog on a single
// text layer, and the editor's Add Text puts a converted text where the canvas
// shows it.
#include <QtTest>

#include "AssLibrary.h"
#include "CanvasTestTools.h"
#include "EditorMainWindow.h"
#include "TestMedia.h"
#include "canvas/QWordArtItem.h"
#include "dialogs/LayerDialog.h"
#include "text/QColorCombox.h"
#include "text/VTextPropSheetDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <functional>
#include <vector>

using namespace CanvasTest;

namespace {

// Answers every modal dialog of type T that comes up, and counts them.
template <typename T>
class Answerer : public QObject
{
public:
    int count = 0;
    explicit Answerer(std::function<void(T*)> answer)
        : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this]() {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                ++count;
                m_answer(dialog);
            }
        });
        m_timer.start();
    }

private:
    std::function<void(T*)> m_answer;
    QTimer m_timer;
};

void Type(QAbstractSpinBox* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

void PickSwatch(QWidget* root, const char* box, const char* swatch)
{
    auto* combox = root->findChild<QColorCombox*>(box);
    QVERIFY(combox);
    QTest::mouseClick(combox->menu()->findChild<QToolButton*>(swatch), Qt::LeftButton);
}

int Count(const QImage& image, const std::function<bool(QColor)>& match, const QRect& area = QRect())
{
    const QRect r = area.isNull() ? image.rect() : area & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += match(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool IsRed(QColor c) { return c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool IsBlue(QColor c) { return c.alpha() > 200 && c.blue() > 150 && c.red() < 90 && c.green() < 90; }

CWordArtInfo RedText()
{
    CWordArtInfo info;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    info.Font = font;
    info.Text = QStringLiteral("Mark");
    info.TextEffect = TE_NO_OUTLINE;
    info.TextColor1 = Qt::red;
    return info;
}

// What the options dialog can change, on the record and on the item.
QVariantMap Snapshot(QWatermarkBase* item)
{
    const CLayerInfo* r = item->GetLayer();
    return {{"Width", r->Width}, {"Height", r->Height}, {"Keep", r->Keep}, {"x", r->x}, {"y", r->y},
            {"Transparent", r->Transparent}, {"Angle", double(r->Angle)}, {"Animation", r->Animation},
            {"Fade", r->Fade}, {"Speed", r->Speed}, {"Loop", r->Loop}, {"StartTime", qlonglong(r->StartTime)},
            {"EndTime", qlonglong(r->EndTime)}, {"pos", item->pos()}, {"rotation", item->rotation()},
            {"opacity", item->opacity()}, {"rect", item->ImageRect()},
            {"corner", item->mapToScene(QPointF(0, 0))}, {"centre", item->mapToScene(item->ImageRect().center())}};
}

struct OptionRow {
    const char* name;
    std::function<void(LayerDialog*)> act;
    bool ok;
    // Expected new values; an invalid value: changes, whatever it becomes.
    QVariantMap changed;
};

template <typename T>
T* Child(QWidget* root, const char* name)
{
    T* child = root->findChild<T*>(name);
    if (!child)
        qWarning("no control %s", name);
    return child;
}

const std::vector<OptionRow>& OptionRows()
{
    static const std::vector<OptionRow> rows = {
        {"untouched ok", [](LayerDialog*) {}, true, {}},
        {"cancel", [](LayerDialog* d) { Type(Child<QSpinBox>(d, "spinBoxX"), "200"); }, false, {}},
        {"width with kept aspect", [](LayerDialog* d) { Type(Child<QSpinBox>(d, "spinBoxWidth"), "90"); }, true,
         {{"Width", 90}, {"Height", 60}, {"rect", QRectF(0, 0, 90, 60)}, {"pos", {}}, {"centre", {}}}},
        {"height unlocked",
         [](LayerDialog* d) {
             QTest::mouseClick(Child<QWidget>(d, "checkBoxKeepAspect"), Qt::LeftButton, {}, QPoint(5, 5));
             Type(Child<QSpinBox>(d, "spinBoxHeight"), "10");
         },
         true, {{"Keep", false}, {"Height", 10}, {"rect", QRectF(0, 0, 60, 10)}, {"pos", {}}, {"centre", {}}}},
        {"position, negative",
         [](LayerDialog* d) {
             Type(Child<QSpinBox>(d, "spinBoxX"), "-25");
             Type(Child<QSpinBox>(d, "spinBoxY"), "130");
         },
         true, {{"x", -25}, {"y", 130}, {"pos", QPointF(-25, 130)}, {"corner", {}}, {"centre", {}}}},
        {"opacity", [](LayerDialog* d) { Type(Child<QSpinBox>(d, "spinBoxOpacity"), "40"); }, true,
         {{"Transparent", 40}, {"opacity", 0.4}}},
        {"angle, about the centre", [](LayerDialog* d) { Type(Child<QDoubleSpinBox>(d, "doubleSpinBoxAngle"), "45"); },
         true, {{"Angle", 45.0}, {"rotation", 45.0}, {"corner", {}}}},
        {"times and motion",
         [](LayerDialog* d) {
             Child<QTimeEdit>(d, "timeEditStart")->setTime(QTime(0, 0, 1, 500));
             Child<QTimeEdit>(d, "timeEditEnd")->setTime(QTime(0, 0, 3, 250));
             Child<QComboBox>(d, "comboBoxAnimation")->setCurrentIndex(3);
             Child<QComboBox>(d, "comboBoxFade")->setCurrentIndex(2);
             Type(Child<QSpinBox>(d, "spinBoxSpeed"), "80");
             Type(Child<QSpinBox>(d, "spinBoxLoop"), "4");
         },
         true,
         {{"StartTime", qlonglong(1500000)}, {"EndTime", qlonglong(3250000)}, {"Animation", 3}, {"Fade", 2},
          {"Speed", 80}, {"Loop", 4}}},
    };
    return rows;
}

QString Text(const QVariant& v)
{
    QString text;
    QDebug(&text) << v;
    return text;
}

bool Near(const QVariant& a, const QVariant& b)
{
    if (a.type() == QVariant::PointF)
        return QLineF(a.toPointF(), b.toPointF()).length() < 1e-6;
    if (a.type() == QVariant::Double)
        return qAbs(a.toDouble() - b.toDouble()) < 1e-6;
    return a == b;
}

} // namespace

class TestCanvasDialogs : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_png; // blue 60 x 40

    Core* core() { return Core::instance(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qRegisterMetaType<QWatermarkBase*>();
        if (!g_ass_library)
            g_ass_library = ass_library_init();
        m_png = TestMedia::MakeImage(m_dir.path(), "blue.png", 60, 40, "blue");
        QVERIFY(!m_png.isEmpty());
        const QString work = m_dir.path();
        core()->SetWorkFolderQuery([work]() { return work; });
    }
    void cleanup()
    {
        core()->Layers.clear();
        core()->Rows.clear();
    }

    void optionsEditTheSelectedLayer_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < OptionRows().size(); ++i)
            QTest::newRow(OptionRows()[i].name) << int(i);
    }
    void optionsEditTheSelectedLayer()
    {
        QFETCH(int, row);
        const OptionRow& r = OptionRows()[size_t(row)];
        Canvas c;
        c.scene.setSceneRect(0, 0, 320, 240);
        QWatermarkBase* item = c.scene.AddLayerImage(m_png);
        QVERIFY(item);
        // Values the dialog cannot show exactly: an untouched OK keeps them.
        CLayerInfo* layer = item->GetLayer();
        layer->Transparent = 70;
        layer->StartTime = 1234567;
        layer->EndTime = 2345678;
        layer->x = 12;
        layer->y = 8;
        layer->Angle = -30.0f;
        item->setOpacity(0.7);
        item->setTransformOriginPoint(item->ImageRect().center());
        item->setRotation(-30.0);
        item->setPos(12.75, 8.5);
        const QVariantMap before = Snapshot(item);

        float shownAngle = -1;
        Answerer<LayerDialog> answer([&](LayerDialog* d) {
            shownAngle = float(Child<QDoubleSpinBox>(d, "doubleSpinBoxAngle")->value());
            r.act(d);
            auto* buttons = Child<QDialogButtonBox>(d, "buttonBox");
            QTest::mouseClick(buttons->button(r.ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        c.scene.OnItemOptions();
        QCOMPARE(answer.count, 1);
        QCOMPARE(shownAngle, 330.0f);

        const QVariantMap after = Snapshot(item);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const bool changes = r.changed.contains(it.key());
            const QVariant expected = changes ? r.changed.value(it.key()) : it.value();
            if (changes && !expected.isValid())
                continue;
            QVERIFY2(Near(after.value(it.key()), expected),
                     qPrintable(it.key() + ": " + Text(after.value(it.key())) + " vs " + Text(expected)));
        }
    }

    // A double-click on the one selected text layer edits its styled text.
    void doubleClickEditsTheText_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void doubleClickEditsTheText()
    {
        QFETCH(bool, ok);
        Canvas c;
        c.scene.setSceneRect(0, 0, 640, 480);
        QWatermarkBase* item = c.scene.AddLayerText(RedText());
        QVERIFY(item);
        item->setPos(40, 50);
        const QImage before = item->GetLayer()->Image;
        QVERIFY(Count(before, IsRed) > 50);

        QString shownText;
        Answerer<VTextPropSheetDialog> answer([&](VTextPropSheetDialog* d) {
            shownText = Child<QTextEdit>(d, "textEdit")->toPlainText();
            PickSwatch(d, "colorText1", "swatch_2_0"); // blue
            QTest::mouseClick(Child<QPushButton>(d, ok ? "pButtonOK" : "pButtonCancel"), Qt::LeftButton);
        });
        const QPointF centre = item->mapToScene(item->ImageRect().center());
        Click(&c.view, centre);
        Mouse(&c.view, QEvent::MouseButtonDblClick, centre);
        Mouse(&c.view, QEvent::MouseButtonRelease, centre);
        QTRY_COMPARE_WITH_TIMEOUT(answer.count, 1, 5000);
        QCOMPARE(shownText, QStringLiteral("Mark"));
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);

        const QImage& now = item->GetLayer()->Image;
        if (ok) {
            QCOMPARE(item->GetLayer()->WordArt.TextColor1, QColor(0, 0, 255));
            QCOMPARE(Count(now, IsRed), 0);
            QVERIFY(Count(now, IsBlue) > 50);
        } else {
            QCOMPARE(item->GetLayer()->WordArt.TextColor1, QColor(Qt::red));
            QCOMPARE(now, before);
        }
        // the layer is the rendered picture, where it was
        QCOMPARE(QSize(item->GetLayer()->Width, item->GetLayer()->Height), now.size());
        QCOMPARE(item->ImageRect().size(), QSizeF(now.size()));
        QCOMPARE(item->pos(), QPointF(40, 50));
    }

    void doubleClickWithTwoSelectedDoesNothing()
    {
        Canvas c;
        QWatermarkBase* a = c.scene.AddLayerText(RedText());
        QWatermarkBase* b = c.scene.AddLayerText(RedText());
        QVERIFY(a && b);
        a->setSelected(true);
        b->setSelected(true);
        Answerer<QDialog> answer([](QDialog* d) { d->reject(); });
        emit a->sigDClicked();
        QCoreApplication::sendPostedEvents(); // the queued call runs here
        QCOMPARE(answer.count, 0);
        QCOMPARE(a->GetLayer()->WordArt.TextColor1, QColor(Qt::red));
    }

    // The editor's Add Text: the dialog's text becomes a layer, and the
    // converter draws it in the layer's box where the canvas shows it.
    void addTextIsConvertedWhereShown()
    {
        const QString clip = GrayRow(m_dir.path(), "frame.mp4");
        QVERIFY(!clip.isEmpty());
        EditorMainWindow window;
        window.InitCanvas(clip);

        Answerer<VTextPropSheetDialog> answer([](VTextPropSheetDialog* d) {
            auto* edit = Child<QTextEdit>(d, "textEdit");
            edit->selectAll();
            QTest::keyClicks(edit, "HI");
            PickSwatch(d, "colorText1", "swatch_3_1"); // red
            QTest::mouseClick(Child<QPushButton>(d, "pButtonOK"), Qt::LeftButton);
        });
        window.findChild<QAction*>("actionAdd_Text")->trigger();
        QCOMPARE(answer.count, 1);
        QCOMPARE(core()->Layers.size(), 1);
        auto* item = qobject_cast<QWordArtItem*>(core()->Layers.first());
        QVERIFY(item);
        QCOMPARE(item->GetLayer()->Type, 3);
        QCOMPARE(item->GetLayer()->WordArt.Text, QStringLiteral("HI"));
        QVERIFY(item->isSelected());
        item->setPos(100, 80);

        const QString out = m_dir.path() + QStringLiteral("/added.png");
        QVERIFY(TestMedia::RunConverter({"-i", clip, "-vf", core()->GetCommandArg(0), "-frames:v", "1", out}));
        const QImage converted(out);
        QCOMPARE(converted.size(), QSize(320, 240));
        const QRect box = item->GetPosRect().toAlignedRect();
        QVERIFY2(box.topLeft() == QPoint(100, 80) && !box.isEmpty(), qPrintable(QString::number(box.width())));
        const int inside = Count(converted, IsRed, box.adjusted(-2, -2, 2, 2));
        QVERIFY2(inside > 20, qPrintable(QString::number(inside)));
        QCOMPARE(Count(converted, IsRed), inside);
    }
};

QTEST_MAIN(TestCanvasDialogs)
#include "tst_canvasdialogs.moc"

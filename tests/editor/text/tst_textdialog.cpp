// The styled-text dialog driven as a user does: every control changes the
// record and the rendered text, reports go out at once or on the next tick,
// filling and cancelling change nothing, and the presets load and survive a
// project file.
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QFontComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <vector>

#include "AppFolder.h"
#include "CWordArtInfo.h"
#include "JxOFile.h"
#include "text/QColorCombox.h"
#include "text/VFuncTextEffectPage.h"
#include "text/VTextPropSheetDialog.h"

Q_DECLARE_METATYPE(CWordArtInfo*)

namespace {

template <typename T>
T* Find(QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

QImage Render(CWordArtInfo record)
{
    QImage image;
    record.DrawEffectText(&image, true);
    return image;
}

// Every field the dialog can touch, as text, so two records compare in one go.
QString Snapshot(const CWordArtInfo& r)
{
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("WordArt"));
    JxOFile::WordArtToXML(&document, &element, &r);
    document.appendChild(element);
    QStringList extra;
    for (const QColor& c : {r.BkgdColor, r.TextColor1, r.TextColor2, r.OutlineColor1, r.OutlineColor2,
                            r.ShadowColor, r.ColorBackground})
        extra << c.name(QColor::HexArgb);
    for (double v : {double(r.FontSize), double(r.Font.weight()), double(r.RenderEnabled), double(r.Modified),
                     double(r.PngRendering), double(r.DiffusedShadow), double(r.ExtrudedText), double(r.BegAlpha),
                     double(r.EndAlpha), double(r.Shown), double(r.EnableReflection), double(r.DialogEnabled),
                     double(r.DialogStyle), double(r.TextPath)})
        extra << QString::number(v);
    return document.toString() + extra.join(QLatin1Char(','));
}

void PickSwatch(QObject* root, const QString& box, const QString& swatch)
{
    auto* combox = Find<QColorCombox>(root, box);
    QTest::mouseClick(combox->menu()->findChild<QToolButton*>(swatch), Qt::LeftButton);
}

void TypeInto(QObject* root, const QString& spin, const QString& text)
{
    auto* box = Find<QSpinBox>(root, spin);
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct ControlRow {
    const char* name;
    std::function<void(CWordArtInfo&)> prepare;
    std::function<void(VTextPropSheetDialog&)> act;
    std::function<bool(const CWordArtInfo&)> check;
    const char* tickedPanel; // reported on that panel's tick; null: reported at once
};

const std::vector<ControlRow>& ControlRows()
{
    auto none = [](CWordArtInfo&) {};
    auto effect = [](::TextEffect e) { return [e](CWordArtInfo& r) { r.TextEffect = e; r.OutlineAlpha1 = 255; }; };
    auto shadowOn = [](CWordArtInfo& r) { r.EnableShadow = true; r.ShadowAlpha = 255; };
    auto boxOn = [](CWordArtInfo& r) { r.EnableBackground = true; r.BackgroundThickness = 20; };
    static const std::vector<ControlRow> rows = {
        {"font family", none,
         [](VTextPropSheetDialog& d) { Find<QFontComboBox>(&d, "fontBox")->setCurrentFont(QFont("DejaVu Serif")); },
         [](const CWordArtInfo& r) { return r.Font.family() == "DejaVu Serif" && r.Font.pixelSize() == 40; }, nullptr},
        {"font size", none,
         [](VTextPropSheetDialog& d) {
             auto* box = Find<QComboBox>(&d, "sizeBox");
             box->lineEdit()->selectAll();
             QTest::keyClicks(box, "72");
         },
         [](const CWordArtInfo& r) { return r.FontSize == 72 && r.Font.pixelSize() == 72; }, nullptr},
        {"bold", none, [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkBold"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.Font.weight() == QFont::Bold; }, nullptr},
        {"italic", none, [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkItalic"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.Font.style() == QFont::StyleItalic; }, nullptr},
        {"underline", none,
         [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkUnderline"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.Font.underline(); }, nullptr},
        {"text", none, [](VTextPropSheetDialog& d) {
             auto* edit = Find<QTextEdit>(&d, "textEdit");
             edit->moveCursor(QTextCursor::End);
             QTest::keyClicks(edit, "xy");
         },
         [](const CWordArtInfo& r) { return r.Text == "Abxy"; }, "textPage"},
        {"effect", none, [](VTextPropSheetDialog& d) { Find<QComboBox>(&d, "comboTextEffect")->setCurrentIndex(3); },
         [](const CWordArtInfo& r) { return r.TextEffect == TE_DBL_OUTLINE; }, nullptr},
        {"text colour", none, [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorText1", "swatch_3_1"); },
         [](const CWordArtInfo& r) { return r.TextColor1 == QColor(255, 0, 0); }, nullptr},
        {"gradient", [](CWordArtInfo& r) { r.TextColor2 = Qt::blue; },
         [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkGradient"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.TextGradient; }, nullptr},
        {"gradient colour", [](CWordArtInfo& r) { r.TextGradient = true; },
         [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorText2", "swatch_2_0"); },
         [](const CWordArtInfo& r) { return r.TextColor2 == QColor(0, 0, 255); }, nullptr},
        {"outline colour 1", effect(TE_OUTLINE), [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorOutline1", "swatch_3_1"); },
         [](const CWordArtInfo& r) { return r.OutlineColor1 == QColor(255, 0, 0); }, nullptr},
        {"outline thickness 1", effect(TE_OUTLINE),
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinOutlineThickness1", "3"); },
         [](const CWordArtInfo& r) { return r.OutlineThickness1 == 3; }, "outlineMenu"},
        {"outline alpha 1 in percent", effect(TE_OUTLINE),
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinOutlineAlpha1", "10"); },
         [](const CWordArtInfo& r) { return r.OutlineAlpha1 == 26; }, "outlineMenu"},
        {"outline colour 2", effect(TE_DBL_OUTLINE), [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorOutline2", "swatch_3_1"); },
         [](const CWordArtInfo& r) { return r.OutlineColor2 == QColor(255, 0, 0); }, "outlineMenu"},
        {"outline thickness 2", effect(TE_DBL_OUTLINE),
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinOutlineThickness2", "2"); },
         [](const CWordArtInfo& r) { return r.OutlineThickness2 == 2; }, "outlineMenu"},
        {"outline alpha 2 in percent", effect(TE_DBL_OUTLINE),
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinOutlineAlpha2", "50"); },
         [](const CWordArtInfo& r) { return r.OutlineAlpha2 == 127; }, "outlineMenu"},
        {"shadow on", none, [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkShadow"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.EnableShadow; }, "shadowMenu"},
        {"shadow colour", shadowOn, [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorShadow", "swatch_3_1"); },
         [](const CWordArtInfo& r) { return r.ShadowColor == QColor(255, 0, 0); }, "shadowMenu"},
        {"shadow thickness", shadowOn, [](VTextPropSheetDialog& d) { TypeInto(&d, "spinShadowThickness", "12"); },
         [](const CWordArtInfo& r) { return r.ShadowThickness == 12; }, "shadowMenu"},
        {"shadow alpha in percent", shadowOn, [](VTextPropSheetDialog& d) { TypeInto(&d, "spinShadowAlpha", "1"); },
         [](const CWordArtInfo& r) { return r.ShadowAlpha == 3; }, "shadowMenu"},
        {"shadow x", shadowOn, [](VTextPropSheetDialog& d) { TypeInto(&d, "spinShadowOffsetX", "15"); },
         [](const CWordArtInfo& r) { return r.ShadowOffsetX == 15; }, "shadowMenu"},
        {"shadow y", shadowOn, [](VTextPropSheetDialog& d) { TypeInto(&d, "spinShadowOffsetY", "15"); },
         [](const CWordArtInfo& r) { return r.ShadowOffsetY == 15; }, "shadowMenu"},
        {"background on", none,
         [](VTextPropSheetDialog& d) { QTest::mouseClick(Find<QCheckBox>(&d, "checkBackground"), Qt::LeftButton); },
         [](const CWordArtInfo& r) { return r.EnableBackground; }, "backgroundMenu"},
        {"background colour", boxOn, [](VTextPropSheetDialog& d) { PickSwatch(&d, "colorBackground", "swatch_3_1"); },
         [](const CWordArtInfo& r) { return r.ColorBackground == QColor(255, 0, 0); }, "backgroundMenu"},
        {"background alpha in percent", boxOn,
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinBackgroundAlpha", "80"); },
         [](const CWordArtInfo& r) { return r.BackgroundAlpha == 204; }, "backgroundMenu"},
        {"background thickness", boxOn,
         [](VTextPropSheetDialog& d) { TypeInto(&d, "spinBackgroundThickness", "4"); },
         [](const CWordArtInfo& r) { return r.BackgroundThickness == 4; }, "backgroundMenu"},
        {"background round", boxOn, [](VTextPropSheetDialog& d) { TypeInto(&d, "spinBackgroundRound", "15"); },
         [](const CWordArtInfo& r) { return r.BackgroundRound == 15; }, "backgroundMenu"},
    };
    return rows;
}

// Answers the modal dialog with one of its buttons once it runs.
void AnswerLater(VTextPropSheetDialog* dialog, const QString& button)
{
    QTimer::singleShot(0, dialog, [dialog, button] {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

CWordArtInfo AwkwardRecord()
{
    // Values the controls cannot show exactly: a refresh must not store what it shows.
    CWordArtInfo r;
    r.Text = QStringLiteral("Ab");
    r.OutlineAlpha1 = 24;       // 9 %
    r.OutlineAlpha2 = 200;      // 78 %
    r.ShadowAlpha = 128;        // 50 %
    r.BackgroundAlpha = 100;    // 39 %
    r.ShadowOffsetX = -5;       // below the spin's range
    r.OutlineThickness1 = 1500; // above it
    r.Font.setWeight(QFont::Bold);
    return r;
}

// The dialog shown on its effect page, where the presets are clicked.
bool ShowEffectPage(VTextPropSheetDialog* dialog)
{
    dialog->InitDialog();
    dialog->resize(800, 600);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        return false;
    Find<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
    return true;
}

void ClickPreset(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestTextDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<CWordArtInfo*>(); }
    void controlChangesRecordAndRendering_data();
    void controlChangesRecordAndRendering();
    void okWithoutEditsReturnsRecordUnchanged_data();
    void okWithoutEditsReturnsRecordUnchanged();
    void cancelLeavesCallerRecord();
    void textIsPlainBothWays_data();
    void textIsPlainBothWays();
    void fontSizeIsCapped_data();
    void fontSizeIsCapped();
    void typingIsReportedOncePerTick();
    void effectBoxFollowsRecord_data();
    void effectBoxFollowsRecord();
    void outlineButtonFollowsPresets();
    void builtInPresetsShowEveryEffect();
    void presetsReader_data();
    void presetsReader();
    void presetsBesideProgramComeFirst_data();
    void presetsBesideProgramComeFirst();
    void presetAppliedSurvivesProjectFile();
};

void TestTextDialog::controlChangesRecordAndRendering_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < ControlRows().size(); ++i)
        QTest::newRow(ControlRows()[i].name) << int(i);
}

void TestTextDialog::controlChangesRecordAndRendering()
{
    QFETCH(int, row);
    const ControlRow& c = ControlRows()[size_t(row)];
    VTextPropSheetDialog dialog;
    dialog.WordArt.Text = QStringLiteral("Ab");
    c.prepare(dialog.WordArt);
    dialog.InitDialog();
    const QImage before = Render(dialog.WordArt);
    QSignalSpy spy(&dialog, SIGNAL(sigUpdateText(CWordArtInfo*)));

    c.act(dialog);
    QVERIFY2(c.check(dialog.WordArt), qPrintable(Snapshot(dialog.WordArt)));
    if (c.tickedPanel) {
        QCOMPARE(spy.count(), 0);
        QMetaObject::invokeMethod(Find<QWidget>(&dialog, c.tickedPanel), "onUpdateUI");
        QCOMPARE(spy.count(), 1);
    } else {
        QVERIFY(spy.count() >= 1);
    }
    QCOMPARE(spy.last().at(0).value<CWordArtInfo*>(), &dialog.WordArt);
    QVERIFY(Render(dialog.WordArt) != before);
}

void TestTextDialog::okWithoutEditsReturnsRecordUnchanged_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("refilled");
    for (int effect = TE_GLOW; effect <= TE_DBL_GLOW; ++effect) {
        QTest::addRow("opened, effect %d", effect) << effect << false;
        QTest::addRow("refilled, effect %d", effect) << effect << true;
    }
}

void TestTextDialog::okWithoutEditsReturnsRecordUnchanged()
{
    QFETCH(int, effect);
    QFETCH(bool, refilled);
    CWordArtInfo original = AwkwardRecord();
    original.TextEffect = static_cast<::TextEffect>(effect);
    VTextPropSheetDialog dialog;
    if (refilled) {
        // Controls first showing other values, then refilled, as after a preset.
        dialog.WordArt.TextEffect = TE_DBL_OUTLINE;
        dialog.WordArt.OutlineAlpha1 = dialog.WordArt.OutlineAlpha2 = 255;
        dialog.WordArt.ShadowAlpha = dialog.WordArt.BackgroundAlpha = 255;
        dialog.WordArt.ShadowOffsetX = 10;
        dialog.WordArt.OutlineThickness1 = 5;
    } else {
        dialog.WordArt = original;
    }
    dialog.InitDialog();
    QSignalSpy spy(&dialog, SIGNAL(sigUpdateText(CWordArtInfo*)));
    dialog.WordArt = original;
    dialog.SetText();
    dialog.UpdateUI();
    for (QTimer* timer : dialog.findChildren<QTimer*>(QStringLiteral("updateTimer")))
        QMetaObject::invokeMethod(timer->parent(), "onUpdateUI");
    // The controls show what they can: 24 is 9 %.
    QCOMPARE(Find<QSpinBox>(&dialog, "spinOutlineAlpha1")->value(), 9);
    AnswerLater(&dialog, QStringLiteral("pButtonOK"));
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(Snapshot(dialog.WordArt), Snapshot(original));
    QCOMPARE(spy.count(), 0);
}

void TestTextDialog::cancelLeavesCallerRecord()
{
    const CWordArtInfo callers = AwkwardRecord();
    VTextPropSheetDialog dialog;
    dialog.WordArt = callers;
    dialog.InitDialog();
    QTest::keyClicks(Find<QTextEdit>(&dialog, "textEdit"), "more");
    Find<QComboBox>(&dialog, "comboTextEffect")->setCurrentIndex(2);
    TypeInto(&dialog, "spinShadowAlpha", "90");
    QVERIFY(Snapshot(dialog.WordArt) != Snapshot(callers));
    AnswerLater(&dialog, QStringLiteral("pButtonCancel"));
    CWordArtInfo kept = callers;
    if (dialog.exec() == QDialog::Accepted)
        kept = dialog.WordArt;
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Snapshot(kept), Snapshot(callers));
}

void TestTextDialog::textIsPlainBothWays_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("tag") << "<b>bold</b>";
    QTest::newRow("entity") << "fish &amp; chips";
    QTest::newRow("lines and markup") << "one <i>\ntwo & <br> three";
}

void TestTextDialog::textIsPlainBothWays()
{
    QFETCH(QString, text);
    VTextPropSheetDialog dialog;
    dialog.WordArt.Text = text;
    dialog.InitDialog();
    dialog.SetText();
    auto* edit = Find<QTextEdit>(&dialog, "textEdit");
    QCOMPARE(edit->toPlainText(), text);
    QCOMPARE(dialog.WordArt.Text, text);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "<u>&lt;");
    QCOMPARE(dialog.WordArt.Text, text + "<u>&lt;");
}

void TestTextDialog::fontSizeIsCapped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("size");
    const int cap = CWordArtInfo::kMaxFontPixelSize;
    QTest::newRow("below the cap") << QString::number(cap - 1) << cap - 1;
    QTest::newRow("above the cap") << QString::number(cap * 10) << cap;
    QTest::newRow("too long to be a number") << "123456789012345678901234567890" << cap;
}

void TestTextDialog::fontSizeIsCapped()
{
    QFETCH(QString, typed);
    QFETCH(int, size);
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    auto* box = Find<QComboBox>(&dialog, "sizeBox");
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, typed);
    QCOMPARE(dialog.WordArt.FontSize, size);
    QCOMPARE(dialog.WordArt.Font.pixelSize(), size);
    // Emptied, the size is 0 and the font keeps its pixel size.
    box->lineEdit()->clear();
    QCOMPARE(dialog.WordArt.FontSize, 0);
    QCOMPARE(dialog.WordArt.Font.pixelSize(), size);
}

void TestTextDialog::typingIsReportedOncePerTick()
{
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    auto* edit = Find<QTextEdit>(&dialog, "textEdit");
    edit->clear();
    QSignalSpy spy(&dialog, SIGNAL(sigUpdateText(CWordArtInfo*)));
    QTest::keyClicks(edit, "Hello there, typist");
    QCOMPARE(dialog.WordArt.Text, QStringLiteral("Hello there, typist"));
    QCOMPARE(spy.count(), 0);
    // The page's own timer reports the pause once.
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 10000);
    // A tick with nothing typed reports nothing.
    QMetaObject::invokeMethod(Find<QWidget>(&dialog, "textPage"), "onUpdateUI");
    QCOMPARE(spy.count(), 1);
}

void TestTextDialog::effectBoxFollowsRecord_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("outlineRows");
    QTest::newRow("glow") << int(TE_GLOW) << 0 << 3;
    QTest::newRow("outline") << int(TE_OUTLINE) << 2 << 3;
    QTest::newRow("double outline") << int(TE_DBL_OUTLINE) << 3 << 6;
    QTest::newRow("gradient outline") << int(TE_GRAD_OUTLINE) << 4 << 6;
    QTest::newRow("no outline") << int(TE_NO_OUTLINE) << 1 << 0;
    QTest::newRow("outline only: no entry") << int(TE_ONLY_OUTLINE) << -1 << 3;
    QTest::newRow("double glow: no entry") << int(TE_DBL_GLOW) << -1 << 6;
}

void TestTextDialog::effectBoxFollowsRecord()
{
    QFETCH(int, effect);
    QFETCH(int, index);
    QFETCH(int, outlineRows);
    VTextPropSheetDialog dialog;
    dialog.WordArt.TextEffect = static_cast<::TextEffect>(effect);
    dialog.InitDialog();
    auto* box = Find<QComboBox>(&dialog, "comboTextEffect");
    QCOMPARE(box->currentIndex(), index);
    auto* outline = Find<QWidget>(&dialog, "outlineMenu");
    int shown = 0;
    for (auto* spin : outline->findChildren<QSpinBox*>())
        shown += spin->isVisibleTo(outline) ? 1 : 0;
    QCOMPARE(shown, outlineRows * 2 / 3);
    QCOMPARE(dialog.WordArt.TextEffect, static_cast<::TextEffect>(effect));

    // "No Outline" hides the Outline button; any other choice shows it again.
    auto* button = Find<QToolButton>(&dialog, "buttonOutline");
    QVERIFY(!button->isHidden());
    box->setCurrentIndex(2);
    box->setCurrentIndex(1);
    QCOMPARE(dialog.WordArt.TextEffect, TE_NO_OUTLINE);
    QVERIFY(button->isHidden());
    box->setCurrentIndex(4);
    QCOMPARE(dialog.WordArt.TextEffect, TE_GRAD_OUTLINE);
    QVERIFY(!button->isHidden());
}

// A preset's effect shows in the effect box and in the Outline button as a
// choice in the box does; a record opened with "No Outline" keeps the button.
void TestTextDialog::outlineButtonFollowsPresets()
{
    VTextPropSheetDialog dialog;
    dialog.WordArt.TextEffect = TE_NO_OUTLINE;
    QVERIFY(ShowEffectPage(&dialog));
    auto* list = Find<QListWidget>(&dialog, "presetList");
    auto* page = Find<VFuncTextEffectPage>(&dialog, "effectPage");
    auto* box = Find<QComboBox>(&dialog, "comboTextEffect");
    auto* button = Find<QToolButton>(&dialog, "buttonOutline");
    const auto click = [&](::TextEffect effect) {
        for (int i = 0; i < list->count(); ++i) {
            if (page->Presets()[size_t(i)].TextEffect != effect)
                continue;
            ClickPreset(list, i);
            return dialog.WordArt.TextEffect == effect;
        }
        return false;
    };
    QVERIFY(!button->isHidden());
    QVERIFY(click(TE_NO_OUTLINE));
    QCOMPARE(box->currentIndex(), 1);
    QVERIFY(!button->isHidden()); // the box did not change
    QVERIFY(click(TE_DBL_OUTLINE));
    QCOMPARE(box->currentText(), QStringLiteral("Double Outline"));
    QVERIFY(!button->isHidden());
    QVERIFY(click(TE_NO_OUTLINE));
    QCOMPARE(box->currentText(), QStringLiteral("No Outline"));
    QVERIFY(button->isHidden());
    QVERIFY(click(TE_OUTLINE));
    QVERIFY(!button->isHidden());
}

void TestTextDialog::builtInPresetsShowEveryEffect()
{
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    auto* page = Find<VFuncTextEffectPage>(&dialog, "effectPage");
    auto* list = Find<QListWidget>(&dialog, "presetList");
    const auto& presets = page->Presets();
    QCOMPARE(list->count(), int(presets.size()));
    QSet<int> effects;
    bool gradient = false, shadow = false, box = false, extruded = false;
    for (int i = 0; i < list->count(); ++i) {
        QVERIFY2(!list->item(i)->icon().isNull(), qPrintable(presets[size_t(i)].Name));
        const CWordArtInfo& p = presets[size_t(i)];
        effects.insert(p.TextEffect);
        gradient |= p.TextGradient;
        shadow |= p.EnableShadow;
        box |= p.EnableBackground;
        extruded |= p.ExtrudedText;
    }
    QCOMPARE(effects.size(), 7);
    QVERIFY(gradient && shadow && box && extruded);
}

void TestTextDialog::presetsReader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("check"); // "field=value" on the first preset
    QTest::newRow("damaged") << QByteArray("<WordArts><WordArt>") << 0 << "";
    QTest::newRow("other root") << QByteArray("<Presets><WordArt/></Presets>") << 0 << "";
    QTest::newRow("comment first") << QByteArray("<WordArts><!-- x --><WordArt/></WordArts>") << 0 << "";
    QTest::newRow("any later sibling") << QByteArray("<WordArts><WordArt/><Other/></WordArts>") << 2 << "";
    QTest::newRow("six digits are transparent")
        << QByteArray("<WordArts><WordArt><TextColor>FF0000</TextColor></WordArt></WordArts>") << 1
        << "TextColor1=#00ff0000";
    QTest::newRow("eight digits")
        << QByteArray("<WordArts><WordArt><TextColor>80FF0000</TextColor></WordArt></WordArts>") << 1
        << "TextColor1=#80ff0000";
    QTest::newRow("alpha keeps low byte")
        << QByteArray("<WordArts><WordArt><OutlineAlpha1>300</OutlineAlpha1></WordArt></WordArts>") << 1
        << "OutlineAlpha1=44";
    QTest::newRow("last wins")
        << QByteArray("<WordArts><WordArt><TextEffect>2</TextEffect><TextEffect>5</TextEffect></WordArt></WordArts>")
        << 1 << "TextEffect=5";
    QTest::newRow("nested 50 000 deep")
        << "<WordArts><WordArt>" + QByteArray("<a>").repeated(50000) + "</WordArt></WordArts>" << 0 << "";
    QTest::newRow("one large entity used often")
        << "<!DOCTYPE WordArts [<!ENTITY big \"" + QByteArray(10000, 'x') + "\">]><WordArts><WordArt><Name>"
               + QByteArray("&big;").repeated(1000) + "</Name></WordArt></WordArts>"
        << 0 << "";
    QTest::newRow("absurd thickness is bounded")
        << QByteArray("<WordArts><WordArt><OutlineThickness1>99999999</OutlineThickness1></WordArt></WordArts>")
        << 1 << "OutlineThickness1=999";
}

void TestTextDialog::presetsReader()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(QString, check);
    QTemporaryDir dir;
    QFile file(dir.filePath("WordArt.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    auto* page = Find<VFuncTextEffectPage>(&dialog, "effectPage");
    page->LoadWordArtXML(file.fileName());
    QCOMPARE(int(page->Presets().size()), count);
    if (check.isEmpty())
        return;
    const CWordArtInfo& p = page->Presets().front();
    const QString field = check.section('=', 0, 0);
    QString value;
    if (field == "TextColor1")
        value = p.TextColor1.name(QColor::HexArgb);
    else if (field == "OutlineAlpha1")
        value = QString::number(p.OutlineAlpha1);
    else if (field == "TextEffect")
        value = QString::number(p.TextEffect);
    else if (field == "OutlineThickness1")
        value = QString::number(p.OutlineThickness1);
    QCOMPARE(value, check.section('=', 1));
}

void TestTextDialog::presetsBesideProgramComeFirst_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("own");
    QTest::newRow("own file")
        << QByteArray("<WordArts><WordArt><Name>Mine</Name><TextEffect>4</TextEffect></WordArt></WordArts>") << true;
    QTest::newRow("damaged file gives the built-in set") << QByteArray("<WordArts><Word") << false;
    QTest::newRow("crafted file gives the built-in set")
        << "<WordArts><WordArt>" + QByteArray("<a>").repeated(50000) + "</WordArt></WordArts>" << false;
    QTest::newRow("entities give the built-in set")
        << QByteArray("<!DOCTYPE WordArts [<!ENTITY n \"Mine\">]><WordArts><WordArt><Name>&n;</Name></WordArt>"
                      "</WordArts>")
        << false;
    QTest::newRow("missing file gives the built-in set") << QByteArray() << false;
}

void TestTextDialog::presetsBesideProgramComeFirst()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, own);
    QCOMPARE(VFuncTextEffectPage::AppPresetsPath(), AppFolder::Path() + "/opts/WordArt.xml");
    QTemporaryDir dir;
    const QString path = dir.filePath("WordArt.xml");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    auto* page = Find<VFuncTextEffectPage>(&dialog, "effectPage");
    page->LoadPresets(path);
    if (own) {
        QCOMPARE(int(page->Presets().size()), 1);
        QCOMPARE(page->Presets().front().Name, QStringLiteral("Mine"));
    } else {
        QVERIFY(page->Presets().size() > 7);
    }
}

void TestTextDialog::presetAppliedSurvivesProjectFile()
{
    QTemporaryDir dir;
    VTextPropSheetDialog dialog;
    dialog.WordArt.Text = QStringLiteral("Keep me");
    QVERIFY(ShowEffectPage(&dialog));
    auto* list = Find<QListWidget>(&dialog, "presetList");
    auto* page = Find<VFuncTextEffectPage>(&dialog, "effectPage");
    for (int i = 0; i < list->count(); ++i) {
        ClickPreset(list, i);
        const CWordArtInfo& preset = page->Presets()[size_t(i)];
        QCOMPARE(dialog.WordArt.TextEffect, preset.TextEffect);
        QCOMPARE(dialog.WordArt.TextColor1, preset.TextColor1);
        QCOMPARE(dialog.WordArt.Text, QStringLiteral("Keep me"));
        QCOMPARE(Find<QWidget>(&dialog, "colorText2")->isEnabled(), preset.TextGradient);

        JxOFile saved;
        saved.ProjectPath = dir.filePath(QString::number(i) + ".jxo");
        CLayerInfo layer;
        layer.Type = 3;
        layer.WordArt = dialog.WordArt;
        saved.LayerList.append(layer);
        QString why;
        QVERIFY2(saved.Save(&why), qPrintable(why));
        JxOFile read;
        read.ProjectPath = saved.ProjectPath;
        QVERIFY2(read.Open(&why), qPrintable(why));
        QCOMPARE(read.LayerList.size(), 1);
        QDomDocument a, b;
        QDomElement ea = a.createElement("WordArt"), eb = b.createElement("WordArt");
        JxOFile::WordArtToXML(&a, &ea, &dialog.WordArt);
        JxOFile::WordArtToXML(&b, &eb, &read.LayerList.first().WordArt);
        a.appendChild(ea);
        b.appendChild(eb);
        QCOMPARE(b.toString(), a.toString());
    }
}

QTEST_MAIN(TestTextDialog)
#include "tst_textdialog.moc"
